// Draws the pictures of TG Edit's windows that the README shows
// (docs/screenshots): each window on the stand-in game, drawn offscreen.
//
//     build/debug/tools/screenshots docs/screenshots
//
// An application folder, a game and two projects are laid out in a folder of
// the tool's own, TGEdit in the temporary folder ("/tmp/TGEdit/TG Edit" and
// "/tmp/TGEdit/Games"), so the paths the dialogs show read plainly and
// nothing of the build tree is touched. The folder must not exist yet; it is
// removed again at the end.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdio>

#include "project/app_context.h"
#include "project/projects.h"
#include "project/startup.h"
#include "ui/block_view.h"
#include "ui/business_view.h"
#include "ui/city_view.h"
#include "ui/folder_list.h"
#include "ui/frm_about.h"
#include "ui/frm_blockedit.h"
#include "ui/frm_gamepath.h"
#include "ui/frm_main.h"
#include "ui/frm_menu.h"
#include "ui/frm_project.h"
#include "ui/message_box.h"
#include "ui/path_text.h"
#include "ui/program_icon.h"

namespace {

// No window of a screenshot should ask anything; a box that comes anyway is
// reported and answered No.
class ReportingBoxes : public tg::MessageBoxService {
public:
    tg::MsgAnswer show(QWidget*, const QString& title, const QString& text, tg::MsgButtons buttons,
                       tg::MsgIcon) override {
        std::fprintf(stderr, "screenshots: a message box came up: %s: %s\n", qPrintable(title),
                     qPrintable(text));
        failed = true;
        return buttons == tg::MsgButtons::Ok ? tg::MsgAnswer::Ok : tg::MsgAnswer::No;
    }
    bool failed = false;
};

// The tool's own folder, removed with everything in it when the tool ends.
struct Scratch {
    QString path;
    bool made = false;
    ~Scratch() {
        if (made) {
            QDir(path).removeRecursively();
        }
    }
};

bool copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

// Lets the window lay itself out and draw, then saves its picture.
bool save(QWidget* widget, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Highlights the row of a folder list that shows path, without opening it.
void highlight(tg::FolderList* list, const QString& path) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->pathAt(row) == path) {
            list->setCurrentRow(row);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGEdit"));
    QApplication::setWindowIcon(tg::programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    Scratch scratch{QDir::tempPath() + QStringLiteral("/TGEdit")};
    if (QFileInfo::exists(scratch.path)) {
        std::fprintf(stderr, "screenshots: %s is in the way; remove it first\n",
                     qPrintable(scratch.path));
        return 1;
    }
    scratch.made = QDir().mkpath(scratch.path);
    const QString appFolder = scratch.path + QStringLiteral("/TG Edit/");
    const QString games = scratch.path + QStringLiteral("/Games");
    const QString game = games + QStringLiteral("/Tollgrove/");
    if (!QDir().mkpath(out) || !scratch.made ||
        !copyTree(QStringLiteral(TGEDIT_DATA_DIR), appFolder) ||
        !copyTree(QStringLiteral(TGEDIT_DEMO_GAME_DIR), game)) {
        std::fprintf(stderr, "screenshots: cannot lay out the application folder and the game\n");
        return 1;
    }
    QDir().mkpath(games + QStringLiteral("/Harbour Tycoon"));
    QDir().mkpath(games + QStringLiteral("/Rail Empire"));

    ReportingBoxes boxes;
    tg::AppContext ctx(tg::toCorePath(appFolder));
    ctx.state.GamePath = tg::toCorePath(game);
    const std::string projects = ctx.app.Path + "Projects/";
    if (!tg::completeFirstStart(ctx).empty() || !tg::createProject(ctx, projects, "Riverside").ok ||
        !tg::createProject(ctx, projects, "Default").ok) {
        std::fprintf(stderr, "screenshots: cannot set up the projects\n");
        return 1;
    }
    bool ok = true;

    if (QPointer<tg::frm_menu> menu = tg::frm_menu::open(ctx, boxes)) {
        ok &= save(menu, out, QStringLiteral("start_menu.png"));
        menu->close();
    }
    {
        tg::frm_gamepath dialog(ctx, boxes);
        dialog.show();
        dialog.dir_GamePath->setPath(games);
        highlight(dialog.dir_GamePath, games + QStringLiteral("/Tollgrove"));
        ok &= save(&dialog, out, QStringLiteral("game_folder.png"));
    }
    for (const int type : {0, 1}) {
        QPointer<tg::frm_project> dialog = new tg::frm_project(ctx, boxes);
        dialog->iDialogType = static_cast<std::int16_t>(type);
        dialog->show();
        ok &= save(
            dialog, out,
            type == 0 ? QStringLiteral("new_project.png") : QStringLiteral("open_project.png"));
        dialog->close();
    }

    // The main window on the project Default, and each of its views alone.
    // Every picture is taken of a window drawn for the first time.
    ctx.state.ProjectPath = projects + "Default/";
    struct MainShot {
        const char* name;
        std::size_t view;  // block, business, city
        bool whole;        // the window, or the view alone
    };
    const MainShot mainShots[] = {
        {"main_block.png", 0, true},    {"view_block.png", 0, false},
        {"main_business.png", 1, true}, {"view_business.png", 1, false},
        {"main_city.png", 2, true},     {"view_citycom.png", 2, false},
    };
    for (const MainShot& shot : mainShots) {
        QPointer<tg::frm_main> window = new tg::frm_main(ctx, boxes);
        window->show();
        const std::array<QAction*, 3> items = {window->menu_view_block, window->menu_view_business,
                                               window->menu_view_city};
        const std::array<QWidget*, 3> frames = {window->frame_block, window->frame_business,
                                                window->frame_citycom};
        items[shot.view]->trigger();
        // A business that sells six commodities.
        window->frame_business->lst_BusinessName->setCurrentRow(9);
        ok &= save(shot.whole ? window.data() : frames[shot.view], out, QLatin1String(shot.name));
        delete window.data();
    }
    {
        ctx.state.CurrentBlock = 30;
        tg::frm_blockedit dialog(ctx, boxes);
        dialog.showBlock();
        dialog.show();
        ok &= save(&dialog, out, QStringLiteral("block_dialog.png"));
    }
    {
        tg::frm_About about(ctx, boxes);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.show();
        ok &= save(&about, out, QStringLiteral("about.png"));
    }
    return ok && !boxes.failed ? 0 : 1;
}
