#pragma once

#include <QWidget>

class QListWidget;

namespace tg {

struct AppContext;
class MessageBoxService;

// The city and commodity view (frame_citycom): the city tweaks and the
// commodity editor side by side.
class CityCommodityView : public QWidget {
    Q_OBJECT
public:
    CityCommodityView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Empties lst_CommodityName and adds the 32 display names of the loaded
    // set, slot 0 first.
    void fillNames();

    // Adds the items of this view's drop-down lists (never clears them).
    void fillLists();

    // Shows EditTweaks in the city controls; locks the railroad group when
    // bVersionCompatible is false.
    void ShowCityTweaks();

    QListWidget* lst_CommodityName = nullptr;

private:
    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
