#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tg {

struct AppContext;
class MessageBoxService;

// The block properties dialog: edits EditBlocks[CurrentBlock]. The block map
// creates it, fills it with showBlock() and shows it modal; OK and Cancel (and
// the window's close box) close it.
class frm_blockedit : public QDialog {
    Q_OBJECT
public:
    frm_blockedit(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Caption and controls from the working record of the current block.
    void showBlock();

    QLineEdit* txt_Prestige = nullptr;
    QLineEdit* txt_Value = nullptr;
    // 0 "Unlocked", 1 "Locked"
    std::array<QRadioButton*, 2> opt_BuildingRights{};
    // 0 "Ownable", 1 "Not Ownable"
    std::array<QRadioButton*, 2> opt_Ownability{};
    QPushButton* cmd_OK = nullptr;
    QPushButton* cmd_Cancel = nullptr;
    QPushButton* cmd_Set = nullptr;
    QPushButton* cmd_Reset = nullptr;

public slots:
    void cmd_Set_Click();
    void cmd_OK_Click();
    void cmd_Reset_Click();
    void cmd_Cancel_Click();

private:
    // Whether CurrentBlock names a block; the dialog does nothing otherwise.
    bool hasBlock() const;
    void showControls();
    // Stores the controls into the block; false (and a message) when a box
    // holds a number the block cannot take, in which case nothing is stored.
    bool storeControls();

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
