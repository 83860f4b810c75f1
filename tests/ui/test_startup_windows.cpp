// The start-up windows: start menu, game-folder dialog, project dialog and
// the folder and drive lists they are built from.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "project/app_context.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/frm_gamepath.h"
#include "ui/frm_main.h"
#include "ui/frm_menu.h"
#include "ui/frm_project.h"
#include "ui/path_label.h"
#include "ui/support/app_fixture.h"
#include "ui/support/scripted_message_box.h"
#include "ui/support/window_driver.h"

using namespace tg;
using namespace tg::test;

namespace {

const QString kNameRule =
    QStringLiteral("A project name cannot contain any of the following characters:\r\n") +
    QString(26, u' ') + QStringLiteral("\\ / : * ? \" < > |");

QString firstStartText() {
    return QStringLiteral(
        "It appears this is the first time running TG Edit.  Please select the Tollgrove folder");
}

// A folder with the given sub-folders (and a file), all under base.
QString makeFolders(const QString& base, const QStringList& subFolders) {
    QDir().mkpath(base);
    for (const QString& name : subFolders) {
        QDir().mkpath(base + u'/' + name);
    }
    writeFile(base + QStringLiteral("/not-a-folder.txt"), "x");
    return QDir::cleanPath(base);
}

QStringList rowTexts(const FolderList& list, int from) {
    QStringList texts;
    for (int row = from; row < list.count(); ++row) {
        texts.append(list.item(row)->text());
    }
    return texts;
}

int rowOf(const FolderList& list, const QString& path) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.pathAt(row) == path) {
            return row;
        }
    }
    return -1;
}

// A double-click as a desktop delivers it: press, release, double-click,
// release.
void doubleClick(FolderList& list, int row) {
    QWidget* viewport = list.viewport();
    const QPointF at = list.visualItemRect(list.item(row)).center();
    const QPointF global = viewport->mapToGlobal(at);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(viewport, &dbl);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

constexpr int px(int twips) {
    return (twips + 7) / 15;
}

frm_project* showProjectDialog(AppContext& ctx, MessageBoxService& boxes, int type, int from) {
    auto* dialog = new frm_project(ctx, boxes);
    dialog->iDialogType = static_cast<std::int16_t>(type);
    dialog->iLastFormShown = static_cast<std::int16_t>(from);
    dialog->show();
    return dialog;
}

}  // namespace

class StartupWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The windows hand over by closing; the test decides when it ends.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { WindowSweeper::sweep(); }

    // --- folder list -------------------------------------------------------

    void folderChainRunsFromRootToFolder() {
        QCOMPARE(folderChain(QStringLiteral("/")), QStringList{QStringLiteral("/")});
        QCOMPARE(folderChain(QStringLiteral("/home/ann")),
                 (QStringList{QStringLiteral("/"), QStringLiteral("/home"),
                              QStringLiteral("/home/ann")}));
        QVERIFY(folderChain(QStringLiteral("relative/path")).isEmpty());
    }

    void folderListShowsAncestorsThenSortedVisibleSubFolders() {
        QTemporaryDir temp;
        const QString base = makeFolders(temp.path() + QStringLiteral("/games"),
                                         {QStringLiteral("beta"), QStringLiteral("Alpha"),
                                          QStringLiteral(".hidden"), QStringLiteral("gamma")});
        FolderList list;
        QVERIFY(list.setPath(base + u'/'));
        QCOMPARE(list.path(), base);

        const QStringList chain = folderChain(base);
        QCOMPARE(list.openRow(), chain.size() - 1);
        for (int row = 0; row < chain.size(); ++row) {
            QCOMPARE(list.pathAt(row), chain.at(row));
        }
        QCOMPARE(list.item(0)->text(), QStringLiteral("/"));
        QCOMPARE(list.item(list.openRow())->text(), QStringLiteral("games"));
        QCOMPARE(rowTexts(list, list.openRow() + 1),
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"),
                              QStringLiteral("gamma")}));
        QCOMPARE(list.pathAt(list.openRow() + 1), base + QStringLiteral("/Alpha"));
        QCOMPARE(list.selectedPath(), base);
    }

    void folderListHighlightsOnClickAndOpensOnEnterOrDoubleClick() {
        QTemporaryDir temp;
        const QString base =
            makeFolders(temp.path() + QStringLiteral("/top"), {QStringLiteral("inner")});
        FolderList list;
        list.resize(300, 300);
        list.show();
        QVERIFY(list.setPath(base));
        QSignalSpy changes(&list, &FolderList::pathChanged);

        const int inner = rowOf(list, base + QStringLiteral("/inner"));
        QVERIFY(inner > list.openRow());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(inner)).center());
        QCOMPARE(list.path(), base);
        QCOMPARE(list.selectedPath(), base + QStringLiteral("/inner"));
        QCOMPARE(changes.count(), 0);

        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(list.path(), base + QStringLiteral("/inner"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toString(), base + QStringLiteral("/inner"));

        // Up the chain again with a double-click on the parent.
        const int parent = list.openRow() - 1;
        doubleClick(list, parent);
        QCOMPARE(list.path(), base);
        QCOMPARE(changes.count(), 2);

        // Opening the folder that is open changes nothing.
        QVERIFY(list.setPath(base));
        QCOMPARE(changes.count(), 2);
    }

    void folderListRefusesWhatItCannotList() {
        QTemporaryDir temp;
        const QString base = makeFolders(temp.path() + QStringLiteral("/here"), {});
        FolderList list;
        QVERIFY(list.setPath(base));
        QSignalSpy changes(&list, &FolderList::pathChanged);

        QVERIFY(!list.setPath(base + QStringLiteral("/missing")));
        QVERIFY(!list.lastError().isEmpty());
        QVERIFY(!list.setPath(base + QStringLiteral("/not-a-folder.txt")));
        QVERIFY(!list.setPath(QString()));
        QCOMPARE(list.path(), base);
        QCOMPARE(changes.count(), 0);
    }

    void folderListReportsAFolderThatVanishedBeforeItWasOpened() {
        QTemporaryDir temp;
        const QString base =
            makeFolders(temp.path() + QStringLiteral("/here"), {QStringLiteral("gone")});
        FolderList list;
        QVERIFY(list.setPath(base));
        QSignalSpy failures(&list, &FolderList::openFailed);
        const int gone = rowOf(list, base + QStringLiteral("/gone"));
        QVERIFY(QDir(base + QStringLiteral("/gone")).removeRecursively());

        list.setCurrentRow(gone);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.at(0).at(0).toString(), base + QStringLiteral("/gone"));
        QCOMPARE(list.path(), base);
    }

    // --- drive list --------------------------------------------------------

    void driveListPutsRootFirstAndFindsTheDriveOfAPath() {
        const QList<Volume> machine = mountedVolumes();
        QVERIFY(!machine.isEmpty());
        QCOMPARE(machine.first().root, QStringLiteral("/"));

        DriveList drives;
        drives.setVolumes({{QStringLiteral("/"), QString(), true},
                           {QStringLiteral("/mnt/data"), QStringLiteral("DATA"), true},
                           {QStringLiteral("/mnt/data/deep"), QString(), true}});
        QCOMPARE(drives.count(), 3);
        QCOMPARE(drives.itemText(1), QStringLiteral("/mnt/data  [DATA]"));
        QCOMPARE(drives.driveOf(QStringLiteral("/mnt/data/deep/x")),
                 QStringLiteral("/mnt/data/deep"));
        QCOMPARE(drives.driveOf(QStringLiteral("/mnt/data")), QStringLiteral("/mnt/data"));
        QCOMPARE(drives.driveOf(QStringLiteral("/mnt/database")), QStringLiteral("/"));
        QCOMPARE(drives.driveOf(QStringLiteral("/home/ann")), QStringLiteral("/"));

        QSignalSpy changes(&drives, &DriveList::driveChanged);
        drives.setDrive(QStringLiteral("/mnt/data"));
        drives.setDrive(QStringLiteral("/mnt/data"));
        QCOMPARE(changes.count(), 1);
        drives.showDrive(QStringLiteral("/"));
        QCOMPARE(drives.drive(), QStringLiteral("/"));
        QCOMPARE(changes.count(), 1);
    }

    // --- game-folder dialog ------------------------------------------------

    void gameFolderWithoutProgramFileIsRefused() {
        AppFolder app;
        const QString empty = makeFolders(app.scratch() + QStringLiteral("NotTheGame"), {});
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_gamepath dialog(ctx, boxes);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tollgrove Path"));
        QVERIFY(dialog.dir_GamePath->setPath(empty));
        QCOMPARE(dialog.lbl_Path->text(), empty);

        dialog.cmd_OK->click();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("TGEdit"));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Invalid Tollgrove path."));
        QVERIFY(!dialog.pathAccepted());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ctx.state.GamePath, (empty + u'/').toStdString());

        // A root keeps its one separator.
        QVERIFY(dialog.dir_GamePath->setPath(QStringLiteral("/")));
        dialog.cmd_OK->click();
        QCOMPARE(ctx.state.GamePath, std::string("/"));
    }

    void gameFolderTakesTheHighlightedFolder() {
        AppFolder app;
        const QString game = app.makeGame(QStringLiteral("Tollgrove"));
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        frm_gamepath dialog(ctx, boxes);
        QVERIFY(dialog.dir_GamePath->setPath(app.scratch()));
        const int row = rowOf(*dialog.dir_GamePath, QDir::cleanPath(game));
        QVERIFY(row > dialog.dir_GamePath->openRow());
        dialog.dir_GamePath->setCurrentRow(row);

        dialog.cmd_OK->click();
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(dialog.pathAccepted());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ctx.state.GamePath, game.toStdString());
    }

    void gameFolderDriveThatIsNotReadyGoesBackToTheFolderListsDrive() {
        AppFolder app;
        const QString offline = makeFolders(app.scratch() + QStringLiteral("offline"), {});
        const QString somewhere = makeFolders(app.scratch() + QStringLiteral("somewhere"), {});
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        frm_gamepath dialog(ctx, boxes);
        dialog.drv_GameDrive->setVolumes(
            {{QStringLiteral("/"), QString(), true},
             {app.scratch() + QStringLiteral("missing"), QString(), true},
             {offline, QString(), false}});
        QVERIFY(dialog.dir_GamePath->setPath(somewhere));

        // A root that cannot be listed.
        dialog.drv_GameDrive->setCurrentIndex(1);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("TGEdit"));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Drive not available."));
        QCOMPARE(dialog.drv_GameDrive->drive(), QStringLiteral("/"));
        QCOMPARE(dialog.dir_GamePath->path(), QStringLiteral("/"));

        // A volume that says it is not ready, though its folder is there.
        dialog.drv_GameDrive->setCurrentIndex(2);
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.shown[1].text, QStringLiteral("Drive not available."));
        QCOMPARE(dialog.drv_GameDrive->drive(), QStringLiteral("/"));

        // A drive that is ready opens its root.
        dialog.drv_GameDrive->setVolumes(
            {{QStringLiteral("/"), QString(), true}, {somewhere, QString(), true}});
        dialog.drv_GameDrive->setCurrentIndex(1);
        QCOMPARE(dialog.dir_GamePath->path(), somewhere);
        QCOMPARE(dialog.lbl_Path->text(), somewhere);
        QCOMPARE(boxes.shown.size(), 2);
    }

    void gameFolderEscapeCancels() {
        AppFolder app;
        const QString game = app.makeGame();
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        frm_gamepath dialog(ctx, boxes);
        QVERIFY(dialog.dir_GamePath->setPath(game));
        WhenModal<frm_gamepath> escape(
            [](frm_gamepath* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.pathAccepted());
    }

    // --- start menu --------------------------------------------------------

    void firstStartCancelledWritesNothingAndEndsTheProgram() {
        // Cancel, or the close box after a valid folder was opened.
        for (const bool byCloseBox : {false, true}) {
            AppFolder app;
            const QString game = app.makeGame();
            const auto before = app.snapshot();
            AppContext ctx(app.corePath());
            ScriptedMessageBox boxes;
            WindowSweeper sweeper;
            WhenModal<frm_gamepath> cancel([game, byCloseBox](frm_gamepath* dialog) {
                dialog->dir_GamePath->setPath(game);
                byCloseBox ? void(dialog->close()) : dialog->cmd_Cancel->click();
            });

            QVERIFY(frm_menu::open(ctx, boxes) == nullptr);
            QVERIFY(cancel.fired());
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes.shown[0].text, firstStartText());
            QCOMPARE(boxes.shown[0].buttons, MsgButtons::Ok);
            QCOMPARE(visibleWindowCount(), 0);
            QCOMPARE(app.snapshot(), before);
        }
    }

    void firstStartAcceptedSetsUpTheApplicationFolder() {
        AppFolder app;
        const QString game = app.makeGame();
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        WhenModal<frm_gamepath> choose([&boxes, game](frm_gamepath* dialog) {
            // A wrong folder first: the dialog stays.
            dialog->dir_GamePath->setPath(QDir::cleanPath(game + QStringLiteral("SCRIPTS")));
            dialog->cmd_OK->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(boxes.shown.last().text, QStringLiteral("Invalid Tollgrove path."));
            dialog->dir_GamePath->setPath(game);
            dialog->cmd_OK->click();
        });

        frm_menu* menu = frm_menu::open(ctx, boxes);
        QVERIFY(menu != nullptr);
        QVERIFY(menu->isVisible());
        QVERIFY(menu->isEnabled());
        QCOMPARE(menu->windowTitle(), QStringLiteral("TG Edit"));
        QCOMPARE(boxes.shown.size(), 2);  // the first-start notice and the refusal
        QCOMPARE(ctx.state.GamePath, game.toStdString());
        QCOMPARE(readFile(app / QStringLiteral("tgedit.cfg")), game.toUtf8() + "\r\n 1 \r\n");
        QVERIFY(QFileInfo(app / QStringLiteral("Projects")).isDir());
        for (const char* script : kScriptNames) {
            QCOMPARE(readFile(app / (QStringLiteral("Backup/") + QLatin1String(script))),
                     readFile(game + QStringLiteral("SCRIPTS/DEFAULT/") + QLatin1String(script)));
        }
    }

    void firstStartWhoseBackupFailsIsReportedAndNotRecorded() {
        AppFolder app;
        const QString game = app.makeGame();
        QVERIFY(QFile::remove(game + QStringLiteral("SCRIPTS/DEFAULT/hub.lua")));
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        WhenModal<frm_gamepath> choose([game](frm_gamepath* dialog) {
            dialog->dir_GamePath->setPath(game);
            dialog->cmd_OK->click();
        });
        QVERIFY(frm_menu::open(ctx, boxes) != nullptr);
        QVERIFY(boxes.shown.size() >= 2);
        QCOMPARE(boxes.shown[1].title, QStringLiteral("TG Edit"));
        QVERIFY(boxes.shown[1].text.contains(QStringLiteral("hub.lua")));
        QVERIFY(!QFileInfo::exists(app / QStringLiteral("tgedit.cfg")));
    }

    void laterStartsRaiseTheCountOncePerRun() {
        AppFolder app;
        const QString game = app.makeGame();
        app.makeConfigured(game, 5);
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        // Should the check wrongly take this for a first start, end it.
        WhenModal<frm_gamepath> safetyNet([](frm_gamepath* dialog) { dialog->reject(); });

        frm_menu* menu = frm_menu::open(ctx, boxes);
        QVERIFY(menu != nullptr);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(ctx.state.GamePath, game.toStdString());
        QCOMPARE(readFile(app / QStringLiteral("tgedit.cfg")), game.toUtf8() + "\r\n 6 \r\n");

        // The start menu shown again in the same run does not count again.
        menu->close();
        QVERIFY(frm_menu::open(ctx, boxes) != nullptr);
        QCOMPARE(readFile(app / QStringLiteral("tgedit.cfg")), game.toUtf8() + "\r\n 6 \r\n");
    }

    void startMenuButtonsOpenTheProjectDialogAndExitEnds() {
        AppFolder app;
        const QString game = app.makeGame();
        app.makeConfigured(game);
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        WhenModal<frm_gamepath> safetyNet([](frm_gamepath* dialog) { dialog->reject(); });

        frm_menu* menu = frm_menu::open(ctx, boxes);
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->cmd_NewProject->text(), QStringLiteral("&New Project"));
        QCOMPARE(menu->cmd_OpenProject->text(), QStringLiteral("&Open Project"));
        QCOMPARE(menu->cmd_Exit->text(), QStringLiteral("E&xit"));

        menu->cmd_OpenProject->click();
        QVERIFY(openWindows<frm_menu>().isEmpty());
        QCOMPARE(openWindows<frm_project>().size(), 1);
        frm_project* dialog = openWindows<frm_project>().first();
        QCOMPARE(dialog->iDialogType, std::int16_t(1));
        QCOMPARE(dialog->iLastFormShown, std::int16_t(0));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Existing Project"));
        dialog->close();
        QCOMPARE(visibleWindowCount(), 0);

        menu = frm_menu::open(ctx, boxes);
        QVERIFY(menu != nullptr);
        menu->cmd_Exit->click();
        QCOMPARE(visibleWindowCount(), 0);
    }

    void newProjectFromTheStartMenuOpensTheMainWindow() {
        AppFolder app;
        const QString game = app.makeGame();
        app.makeConfigured(game);
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        WhenModal<frm_gamepath> safetyNet([](frm_gamepath* dialog) { dialog->reject(); });

        frm_menu* menu = frm_menu::open(ctx, boxes);
        QVERIFY(menu != nullptr);
        // Alt+N, once the menu is the active window.
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu->windowHandle(), Qt::Key_N, Qt::AltModifier);
        // An access key presses its button with a short animation.
        QTRY_COMPARE(openWindows<frm_project>().size(), 1);
        frm_project* dialog = openWindows<frm_project>().first();
        QCOMPARE(dialog->iDialogType, std::int16_t(0));
        QCOMPARE(dialog->txt_ProjectName->text(), QStringLiteral("Default"));

        // Enter in the name box is OK.
        QTest::keyClick(dialog->txt_ProjectName, Qt::Key_Return);
        QVERIFY(openWindows<frm_project>().isEmpty());
        QCOMPARE(openWindows<frm_main>().size(), 1);
        QCOMPARE(openWindows<frm_main>().first()->windowTitle(),
                 QStringLiteral("TG Edit : Default"));
        const QString project = app / QStringLiteral("Projects/Default/");
        QCOMPARE(ctx.state.ProjectPath, project.toStdString());
        for (const char* script : kScriptNames) {
            QCOMPARE(readFile(project + QLatin1String(script)),
                     readFile(app / (QStringLiteral("Backup/") + QLatin1String(script))));
        }
        QCOMPARE(readFile(project + QStringLiteral("tgedit.prj")),
                 readFile(app / QStringLiteral("tge.prj")));
    }

    // --- project dialog ----------------------------------------------------

    void newModeLayoutAndStartingName() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);

        QCOMPARE(dialog->windowTitle(), QStringLiteral("Create New Project"));
        QCOMPARE(dialog->lbl_Description->text(),
                 QStringLiteral("Type in a name for a new TG Edit Project."));
        QCOMPARE(dialog->lbl_ProjectPathLabel->text(), QStringLiteral("Project Path"));
        QVERIFY(dialog->txt_ProjectName->isVisible());
        QCOMPARE(dialog->txt_ProjectName->text(), QStringLiteral("Default"));
        QCOMPARE(dialog->txt_ProjectName->selectedText(), QStringLiteral("Default"));
        QCOMPARE(dialog->lbl_ProjectPath->text(), app / QStringLiteral("Projects/Default"));
        QCOMPARE(dialog->dir_ProjectPath->path(), app / QStringLiteral("Projects"));

        QCOMPARE(dialog->lbl_ProjectPathLabel->y(), px(840));
        QCOMPARE(dialog->lbl_ProjectPath->y(), px(1080));
        QCOMPARE(dialog->drv_ProjectDrive->y(), px(1560));
        QCOMPARE(dialog->dir_ProjectPath->y(), px(1920));
        QCOMPARE(dialog->cmd_OK->y(), px(4320));
        QCOMPARE(dialog->cmd_Cancel->y(), px(4320));
        QCOMPARE(dialog->height(), px(5190));
        QVERIFY(boxes.shown.isEmpty());
    }

    void openModeLayoutIsStackedWithoutTheNameBox() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 1, 0);

        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Existing Project"));
        QCOMPARE(dialog->lbl_Description->text(),
                 QStringLiteral("Select an existing TG Edit Project Folder."));
        QVERIFY(dialog->txt_ProjectName->isHidden());
        QCOMPARE(dialog->lbl_ProjectPath->text(), app / QStringLiteral("Projects/"));

        // Each control sits right under the one above it.
        const int labelTop = 500;
        const int pathTop = labelTop + 240;
        const int driveTop = pathTop + 390 + 90;
        const int folderTop = driveTop + 330 + 30;
        const int buttonTop = folderTop + 2250 + 150;
        QCOMPARE(dialog->lbl_ProjectPathLabel->y(), px(labelTop));
        QCOMPARE(dialog->lbl_ProjectPathLabel->height(), px(240));
        QCOMPARE(dialog->lbl_ProjectPath->y(), px(pathTop));
        QCOMPARE(dialog->drv_ProjectDrive->y(), px(driveTop));
        QCOMPARE(dialog->dir_ProjectPath->y(), px(folderTop));
        QCOMPARE(dialog->cmd_OK->y(), px(buttonTop));
        QCOMPARE(dialog->height(), px(buttonTop + 375 + 455));
        QVERIFY(dialog->height() < px(5190));
    }

    void pastedNameLosesEachKindOfForbiddenCharacterWithOneMessageEach() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);

        QApplication::clipboard()->setText(QStringLiteral("My\\Ci:ty\\"));
        dialog->txt_ProjectName->selectAll();
        dialog->txt_ProjectName->paste();
        if (QApplication::clipboard()->text().isEmpty()) {
            dialog->txt_ProjectName->insert(QStringLiteral("My\\Ci:ty\\"));  // no clipboard here
        }
        QCOMPARE(dialog->txt_ProjectName->text(), QStringLiteral("MyCity"));
        QCOMPARE(boxes.shown.size(), 2);
        for (const auto& box : boxes.shown) {
            QCOMPARE(box.title, QStringLiteral("TG Edit"));
            QCOMPARE(box.text, kNameRule);
            QCOMPARE(box.buttons, MsgButtons::Ok);
            QCOMPARE(box.icon, MsgIcon::Critical);
        }
        QCOMPARE(dialog->lbl_ProjectPath->text(), app / QStringLiteral("Projects/MyCity"));
    }

    void everyForbiddenCharacterIsRemoved() {
        AppFolder app;
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);
        dialog->txt_ProjectName->setText(QStringLiteral("|a>b<c\"d?e*f:g/h\\i||"));
        QCOMPARE(dialog->txt_ProjectName->text(), QStringLiteral("abcdefghi"));
        QCOMPARE(boxes.shown.size(), 9);
    }

    void typedSlashIsRemovedWithOneMessageAndTheCaretStays() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);
        QLineEdit* name = dialog->txt_ProjectName;

        name->setCursorPosition(3);
        QTest::keyClicks(name, QStringLiteral("/"));
        QCOMPARE(name->text(), QStringLiteral("Default"));
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, kNameRule);
        QCOMPARE(name->cursorPosition(), 3);

        QTest::keyClicks(name, QStringLiteral("X"));
        QCOMPARE(name->text(), QStringLiteral("DefXault"));
        QCOMPARE(boxes.shown.size(), 1);
    }

    void anotherFolderShowsAloneUntilTheNameChangesAndHoldsTheNewProject() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        const QString elsewhere = makeFolders(app.scratch() + QStringLiteral("MyProjects"), {});
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);

        QVERIFY(dialog->dir_ProjectPath->setPath(elsewhere));
        QCOMPARE(dialog->lbl_ProjectPath->text(), elsewhere + u'/');
        dialog->txt_ProjectName->setText(QStringLiteral("Town"));
        QCOMPARE(dialog->lbl_ProjectPath->text(), elsewhere + QStringLiteral("/Town"));

        dialog->cmd_OK->click();
        QCOMPARE(ctx.state.ProjectPath, (elsewhere + QStringLiteral("/Town/")).toStdString());
        QVERIFY(QFileInfo::exists(elsewhere + QStringLiteral("/Town/tgedit.prj")));
        QCOMPARE(openWindows<frm_main>().size(), 1);
    }

    void newProjectRefusesAnEmptyNameAndNamesAlreadyThere() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        writeFile(app / QStringLiteral("Projects/notes.txt"), "mine");
        writeFile(app / QStringLiteral("Projects/.hidden/hub.lua"), "my own hub");
        const auto before = app.snapshot();
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);

        // No name at all; then names whose copies would land on what is
        // already there: a file of that name (in any letter case), a hidden
        // folder, the folder itself and its parent.
        const QString exists =
            QStringLiteral("This Project already exists, please choose another name.");
        const QString dot = QStringLiteral("A project name cannot begin with a dot.");
        const QList<QPair<QString, QString>> refusals = {
            {QString(), QStringLiteral("Please enter a Project Name.")},
            {QStringLiteral("notes.txt"), exists},
            {QStringLiteral("NOTES.TXT"), exists},
            {QStringLiteral(".hidden"), dot},
            {QStringLiteral("."), dot},
            {QStringLiteral(".."), dot}};
        for (const auto& [name, message] : refusals) {
            boxes.shown.clear();
            dialog->txt_ProjectName->setText(name);
            dialog->cmd_OK->click();
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].title, QStringLiteral("TGEdit"));
            QCOMPARE(boxes.shown[0].text, message);
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(app.snapshot(), before);
        QVERIFY(openWindows<frm_main>().isEmpty());
    }

    void newProjectWhoseCopiesFailIsReportedAndNotOpened() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        QVERIFY(QFile::remove(app / QStringLiteral("Backup/commoditysettings.lua")));
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);
        dialog->cmd_OK->click();

        QVERIFY(!boxes.shown.isEmpty());
        QCOMPARE(boxes.shown[0].title, QStringLiteral("TG Edit"));
        QVERIFY(boxes.shown[0].text.contains(QStringLiteral("commoditysettings.lua")));
        QVERIFY(dialog->isVisible());
        QVERIFY(openWindows<frm_main>().isEmpty());
    }

    void openModeTakesTheOpenFolderNotTheHighlightedOne() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        writeFile(app / QStringLiteral("Projects/Mine/tgedit.prj"), "TG Edit: 1.0.0.1\r\n 3 \r\n");
        for (const char* script : kScriptNames) {
            writeFile(app / (QStringLiteral("Projects/Mine/") + QLatin1String(script)),
                      readFile(app / (QStringLiteral("Backup/") + QLatin1String(script))));
        }
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 1, 0);

        // Projects itself, with Mine only highlighted: refused.
        const int mine = rowOf(*dialog->dir_ProjectPath, app / QStringLiteral("Projects/Mine"));
        QVERIFY(mine > dialog->dir_ProjectPath->openRow());
        dialog->dir_ProjectPath->setCurrentRow(mine);
        dialog->cmd_OK->click();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("TGEdit"));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Invalid Project Path."));
        QVERIFY(dialog->isVisible());

        // Opened: accepted, the marker counts the open.
        QTest::keyClick(dialog->dir_ProjectPath, Qt::Key_Return);
        QCOMPARE(dialog->lbl_ProjectPath->text(), app / QStringLiteral("Projects/Mine/"));
        dialog->cmd_OK->click();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(ctx.state.ProjectPath, (app / QStringLiteral("Projects/Mine/")).toStdString());
        QCOMPARE(readFile(app / QStringLiteral("Projects/Mine/tgedit.prj")),
                 QByteArray("TG Edit: 1.0.0.1\r\n 4 \r\n"));
        QCOMPARE(openWindows<frm_main>().size(), 1);
        QCOMPARE(openWindows<frm_main>().first()->windowTitle(), QStringLiteral("TG Edit : Mine"));
    }

    void cancelGoesBackToTheStartMenu() {
        AppFolder app;
        const QString game = app.makeGame();
        app.makeConfigured(game, 2);
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        WhenModal<frm_gamepath> safetyNet([](frm_gamepath* dialog) { dialog->reject(); });
        QVERIFY(frm_menu::open(ctx, boxes) != nullptr);
        QCOMPARE(readFile(app / QStringLiteral("tgedit.cfg")), game.toUtf8() + "\r\n 3 \r\n");
        openWindows<frm_menu>().first()->cmd_NewProject->click();

        openWindows<frm_project>().first()->cmd_Cancel->click();
        QVERIFY(openWindows<frm_project>().isEmpty());
        QCOMPARE(openWindows<frm_menu>().size(), 1);
        QVERIFY(boxes.shown.isEmpty());
        // The check ran again without counting this run twice.
        QCOMPARE(readFile(app / QStringLiteral("tgedit.cfg")), game.toUtf8() + "\r\n 3 \r\n");

        // Esc is Cancel too.
        openWindows<frm_menu>().first()->cmd_OpenProject->click();
        QTest::keyClick(openWindows<frm_project>().first(), Qt::Key_Escape);
        QVERIFY(openWindows<frm_project>().isEmpty());
        QCOMPARE(openWindows<frm_menu>().size(), 1);
    }

    void startMenuShownAgainOnAFirstStartThatIsCancelledEndsTheProgram() {
        AppFolder app;
        app.makeConfigured(app.makeGame());
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);
        // The configuration went away while the dialog was open.
        QVERIFY(QFile::remove(app / QStringLiteral("tgedit.cfg")));
        const auto before = app.snapshot();
        WhenModal<frm_gamepath> cancel([](frm_gamepath* shown) { shown->cmd_Cancel->click(); });

        dialog->cmd_Cancel->click();
        QVERIFY(cancel.fired());
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, firstStartText());
        QCOMPARE(visibleWindowCount(), 0);
        QCOMPARE(app.snapshot(), before);
    }

    void cancelGoesBackToTheMainWindow() {
        AppFolder app;
        AppContext ctx(app.corePath());
        ctx.state.ProjectPath = (app / QStringLiteral("Projects/Default/")).toStdString();
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 1, 1);
        dialog->cmd_Cancel->click();
        QVERIFY(openWindows<frm_project>().isEmpty());
        QVERIFY(openWindows<frm_menu>().isEmpty());
        QCOMPARE(openWindows<frm_main>().size(), 1);
        QCOMPARE(ctx.state.ProjectPath, (app / QStringLiteral("Projects/Default/")).toStdString());
    }

    void closeBoxJustCloses() {
        AppFolder app;
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        for (int from : {0, 1}) {
            frm_project* dialog = showProjectDialog(ctx, boxes, 0, from);
            QVERIFY(dialog->close());
            QCOMPARE(visibleWindowCount(), 0);
        }
        QVERIFY(boxes.shown.isEmpty());
    }

    void projectFolderGoneFallsBackToTheApplicationFolder() {
        AppFolder app;
        AppContext ctx(app.corePath());
        ScriptedMessageBox boxes;
        WindowSweeper sweeper;
        frm_project* dialog = showProjectDialog(ctx, boxes, 0, 0);
        QCOMPARE(dialog->dir_ProjectPath->path(), QDir::cleanPath(app.path()));
        QCOMPARE(dialog->lbl_ProjectPath->text(), app / QStringLiteral("Default"));
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(StartupWindows)
#include "test_startup_windows.moc"
