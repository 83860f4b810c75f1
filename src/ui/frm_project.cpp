#include "ui/frm_project.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "fs/paths.h"
#include "model/notice.h"
#include "project/app_context.h"
#include "project/copy_checks.h"
#include "project/projects.h"
#include "project/startup.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/frm_main.h"
#include "ui/frm_menu.h"
#include "ui/message_box.h"
#include "ui/path_label.h"
#include "ui/path_text.h"
#include "ui/placement.h"

namespace tg {

namespace {

// The dialog is laid out in twips; 15 twips make one logical pixel.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

// Geometry in twips.
constexpr int kFormWidth = 5700;
constexpr int kLeft = 150;
constexpr int kWidth = 5400;
constexpr int kDescriptionTop = 150;
constexpr int kDescriptionHeight = 255;
constexpr int kNameTop = 420;
constexpr int kNameHeight = 330;
constexpr int kPathLabelHeight = 240;
constexpr int kPathHeight = 390;
constexpr int kDriveHeight = 330;
constexpr int kFolderHeight = 2250;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 120;

}  // namespace

frm_project::frm_project(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), boxes_(boxes) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Project"));
    centreWhenFirstShown(this);

    lbl_Description = new QLabel(this);
    txt_ProjectName = new QLineEdit(this);
    lbl_ProjectPathLabel = new QLabel(QStringLiteral("Project Path"), this);
    lbl_ProjectPath = new PathLabel(this);
    drv_ProjectDrive = new DriveList(this);
    dir_ProjectPath = new FolderList(this);
    cmd_OK = new QPushButton(QStringLiteral("&OK"), this);
    cmd_Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmd_OK->setDefault(true);

    QFont bold = lbl_ProjectPathLabel->font();
    bold.setBold(true);
    lbl_ProjectPathLabel->setFont(bold);

    setTabOrder(txt_ProjectName, drv_ProjectDrive);
    setTabOrder(drv_ProjectDrive, dir_ProjectPath);
    setTabOrder(dir_ProjectPath, cmd_OK);
    setTabOrder(cmd_OK, cmd_Cancel);

    connect(dir_ProjectPath, &FolderList::pathChanged, this, &frm_project::dir_ProjectPath_Change);
    connect(dir_ProjectPath, &FolderList::openFailed, this,
            &frm_project::dir_ProjectPath_OpenFailed);
    connect(drv_ProjectDrive, &DriveList::driveChanged, this,
            &frm_project::drv_ProjectDrive_Change);
    connect(txt_ProjectName, &QLineEdit::textChanged, this, &frm_project::txt_ProjectName_Change);
    connect(cmd_OK, &QPushButton::clicked, this, &frm_project::cmd_OK_Click);
    connect(cmd_Cancel, &QPushButton::clicked, this, &frm_project::cmd_Cancel_Click);
}

void frm_project::setVisible(bool visible) {
    if (visible && !loaded_) {
        Form_Load();
    }
    QDialog::setVisible(visible);
}

void frm_project::Form_Load() {
    loaded_ = true;

    // The Projects folder; should it have gone, the application folder (or
    // the root) is opened instead, so the dialog still works.
    const std::string projects = ctx_.fs.resolve(ctx_.app.Path + "Projects");
    if (!dir_ProjectPath->setPath(fromCorePath(projects)) &&
        !dir_ProjectPath->setPath(fromCorePath(ctx_.app.Path))) {
        dir_ProjectPath->setPath(QDir::rootPath());
    }

    if (iDialogType == 0) {
        setWindowTitle(QStringLiteral("Create New Project"));
        lbl_Description->setText(QStringLiteral("Type in a name for a new TG Edit Project."));
        txt_ProjectName->setText(QStringLiteral("Default"));
        txt_ProjectName->selectAll();
        txt_ProjectName->setVisible(true);
        layOutNewMode();
        txt_ProjectName->setFocus();
    } else {
        setWindowTitle(QStringLiteral("Open Existing Project"));
        lbl_Description->setText(QStringLiteral("Select an existing TG Edit Project Folder."));
        txt_ProjectName->setVisible(false);
        layOutOpenMode();
        dir_ProjectPath->setFocus();
    }
}

void frm_project::layOutNewMode() {
    lbl_Description->setGeometry(px(kLeft), px(kDescriptionTop), px(kWidth),
                                 px(kDescriptionHeight));
    txt_ProjectName->setGeometry(px(kLeft), px(kNameTop), px(kWidth), px(kNameHeight));
    lbl_ProjectPathLabel->setGeometry(px(kLeft), px(840), px(kWidth), px(kPathLabelHeight));
    lbl_ProjectPath->setGeometry(px(kLeft), px(1080), px(kWidth), px(kPathHeight));
    drv_ProjectDrive->setGeometry(px(kLeft), px(1560), px(kWidth), px(kDriveHeight));
    dir_ProjectPath->setGeometry(px(kLeft), px(1920), px(kWidth), px(kFolderHeight));
    const int cancelLeft = kLeft + kWidth - kButtonWidth;
    cmd_OK->setGeometry(px(cancelLeft - kButtonGap - kButtonWidth), px(4320), px(kButtonWidth),
                        px(kButtonHeight));
    cmd_Cancel->setGeometry(px(cancelLeft), px(4320), px(kButtonWidth), px(kButtonHeight));
    setFixedSize(px(kFormWidth), px(5190));
}

void frm_project::layOutOpenMode() {
    // Stacked from the top, without the name box.
    const int labelTop = 500;
    const int pathTop = labelTop + kPathLabelHeight;
    const int driveTop = pathTop + kPathHeight + 90;
    const int folderTop = driveTop + kDriveHeight + 30;
    const int buttonTop = folderTop + kFolderHeight + 150;
    const int formHeight = buttonTop + kButtonHeight + 455;

    lbl_Description->setGeometry(px(kLeft), px(kDescriptionTop), px(kWidth),
                                 px(kDescriptionHeight));
    lbl_ProjectPathLabel->setGeometry(px(kLeft), px(labelTop), px(kWidth), px(kPathLabelHeight));
    lbl_ProjectPath->setGeometry(px(kLeft), px(pathTop), px(kWidth), px(kPathHeight));
    drv_ProjectDrive->setGeometry(px(kLeft), px(driveTop), px(kWidth), px(kDriveHeight));
    dir_ProjectPath->setGeometry(px(kLeft), px(folderTop), px(kWidth), px(kFolderHeight));
    const int cancelLeft = kLeft + kWidth - kButtonWidth;
    cmd_OK->setGeometry(px(cancelLeft - kButtonGap - kButtonWidth), px(buttonTop), px(kButtonWidth),
                        px(kButtonHeight));
    cmd_Cancel->setGeometry(px(cancelLeft), px(buttonTop), px(kButtonWidth), px(kButtonHeight));
    setFixedSize(px(kFormWidth), px(formHeight));
}

void frm_project::showPath(const std::string& path) {
    lbl_ProjectPath->setPath(QDir::toNativeSeparators(fromCorePath(path)));
}

void frm_project::dir_ProjectPath_Change() {
    sParentFolder = withTrailingSeparator(toCorePath(dir_ProjectPath->path()));
    showPath(sParentFolder);
    drv_ProjectDrive->showDrive(drv_ProjectDrive->driveOf(dir_ProjectPath->path()));
}

void frm_project::dir_ProjectPath_OpenFailed(const QString& path, const QString& reason) {
    boxes_.show(this, QString::fromLatin1(kApplicationTitle), folderOpenFailedText(path, reason),
                MsgButtons::Ok, MsgIcon::Critical);
}

void frm_project::drv_ProjectDrive_Change() {
    openChosenDrive(*drv_ProjectDrive, *dir_ProjectPath, boxes_, this);
}

void frm_project::txt_ProjectName_Change() {
    // Putting the cleaned text back runs this handler again before this run
    // goes on, so each run removes one kind of character. The nested runs
    // share nameCursor_ so the caret stays where the user was typing.
    const bool outermost = nameCursor_ == kNoCursor;

    QString text = txt_ProjectName->text();
    // The forbidden characters are ASCII, so testing the UTF-8 bytes finds
    // them exactly where the text has them.
    const std::optional<char> forbidden = firstForbiddenCharacter(text.toUtf8().toStdString());
    if (forbidden) {
        const QChar character = QLatin1Char(*forbidden);
        const int cursor = outermost ? txt_ProjectName->cursorPosition() : nameCursor_;
        nameCursor_ = cursor - static_cast<int>(text.left(cursor).count(character));
        text.remove(character);
        txt_ProjectName->setText(text);
        txt_ProjectName->setCursorPosition(nameCursor_);
    }
    if (outermost) {
        nameCursor_ = kNoCursor;
    }

    if (forbidden) {
        boxes_.show(this, QString::fromLatin1(kTitleTGEdit), qtText(kForbiddenNameMessage),
                    MsgButtons::Ok, MsgIcon::Critical);
    }
    sProjectName = QFile::encodeName(txt_ProjectName->text()).toStdString();
    showPath(sParentFolder + sProjectName);
}

void frm_project::cmd_OK_Click() {
    ProjectOutcome outcome;
    if (iDialogType == 0) {
        // The name first, then what the copies need, before anything is
        // written: an incomplete Backup never leaves a half-made project.
        if (auto refusal = projectNameRefusal(ctx_, sParentFolder, sProjectName)) {
            boxes_.showNotices(this, {*refusal});
            return;
        }
        if (const CopyCheck check = checkNewProject(ctx_); !check.ok()) {
            boxes_.showFailures(this, check.notices);
            return;
        }
        // Reports a failed folder or copy.
        outcome = createProject(ctx_, sParentFolder, sProjectName);
    } else {
        // The folder open in the list, not one merely highlighted.
        outcome = openProject(ctx_, sParentFolder);
    }
    if (!outcome.ok) {
        if (outcome.refused) {
            boxes_.showNotices(this, outcome.notices);
        } else {
            boxes_.showFailures(this, outcome.notices);
        }
        return;
    }
    openMainWindow();
}

void frm_project::openMainWindow() {
    auto* window = new frm_main(ctx_, boxes_);
    window->show();
    close();
}

void frm_project::cmd_Cancel_Click() {
    if (iLastFormShown != 0) {
        auto* window = new frm_main(ctx_, boxes_);
        window->show();
    } else {
        // Loading the start menu runs the start-up check again. Should that
        // be a first start the user cancels, no window is left once this
        // dialog closes, and the program ends.
        frm_menu::open(ctx_, boxes_);
    }
    close();
}

void frm_project::reject() {
    cmd_Cancel_Click();
}

void frm_project::closeEvent(QCloseEvent* event) {
    // The close box only closes; it does not go back like Cancel.
    event->accept();
}

}  // namespace tg
