#pragma once

#include <QComboBox>

namespace tg {

// A drop-down list that opens its list below the box, at most 15 items high
// with a scroll bar, instead of the style's pop-up over the box, which shows
// every item (the height of the screen for the 49 areas). The list part is
// made when it first opens: made with the box, it would cost every window
// with lists a part of its start that nobody sees.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr);

    void showPopup() override;

    // The width the box needs to show its longest item whole.
    int itemsWidth() const;
};

}  // namespace tg
