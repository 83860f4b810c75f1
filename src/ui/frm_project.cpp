#include "ui/frm_project.h"

namespace tg {

// Placeholder until the project dialog lands.
frm_project::frm_project(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), boxes_(boxes) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Project"));
}

}  // namespace tg
