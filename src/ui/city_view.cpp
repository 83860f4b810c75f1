#include "ui/city_view.h"

#include <QListWidget>

#include "project/app_context.h"

namespace tg {

// Placeholder until the city and commodity editor lands.
CityCommodityView::CityCommodityView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    lst_CommodityName = new QListWidget(this);
}

void CityCommodityView::fillNames() {
    lst_CommodityName->clear();
    for (const auto& commodity : ctx_.state.model.Commodities) {
        lst_CommodityName->addItem(QString::fromStdString(commodity.displayName));
    }
}

void CityCommodityView::fillLists() {}

void CityCommodityView::ShowCityTweaks() {}

}  // namespace tg
