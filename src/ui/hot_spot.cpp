#include "ui/hot_spot.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tg {

HotSpot::HotSpot(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void HotSpot::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(index_);
    QWidget::mouseMoveEvent(event);
}

void HotSpot::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit doubleClicked(index_);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void HotSpot::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                event->accept();
                emit doubleClicked(index_);
                return;
            }
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            emit arrowPressed(index_, event->key());
            return;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void HotSpot::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::ShortcutFocusReason;
    // Focus that comes back with the window (or after a menu) brings back
    // the frame as it was.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        keyboardFocus_ = byKey;
    }
    update();
    emit focused(index_, byKey);
    QWidget::focusInEvent(event);
}

void HotSpot::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void HotSpot::paintEvent(QPaintEvent*) {
    // Invisible, apart from a frame while the keyboard moves among the spots.
    if (!hasFocus() || !keyboardFocus_) {
        return;
    }
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace tg
