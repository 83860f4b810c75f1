#pragma once

#include <QDialog>

class QPushButton;

namespace tg {

struct AppContext;
class MessageBoxService;
class DriveList;
class FolderList;
class PathLabel;

// The game-folder dialog, shown modally on the first start. It accepts only
// a folder that holds mc.exe and leaves it in ctx.state.GamePath. Cancel, Esc
// or the close box reject it: the caller then ends the program.
class frm_gamepath : public QDialog {
    Q_OBJECT
public:
    frm_gamepath(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // True once OK found mc.exe in the chosen folder.
    bool pathAccepted() const { return bPathAccepted; }

    DriveList* drv_GameDrive = nullptr;
    FolderList* dir_GamePath = nullptr;
    PathLabel* lbl_Path = nullptr;
    QPushButton* cmd_OK = nullptr;
    QPushButton* cmd_Cancel = nullptr;

private:
    void Form_Load();
    void drv_GameDrive_Change();
    void dir_GamePath_Change();
    void dir_GamePath_OpenFailed(const QString& path, const QString& reason);
    void cmd_OK_Click();
    void cmd_Cancel_Click();

    AppContext& ctx_;
    MessageBoxService& boxes_;
    bool bPathAccepted = false;
};

}  // namespace tg
