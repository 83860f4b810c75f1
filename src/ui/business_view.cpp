#include "ui/business_view.h"

#include <QListWidget>

#include "project/app_context.h"

namespace tg {

// Placeholder until the business editor lands.
BusinessView::BusinessView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    lst_BusinessName = new QListWidget(this);
}

void BusinessView::fillNames() {
    lst_BusinessName->clear();
    for (const auto& business : ctx_.state.model.Businesses) {
        lst_BusinessName->addItem(QString::fromStdString(business.displayName));
    }
}

void BusinessView::FillLists() {}

}  // namespace tg
