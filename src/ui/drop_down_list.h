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
};

// A drop-down list that is as wide as its longest item, as a box that adjusts
// to its contents, but measures its items once for each change of them: a
// plain box measures every item again for its size hint and again for its
// smallest size, and its adjusting to contents makes its list part at once.
class PickList : public DropDownList {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void itemsChanged();

    mutable QSize hint_;
};

}  // namespace tg
