#pragma once

#include <QDialog>
#include <cstdint>

namespace tg {

struct AppContext;
class MessageBoxService;

// The project dialog: creates a project (iDialogType 0) or opens one (1).
// The caller constructs it, sets iDialogType and iLastFormShown, shows it (not
// modal) and closes itself; the dialog runs Form_Load when first shown and
// deletes itself when closed.
class frm_project : public QDialog {
    Q_OBJECT
public:
    frm_project(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    std::int16_t iDialogType = 0;     // 0 new project, 1 open an existing one
    std::int16_t iLastFormShown = 0;  // 0 opened from the start menu, 1 from the main window

private:
    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
