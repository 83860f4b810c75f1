#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tg {

struct AppContext;
class MessageBoxService;
class DriveList;
class FolderList;
class PathLabel;

// The project dialog: creates a project (iDialogType 0) or opens one (1).
// The caller constructs it, sets iDialogType and iLastFormShown, shows it (not
// modal) and closes itself; the dialog runs Form_Load when first shown and
// deletes itself when closed.
//
// OK opens the main window on the project. Cancel (or Esc) goes back to the
// window that opened the dialog; the close box just closes it.
class frm_project : public QDialog {
    Q_OBJECT
public:
    frm_project(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    std::int16_t iDialogType = 0;     // 0 new project, 1 open an existing one
    std::int16_t iLastFormShown = 0;  // 0 opened from the start menu, 1 from the main window

    void setVisible(bool visible) override;

    // Esc: the same as Cancel.
    void reject() override;

    QLabel* lbl_Description = nullptr;
    QLineEdit* txt_ProjectName = nullptr;
    QLabel* lbl_ProjectPathLabel = nullptr;
    PathLabel* lbl_ProjectPath = nullptr;
    DriveList* drv_ProjectDrive = nullptr;
    FolderList* dir_ProjectPath = nullptr;
    QPushButton* cmd_OK = nullptr;
    QPushButton* cmd_Cancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void dir_ProjectPath_Change();
    void dir_ProjectPath_OpenFailed(const QString& path, const QString& reason);
    void drv_ProjectDrive_Change();
    void txt_ProjectName_Change();
    void cmd_OK_Click();
    void cmd_Cancel_Click();

    void layOutNewMode();
    void layOutOpenMode();
    void showPath(const std::string& path);
    void openMainWindow();

    AppContext& ctx_;
    MessageBoxService& boxes_;
    std::string sParentFolder;
    std::string sProjectName;
    bool loaded_ = false;
    // The caret position the nested runs of txt_ProjectName_Change agree on.
    static constexpr int kNoCursor = -1;
    int nameCursor_ = kNoCursor;
};

}  // namespace tg
