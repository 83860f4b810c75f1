#pragma once

#include <QMainWindow>

class QAction;
class QCloseEvent;
class QMenu;

namespace tg {

struct AppContext;
class MessageBoxService;
class BlockView;
class BusinessView;
class CityCommodityView;

// The main window, opened on the project in ctx.state.ProjectPath. It runs
// its load sequence when constructed and deletes itself when closed. The
// change flags, bVersionCompatible and CurrentBlock live in ctx.state.
class frm_main : public QMainWindow {
    Q_OBJECT
public:
    frm_main(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // The three views; exactly one is on show.
    BlockView* frame_block = nullptr;
    BusinessView* frame_business = nullptr;
    CityCommodityView* frame_citycom = nullptr;

    QMenu* menu_file = nullptr;
    QAction* menu_file_new = nullptr;
    QAction* menu_file_open = nullptr;
    QAction* menu_file_save = nullptr;
    QAction* menu_file_seperator1 = nullptr;
    QAction* menu_file_import = nullptr;
    QAction* menu_file_Seperator2 = nullptr;
    QAction* menu_file_backup = nullptr;
    QAction* menu_file_Seperator3 = nullptr;
    QAction* menu_file_exit = nullptr;
    QMenu* menu_view = nullptr;
    QAction* menu_view_block = nullptr;
    QAction* menu_view_business = nullptr;
    QAction* menu_view_city = nullptr;
    QAction* menu_about = nullptr;

    void menu_file_new_Click();
    void menu_file_open_Click();
    void menu_file_save_Click();
    void menu_file_import_Click();
    void menu_file_backup_Click();
    void menu_file_exit_Click();
    void menu_view_block_Click();
    void menu_view_business_Click();
    void menu_view_city_Click();
    void menu_about_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class View { Block, Business, City };

    // The map picture, read on a thread of its own while the constructor
    // builds the menus and views (frm_main.cpp).
    struct PendingMapPicture;

    void buildMenus();
    void buildViews();
    void Form_Load(PendingMapPicture& mapPicture);
    void loadMapPicture(PendingMapPicture& mapPicture);
    void testGameVersion();
    void showView(View view);
    void fitSmallestSize();

    // The save question when there are unsaved changes. True when the caller
    // may go on (nothing to save, No, or Yes with a save that succeeded).
    bool settleUnsavedChanges();

    // The File menu's save: save, confirm, reload. False when the save failed.
    bool saveAndReload();

    // New Project (0) and Open Project (1): hand over to the project dialog.
    void handOverToProjectDialog(int dialogType);

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
