#include "ui/frm_blockedit.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "project/app_context.h"
#include "project/edits.h"
#include "ui/path_text.h"
#include "ui/placement.h"
#include "ui/view_fields.h"

namespace tg {

namespace {

// A group of two option buttons, upper and lower; exactly one is selected
// once the dialog is filled.
QGroupBox* optionGroup(const QString& title, std::array<QRadioButton*, 2>& options,
                       const QString& upper, const QString& lower, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    options[0] = new QRadioButton(upper, group);
    options[1] = new QRadioButton(lower, group);
    for (int i = 0; i < 2; ++i) {
        buttons->addButton(options[static_cast<std::size_t>(i)], i);
        layout->addWidget(options[static_cast<std::size_t>(i)]);
    }
    return group;
}

}  // namespace

frm_blockedit::frm_blockedit(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), boxes_(boxes) {
    setObjectName(QStringLiteral("frm_blockedit"));
    setModal(true);
    centreWhenFirstShown(this);

    txt_Prestige = new QLineEdit(this);
    txt_Prestige->setObjectName(QStringLiteral("txt_Prestige"));
    txt_Value = new QLineEdit(this);
    txt_Value->setObjectName(QStringLiteral("txt_Value"));
    QLabel* lbl_Prestige = labelFor(QStringLiteral("Prestige"), txt_Prestige, this);
    QLabel* lbl_Value = labelFor(QStringLiteral("Value"), txt_Value, this);

    QGroupBox* frame_Ownability =
        optionGroup(QStringLiteral("Ownability"), opt_Ownability, QStringLiteral("Ownable"),
                    QStringLiteral("Not Ownable"), this);
    QGroupBox* frame_BuildingRights =
        optionGroup(QStringLiteral("Building Rights"), opt_BuildingRights,
                    QStringLiteral("Unlocked"), QStringLiteral("Locked"), this);

    cmd_Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmd_Reset = new QPushButton(QStringLiteral("&Reset"), this);
    cmd_Set = new QPushButton(QStringLiteral("&Set"), this);
    cmd_OK = new QPushButton(QStringLiteral("&OK"), this);
    cmd_OK->setDefault(true);
    cmd_Cancel->setObjectName(QStringLiteral("cmd_Cancel"));
    cmd_Reset->setObjectName(QStringLiteral("cmd_Reset"));
    cmd_Set->setObjectName(QStringLiteral("cmd_Set"));
    cmd_OK->setObjectName(QStringLiteral("cmd_OK"));
    for (int i = 0; i < 2; ++i) {
        opt_Ownability[static_cast<std::size_t>(i)]->setObjectName(
            QStringLiteral("opt_Ownability_%1").arg(i));
        opt_BuildingRights[static_cast<std::size_t>(i)]->setObjectName(
            QStringLiteral("opt_BuildingRights_%1").arg(i));
    }

    // Left: the two option groups; right: the two boxes over the buttons.
    auto* left = new QVBoxLayout;
    left->addWidget(frame_Ownability);
    left->addWidget(frame_BuildingRights);
    left->addStretch(1);

    auto* boxesForm = new QFormLayout;
    boxesForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    boxesForm->addRow(lbl_Prestige, txt_Prestige);
    boxesForm->addRow(lbl_Value, txt_Value);

    auto* buttons = new QGridLayout;
    buttons->addWidget(cmd_Cancel, 0, 0);
    buttons->addWidget(cmd_Reset, 0, 1);
    buttons->addWidget(cmd_Set, 1, 0);
    buttons->addWidget(cmd_OK, 1, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(boxesForm);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(6);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txt_Prestige, txt_Value);
    setTabOrder(txt_Value, opt_Ownability[0]);
    setTabOrder(opt_Ownability[0], opt_Ownability[1]);
    setTabOrder(opt_Ownability[1], opt_BuildingRights[0]);
    setTabOrder(opt_BuildingRights[0], opt_BuildingRights[1]);
    setTabOrder(opt_BuildingRights[1], cmd_Cancel);
    setTabOrder(cmd_Cancel, cmd_Reset);
    setTabOrder(cmd_Reset, cmd_Set);
    setTabOrder(cmd_Set, cmd_OK);

    connect(cmd_Set, &QPushButton::clicked, this, &frm_blockedit::cmd_Set_Click);
    connect(cmd_OK, &QPushButton::clicked, this, &frm_blockedit::cmd_OK_Click);
    connect(cmd_Reset, &QPushButton::clicked, this, &frm_blockedit::cmd_Reset_Click);
    connect(cmd_Cancel, &QPushButton::clicked, this, &frm_blockedit::cmd_Cancel_Click);
}

bool frm_blockedit::hasBlock() const {
    return ctx_.state.CurrentBlock >= 0 && ctx_.state.CurrentBlock < kBlockCount;
}

void frm_blockedit::showBlock() {
    if (!hasBlock()) {
        return;
    }
    const BlockRecord& b =
        ctx_.state.model.EditBlocks[static_cast<std::size_t>(ctx_.state.CurrentBlock)];
    setWindowTitle(qtText(b.displayName) + QStringLiteral(" Properties"));
    showControls();
}

void frm_blockedit::showControls() {
    const BlockRecord& b =
        ctx_.state.model.EditBlocks[static_cast<std::size_t>(ctx_.state.CurrentBlock)];
    showInBox(txt_Value, plainNumber(b.value));
    showInBox(txt_Prestige, fixedNumber(b, "prestige", 1));
    opt_BuildingRights[b.buildingrights ? 0 : 1]->setChecked(true);
    opt_Ownability[b.ownable ? 0 : 1]->setChecked(true);
}

bool frm_blockedit::storeControls() {
    if (!hasBlock()) {
        return true;
    }
    const int slot = ctx_.state.CurrentBlock;
    BlockRecord b = ctx_.state.model.EditBlocks[static_cast<std::size_t>(slot)];
    FieldReader read;
    b.ownable = opt_Ownability[0]->isChecked();
    b.buildingrights = opt_BuildingRights[0]->isChecked();
    b.prestige = read.number(txt_Prestige, QStringLiteral("Prestige"));
    b.value = read.int16(txt_Value, QStringLiteral("Value"));
    if (!read.accepted(boxes_, this)) {
        return false;
    }
    storeBlock(ctx_.state, slot, b);
    return true;
}

void frm_blockedit::cmd_Set_Click() {
    storeControls();
}

void frm_blockedit::cmd_OK_Click() {
    if (storeControls()) {
        accept();
    }
}

void frm_blockedit::cmd_Reset_Click() {
    if (!hasBlock()) {
        return;
    }
    resetBlock(ctx_.state, ctx_.state.CurrentBlock);
    showControls();
}

void frm_blockedit::cmd_Cancel_Click() {
    reject();
}

}  // namespace tg
