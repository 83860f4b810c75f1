#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace tg::test {

// Acts on the modal dialog of type T once it is on show, for dialogs opened
// with exec(): declare it before the call that opens the dialog. It acts once
// and stops watching when it goes out of scope, so it never touches a dialog
// of a later test.
template <typename T>
class WhenModal {
public:
    explicit WhenModal(std::function<void(T*)> action) : action_(std::move(action)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this]() {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer_.stop();
                fired_ = true;
                action_(dialog);
            }
        });
        timer_.start();
    }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    bool fired() const { return fired_; }

private:
    QTimer timer_;
    std::function<void(T*)> action_;
    bool fired_ = false;
};

// The visible top-level windows of type T.
template <typename T>
QList<T*> openWindows() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible()) {
            found.append(window);
        }
    }
    return found;
}

inline int visibleWindowCount() {
    return static_cast<int>(openWindows<QWidget>().size());
}

// Closes every window the test left open and deletes the windows that delete
// themselves on close. Declared after a test's context, it runs before the
// context goes, so no window outlives the context it refers to.
class WindowSweeper {
public:
    WindowSweeper() = default;
    WindowSweeper(const WindowSweeper&) = delete;
    WindowSweeper& operator=(const WindowSweeper&) = delete;
    ~WindowSweeper() { sweep(); }

    static void sweep() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                widget->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace tg::test
