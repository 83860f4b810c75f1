#pragma once

#include <QWidget>

namespace tg {

// An invisible rectangle over a picture that reports the mouse moving over it
// and double-clicks on it. It also takes keyboard focus and treats Enter,
// Return and Space like a double-click, so that the map can be used without a
// mouse. It draws a focus frame only while the user moves among the spots
// with the keyboard (Tab, or an arrow key, which moves the focus as Tab
// does): focus that came with a click or with the window shows nothing.
class HotSpot : public QWidget {
    Q_OBJECT
public:
    HotSpot(int index, QWidget* parent = nullptr);

    int index() const { return index_; }

signals:
    void mouseMoved(int index);
    void doubleClicked(int index);
    // Keyboard focus arrived; keyboard is true when it came by a key (Tab,
    // arrows) rather than by the mouse.
    void focused(int index, bool keyboard);
    // An arrow key was pressed while this spot has focus.
    void arrowPressed(int index, int key);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    bool keyboardFocus_ = false;
};

}  // namespace tg
