#pragma once

#include <QString>
#include <cstdint>
#include <string>

class QLineEdit;

namespace tg {

// Reads the editors' text boxes into record fields by the number-reading
// rule. A number that does not fit its field (or overflows a double) is
// refused rather than squeezed: the reader gives 0 for it and keeps the
// message of the first refusal, so a Set can check ok() before it stores
// anything of the record.
class FieldReader {
public:
    std::int16_t int16(const QString& text, const QString& field);
    std::int32_t int32(const QString& text, const QString& field);
    double number(const QString& text, const QString& field);

    bool ok() const { return refusal_.isEmpty(); }
    // The message naming the first field that was refused and its range.
    const QString& refusal() const { return refusal_; }

private:
    void refuse(const QString& message);

    QString refusal_;
};

// Shows text in a box that holds at most `limit` typed characters. A longer
// stored value is shown whole (the limit widens to fit it) instead of being
// cut, so that a Set never stores a truncated number. Sets nothing when the
// box already holds the text, so no change notification fires.
void showInBox(QLineEdit* box, const QString& text, int limit);

// The same for boxes without a limit.
void showInBox(QLineEdit* box, const QString& text);

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace tg
