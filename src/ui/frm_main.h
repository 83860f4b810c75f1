#pragma once

#include <QMainWindow>

namespace tg {

struct AppContext;
class MessageBoxService;

// The main window, opened on the project in ctx.state.ProjectPath. It runs
// its load sequence when constructed and deletes itself when closed.
class frm_main : public QMainWindow {
    Q_OBJECT
public:
    frm_main(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

private:
    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
