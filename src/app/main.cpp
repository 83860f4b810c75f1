#include <QApplication>
#include <QCoreApplication>
#include <memory>

#include "project/app_context.h"
#include "ui/frm_menu.h"
#include "ui/message_box.h"
#include "ui/path_text.h"
#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
    // The context and the message boxes outlive the application object, so
    // no window that is torn down with it can reach a destroyed context.
    tg::QtMessageBoxService boxes;
    std::unique_ptr<tg::AppContext> context;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGEdit"));
    QApplication::setWindowIcon(tg::programIcon());
    // Portable or installed, decided once for the whole run. A data folder
    // that cannot be made is named with the reason, and nothing is written.
    const tg::ProgramFoldersOutcome where = tg::settleProgramFolders(
        tg::realFileSystem(), tg::toCorePath(QCoreApplication::applicationDirPath()),
        tg::processEnvironment);
    if (!where.ok()) {
        boxes.showFailures(nullptr, where.notices);
        return 1;
    }
    context = std::make_unique<tg::AppContext>(where.folders);

    // A first start whose game-folder dialog was cancelled ends here, with
    // nothing written and no event loop entered.
    if (tg::frm_menu::open(*context, boxes) == nullptr) {
        return 0;
    }
    return QApplication::exec();
}
