#include "ui/placement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tg {

namespace {

QMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The frame a window manager puts around a window is known only once it is
// on show; that of another window of the program on show is the best guess.
QMargins likelyFrame(const QWidget* window) {
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && !other->isMinimized()) {
            return frameOf(other);
        }
    }
    return {};
}

}  // namespace

void centreOverOwner(QWidget* window) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const bool overOwner = owner && owner->isVisible();
    const QScreen* screen = owner ? owner->screen() : window->screen();
    const QRect available = screen->availableGeometry();

    const QMargins frame = likelyFrame(window);
    QRect placed(QPoint(), window->size().grownBy(frame));
    placed.moveCenter(overOwner ? owner->frameGeometry().center() : available.center());
    // Kept on the screen, the top left corner first.
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    // The place of the window itself, inside its frame.
    window->setGeometry(
        QRect(placed.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

namespace {

// Centres its window when that is shown the first time, then goes.
class FirstShowPlacer : public QObject {
public:
    explicit FirstShowPlacer(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Sent after the window has its size and before it reaches the screen.
        if (event->type() == QEvent::Show && watched == parent()) {
            centreOverOwner(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centreWhenFirstShown(QWidget* window) {
    new FirstShowPlacer(window);
}

}  // namespace tg
