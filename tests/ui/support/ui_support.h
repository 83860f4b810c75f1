#pragma once

// What the window tests share: scripted message boxes, an application
// folder beside a copy of the stand-in game, a main window open on a
// project, and the handling of modal dialogs and left-over windows. It
// brings in the windows and Qt's widgets and test library for every test.

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <functional>

#include "project/app_context.h"
#include "project/edits.h"
#include "ui/block_view.h"
#include "ui/business_view.h"
#include "ui/city_view.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/frm_about.h"
#include "ui/frm_blockedit.h"
#include "ui/frm_gamepath.h"
#include "ui/frm_main.h"
#include "ui/frm_menu.h"
#include "ui/frm_project.h"
#include "ui/hot_spot.h"
#include "ui/message_box.h"
#include "ui/path_label.h"

namespace tg::test {

// Records every box and answers from a queue; a box with no queued answer
// gets OK (Cancel for a question, so an unexpected question changes nothing).
struct ScriptedMessageBox : MessageBoxService {
    struct Shown {
        QString title;
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
    };
    MsgAnswer show(QWidget*, const QString& title, const QString& text,
                   MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) override;
    QStringList texts() const {
        QStringList all;
        for (const Shown& box : shown) {
            all << box.text;
        }
        return all;
    }

    QList<Shown> shown;
    QList<MsgAnswer> answers;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// The four scripts of a folder, joined: to tell whether any was written.
QByteArray scripts(const QString& folder);

// A file system whose writes into one folder fail, as on a full disk.
struct FailingFolder : FileSystem {
    std::string folder = "/nowhere/";
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        return step == FsStep::Write && path.starts_with(folder)
                   ? std::optional<std::string>("No space left on device")
                   : std::nullopt;
    }
};

// A temporary application folder with the shipped data files, beside a copy
// of the stand-in game, with its context and scripted message boxes.
// Configured, it is what a finished first start leaves (Projects, Backup
// filled from the game, tgedit.cfg naming it) and holds the project Default
// as New Project makes it, which open() shows in a main window.
struct MainSession {
    explicit MainSession(bool configured = true, FileSystem& fs = realFileSystem());
    // Every window still open goes first: each holds on to ctx.
    ~MainSession();
    frm_main* open() {
        window = new frm_main(ctx, boxes);
        window->show();
        return window;
    }
    // Lets a close finish (the window deletes itself); true when it is gone.
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }
    // Every file and folder under the application folder and the game.
    QMap<QString, QByteArray> snapshot() const;

    QTemporaryDir root;
    QString app;      // the application folder, ending in '/'
    QString game;     // the game folder, ending in '/'
    QString project;  // the project Default, ending in '/'
    ScriptedMessageBox boxes;
    AppContext ctx;
    QPointer<frm_main> window;
};

// Acts once on the modal dialog of type T when it is on show; declare it
// before the call that opens the dialog. It stops watching when it goes.
template <typename T>
struct WhenModal {
    explicit WhenModal(std::function<void(T*)> action) {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, action] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer.stop();
                fired = true;
                action(dialog);
            }
        });
        timer.start(10);
    }
    QTimer timer;
    bool fired = false;
};

// The visible top-level windows of type T.
template <typename T = QWidget>
QList<T*> openWindows() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible()) {
            found.append(window);
        }
    }
    return found;
}

// The project dialog in mode type (0 new, 1 open), as opened from the start
// menu (from 0) or the main window (1), on show.
frm_project* projectDialog(AppContext& ctx, MessageBoxService& boxes, int type, int from = 0);

// What text boxes and drop-down lists show, joined by '|'.
QString shownIn(std::initializer_list<const QWidget*> controls);

// Closes the windows a test left open; those that delete themselves go.
void closeAllWindows();

}  // namespace tg::test
