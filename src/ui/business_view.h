#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/records.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tg {

struct AppContext;
class PickList;
class MessageBoxService;

// Position of a commodity in the commodity lists: the slot (0 to 31) whose
// identifier equals the text exactly, or 32 ("None") for any other text.
std::int16_t CommodityIndexOf(std::string_view identifier);

// The identifier of commodity slot 0 to 31; the empty text for any other
// position (32 "None", or -1 when nothing is chosen).
std::string CommodityCodeAt(int position);

// The business view (frame_business): the list of business types and the
// editor of the selected one.
class BusinessView : public QWidget {
    Q_OBJECT
public:
    BusinessView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Empties lst_BusinessName and adds the 45 display names of the loaded
    // set, slot 0 first.
    void fillNames();

    // Adds the items of this view's drop-down lists (never clears them).
    void FillLists();

    // The item of the commodity lists that stands for "no commodity".
    static constexpr int kNoneItem = kCommodityCount;

    QListWidget* lst_BusinessName = nullptr;
    QGroupBox* frame_BusinessProperties = nullptr;

    QLineEdit* txt_BusinessElectricalNeed = nullptr;
    QLineEdit* txt_BusinessGasNeed = nullptr;
    QLineEdit* txt_BusinessTelecomNeed = nullptr;
    QLineEdit* txt_BusinessWaterNeed = nullptr;

    QLineEdit* txt_BusinessDensity = nullptr;
    QLineEdit* txt_BusinessMinHeight = nullptr;
    QLineEdit* txt_BusinessMaxHeight = nullptr;
    PickList* cmb_BusinessMinArea = nullptr;
    PickList* cmb_BusinessMaxArea = nullptr;
    PickList* cmb_BusinessMaxSides = nullptr;

    QLineEdit* txt_BusinessFootPrintBand = nullptr;
    QLineEdit* txt_BusinessRefurbishCost = nullptr;
    QLineEdit* txt_BusinessStockCapacity = nullptr;

    QLineEdit* txt_BusinessTimeInStore = nullptr;
    PickList* cmb_BusinessOpeningTime = nullptr;
    PickList* cmb_BusinessClosingTime = nullptr;

    // Commodity slot k: the commodity list and its amount box.
    std::array<PickList*, kCommodityEntries> cmb_BusinessCommodities{};
    std::array<QLineEdit*, kCommodityEntries> txt_BusinessCommodities{};

    QPushButton* cmd_BusinessSet = nullptr;
    QPushButton* cmd_BusinessReset = nullptr;
    QLabel* lbl_BusinessHelp = nullptr;

public slots:
    // Shows the business of the selected row.
    void lst_BusinessName_Click();
    void cmd_BusinessSet_Click();
    void cmd_BusinessReset_Click();
    // The two slot rules that keep a slot's list and amount consistent.
    void cmb_BusinessCommodities_Click(int k);
    void txt_BusinessCommodities_Change(int k);

private:
    int selectedBusiness() const;

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
