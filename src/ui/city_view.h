#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tg {

struct AppContext;
class PickList;
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

    // City tweaks
    QGroupBox* frame_city_misc = nullptr;
    PickList* cmb_CityOwnable = nullptr;
    PickList* cmb_DaysOff = nullptr;
    QLineEdit* txt_Years = nullptr;
    QLineEdit* txt_Lease = nullptr;
    QGroupBox* frame_city_railroad = nullptr;
    QLineEdit* txt_multiE = nullptr;
    QLineEdit* txt_multiM = nullptr;
    QLineEdit* txt_multiH = nullptr;
    QLineEdit* txt_freightE = nullptr;
    QLineEdit* txt_freightM = nullptr;
    QLineEdit* txt_freightH = nullptr;
    QPushButton* cmd_CitySet = nullptr;
    QPushButton* cmd_cityReset = nullptr;
    QLabel* lbl_CityHelp = nullptr;

    // Commodities
    QGroupBox* frame_commodity = nullptr;
    QListWidget* lst_CommodityName = nullptr;
    QLineEdit* txt_Markup = nullptr;
    QLineEdit* txt_Value = nullptr;
    PickList* cmb_CommodityMembership = nullptr;
    QPushButton* cmd_CommoditySet = nullptr;
    QPushButton* cmd_CommodityReset = nullptr;
    QLabel* lbl_CommodityHelp = nullptr;

public slots:
    void cmd_CitySet_Click();
    void cmd_cityReset_Click();
    // Shows the commodity of the selected row.
    void lst_CommodityName_Click();
    void cmd_CommoditySet_Click();
    void cmd_CommodityReset_Click();

private:
    int selectedCommodity() const;

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
