#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <string_view>

#include "model/setting_fields.h"
#include "scripts/numbers.h"
#include "ui/drop_down_list.h"
#include "ui/path_text.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tg {

class MessageBoxService;

// The number boxes and pick lists of the editor views and the block dialog:
// making them, showing a value in them, and reading them back into a record.

// The setting field of Record named `name`. The views name their fields by
// literal names, so a name missing from the table is a slip in the program.
template <class Record>
const SettingField<Record>& viewField(std::string_view name) {
    const SettingField<Record>* field = fieldNamed<Record>(name);
    Q_ASSERT_X(field != nullptr, "viewField", "no setting field of that name");
    return *field;
}

// A text box for a number: its control name, tooltip (none when empty) and
// width in pixels.
QLineEdit* numberBox(const QString& name, const QString& tip, int width, QWidget* parent);

// A pick-only drop-down list, made the same way: at least `width` wide and
// never narrower than its longest item (addItemsQuietly, showNumberItem keep
// it so).
PickList* pickList(const QString& name, const QString& tip, int width, QWidget* parent);

// A caption label for field; the label is the field's buddy (its access key
// moves to the field).
QLabel* labelFor(const QString& caption, QWidget* field, QWidget* parent);

// Number forms of the boxes: plain decimal, and a fixed number of decimals.
QString plainNumber(long long value);

// The record's field `name`, shown with `decimals` decimals, or in the
// field's written form where that keeps more (formatShown): a Set on an
// untouched box stores what the writer would have written.
template <class Record>
QString fixedNumber(const Record& record, std::string_view name, int decimals) {
    const SettingField<Record>& field = viewField<Record>(name);
    return qtText(formatShown(settingNumber(record, field), decimals, field.form));
}

// Shows text in a box that holds at most `limit` typed characters. A longer
// stored value is shown whole (the limit widens to fit it) instead of being
// cut, so that a Set never stores a truncated number. Sets nothing when the
// box already holds the text, so no change notification fires.
void showInBox(QLineEdit* box, const QString& text, int limit);

// The same for boxes without a limit.
void showInBox(QLineEdit* box, const QString& text);

// The items "first" to "last" of a number list, in plain decimal.
QStringList numberItems(int first, int last);

// Adds items without choosing one: a list keeps showing what it showed (or
// nothing) and no change notification fires. An extra item of
// showNumberItem is dropped first.
void addItemsQuietly(PickList* list, const QStringList& items);

// Chooses the item for value in a list whose items are the numbers first to
// last. Any other value is shown as one extra item holding it (until the
// next value is shown), so that a Set stores that value again instead of 0.
void showNumberItem(PickList* list, int first, int last, int value);

// Reads boxes and lists into record fields by the number-reading rule. A
// number that does not fit its field (or overflows a double) is refused
// rather than squeezed: the reader gives 0 for it and keeps the message of
// the first refusal, so a Set can check accepted() before it stores
// anything of the record.
class FieldReader {
public:
    std::int16_t int16(const QLineEdit* box, const QString& field);
    // A list gives the text of its chosen item (nothing chosen reads as 0).
    std::int16_t int16(const QComboBox* list, const QString& field);
    std::int32_t int32(const QLineEdit* box, const QString& field);
    double number(const QLineEdit* box, const QString& field);

    // True when every field fitted. Otherwise shows the message naming the
    // first field refused and its range (title "TG Edit", exclamation icon)
    // over parent, and gives false: the caller then stores nothing.
    bool accepted(MessageBoxService& boxes, QWidget* parent) const;

private:
    std::int16_t int16(const QString& text, const QString& field);
    void refuse(const QString& message);

    QString refusal_;
};

}  // namespace tg
