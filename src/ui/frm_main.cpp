#include "ui/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalBlocker>
#include <array>
#include <future>
#include <utility>

#include "fs/paths.h"
#include "model/notice.h"
#include "project/app_context.h"
#include "project/commands.h"
#include "project/copy_checks.h"
#include "project/edits.h"
#include "ui/block_view.h"
#include "ui/business_view.h"
#include "ui/city_view.h"
#include "ui/frm_about.h"
#include "ui/frm_project.h"
#include "ui/message_box.h"
#include "ui/path_text.h"
#include "ui/placement.h"

namespace tg {

namespace {

const QString kTitle = QString::fromLatin1(kTitleTGEdit);
const QString kSaveQuestion = QStringLiteral("Do you wish to save your changes?");

// Refills a name list and puts the selection back on the row it was on, so
// that the editor below it keeps working on the record it shows. The view's
// controls are not redrawn: the list's signals are held while the row is put
// back.
template <typename Fill>
void refillKeepingRow(QListWidget* list, Fill fill) {
    const int row = list->currentRow();
    fill();
    if (row >= 0 && row < list->count() && list->currentRow() != row) {
        const QSignalBlocker hold(list);
        list->setCurrentRow(row);
    }
}

// The map picture as read from its file, or why it could not be.
struct MapPicture {
    QString path;
    QImage picture;
    QString error;
};

// Runs on a thread of its own: touches nothing but its file.
MapPicture readMapPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    MapPicture map{path, reader.read(), QString()};
    if (map.picture.isNull()) {
        map.error = reader.errorString();
    }
    return map;
}

}  // namespace

struct frm_main::PendingMapPicture {
    std::future<MapPicture> result;
};

frm_main::frm_main(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), boxes_(boxes) {
    // Decoding the map picture takes about as long as building a view and
    // needs nothing of the window: it runs on a thread of its own beside the
    // building (or, where no thread can be had, when loadMapPicture asks).
    PendingMapPicture mapPicture{
        std::async(std::launch::async | std::launch::deferred, readMapPicture,
                   fromCorePath(ctx_.fs.resolve(ctx_.app.ShippedPath + "tgmap.map")))};
    setAttribute(Qt::WA_DeleteOnClose);
    centreWhenFirstShown(this);
    buildMenus();
    buildViews();
    Form_Load(mapPicture);
}

void frm_main::buildMenus() {
    menu_file = menuBar()->addMenu(QStringLiteral("&File"));
    menu_file_new = menu_file->addAction(QStringLiteral("&New Project"));
    menu_file_new->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    menu_file_open = menu_file->addAction(QStringLiteral("&Open Project"));
    menu_file_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    menu_file_save = menu_file->addAction(QStringLiteral("&Save Project"));
    menu_file_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menu_file_seperator1 = menu_file->addSeparator();
    menu_file_import = menu_file->addAction(QStringLiteral("&Save && Import into Tollgrove"));
    menu_file_import->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    menu_file_Seperator2 = menu_file->addSeparator();
    menu_file_backup = menu_file->addAction(QStringLiteral("&Backup Tollgrove Files"));
    menu_file_Seperator3 = menu_file->addSeparator();
    menu_file_exit = menu_file->addAction(QStringLiteral("E&xit"));

    menu_view = menuBar()->addMenu(QStringLiteral("&View"));
    menu_view_block = menu_view->addAction(QStringLiteral("Block"));
    menu_view_block->setShortcut(QKeySequence(Qt::Key_F1));
    menu_view_business = menu_view->addAction(QStringLiteral("Business"));
    menu_view_business->setShortcut(QKeySequence(Qt::Key_F2));
    menu_view_city = menu_view->addAction(QStringLiteral("City/Commodity"));
    menu_view_city->setShortcut(QKeySequence(Qt::Key_F3));
    // Check marks, one at a time (showView keeps them so): an exclusive
    // action group would draw radio dots instead.
    for (QAction* item : {menu_view_block, menu_view_business, menu_view_city}) {
        item->setCheckable(true);
    }

    // A top-level item of its own: no menu drops down, the box opens at once.
    menu_about = menuBar()->addAction(QStringLiteral("&About"));

    connect(menu_file_new, &QAction::triggered, this, &frm_main::menu_file_new_Click);
    connect(menu_file_open, &QAction::triggered, this, &frm_main::menu_file_open_Click);
    connect(menu_file_save, &QAction::triggered, this, &frm_main::menu_file_save_Click);
    connect(menu_file_import, &QAction::triggered, this, &frm_main::menu_file_import_Click);
    connect(menu_file_backup, &QAction::triggered, this, &frm_main::menu_file_backup_Click);
    connect(menu_file_exit, &QAction::triggered, this, &frm_main::menu_file_exit_Click);
    connect(menu_view_block, &QAction::triggered, this, &frm_main::menu_view_block_Click);
    connect(menu_view_business, &QAction::triggered, this, &frm_main::menu_view_business_Click);
    connect(menu_view_city, &QAction::triggered, this, &frm_main::menu_view_city_Click);
    connect(menu_about, &QAction::triggered, this, &frm_main::menu_about_Click);
}

void frm_main::buildViews() {
    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    frame_block = new BlockView(ctx_, boxes_, central);
    frame_business = new BusinessView(ctx_, boxes_, central);
    frame_citycom = new CityCommodityView(ctx_, boxes_, central);
    // The three views share one place; the window keeps the size of the
    // largest, so switching views does not make it jump. The map is a picture
    // of fixed size: its view keeps its own size, centred, so its help text
    // wraps at the map's width.
    for (QWidget* frame :
         {static_cast<QWidget*>(frame_block), static_cast<QWidget*>(frame_business),
          static_cast<QWidget*>(frame_citycom)}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        layout->addWidget(frame, 0, 0, frame == frame_block ? Qt::AlignCenter : Qt::Alignment());
    }
    setCentralWidget(central);
}

void frm_main::Form_Load(PendingMapPicture& mapPicture) {
    setWindowTitle(QStringLiteral("TG Edit : ") + qtText(lastPathPart(ctx_.state.ProjectPath)));
    loadMapPicture(mapPicture);
    testGameVersion();

    boxes_.showFailures(this, reloadProject(ctx_));
    frame_business->fillNames();
    frame_citycom->fillNames();

    frame_business->FillLists();
    frame_citycom->fillLists();

    frame_citycom->lst_CommodityName->setCurrentRow(0);
    frame_business->lst_BusinessName->setCurrentRow(0);
    frame_citycom->ShowCityTweaks();
    showView(View::Block);
    fitSmallestSize();
}

void frm_main::fitSmallestSize() {
    // A help text that wraps takes more lines as the window narrows, which
    // the window's smallest size does not allow for by itself: the views'
    // smallest height is taken at their smallest width, so that nothing is
    // squashed there.
    QLayout* views = centralWidget()->layout();
    centralWidget()->setMinimumHeight(
        views->totalMinimumHeightForWidth(views->totalMinimumSize().width()));
}

void frm_main::loadMapPicture(PendingMapPicture& mapPicture) {
    MapPicture map = mapPicture.result.get();
    if (map.picture.isNull()) {
        // The map still works without its picture: the hot spots lie where
        // the blocks are.
        boxes_.show(this, kTitle,
                    QStringLiteral("The city map picture could not be loaded from %1 (%2). "
                                   "The map is shown without it.")
                        .arg(map.path, map.error),
                    MsgButtons::Ok, MsgIcon::Critical);
        frame_block->setMapPicture(QPixmap());
        return;
    }
    frame_block->setMapPicture(QPixmap::fromImage(std::move(map.picture)));
}

void frm_main::testGameVersion() {
    ctx_.state.bVersionCompatible = gameVersionCompatible(ctx_.fs, ctx_.state.GamePath);
}

void frm_main::showView(View view) {
    const std::array<std::pair<QWidget*, QAction*>, 3> views = {{
        {frame_block, menu_view_block},
        {frame_business, menu_view_business},
        {frame_citycom, menu_view_city},
    }};
    const std::size_t chosen = static_cast<std::size_t>(view);
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (i != chosen) {
            views[i].first->hide();
            views[i].second->setChecked(false);
        }
    }
    views[chosen].first->show();
    views[chosen].second->setChecked(true);
}

void frm_main::menu_view_block_Click() {
    showView(View::Block);
}
void frm_main::menu_view_business_Click() {
    showView(View::Business);
}
void frm_main::menu_view_city_Click() {
    showView(View::City);
}

bool frm_main::settleUnsavedChanges() {
    if (!ctx_.state.bDataHasChanged) {
        return true;
    }
    switch (boxes_.show(this, kTitle, kSaveQuestion, MsgButtons::YesNoCancel)) {
        case MsgAnswer::No:
            return true;
        case MsgAnswer::Yes: {
            const Notices failures = saveProject(ctx_);
            if (failures.empty()) {
                return true;
            }
            // The edits are still only in memory: stay, so they are not lost.
            boxes_.showFailures(this, failures);
            return false;
        }
        default:
            return false;
    }
}

void frm_main::handOverToProjectDialog(int dialogType) {
    if (!settleUnsavedChanges()) {
        return;
    }
    auto* dialog = new frm_project(ctx_, boxes_);
    dialog->iDialogType = static_cast<std::int16_t>(dialogType);
    dialog->iLastFormShown = 1;
    dialog->show();
    ctx_.state.bDataHasChanged = false;
    close();
}

void frm_main::menu_file_new_Click() {
    handOverToProjectDialog(0);
}
void frm_main::menu_file_open_Click() {
    handOverToProjectDialog(1);
}

void frm_main::menu_file_exit_Click() {
    close();
}

void frm_main::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool frm_main::saveAndReload() {
    const Notices failures = saveProject(ctx_);
    if (!failures.empty()) {
        boxes_.showFailures(this, failures);
        return false;
    }
    boxes_.show(this, kTitle, qtText(saveMessage(ctx_)), MsgButtons::Ok, MsgIcon::None);
    boxes_.showFailures(this, reloadProject(ctx_));
    refillKeepingRow(frame_business->lst_BusinessName, [this] { frame_business->fillNames(); });
    refillKeepingRow(frame_citycom->lst_CommodityName, [this] { frame_citycom->fillNames(); });
    return true;
}

void frm_main::menu_file_save_Click() {
    saveAndReload();
}

void frm_main::menu_file_import_Click() {
    // What the copies need is looked for before the save, so that a command
    // that cannot finish writes nothing at all.
    if (const CopyCheck check = checkImport(ctx_); !check.ok()) {
        boxes_.showFailures(this, check.notices);
        return;
    }
    if (!saveAndReload()) {
        return;
    }
    if (boxes_.show(this, kTitle, qtText(kImportQuestion), MsgButtons::YesNo,
                    MsgIcon::Exclamation) != MsgAnswer::Yes) {
        return;
    }
    const Notices failures = importProject(ctx_);
    if (failures.empty()) {
        boxes_.show(this, kTitle, qtText(kImportDoneMessage), MsgButtons::Ok, MsgIcon::None);
    } else {
        boxes_.showFailures(this, failures);
    }
}

void frm_main::menu_file_backup_Click() {
    if (const CopyCheck check = checkBackup(ctx_); !check.ok()) {
        boxes_.showFailures(this, check.notices);
        return;
    }
    if (boxes_.show(this, kTitle, qtText(kBackupQuestion), MsgButtons::YesNo,
                    MsgIcon::Exclamation) != MsgAnswer::Yes) {
        return;
    }
    const Notices failures = backupGame(ctx_);
    if (failures.empty()) {
        boxes_.show(this, kTitle, qtText(kBackupDoneMessage), MsgButtons::Ok, MsgIcon::None);
    } else {
        boxes_.showFailures(this, failures);
    }
}

void frm_main::menu_about_Click() {
    auto* about = new frm_About(ctx_, boxes_, this);
    about->exec();
}

}  // namespace tg
