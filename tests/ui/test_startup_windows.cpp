// The start-up windows as the user goes through them: the first start with
// the game-folder dialog, the start menu, and the project dialog creating
// and opening projects.

#include "ui/support/ui_support.h"

using namespace tg;
using namespace tg::test;
using namespace Qt::StringLiterals;

namespace {

// Highlights the row of a folder list that shows path, without opening it.
void highlight(FolderList* list, const QString& path) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->pathAt(row) == QDir::cleanPath(path)) {
            list->setCurrentRow(row);
        }
    }
}

}  // namespace

class StartupWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeAllWindows(); }

    void firstStartCancelledWritesNothing() {
        for (const bool byCloseBox : {false, true}) {
            MainSession s(false);
            const auto before = s.snapshot();
            WhenModal<frm_gamepath> cancel([&](frm_gamepath* dialog) {
                dialog->dir_GamePath->setPath(s.game);  // a valid folder, not taken
                byCloseBox ? void(dialog->close()) : dialog->cmd_Cancel->click();
            });
            QVERIFY(frm_menu::open(s.ctx, s.boxes) == nullptr && cancel.fired);
            QCOMPARE(s.boxes.texts(),
                     QStringList{u"It appears this is the first time running "
                                 u"TG Edit.  Please select the Tollgrove folder"_s});
            QCOMPARE(s.boxes.shown[0].title, u"TG Edit"_s);
            QVERIFY(openWindows().isEmpty());
            QCOMPARE(s.snapshot(), before);
        }
    }

    void firstStartSetsUpTheApplicationFolder() {
        MainSession s(false);
        const QString game = s.game;
        WhenModal<frm_gamepath> choose([&](frm_gamepath* dialog) {
            // A folder without mc.exe is refused; the dialog stays.
            dialog->dir_GamePath->setPath(game + u"SCRIPTS"_s);
            dialog->cmd_OK->click();
            QCOMPARE(s.boxes.shown.last().title, u"TGEdit"_s);
            // The game folder highlighted in its parent, not opened, is taken.
            dialog->dir_GamePath->setPath(QDir::cleanPath(game + u".."_s));
            highlight(dialog->dir_GamePath, game);
            dialog->cmd_OK->click();
        });
        QVERIFY(frm_menu::open(s.ctx, s.boxes)->isVisible());
        QCOMPARE(s.boxes.texts().mid(1), QStringList{u"Invalid Tollgrove path."_s});
        QCOMPARE(s.ctx.state.GamePath, game.toStdString());
        QCOMPARE(readFile(s.app + u"tgedit.cfg"_s), game.toUtf8() + "\r\n 1 \r\n");
        QVERIFY(QFileInfo(s.app + u"Projects"_s).isDir());
        QCOMPARE(scripts(s.app + u"Backup/"_s), scripts(game + u"SCRIPTS/DEFAULT/"_s));
    }

    void newProjectFromTheStartMenu() {
        MainSession s;
        writeFile(s.app + u"Projects/notes.txt"_s, "mine");
        frm_menu::open(s.ctx, s.boxes)->cmd_NewProject->click();
        frm_project* dialog = openWindows<frm_project>().value(0);
        QVERIFY(dialog != nullptr && openWindows<frm_menu>().isEmpty());
        QLineEdit* name = dialog->txt_ProjectName;
        QCOMPARE(dialog->windowTitle() + u'|' + name->selectedText() + u'|' +
                     dialog->lbl_ProjectPath->text(),
                 u"Create New Project|Default|"_s + s.app + u"Projects/Default"_s);

        // A typed slash goes again, the caret stays; a pasted text loses each
        // kind of forbidden character. One message per kind.
        name->setCursorPosition(3);
        QTest::keyClicks(name, u"/"_s);
        QCOMPARE(name->cursorPosition(), 3);
        name->setText(u"My\\Ci:ty\\"_s);
        QCOMPARE(name->text(), u"MyCity"_s);
        const QString rule =
            u"A project name cannot contain any of the following characters:\r\n"_s +
            QString(26, u' ') + u"\\ / : * ? \" < > |"_s;
        QCOMPARE(s.boxes.texts(), (QStringList{rule, rule, rule}));
        QVERIFY(s.boxes.shown[0].icon == MsgIcon::Critical);

        // Names refused, and an incomplete Backup: nothing is written.
        QVERIFY(QFile::remove(s.app + u"Backup/hub.lua"_s));
        const auto before = s.snapshot();
        for (const char* refused : {"", "NOTES.TXT", "..", "MyCity"}) {
            name->setText(QString::fromLatin1(refused));
            dialog->cmd_OK->click();
        }
        QCOMPARE(
            s.boxes.texts().mid(3),
            (QStringList{u"Please enter a Project Name."_s,
                         u"This Project already exists, please choose another name."_s,
                         u"A project name cannot begin with a dot."_s,
                         "Cannot create a project: " + s.app + u"Backup/hub.lua is missing"_s}));
        QVERIFY(s.boxes.shown[3].title == "TGEdit" && s.boxes.shown[6].icon == MsgIcon::Critical);
        QCOMPARE(s.snapshot(), before);
        QVERIFY(dialog->isVisible());

        // Complete again: Enter in the name box is OK.
        QFile::copy(s.project + u"hub.lua"_s, s.app + u"Backup/hub.lua"_s);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(openWindows<frm_main>().value(0)->windowTitle(), u"TG Edit : MyCity"_s);
        const QString project = s.app + u"Projects/MyCity/"_s;
        QCOMPARE(s.ctx.state.ProjectPath, project.toStdString());
        QCOMPARE(scripts(project), scripts(s.app + u"Backup/"_s));
        QCOMPARE(readFile(project + "tgedit.prj"), readFile(s.app + u"tge.prj"_s));
    }

    void openProjectTakesTheOpenFolderAndCountsTheOpen() {
        MainSession s;
        writeFile(s.project + u"tgedit.prj"_s, "DO NOT DELETE THIS FILE.\r\n 4 \r\n");
        writeFile(s.project + u"hub.lua"_s, "-- edited before the first open\r\n");
        frm_project* dialog = projectDialog(s.ctx, s.boxes, 1);
        QCOMPARE(dialog->windowTitle(), u"Open Existing Project"_s);
        QVERIFY(dialog->txt_ProjectName->isHidden());

        // Default only highlighted: the open folder is Projects, refused.
        highlight(dialog->dir_ProjectPath, s.project);
        dialog->cmd_OK->click();
        QCOMPARE(s.boxes.texts(), QStringList{u"Invalid Project Path."_s});
        QCOMPARE(s.boxes.shown[0].title, u"TGEdit"_s);
        QTest::keyClick(dialog->dir_ProjectPath, Qt::Key_Return);  // opens Default
        QCOMPARE(dialog->lbl_ProjectPath->text(), s.project);
        dialog->cmd_OK->click();
        QCOMPARE(s.boxes.shown.size(), 1);
        QCOMPARE(openWindows<frm_main>().value(0)->windowTitle(), u"TG Edit : Default"_s);
        QCOMPARE(readFile(s.project + u"tgedit.prj"_s), QByteArray("TG Edit: 1.0.0.1\r\n 5 \r\n"));
        // Its first open takes the untouched hub.lua.
        QCOMPARE(readFile(s.project + u"hub.lua"_s), readFile(s.app + u"Backup/hub.lua"_s));
    }

    void cancelGoesBackToTheWindowThatOpenedTheDialog() {
        MainSession s;
        frm_menu::open(s.ctx, s.boxes)->cmd_OpenProject->click();  // raises the start count
        QTest::keyClick(openWindows<frm_project>().value(0), Qt::Key_Escape);  // Esc is Cancel
        QCOMPARE(openWindows<frm_menu>().size(), 1);
        QCOMPARE(readFile(s.app + u"tgedit.cfg"_s), s.game.toUtf8() + "\r\n 2 \r\n");
        openWindows<frm_menu>()[0]->close();

        projectDialog(s.ctx, s.boxes, 0, 1)->cmd_Cancel->click();
        QVERIFY(openWindows().size() == 1 && openWindows<frm_main>().size() == 1);
        openWindows<frm_main>()[0]->close();

        projectDialog(s.ctx, s.boxes, 0)->close();  // the close box just closes
        QVERIFY(openWindows().isEmpty() && s.boxes.shown.isEmpty());
    }
};

QTEST_MAIN(StartupWindowsTest)
#include "test_startup_windows.moc"
