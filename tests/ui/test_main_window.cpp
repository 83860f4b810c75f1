// The main window as the user meets it: opening a project, switching views,
// the save question on every way out, the File menu's save, Save & Import
// and Backup, and the About box.

#include "ui/support/ui_support.h"

using namespace tg;
using namespace tg::test;
using namespace Qt::StringLiterals;

namespace {

const QString kSaved = u"Project: DEFAULT has been successfully saved."_s;
const QString kImportQuestion =
    u"Warning: This will overwrite files in the Tollgrove folder. "
    u"\r\nAre you sure you want to do this?"_s;
const QString kBackupQuestion =
    u"Warning: This will overwrite existing backup files. \r\nAre you sure you want to do this?"_s;

// An edit as the block dialog's Set makes it: AIRPORT's value is changed.
void editAirport(AppContext& ctx, std::int16_t value = 150) {
    BlockRecord airport = ctx.state.model.EditBlocks[5];
    airport.value = value;
    storeBlock(ctx.state, 5, airport);
}

// Which frames are on show and which View items checked, in the order
// block, business, city: "100100" when the block view alone is.
QString viewOnShow(frm_main* w) {
    QString bits;
    for (bool on : {w->frame_block->isVisible(), w->frame_business->isVisible(),
                    w->frame_citycom->isVisible(), w->menu_view_block->isChecked(),
                    w->menu_view_business->isChecked(), w->menu_view_city->isChecked()}) {
        bits += on ? u'1' : u'0';
    }
    return bits;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void opensTheProjectOnTheBlockViewAndSwitchesViews() {
        MainSession s;
        frm_main* w = s.open();
        QCOMPARE(w->windowTitle(), u"TG Edit : Default"_s);
        QVERIFY(s.boxes.shown.isEmpty() && !w->frame_block->pict_Map->pixmap().isNull());
        QCOMPARE(viewOnShow(w), u"100100"_s);
        const QListWidget* lists[] = {w->frame_business->lst_BusinessName,
                                      w->frame_citycom->lst_CommodityName};
        QCOMPARE((QList<int>{lists[0]->count(), lists[1]->count(), lists[0]->currentRow(),
                             lists[1]->currentRow(), s.ctx.state.model.EditBlocks[5].value}),
                 (QList<int>{45, 32, 0, 0, 25000}));

        // F3, F2, F1 switch views and touch neither values nor flags.
        editAirport(s.ctx);
        const SettingsModel model = s.ctx.state.model;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const std::pair<Qt::Key, QString> keys[] = {
            {Qt::Key_F3, u"001001"_s}, {Qt::Key_F2, u"010010"_s}, {Qt::Key_F1, u"100100"_s}};
        for (const auto& [key, view] : keys) {
            QTest::keyClick(w, key);
            QCOMPARE(viewOnShow(w), view);
        }
        QVERIFY(s.ctx.state.model.EditBlocks == model.EditBlocks && s.ctx.state.bDataHasChanged);
    }

    void saveQuestionGuardsEveryWayOut_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<MsgAnswer>("answer");  // to the question; OK: nothing changed
        const char* ways[] = {"Exit", "close box", "New Project", "Open Project"};
        const char* answers[] = {"nothing changed", "Yes", "No", "Cancel"};
        for (int way = 0; way < 4; ++way) {
            for (int answer = 0; answer < 4; ++answer) {
                QTest::addRow("%s, %s", ways[way], answers[answer])
                    << way << static_cast<MsgAnswer>(answer);
            }
        }
    }

    void saveQuestionGuardsEveryWayOut() {
        QFETCH(int, way);
        QFETCH(MsgAnswer, answer);
        const bool changed = answer != MsgAnswer::Ok;
        const bool leaves = answer != MsgAnswer::Cancel;
        MainSession s;
        frm_main* w = s.open();
        if (changed) {
            editAirport(s.ctx);
            s.boxes.answers << answer;
        }
        const QByteArray before = scripts(s.project);
        const QList<QAction*> commands = {w->menu_file_exit, nullptr, w->menu_file_new,
                                          w->menu_file_open};
        way == 1 ? void(w->close()) : commands[way]->trigger();

        QCOMPARE(s.boxes.texts(),
                 changed ? QStringList{u"Do you wish to save your changes?"_s} : QStringList{});
        QVERIFY(!changed || s.boxes.shown[0].buttons == MsgButtons::YesNoCancel);
        QCOMPARE(s.closed(), leaves);
        QCOMPARE(scripts(s.project) != before, answer == MsgAnswer::Yes);
        // Only New and Open lower the flag; a save alone leaves it.
        QCOMPARE(s.ctx.state.bDataHasChanged, changed && !(leaves && way >= 2));
        const QList<frm_project*> dialogs = openWindows<frm_project>();
        QCOMPARE(dialogs.size(), way >= 2 && leaves ? 1 : 0);
        QVERIFY(dialogs.isEmpty() ||
                (dialogs[0]->iDialogType == way - 2 && dialogs[0]->iLastFormShown == 1));
    }

    void failuresAreShownAndLoseNothing() {
        FailingFolder disk;
        MainSession s(true, disk);
        disk.folder = s.project.toStdString();
        QVERIFY(QFile::remove(s.app + u"tgmap.map"_s));
        frm_main* w = s.open();  // the window opens without its map
        QCOMPARE(viewOnShow(w), u"100100"_s);
        QVERIFY(s.boxes.texts().value(0).contains(s.app + u"tgmap.map"_s));
        editAirport(s.ctx);
        const auto before = s.snapshot();
        s.boxes.answers << MsgAnswer::Yes;
        w->menu_file_exit->trigger();  // Yes, and the save fails
        w->menu_file_save->trigger();
        w->menu_file_import->trigger();  // no question: the save failed
        // The question, then one failure per command, naming the file and the reason.
        const QStringList failures = s.boxes.texts().mid(2).filter(u"blocksettings.lua"_s);
        QVERIFY(!s.closed() && s.boxes.shown.size() == 5 &&
                failures.filter(u"No space left on device"_s).size() == 3);
        QCOMPARE(s.snapshot(), before);
        QVERIFY(s.ctx.state.bDataHasChanged && s.ctx.state.model.EditBlocks[5].changed);

        // Now the game's folder is full: the copy fails and is not called done.
        disk.folder = s.game.toStdString();
        s.boxes.shown.clear();
        s.boxes.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        w->menu_file_import->trigger();
        QCOMPARE(s.boxes.shown.size(), 3);
        QVERIFY(s.boxes.shown[2].text.endsWith(u"No space left on device"_s));
    }

    void fileMenuSavesImportsAndBacksUp() {
        MainSession s;
        frm_main* w = s.open();
        const auto untouched = s.snapshot();
        w->menu_file_save->trigger();  // nothing changed: the message, nothing written
        QCOMPARE(s.snapshot(), untouched);

        w->frame_business->lst_BusinessName->setCurrentRow(7);
        w->frame_citycom->lst_CommodityName->setCurrentRow(3);
        editAirport(s.ctx);
        w->menu_file_save->trigger();
        const QString blocks = s.project + u"blocksettings.lua"_s;
        QVERIFY(readFile(blocks).contains("Block[AIRPORT].value = 150;"));
        // Reloaded from what was written; the editors stay on their rows.
        QVERIFY(s.ctx.state.model.Blocks[5].value == 150 && !s.ctx.state.bDataHasChanged);
        QCOMPARE((QList<int>{w->frame_business->lst_BusinessName->count(),
                             w->frame_business->lst_BusinessName->currentRow(),
                             w->frame_citycom->lst_CommodityName->currentRow()}),
                 (QList<int>{45, 7, 3}));

        // Save & Import saves first, then asks; No leaves the game alone.
        const QString gameScripts = s.game + u"SCRIPTS/DEFAULT/"_s;
        const QByteArray game = scripts(gameScripts);
        editAirport(s.ctx, 151);
        s.boxes.answers = {MsgAnswer::Ok, MsgAnswer::No, MsgAnswer::Ok, MsgAnswer::Yes};
        w->menu_file_import->trigger();
        QVERIFY(readFile(blocks).contains("151") && scripts(gameScripts) == game);
        w->menu_file_import->trigger();
        QCOMPARE(scripts(gameScripts), scripts(s.project));

        // Backup: No copies nothing, Yes copies the game's scripts.
        const QString backupHub = s.app + u"Backup/hub.lua"_s;
        const QByteArray oldBackup = readFile(backupHub);
        writeFile(gameScripts + "hub.lua", readFile(gameScripts + "hub.lua") + "-- newer\r\n");
        s.boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
        w->menu_file_backup->trigger();
        QCOMPARE(readFile(backupHub), oldBackup);
        w->menu_file_backup->trigger();
        QCOMPARE(readFile(backupHub), readFile(gameScripts + "hub.lua"));

        QCOMPARE(s.boxes.texts(),
                 (QStringList{kSaved, kSaved, kSaved, kImportQuestion, kSaved, kImportQuestion,
                              u"TG Edit files imported succesfully."_s, kBackupQuestion,
                              kBackupQuestion, u"Tollgrove files backed up succesfully."_s}));
        for (const auto& box : s.boxes.shown) {
            const bool question = box.text.startsWith(u"Warning"_s);
            QCOMPARE(box.title, u"TG Edit"_s);
            QCOMPARE(box.buttons, question ? MsgButtons::YesNo : MsgButtons::Ok);
            QCOMPARE(box.icon, question ? MsgIcon::Exclamation : MsgIcon::None);
        }
    }

    // What a copy needs is looked for first: a failure is shown with the
    // critical icon, naming the file, and nothing at all is written, not
    // even the save that Save & Import starts with.
    void importAndBackupWriteNothingWhenASourceIsMissing_data() {
        QTest::addColumn<QString>("removed");  // inside the folder that holds both
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("named");
        QTest::newRow("import, the game has no SCRIPTS/DEFAULT")
            << "Tollgrove/SCRIPTS" << true << "SCRIPTS/DEFAULT is missing";
        QTest::newRow("import, a project script is gone")
            << "editor/Projects/Default/hub.lua" << true << "Default/hub.lua: No such file";
        QTest::newRow("backup, a game script is gone")
            << "Tollgrove/SCRIPTS/DEFAULT/hub.lua" << false << "DEFAULT/hub.lua: No such file";
    }

    void importAndBackupWriteNothingWhenASourceIsMissing() {
        QFETCH(QString, removed);
        QFETCH(bool, import);
        QFETCH(QString, named);
        MainSession s;
        frm_main* w = s.open();
        editAirport(s.ctx);
        const QString path = s.game + u"../"_s + removed;
        QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
        const auto before = s.snapshot();

        (import ? w->menu_file_import : w->menu_file_backup)->trigger();
        QCOMPARE(s.boxes.shown.size(), 1);
        QVERIFY(s.boxes.shown[0].title == "TG Edit" && s.boxes.shown[0].icon == MsgIcon::Critical);
        QVERIFY2(s.boxes.shown[0].text.contains(named), qPrintable(s.boxes.shown[0].text));
        QCOMPARE(s.snapshot(), before);
        QVERIFY(s.ctx.state.bDataHasChanged && s.ctx.state.model.EditBlocks[5].value == 150);
    }

    void aboutBoxShowsTheVersionAndDrawsCards() {
        MainSession s;
        frm_main* w = s.open();
        QPointer<frm_About> seen;
        WhenModal<frm_About> about([&](frm_About* box) {
            seen = box;
            QVERIFY(box->parentWidget() == w && box->lbl_Description->text().startsWith(
                                                    u"Tollgrove Editor\nVersion: 1.0.0.1\n"_s));
            for (int i = 0; i < 40; ++i) {
                QTest::mouseClick(box->img_Icon, Qt::LeftButton);
            }
            box->cmd_OK->click();
        });
        w->menu_about->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.fired && seen.isNull());

        // Each click drew a card afresh, shown under the title of its deck.
        QSet<QString> cards, drawn;
        for (const auto& card : frm_About::cardTable()) {
            cards.insert(card.deckTitle + u": "_s + card.text);
        }
        for (const auto& box : s.boxes.shown) {
            drawn.insert(box.title + u": "_s + box.text);
        }
        QVERIFY(s.boxes.shown.size() == 40 && drawn.size() > 1 && cards.contains(drawn));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
