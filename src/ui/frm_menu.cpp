#include "ui/frm_menu.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/notice.h"
#include "project/app_context.h"
#include "project/startup.h"
#include "ui/frm_gamepath.h"
#include "ui/frm_project.h"
#include "ui/message_box.h"
#include "ui/path_text.h"
#include "ui/placement.h"

namespace tg {

frm_menu::frm_menu(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TG Edit"));
    centreWhenFirstShown(this);

    auto* heading = new QLabel(QStringLiteral("TG Edit"), this);
    // The window's own face, larger: a bold face would be one more font
    // file to find and load before the menu can first be drawn.
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.8);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    auto* subtitle = new QLabel(QStringLiteral("Settings editor for Tollgrove\nVersion ") +
                                    QString::fromStdString(ctx_.app.Version),
                                this);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setForegroundRole(QPalette::PlaceholderText);

    cmd_NewProject = new QPushButton(QStringLiteral("&New Project"), this);
    cmd_OpenProject = new QPushButton(QStringLiteral("&Open Project"), this);
    cmd_Exit = new QPushButton(QStringLiteral("E&xit"), this);
    // Enter presses the button that has the focus, as in a dialog.
    for (QPushButton* button : {cmd_NewProject, cmd_OpenProject, cmd_Exit}) {
        button->setAutoDefault(true);
        button->setMinimumHeight(button->sizeHint().height() + 6);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    layout->addWidget(heading);
    layout->addWidget(subtitle);
    layout->addSpacing(10);
    layout->addWidget(cmd_NewProject);
    layout->addWidget(cmd_OpenProject);
    layout->addSpacing(6);
    layout->addWidget(cmd_Exit);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(240);

    setTabOrder(cmd_NewProject, cmd_OpenProject);
    setTabOrder(cmd_OpenProject, cmd_Exit);
    cmd_NewProject->setFocus();

    connect(cmd_NewProject, &QPushButton::clicked, this, &frm_menu::cmd_NewProject_Click);
    connect(cmd_OpenProject, &QPushButton::clicked, this, &frm_menu::cmd_OpenProject_Click);
    connect(cmd_Exit, &QPushButton::clicked, this, &frm_menu::cmd_Exit_Click);
}

frm_menu* frm_menu::open(AppContext& ctx, MessageBoxService& boxes) {
    auto* menu = new frm_menu(ctx, boxes);
    if (!menu->Form_Load()) {
        delete menu;
        return nullptr;
    }
    menu->show();
    return menu;
}

bool frm_menu::Form_Load() {
    setEnabled(false);
    const bool carryOn = Check_Config();
    setEnabled(true);
    return carryOn;
}

bool frm_menu::Check_Config() {
    if (configExists(ctx_)) {
        boxes_.showFailures(this, checkExistingConfig(ctx_));
        return true;
    }

    boxes_.show(this, QString::fromLatin1(kTitleTGEdit), qtText(kFirstStartMessage));
    {
        frm_gamepath dialog(ctx_, boxes_, this);
        dialog.exec();
        if (!dialog.pathAccepted()) {
            return false;
        }
    }
    // Projects, Backup and tgedit.cfg (written last, and only when the rest
    // worked); whatever failed is reported here.
    boxes_.showFailures(this, completeFirstStart(ctx_));
    return true;
}

void frm_menu::showProjectDialog(std::int16_t dialogType) {
    auto* dialog = new frm_project(ctx_, boxes_);
    dialog->iDialogType = dialogType;
    dialog->iLastFormShown = 0;
    dialog->show();
    close();
}

void frm_menu::cmd_NewProject_Click() {
    showProjectDialog(0);
}

void frm_menu::cmd_OpenProject_Click() {
    showProjectDialog(1);
}

void frm_menu::cmd_Exit_Click() {
    close();
}

}  // namespace tg
