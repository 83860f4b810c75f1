// The main window: its load sequence, views and menus, the save question on
// every way out, and the File menu's save, import and backup.

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <optional>

#include "fs/file_system.h"
#include "project/app_context.h"
#include "ui/block_view.h"
#include "ui/business_view.h"
#include "ui/city_view.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_project.h"
#include "ui/support/app_fixture.h"
#include "ui/support/scripted_message_box.h"
#include "ui/support/window_driver.h"

namespace stdfs = std::filesystem;
using tg::frm_main;
using tg::MsgAnswer;
using tg::MsgButtons;
using tg::MsgIcon;
using tg::test::ScriptedMessageBox;

namespace {

std::string readBytes(const std::string& path) {
    return tg::test::readFile(QString::fromStdString(path)).toStdString();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    tg::test::writeFile(QString::fromStdString(path), QByteArray::fromStdString(bytes));
}

// The four scripts of a folder, in order, as one text per script.
QList<std::string> scriptsIn(const std::string& folder) {
    QList<std::string> bytes;
    for (const char* name : tg::test::kScriptNames) {
        bytes.append(readBytes(folder + name));
    }
    return bytes;
}

// Names and modification times of a folder's entries: a save that writes
// nothing leaves this exactly as it was.
std::map<std::string, stdfs::file_time_type> folderStamp(const std::string& folder) {
    std::map<std::string, stdfs::file_time_type> stamp;
    for (const auto& entry : stdfs::directory_iterator(folder)) {
        stamp[entry.path().filename().string()] = entry.last_write_time();
    }
    return stamp;
}

// A file system whose writes into one folder fail, as on a full disk.
class FailingFolder : public tg::FileSystem {
public:
    explicit FailingFolder(std::string folder) : folder_(std::move(folder)) {}

protected:
    std::optional<std::string> faultAt(tg::FsStep step, const std::string& path) override {
        if (step == tg::FsStep::Write && path.starts_with(folder_)) {
            return std::string("No space left on device");
        }
        return std::nullopt;
    }

private:
    std::string folder_;
};

// An application folder after its first start, with a copy of the stand-in
// game and a project "Default" copied from the game's scripts.
struct Workspace {
    tg::test::AppFolder folder;
    std::string app = folder.corePath();
    std::string game;
    std::string project = app + "Projects/Default/";
    std::string backup = app + "Backup/";

    explicit Workspace(std::uintmax_t gameProgramLength = 4096) {
        const QString gameFolder = folder.makeGame();
        folder.makeConfigured(gameFolder);
        tg::test::copyTree(gameFolder + "SCRIPTS/DEFAULT", QString::fromStdString(project));
        game = gameFolder.toStdString();
        stdfs::resize_file(game + "mc.exe", gameProgramLength);
    }

    std::string gameScripts() const { return game + "SCRIPTS/DEFAULT/"; }
};

// One main window on a workspace, with the context it needs.
struct Session {
    Workspace& space;
    ScriptedMessageBox boxes;
    tg::AppContext ctx;
    QPointer<frm_main> window;

    explicit Session(Workspace& workspace, tg::FileSystem& fs = tg::realFileSystem())
        : space(workspace), ctx(workspace.app, fs) {
        ctx.state.GamePath = space.game;
        ctx.state.ProjectPath = space.project;
    }

    ~Session() { delete window.data(); }

    frm_main* open() {
        window = new frm_main(ctx, boxes);
        window->show();
        return window;
    }

    // Lets the window finish a close (it deletes itself).
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    // An edit the way the block dialog makes it: AIRPORT's value is 150.
    void editAirport() {
        auto& airport = ctx.state.model.EditBlocks[5];
        airport.value = 150;
        airport.changed = true;
        ctx.state.bBlockHasChanged = true;
        ctx.state.bDataHasChanged = true;
    }
};

QList<tg::frm_project*> projectDialogs() {
    return tg::test::openWindows<tg::frm_project>();
}

// The view on show: the frame shown and its View item checked, the other two
// hidden and unchecked. Returns the frame, or nullptr when that is not so.
QWidget* viewOnShow(frm_main* w) {
    const std::array<std::pair<QWidget*, QAction*>, 3> views = {{
        {w->frame_block, w->menu_view_block},
        {w->frame_business, w->menu_view_business},
        {w->frame_citycom, w->menu_view_city},
    }};
    QWidget* shown = nullptr;
    for (const auto& [frame, item] : views) {
        if (frame->isHidden() != !item->isChecked() || (!frame->isHidden() && shown)) {
            return nullptr;
        }
        shown = frame->isHidden() ? shown : frame;
    }
    return shown;
}

QString saveMessageFor(const char* projectName) {
    return QStringLiteral("Project: %1 has been successfully saved.").arg(projectName);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { tg::test::WindowSweeper::sweep(); }

    // --- the load sequence ---------------------------------------------------

    void loadShowsProjectOnBlockView() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();

        QCOMPARE(w->windowTitle(), QStringLiteral("TG Edit : Default"));
        QVERIFY(session.boxes.shown.isEmpty());

        QCOMPARE(viewOnShow(w), w->frame_block);

        QCOMPARE(w->frame_business->lst_BusinessName->count(), 45);
        QCOMPARE(w->frame_citycom->lst_CommodityName->count(), 32);
        QCOMPARE(w->frame_business->lst_BusinessName->currentRow(), 0);
        QCOMPARE(w->frame_citycom->lst_CommodityName->currentRow(), 0);
        // The lists show the display names of the code tables, not blanks.
        QVERIFY(!w->frame_business->lst_BusinessName->item(0)->text().isEmpty());
        QVERIFY(!w->frame_citycom->lst_CommodityName->item(31)->text().isEmpty());

        // The project's scripts are loaded and copied into the working set;
        // nothing counts as changed.
        const auto& model = session.ctx.state.model;
        QVERIFY(!model.Blocks[5].code.empty());
        QVERIFY(model.EditBlocks == model.Blocks);
        QVERIFY(model.EditBusinesses == model.Businesses);
        QVERIFY(!session.ctx.state.bDataHasChanged);

        // The map picture reached the block view at its size, and the help
        // text under it is shown whole.
        QCOMPARE(w->frame_block->pict_Map->pixmap().size(), QSize(439, 360));
        const QLabel* help = w->frame_block->lbl_Help;
        QVERIFY(help->height() >= help->heightForWidth(help->width()));
    }

    void versionTestUsesTheGameProgramLength_data() {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<bool>("compatible");
        QTest::newRow("one byte short") << qint64(1486889) << true;
        QTest::newRow("the incompatible release") << qint64(1486890) << false;
        QTest::newRow("one byte over") << qint64(1486891) << true;
        QTest::newRow("empty") << qint64(0) << true;
        QTest::newRow("missing") << qint64(-1) << true;
    }

    void versionTestUsesTheGameProgramLength() {
        QFETCH(qint64, length);
        QFETCH(bool, compatible);
        Workspace space(static_cast<std::uintmax_t>(std::max<qint64>(length, 0)));
        if (length < 0) {
            stdfs::remove(space.game + "mc.exe");
        }
        Session session(space);
        session.ctx.state.bVersionCompatible = !compatible;
        session.open();
        QCOMPARE(session.ctx.state.bVersionCompatible, compatible);
        QVERIFY(session.boxes.shown.isEmpty());
    }

    void missingOrBrokenMapIsReportedOnceAndTheWindowOpens_data() {
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing") << true;
        QTest::newRow("not a picture") << false;
    }

    void missingOrBrokenMapIsReportedOnceAndTheWindowOpens() {
        QFETCH(bool, remove);
        Workspace space;
        const std::string map = space.app + "tgmap.map";
        if (remove) {
            stdfs::remove(map);
        } else {
            writeBytes(map, "this is no picture\r\n");
        }
        Session session(space);
        frm_main* w = session.open();

        QCOMPARE(session.boxes.shown.size(), 1);
        const auto& box = session.boxes.shown.first();
        QCOMPARE(box.title, QStringLiteral("TG Edit"));
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QVERIFY2(box.text.contains(QString::fromStdString(map)), qPrintable(box.text));

        // The rest of the load went on.
        QVERIFY(w->isVisible());
        QVERIFY(w->frame_block->pict_Map->pixmap().isNull());
        QCOMPARE(w->frame_business->lst_BusinessName->currentRow(), 0);
        QCOMPARE(viewOnShow(w), w->frame_block);
    }

    void shippedMapIsAPngOfTheMapSize() {
        const QString path = QStringLiteral(TGEDIT_DATA_DIR "/tgmap.map");
        QCOMPARE(QImageReader::imageFormat(path), QByteArray("png"));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(439, 360));
    }

    // --- menus and views ---------------------------------------------------

    void menusCarryTheirCaptionsAndKeys() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();

        QCOMPARE(w->menu_file->title(), QStringLiteral("&File"));
        QCOMPARE(w->menu_view->title(), QStringLiteral("&View"));
        const QList<QAction*> file = w->menu_file->actions();
        const QList<QAction*> expected = {
            w->menu_file_new,        w->menu_file_open,       w->menu_file_save,
            w->menu_file_seperator1, w->menu_file_import,     w->menu_file_Seperator2,
            w->menu_file_backup,     w->menu_file_Seperator3, w->menu_file_exit};
        QCOMPARE(file, expected);
        for (QAction* separator :
             {w->menu_file_seperator1, w->menu_file_Seperator2, w->menu_file_Seperator3}) {
            QVERIFY(separator->isSeparator());
        }

        const QList<std::tuple<QAction*, QString, QKeySequence>> items = {
            {w->menu_file_new, "&New Project", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {w->menu_file_open, "&Open Project", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {w->menu_file_save, "&Save Project", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {w->menu_file_import, "&Save && Import into Tollgrove",
             QKeySequence(Qt::CTRL | Qt::Key_I)},
            {w->menu_file_backup, "&Backup Tollgrove Files", QKeySequence()},
            {w->menu_file_exit, "E&xit", QKeySequence()},
            {w->menu_view_block, "Block", QKeySequence(Qt::Key_F1)},
            {w->menu_view_business, "Business", QKeySequence(Qt::Key_F2)},
            {w->menu_view_city, "City/Commodity", QKeySequence(Qt::Key_F3)},
            {w->menu_about, "&About", QKeySequence()},
        };
        for (const auto& [action, caption, keys] : items) {
            QCOMPARE(action->text(), caption);
            QCOMPARE(action->shortcut(), keys);
        }

        // About is an item of the menu bar itself, not a menu.
        const QList<QAction*> bar = w->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->menu(), w->menu_file);
        QCOMPARE(bar[1]->menu(), w->menu_view);
        QCOMPARE(bar[2], w->menu_about);
        QVERIFY(w->menu_about->menu() == nullptr);
    }

    void switchingViewsShowsOneAndTouchesNothing() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        session.editAirport();
        const tg::SettingsModel before = session.ctx.state.model;
        const tg::EditorState flagsBefore = session.ctx.state;

        const QList<std::pair<QAction*, QWidget*>> steps = {
            {w->menu_view_business, w->frame_business},
            {w->menu_view_city, w->frame_citycom},
            {w->menu_view_city, w->frame_citycom},
            {w->menu_view_block, w->frame_block},
            {w->menu_view_business, w->frame_business}};
        for (const auto& [item, frame] : steps) {
            item->trigger();
            QCOMPARE(viewOnShow(w), frame);
        }

        const auto& state = session.ctx.state;
        QVERIFY(state.model.EditBlocks == before.EditBlocks);
        QVERIFY(state.model.EditBusinesses == before.EditBusinesses);
        QVERIFY(state.model.EditCommodities == before.EditCommodities);
        QVERIFY(state.model.EditTweaks == before.EditTweaks);
        QVERIFY(state.model.Blocks == before.Blocks);
        QCOMPARE(state.bBlockHasChanged, flagsBefore.bBlockHasChanged);
        QCOMPARE(state.bBusinessHasChanged, flagsBefore.bBusinessHasChanged);
        QCOMPARE(state.bCityHasChanged, flagsBefore.bCityHasChanged);
        QCOMPARE(state.bCommodityHasChanged, flagsBefore.bCommodityHasChanged);
        QCOMPARE(state.bDataHasChanged, flagsBefore.bDataHasChanged);
        QVERIFY(session.boxes.shown.isEmpty());
    }

    void functionKeysSwitchViews() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F3);
        QCOMPARE(viewOnShow(w), w->frame_citycom);
        QTest::keyClick(w, Qt::Key_F2);
        QCOMPARE(viewOnShow(w), w->frame_business);
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(viewOnShow(w), w->frame_block);
    }

    void aboutOpensModalOverTheWindow() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        QPointer<tg::frm_About> seen;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<tg::frm_About*>(QApplication::activeModalWidget());
            if (seen) {
                owner = seen->parentWidget();
                seen->cmd_OK->click();
            }
        });
        w->menu_about->trigger();
        QVERIFY(owner == w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(seen.isNull());  // OK closed and destroyed it
        QVERIFY(w->isVisible());
    }

    // --- the save question ------------------------------------------------

    void exitWithoutChangesClosesAtOnce() {
        Workspace space;
        Session session(space);
        session.open()->menu_file_exit->trigger();
        QVERIFY(session.closed());
        QVERIFY(session.boxes.shown.isEmpty());
    }

    void exitAsksToSave_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Exit, Yes") << false << MsgAnswer::Yes << true << true;
        QTest::newRow("Exit, No") << false << MsgAnswer::No << true << false;
        QTest::newRow("Exit, Cancel") << false << MsgAnswer::Cancel << false << false;
        QTest::newRow("close box, Yes") << true << MsgAnswer::Yes << true << true;
        QTest::newRow("close box, Cancel") << true << MsgAnswer::Cancel << false << false;
    }

    void exitAsksToSave() {
        QFETCH(bool, closeBox);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        Workspace space;
        Session session(space);
        session.open();
        session.editAirport();
        const QList<std::string> before = scriptsIn(space.project);

        session.boxes.queue(answer);
        if (closeBox) {
            QCOMPARE(session.window->close(), closes);
        } else {
            session.window->menu_file_exit->trigger();
        }

        QCOMPARE(session.boxes.shown.size(), 1);
        const auto& question = session.boxes.shown.first();
        QCOMPARE(question.title, QStringLiteral("TG Edit"));
        QCOMPARE(question.text, QStringLiteral("Do you wish to save your changes?"));
        QCOMPARE(question.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(session.closed(), closes);

        const QList<std::string> after = scriptsIn(space.project);
        QCOMPARE(after[0] != before[0], saved);
        QCOMPARE(after.mid(1), before.mid(1));  // only the blocks were changed
        if (saved) {
            QVERIFY(after[0].find("150") != std::string::npos);
        }
        if (!closes) {
            // Cancel keeps the edit and its flags.
            QCOMPARE(session.ctx.state.model.EditBlocks[5].value, std::int16_t(150));
            QVERIFY(session.ctx.state.bDataHasChanged);
            QVERIFY(session.ctx.state.bBlockHasChanged);
        }
    }

    void failedSaveOnExitKeepsTheWindowOpen() {
        Workspace space;
        FailingFolder disk(space.project);
        Session session(space, disk);
        session.open();
        session.editAirport();
        const QList<std::string> before = scriptsIn(space.project);

        session.boxes.queue(MsgAnswer::Yes);
        session.window->menu_file_exit->trigger();

        QVERIFY(!session.closed());
        QVERIFY(session.boxes.shown.size() >= 2);
        const QString failure = session.boxes.shown.last().text;
        QVERIFY2(failure.contains("blocksettings.lua") && failure.contains("No space left"),
                 qPrintable(failure));
        QCOMPARE(scriptsIn(space.project), before);
        QVERIFY(session.ctx.state.bDataHasChanged);
        QVERIFY(session.ctx.state.model.EditBlocks[5].changed);
    }

    void newAndOpenHandOverToTheProjectDialog_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("handsOver");
        QTest::addColumn<bool>("saved");
        for (bool open : {false, true}) {
            const char* command = open ? "Open" : "New";
            QTest::addRow("%s, nothing changed", command)
                << open << false << MsgAnswer::Ok << true << false;
            QTest::addRow("%s, Yes", command) << open << true << MsgAnswer::Yes << true << true;
            QTest::addRow("%s, No", command) << open << true << MsgAnswer::No << true << false;
            QTest::addRow("%s, Cancel", command)
                << open << true << MsgAnswer::Cancel << false << false;
        }
    }

    void newAndOpenHandOverToTheProjectDialog() {
        QFETCH(bool, open);
        QFETCH(bool, changed);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, handsOver);
        QFETCH(bool, saved);
        Workspace space;
        Session session(space);
        session.open();
        if (changed) {
            session.editAirport();
            session.boxes.queue(answer);
        }
        const std::string blocksBefore = readBytes(space.project + "blocksettings.lua");

        (open ? session.window->menu_file_open : session.window->menu_file_new)->trigger();

        // The question comes exactly when something is unsaved (the project
        // dialog may show boxes of its own after it).
        const QString question = QStringLiteral("Do you wish to save your changes?");
        qsizetype questions = 0;
        for (const auto& box : session.boxes.shown) {
            questions += box.text == question ? 1 : 0;
        }
        QCOMPARE(questions, changed ? 1 : 0);
        if (changed) {
            QCOMPARE(session.boxes.shown.first().text, question);
        }
        const QList<tg::frm_project*> dialogs = projectDialogs();
        QCOMPARE(dialogs.size(), handsOver ? 1 : 0);
        QCOMPARE(session.closed(), handsOver);
        if (handsOver) {
            QCOMPARE(dialogs.first()->iDialogType, std::int16_t(open ? 1 : 0));
            QCOMPARE(dialogs.first()->iLastFormShown, std::int16_t(1));
            QVERIFY(!session.ctx.state.bDataHasChanged);
        } else {
            QVERIFY(session.ctx.state.bDataHasChanged);
        }
        QCOMPARE(readBytes(space.project + "blocksettings.lua") != blocksBefore, saved);
    }

    void failedSaveBeforeNewProjectStays() {
        Workspace space;
        FailingFolder disk(space.project);
        Session session(space, disk);
        session.open();
        session.editAirport();
        session.boxes.queue(MsgAnswer::Yes);
        session.window->menu_file_new->trigger();
        QVERIFY(projectDialogs().isEmpty());
        QVERIFY(!session.closed());
        QVERIFY(session.ctx.state.bDataHasChanged);
    }

    // --- Save, Save & Import, Backup -----------------------------------------

    void saveWithNothingChangedWritesNothing() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        const auto stamp = folderStamp(space.project);
        const QList<std::string> before = scriptsIn(space.project);

        w->menu_file_save->trigger();

        QCOMPARE(session.boxes.shown.size(), 1);
        const auto& box = session.boxes.shown.first();
        QCOMPARE(box.title, QStringLiteral("TG Edit"));
        QCOMPARE(box.text, saveMessageFor("DEFAULT"));
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(box.icon, MsgIcon::None);
        QVERIFY(folderStamp(space.project) == stamp);
        QCOMPARE(scriptsIn(space.project), before);
        const auto& state = session.ctx.state;
        QVERIFY(!state.bDataHasChanged && !state.bBlockHasChanged && !state.bBusinessHasChanged &&
                !state.bCityHasChanged && !state.bCommodityHasChanged);
    }

    void saveWritesReloadsAndKeepsTheLists() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        w->frame_business->lst_BusinessName->setCurrentRow(7);
        w->frame_citycom->lst_CommodityName->setCurrentRow(3);

        for (int round = 0; round < 2; ++round) {
            session.editAirport();
            w->menu_file_save->trigger();
            QCOMPARE(w->frame_business->lst_BusinessName->count(), 45);
            QCOMPARE(w->frame_citycom->lst_CommodityName->count(), 32);
            // The editors stay on the record they show.
            QCOMPARE(w->frame_business->lst_BusinessName->currentRow(), 7);
            QCOMPARE(w->frame_citycom->lst_CommodityName->currentRow(), 3);
        }
        QCOMPARE(session.boxes.shown.size(), 2);
        QCOMPARE(session.boxes.shown[1].text, saveMessageFor("DEFAULT"));

        // Reloaded from the saved script: the loaded set has the new value and
        // no flag is left up.
        const auto& state = session.ctx.state;
        QCOMPARE(state.model.Blocks[5].value, std::int16_t(150));
        QCOMPARE(state.model.EditBlocks[5].value, std::int16_t(150));
        QVERIFY(!state.bDataHasChanged && !state.bBlockHasChanged);
        QVERIFY(readBytes(space.project + "blocksettings.lua").find("150") != std::string::npos);
    }

    void failedSaveShowsTheFailureAndKeepsTheEdits() {
        Workspace space;
        FailingFolder disk(space.project);
        Session session(space, disk);
        frm_main* w = session.open();
        session.editAirport();
        const QList<std::string> before = scriptsIn(space.project);

        w->menu_file_save->trigger();

        QVERIFY(!session.boxes.shown.isEmpty());
        for (const auto& box : session.boxes.shown) {
            QVERIFY2(!box.text.contains("successfully"), qPrintable(box.text));
        }
        QVERIFY(session.boxes.shown.first().text.contains("blocksettings.lua"));
        QCOMPARE(scriptsIn(space.project), before);
        const auto& state = session.ctx.state;
        QVERIFY(state.bDataHasChanged && state.bBlockHasChanged);
        QCOMPARE(state.model.EditBlocks[5].value, std::int16_t(150));
        QVERIFY(state.model.EditBlocks[5].changed);

        // Save & Import stops there too: no question, nothing copied.
        const QList<std::string> game = scriptsIn(space.gameScripts());
        session.boxes.shown.clear();
        w->menu_file_import->trigger();
        for (const auto& box : session.boxes.shown) {
            QVERIFY(box.buttons == MsgButtons::Ok);
        }
        QCOMPARE(scriptsIn(space.gameScripts()), game);
    }

    void saveAndImport_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("Yes") << MsgAnswer::Yes;
        QTest::newRow("No") << MsgAnswer::No;
    }

    void saveAndImport() {
        QFETCH(MsgAnswer, answer);
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        session.editAirport();
        const QList<std::string> gameBefore = scriptsIn(space.gameScripts());

        session.boxes.queue(MsgAnswer::Ok);  // the save message
        session.boxes.queue(answer);
        w->menu_file_import->trigger();

        const QList<std::string> project = scriptsIn(space.project);
        QVERIFY(project[0].find("150") != std::string::npos);  // saved in either case
        QVERIFY(!session.ctx.state.bDataHasChanged);

        const auto& shown = session.boxes.shown;
        QVERIFY(shown.size() >= 2);
        QCOMPARE(shown[0].text, saveMessageFor("DEFAULT"));
        QCOMPARE(shown[1].title, QStringLiteral("TG Edit"));
        QCOMPARE(shown[1].text,
                 QStringLiteral("Warning: This will overwrite files in the Tollgrove folder. \r\n"
                                "Are you sure you want to do this?"));
        QCOMPARE(shown[1].buttons, MsgButtons::YesNo);
        QCOMPARE(shown[1].icon, MsgIcon::Exclamation);

        if (answer == MsgAnswer::Yes) {
            QCOMPARE(shown.size(), 3);
            QCOMPARE(shown[2].text, QStringLiteral("TG Edit files imported succesfully."));
            QCOMPARE(shown[2].buttons, MsgButtons::Ok);
            QCOMPARE(scriptsIn(space.gameScripts()), project);
        } else {
            QCOMPARE(shown.size(), 2);
            QCOMPARE(scriptsIn(space.gameScripts()), gameBefore);
        }
    }

    void failedImportIsNotReportedAsDone() {
        Workspace space;
        FailingFolder disk(space.gameScripts());
        Session session(space, disk);
        frm_main* w = session.open();
        session.boxes.queue(MsgAnswer::Ok);
        session.boxes.queue(MsgAnswer::Yes);
        w->menu_file_import->trigger();
        QVERIFY(session.boxes.shown.size() >= 3);
        for (const auto& box : session.boxes.shown) {
            QVERIFY(!box.text.contains("imported succesfully"));
        }
        QVERIFY(session.boxes.shown.last().text.contains("No space left"));
    }

    void backupAnsweredNoThenYesTwice() {
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        session.editAirport();
        const tg::SettingsModel model = session.ctx.state.model;
        const QList<std::string> project = scriptsIn(space.project);
        writeBytes(space.backup + "hub.lua", "-- an old copy\r\n");

        // No copies nothing.
        session.boxes.queue(MsgAnswer::No);
        w->menu_file_backup->trigger();
        QCOMPARE(session.boxes.shown.size(), 1);
        QCOMPARE(readBytes(space.backup + "hub.lua"), std::string("-- an old copy\r\n"));

        for (int round = 0; round < 2; ++round) {
            if (round == 1) {
                // The game changed between the two backups: the second one
                // replaces the copies of the first.
                writeBytes(space.gameScripts() + "hub.lua",
                           readBytes(space.gameScripts() + "hub.lua") + "-- later\r\n");
            }
            session.boxes.shown.clear();
            session.boxes.queue(MsgAnswer::Yes);
            w->menu_file_backup->trigger();
            QCOMPARE(session.boxes.shown.size(), 2);
            QCOMPARE(session.boxes.shown[0].text,
                     QStringLiteral("Warning: This will overwrite existing backup files. \r\n"
                                    "Are you sure you want to do this?"));
            QCOMPARE(session.boxes.shown[0].buttons, MsgButtons::YesNo);
            QCOMPARE(session.boxes.shown[0].icon, MsgIcon::Exclamation);
            QCOMPARE(session.boxes.shown[1].text,
                     QStringLiteral("Tollgrove files backed up succesfully."));
            QCOMPARE(scriptsIn(space.backup), scriptsIn(space.gameScripts()));
        }

        // Neither the project nor the model nor a flag was touched.
        QCOMPARE(scriptsIn(space.project), project);
        QVERIFY(session.ctx.state.model.EditBlocks == model.EditBlocks);
        QVERIFY(session.ctx.state.bDataHasChanged);
    }

    // --- screenshots -----------------------------------------------------------

    // With TGEDIT_SCREENSHOT_DIR set, saves a picture of each view there.
    void screenshots() {
        const QString folder = qEnvironmentVariable("TGEDIT_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("TGEDIT_SCREENSHOT_DIR not set");
        }
        Workspace space;
        Session session(space);
        frm_main* w = session.open();
        w->menu_view_block->trigger();
        QVERIFY(w->grab().save(folder + "/main_block.png"));
        w->menu_view_business->trigger();
        QVERIFY(w->grab().save(folder + "/main_business.png"));
        w->menu_view_city->trigger();
        QVERIFY(w->grab().save(folder + "/main_city.png"));
        w->menu_view_block->trigger();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
