#pragma once

#include <QWidget>
#include <cstdint>

class QPushButton;

namespace tg {

struct AppContext;
class MessageBoxService;

// The start menu: the program's first window. Loading it runs the
// configuration check (on the first start: the game-folder dialog and the
// set-up of Projects and Backup); then it offers New Project, Open Project
// and Exit. It deletes itself when closed.
class frm_menu : public QWidget {
    Q_OBJECT
public:
    frm_menu(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Creates the start menu, runs its load and shows it. Returns nullptr,
    // with the window gone, when the user cancelled the game-folder dialog of
    // a first start: the program is to end at once, nothing written.
    static frm_menu* open(AppContext& ctx, MessageBoxService& boxes);

    // Runs the configuration check before the menu takes input. False when
    // the first start was cancelled.
    bool Form_Load();

    QPushButton* cmd_NewProject = nullptr;
    QPushButton* cmd_OpenProject = nullptr;
    QPushButton* cmd_Exit = nullptr;

private:
    bool Check_Config();
    void cmd_NewProject_Click();
    void cmd_OpenProject_Click();
    void cmd_Exit_Click();
    void showProjectDialog(std::int16_t dialogType);

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
