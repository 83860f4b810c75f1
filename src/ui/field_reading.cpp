#include "ui/field_reading.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "scripts/numbers.h"

namespace tg {

namespace {

double readBox(const QString& text) {
    return readNumber(text.toStdString());
}

}  // namespace

void FieldReader::refuse(const QString& message) {
    if (refusal_.isEmpty()) {
        refusal_ = message;
    }
}

std::int16_t FieldReader::int16(const QString& text, const QString& field) {
    if (const auto value = roundToInt16(readBox(text))) {
        return *value;
    }
    refuse(field + QStringLiteral(" must be a whole number from -32768 to 32767."));
    return 0;
}

std::int32_t FieldReader::int32(const QString& text, const QString& field) {
    if (const auto value = roundToInt32(readBox(text))) {
        return *value;
    }
    refuse(field + QStringLiteral(" must be a whole number from -2147483648 to 2147483647."));
    return 0;
}

double FieldReader::number(const QString& text, const QString& field) {
    const double value = readBox(text);
    if (std::isfinite(value)) {
        return value;
    }
    refuse(field + QStringLiteral(" must be a number from -1.7e+308 to 1.7e+308."));
    return 0.0;
}

void showInBox(QLineEdit* box, const QString& text, int limit) {
    // Widen first, so that neither the old nor the new text is cut on the way.
    const int widest =
        std::max({limit, static_cast<int>(text.size()), static_cast<int>(box->text().size())});
    box->setMaxLength(widest);
    showInBox(box, text);
    // Narrow the limit again once the box holds a text that fits it (the
    // change notifications may already have replaced the text).
    box->setMaxLength(std::max(limit, static_cast<int>(box->text().size())));
}

void showInBox(QLineEdit* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

}  // namespace tg
