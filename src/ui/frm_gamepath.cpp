#include "ui/frm_gamepath.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/notice.h"
#include "project/app_context.h"
#include "project/startup.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"
#include "ui/path_label.h"
#include "ui/path_text.h"
#include "ui/placement.h"

namespace tg {

frm_gamepath::frm_gamepath(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), boxes_(boxes) {
    setWindowTitle(QStringLiteral("Tollgrove Path"));
    setModal(true);
    centreWhenFirstShown(this);

    auto* intro = new QLabel(
        QStringLiteral("Select the folder in which Tollgrove is installed (the folder that holds "
                       "mc.exe)."),
        this);
    intro->setWordWrap(true);

    drv_GameDrive = new DriveList(this);
    dir_GamePath = new FolderList(this);
    lbl_Path = new PathLabel(this);
    lbl_Path->setFrameShape(QFrame::StyledPanel);
    lbl_Path->setFrameShadow(QFrame::Sunken);
    lbl_Path->setMargin(2);
    cmd_OK = new QPushButton(QStringLiteral("&OK"), this);
    cmd_Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmd_OK->setDefault(true);

    auto* driveLabel = new QLabel(QStringLiteral("&Drive:"), this);
    driveLabel->setBuddy(drv_GameDrive);
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(dir_GamePath);

    auto* grid = new QGridLayout;
    grid->addWidget(driveLabel, 0, 0);
    grid->addWidget(drv_GameDrive, 0, 1);
    grid->addWidget(folderLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(dir_GamePath, 1, 1);
    grid->addWidget(lbl_Path, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_OK);
    buttons->addWidget(cmd_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    setTabOrder(drv_GameDrive, dir_GamePath);
    setTabOrder(dir_GamePath, cmd_OK);
    setTabOrder(cmd_OK, cmd_Cancel);
    resize(400, 420);

    connect(drv_GameDrive, &DriveList::driveChanged, this, &frm_gamepath::drv_GameDrive_Change);
    connect(dir_GamePath, &FolderList::pathChanged, this, &frm_gamepath::dir_GamePath_Change);
    connect(dir_GamePath, &FolderList::openFailed, this, &frm_gamepath::dir_GamePath_OpenFailed);
    connect(cmd_OK, &QPushButton::clicked, this, &frm_gamepath::cmd_OK_Click);
    connect(cmd_Cancel, &QPushButton::clicked, this, &frm_gamepath::cmd_Cancel_Click);

    Form_Load();
    dir_GamePath->setFocus();
}

void frm_gamepath::Form_Load() {
    // Open the root of the drive that holds the working folder.
    const QString root = drv_GameDrive->driveOf(QDir::currentPath());
    drv_GameDrive->showDrive(root);
    if (!dir_GamePath->setPath(root)) {
        dir_GamePath->setPath(QDir::rootPath());
    }
    bPathAccepted = false;
}

void frm_gamepath::drv_GameDrive_Change() {
    openChosenDrive(*drv_GameDrive, *dir_GamePath, boxes_, this);
}

void frm_gamepath::dir_GamePath_Change() {
    lbl_Path->setPath(QDir::toNativeSeparators(dir_GamePath->path()));
    drv_GameDrive->showDrive(drv_GameDrive->driveOf(dir_GamePath->path()));
}

void frm_gamepath::dir_GamePath_OpenFailed(const QString& path, const QString& reason) {
    boxes_.show(this, QString::fromLatin1(kApplicationTitle), folderOpenFailedText(path, reason),
                MsgButtons::Ok, MsgIcon::Critical);
}

void frm_gamepath::cmd_OK_Click() {
    // The highlighted folder, or the open one; it keeps the rejected value
    // until the next OK.
    ctx_.state.GamePath = gameFolderOf(toCorePath(dir_GamePath->selectedPath()));
    if (isGameFolder(ctx_, ctx_.state.GamePath)) {
        bPathAccepted = true;
        accept();
        return;
    }
    boxes_.show(this, QString::fromLatin1(kApplicationTitle), qtText(kInvalidGamePathMessage));
}

void frm_gamepath::cmd_Cancel_Click() {
    reject();
}

}  // namespace tg
