#include "ui/frm_main.h"

#include "fs/paths.h"
#include "project/app_context.h"

namespace tg {

// Placeholder until the main window lands: only its caption.
frm_main::frm_main(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), boxes_(boxes) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TG Edit : ") +
                   QString::fromStdString(lastPathPart(ctx_.state.ProjectPath)));
}

}  // namespace tg
