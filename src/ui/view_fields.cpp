#include "ui/view_fields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "model/notice.h"
#include "scripts/numbers.h"
#include "ui/message_box.h"
#include "ui/path_text.h"

namespace tg {

namespace {

// Marks an item added by showNumberItem only to show a stored value.
constexpr int kExtraItemRole = Qt::UserRole + 1;

double readBox(const QString& text) {
    return readNumber(text.toStdString());
}

// A list is never narrower than its longest item. (An explicit minimum width
// would override that need in a layout, so the minimum grows with it.)
void widenToItems(PickList* list) {
    list->setMinimumWidth(std::max(list->minimumWidth(), list->sizeHint().width()));
}

void removeExtraItems(QComboBox* list) {
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->itemData(i, kExtraItemRole).toBool()) {
            list->removeItem(i);
        }
    }
}

}  // namespace

QLineEdit* numberBox(const QString& name, const QString& tip, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (!tip.isEmpty()) {
        box->setToolTip(tip);
    }
    box->setFixedWidth(width);
    return box;
}

PickList* pickList(const QString& name, const QString& tip, int width, QWidget* parent) {
    auto* list = new PickList(parent);
    list->setObjectName(name);
    if (!tip.isEmpty()) {
        list->setToolTip(tip);
    }
    list->setEditable(false);
    list->setMinimumWidth(width);
    list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return list;
}

QLabel* labelFor(const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    return label;
}

QString plainNumber(long long value) {
    return qtText(formatInteger(value));
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

QStringList numberItems(int first, int last) {
    QStringList items;
    for (int i = first; i <= last; ++i) {
        items.append(plainNumber(i));
    }
    return items;
}

void addItemsQuietly(PickList* list, const QStringList& items) {
    const QSignalBlocker blocker(list);
    const int current = list->currentIndex();
    removeExtraItems(list);
    list->addItems(items);
    list->setCurrentIndex(current < list->count() ? current : -1);
    widenToItems(list);
}

void showNumberItem(PickList* list, int first, int last, int value) {
    removeExtraItems(list);
    const int index = value - first;
    if (value >= first && value <= last && index < list->count()) {
        list->setCurrentIndex(index);
        return;
    }
    list->addItem(plainNumber(value));
    list->setItemData(list->count() - 1, true, kExtraItemRole);
    list->setCurrentIndex(list->count() - 1);
    widenToItems(list);
}

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

std::int16_t FieldReader::int16(const QLineEdit* box, const QString& field) {
    return int16(box->text(), field);
}

std::int16_t FieldReader::int16(const QComboBox* list, const QString& field) {
    return int16(list->currentText(), field);
}

std::int32_t FieldReader::int32(const QLineEdit* box, const QString& field) {
    if (const auto value = roundToInt32(readBox(box->text()))) {
        return *value;
    }
    refuse(field + QStringLiteral(" must be a whole number from -2147483648 to 2147483647."));
    return 0;
}

double FieldReader::number(const QLineEdit* box, const QString& field) {
    const double value = readBox(box->text());
    if (std::isfinite(value)) {
        return value;
    }
    refuse(field + QStringLiteral(" must be a number from -1.7e+308 to 1.7e+308."));
    return 0.0;
}

bool FieldReader::accepted(MessageBoxService& boxes, QWidget* parent) const {
    if (refusal_.isEmpty()) {
        return true;
    }
    boxes.show(parent, QString::fromLatin1(kTitleTGEdit), refusal_, MsgButtons::Ok,
               MsgIcon::Exclamation);
    return false;
}

}  // namespace tg
