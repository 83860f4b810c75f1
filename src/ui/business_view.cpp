#include "ui/business_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <span>
#include <utility>

#include "model/identifiers.h"
#include "project/app_context.h"
#include "project/edits.h"
#include "scripts/numbers.h"
#include "ui/help_label.h"
#include "ui/path_text.h"
#include "ui/view_fields.h"

namespace tg {

std::int16_t CommodityIndexOf(std::string_view identifier) {
    for (std::size_t i = 0; i < kCommodityIdentifiers.size(); ++i) {
        if (kCommodityIdentifiers[i] == identifier) {
            return static_cast<std::int16_t>(i);
        }
    }
    return static_cast<std::int16_t>(kCommodityCount);
}

std::string CommodityCodeAt(int position) {
    if (position < 0 || position >= kCommodityCount) {
        return {};
    }
    return std::string(kCommodityIdentifiers[static_cast<std::size_t>(position)]);
}

namespace {

constexpr int kAmountLength = 3;
// Width of every value box and number list, so that they line up.
constexpr int kValueWidth = 96;

// The first and last number the editors offer for a business field; the
// table of setting fields keeps them.
std::pair<int, int> offered(std::string_view name) {
    const auto& range = viewField<BusinessRecord>(name).offered;
    Q_ASSERT_X(range.has_value(), "offered", "the field offers the whole range of its type");
    return *range;
}

// The items of a number list: the numbers offered for its field.
QStringList offeredItems(std::string_view name) {
    const auto [first, last] = offered(name);
    return numberItems(first, last);
}

// Chooses the item of a number list for a value of its field.
void showOffered(PickList* list, std::string_view name, int value) {
    const auto [first, last] = offered(name);
    showNumberItem(list, first, last, value);
}

// The only opening hours offered, in the order of their list.
std::span<const int> openingTimes() {
    return viewField<BusinessRecord>("openingtime").choices;
}

// The least and the most of a commodity the amount boxes take (every entry
// offers the same).
std::pair<int, int> amounts() {
    return offered("commodity1");
}

QLineEdit* businessBox(const QString& name, const QString& tip, QWidget* parent) {
    return numberBox(name, tip, kValueWidth, parent);
}

PickList* businessList(const QString& name, const QString& tip, QWidget* parent) {
    return pickList(name, tip, kValueWidth, parent);
}

// A group of labelled rows; each label is its field's buddy.
QGroupBox* formGroup(const QString& title, std::initializer_list<std::pair<QString, QWidget*>> rows,
                     QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (const auto& [caption, field] : rows) {
        field->setParent(group);
        form->addRow(labelFor(caption, field, group), field);
    }
    return group;
}

// Gives the caption labels of groups standing in one column the same width,
// so that their boxes line up.
void alignLabels(std::initializer_list<QGroupBox*> column) {
    int widest = 0;
    QList<QLabel*> labels;
    for (QGroupBox* group : column) {
        for (QLabel* label : group->findChildren<QLabel*>()) {
            labels.append(label);
            widest = std::max(widest, label->sizeHint().width());
        }
    }
    for (QLabel* label : labels) {
        label->setMinimumWidth(widest);
    }
}

}  // namespace

BusinessView::BusinessView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    lst_BusinessName = new QListWidget(this);
    setObjectName(QStringLiteral("frame_business"));
    lst_BusinessName->setObjectName(QStringLiteral("lst_BusinessName"));
    lst_BusinessName->setMinimumWidth(190);

    frame_BusinessProperties = new QGroupBox(QStringLiteral("Business Properties"), this);
    frame_BusinessProperties->setObjectName(QStringLiteral("frame_BusinessProperties"));
    QWidget* frame = frame_BusinessProperties;

    txt_BusinessElectricalNeed = businessBox(QStringLiteral("txt_BusinessElectricalNeed"),
                                             QStringLiteral("Electrical Need"), frame);
    txt_BusinessGasNeed =
        businessBox(QStringLiteral("txt_BusinessGasNeed"), QStringLiteral("Gas Need"), frame);
    txt_BusinessTelecomNeed = businessBox(QStringLiteral("txt_BusinessTelecomNeed"),
                                          QStringLiteral("Telecom Need"), frame);
    txt_BusinessWaterNeed =
        businessBox(QStringLiteral("txt_BusinessWaterNeed"), QStringLiteral("Water Need"), frame);

    txt_BusinessDensity =
        businessBox(QStringLiteral("txt_BusinessDensity"), QStringLiteral("Density"), frame);
    txt_BusinessMinHeight = businessBox(QStringLiteral("txt_BusinessMinHeight"),
                                        QStringLiteral("Minimum Number of Stories"), frame);
    txt_BusinessMaxHeight = businessBox(QStringLiteral("txt_BusinessMaxHeight"),
                                        QStringLiteral("Maximum Number of Stories"), frame);
    cmb_BusinessMinArea =
        businessList(QStringLiteral("cmb_BusinessMinArea"), QStringLiteral("Minimum Area"), frame);
    cmb_BusinessMaxArea =
        businessList(QStringLiteral("cmb_BusinessMaxArea"), QStringLiteral("Maximum Area"), frame);
    cmb_BusinessMaxSides = businessList(QStringLiteral("cmb_BusinessMaxSides"),
                                        QStringLiteral("Maximum Number of Sides"), frame);

    txt_BusinessFootPrintBand =
        businessBox(QStringLiteral("txt_BusinessFootPrintBand"), QString(), frame);
    txt_BusinessRefurbishCost = businessBox(QStringLiteral("txt_BusinessRefurbishCost"),
                                            QStringLiteral("Refurbish Cost"), frame);
    txt_BusinessStockCapacity = businessBox(QStringLiteral("txt_BusinessStockCapacity"),
                                            QStringLiteral("Stock Capcity"), frame);

    txt_BusinessTimeInStore = businessBox(QStringLiteral("txt_BusinessTimeInStore"),
                                          QStringLiteral("Time In Store"), frame);
    cmb_BusinessOpeningTime = businessList(QStringLiteral("cmb_BusinessOpeningTime"),
                                           QStringLiteral("Opening Time (Hour)"), frame);
    cmb_BusinessClosingTime = businessList(QStringLiteral("cmb_BusinessClosingTime"),
                                           QStringLiteral("Closing Time (Hour)"), frame);

    QGroupBox* needs = formGroup(QStringLiteral("Needs"),
                                 {{QStringLiteral("Electrical"), txt_BusinessElectricalNeed},
                                  {QStringLiteral("Gas"), txt_BusinessGasNeed},
                                  {QStringLiteral("Telecom"), txt_BusinessTelecomNeed},
                                  {QStringLiteral("Water"), txt_BusinessWaterNeed}},
                                 frame);
    QGroupBox* size = formGroup(QStringLiteral("Size"),
                                {{QStringLiteral("Density"), txt_BusinessDensity},
                                 {QStringLiteral("Min. Height"), txt_BusinessMinHeight},
                                 {QStringLiteral("Max. Height"), txt_BusinessMaxHeight},
                                 {QStringLiteral("Min. Area"), cmb_BusinessMinArea},
                                 {QStringLiteral("Max. Area"), cmb_BusinessMaxArea},
                                 {QStringLiteral("Max. Sides"), cmb_BusinessMaxSides}},
                                frame);
    QGroupBox* misc = formGroup(QStringLiteral("Misc"),
                                {{QStringLiteral("FootPrintBand"), txt_BusinessFootPrintBand},
                                 {QStringLiteral("Refurb Cost"), txt_BusinessRefurbishCost},
                                 {QStringLiteral("Stock Cap."), txt_BusinessStockCapacity}},
                                frame);
    QGroupBox* time = formGroup(QStringLiteral("Time"),
                                {{QStringLiteral("In Store"), txt_BusinessTimeInStore},
                                 {QStringLiteral("Opening"), cmb_BusinessOpeningTime},
                                 {QStringLiteral("Closing"), cmb_BusinessClosingTime}},
                                frame);

    // Commodities: two columns of three slots, each label, list, amount.
    auto* commodities = new QGroupBox(QStringLiteral("Commodities"), frame);
    auto* slotGrid = new QGridLayout(commodities);
    slotGrid->setColumnStretch(1, 1);
    slotGrid->setColumnStretch(5, 1);
    slotGrid->setColumnMinimumWidth(3, 12);
    for (int k = 0; k < kCommodityEntries; ++k) {
        const auto i = static_cast<std::size_t>(k);
        PickList* list = businessList(QStringLiteral("cmb_BusinessCommodities_%1").arg(k),
                                      QStringLiteral("Commodity %1").arg(k + 1), commodities);
        // The slot lists share the width of their columns.
        list->setMinimumWidth(150);
        list->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
        auto* amount = new QLineEdit(commodities);
        amount->setObjectName(QStringLiteral("txt_BusinessCommodities_%1").arg(k));
        amount->setMaxLength(kAmountLength);
        amount->setFixedWidth(amount->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        amount->setAlignment(Qt::AlignRight);
        QLabel* label = labelFor(QString::number(k + 1), list, commodities);
        const int row = k % 3;
        const int column = k < 3 ? 0 : 4;
        slotGrid->addWidget(label, row, column);
        slotGrid->addWidget(list, row, column + 1);
        slotGrid->addWidget(amount, row, column + 2);
        cmb_BusinessCommodities[i] = list;
        txt_BusinessCommodities[i] = amount;
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, k](int) { cmb_BusinessCommodities_Click(k); });
        connect(amount, &QLineEdit::textChanged, this,
                [this, k](const QString&) { txt_BusinessCommodities_Change(k); });
    }

    cmd_BusinessSet = new QPushButton(QStringLiteral("&Set"), frame);
    cmd_BusinessReset = new QPushButton(QStringLiteral("&Reset"), frame);
    lbl_BusinessHelp = new HelpLabel(
        QStringLiteral("To edit the properties for a business select the business from the list "
                       "and make any changes in the boxes.  To save the changes click the \"Set\" "
                       "button before editing another business.  To return to the default "
                       "business settings click the \"Reset\" button."),
        frame);
    cmd_BusinessSet->setObjectName(QStringLiteral("cmd_BusinessSet"));
    cmd_BusinessReset->setObjectName(QStringLiteral("cmd_BusinessReset"));
    lbl_BusinessHelp->setObjectName(QStringLiteral("lbl_BusinessHelp"));

    auto* groups = new QGridLayout;
    groups->addWidget(needs, 0, 0);
    groups->addWidget(size, 0, 1);
    groups->addWidget(misc, 1, 0);
    groups->addWidget(time, 1, 1);
    groups->addWidget(commodities, 2, 0, 1, 2);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);
    alignLabels({needs, misc});
    alignLabels({size, time});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_BusinessSet);
    buttons->addWidget(cmd_BusinessReset);

    auto* inner = new QVBoxLayout(frame_BusinessProperties);
    inner->addLayout(groups);
    inner->addLayout(buttons);
    inner->addWidget(lbl_BusinessHelp);
    inner->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lst_BusinessName);
    layout->addWidget(frame_BusinessProperties, 1);

    // Tab order follows the groups as they stand: needs, size, misc, time,
    // then the slots in number order, then the buttons.
    const QList<QWidget*> order = {
        lst_BusinessName,          txt_BusinessElectricalNeed, txt_BusinessGasNeed,
        txt_BusinessTelecomNeed,   txt_BusinessWaterNeed,      txt_BusinessDensity,
        txt_BusinessMinHeight,     txt_BusinessMaxHeight,      cmb_BusinessMinArea,
        cmb_BusinessMaxArea,       cmb_BusinessMaxSides,       txt_BusinessFootPrintBand,
        txt_BusinessRefurbishCost, txt_BusinessStockCapacity,  txt_BusinessTimeInStore,
        cmb_BusinessOpeningTime,   cmb_BusinessClosingTime};
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (QWidget* widget : order) {
        chain(widget);
    }
    for (std::size_t i = 0; i < kCommodityEntries; ++i) {
        chain(cmb_BusinessCommodities[i]);
        chain(txt_BusinessCommodities[i]);
    }
    chain(cmd_BusinessSet);
    chain(cmd_BusinessReset);

    connect(lst_BusinessName, &QListWidget::currentRowChanged, this,
            [this](int) { lst_BusinessName_Click(); });
    connect(cmd_BusinessSet, &QPushButton::clicked, this, &BusinessView::cmd_BusinessSet_Click);
    connect(cmd_BusinessReset, &QPushButton::clicked, this, &BusinessView::cmd_BusinessReset_Click);
}

void BusinessView::fillNames() {
    lst_BusinessName->clear();
    for (const auto& business : ctx_.state.model.Businesses) {
        lst_BusinessName->addItem(qtText(business.displayName));
    }
}

void BusinessView::FillLists() {
    addItemsQuietly(cmb_BusinessMinArea, offeredItems("minarea"));
    addItemsQuietly(cmb_BusinessMaxArea, offeredItems("maxarea"));
    addItemsQuietly(cmb_BusinessMaxSides, offeredItems("maxside"));
    addItemsQuietly(cmb_BusinessClosingTime, offeredItems("closingtime"));

    QStringList commodityNames;
    for (const auto& commodity : ctx_.state.model.EditCommodities) {
        commodityNames.append(qtText(commodity.displayName));
    }
    commodityNames.append(QStringLiteral("None"));
    for (PickList* list : cmb_BusinessCommodities) {
        addItemsQuietly(list, commodityNames);
    }

    QStringList openingItems;
    for (const int hour : openingTimes()) {
        openingItems.append(plainNumber(hour));
    }
    addItemsQuietly(cmb_BusinessOpeningTime, openingItems);
}

int BusinessView::selectedBusiness() const {
    const int row = lst_BusinessName->currentRow();
    return row >= 0 && row < kBusinessCount ? row : -1;
}

void BusinessView::lst_BusinessName_Click() {
    const int s = selectedBusiness();
    if (s < 0) {
        return;
    }
    // A copy: the slot rules below fire while the record is being shown.
    const BusinessRecord r = ctx_.state.model.EditBusinesses[static_cast<std::size_t>(s)];

    showInBox(txt_BusinessDensity, fixedNumber(r, "density", 2));
    showInBox(txt_BusinessMinHeight, plainNumber(r.minheight));
    showInBox(txt_BusinessMaxHeight, plainNumber(r.maxheight));
    showOffered(cmb_BusinessMaxSides, "maxside", r.maxside);
    showOffered(cmb_BusinessMinArea, "minarea", r.minarea);
    showOffered(cmb_BusinessMaxArea, "maxarea", r.maxarea);
    showInBox(txt_BusinessTimeInStore, fixedNumber(r, "timeinstore", 2));
    // An hour the list does not offer shows its last item.
    const std::span<const int> hours = openingTimes();
    auto opening = std::find(hours.begin(), hours.end(), r.openingtime);
    if (opening == hours.end()) {
        opening = hours.end() - 1;
    }
    cmb_BusinessOpeningTime->setCurrentIndex(static_cast<int>(opening - hours.begin()));
    showOffered(cmb_BusinessClosingTime, "closingtime", r.closingtime);
    showInBox(txt_BusinessFootPrintBand, plainNumber(r.footprintband));
    showInBox(txt_BusinessRefurbishCost, plainNumber(r.refurbcost));
    showInBox(txt_BusinessStockCapacity, plainNumber(r.stockcapacity));
    showInBox(txt_BusinessElectricalNeed, fixedNumber(r, "electricalneed", 2));
    showInBox(txt_BusinessGasNeed, fixedNumber(r, "gasneed", 2));
    showInBox(txt_BusinessTelecomNeed, fixedNumber(r, "telecomneed", 2));
    showInBox(txt_BusinessWaterNeed, fixedNumber(r, "waterneed", 2));

    for (std::size_t k = 0; k < kCommodityEntries; ++k) {
        cmb_BusinessCommodities[k]->setCurrentIndex(CommodityIndexOf(r.commodities[k].commodity));
        showInBox(txt_BusinessCommodities[k], plainNumber(r.commodities[k].amount), kAmountLength);
    }

    const QString name = qtText(r.displayName);
    cmd_BusinessSet->setToolTip(QStringLiteral("Set ") + name + QStringLiteral(" properties."));
    cmd_BusinessReset->setToolTip(QStringLiteral("Reset ") + name + QStringLiteral(" properties."));
}

void BusinessView::cmd_BusinessSet_Click() {
    const int s = selectedBusiness();
    if (s < 0) {
        return;
    }
    // Everything is read first; a number that does not fit its field leaves
    // the whole record (and the flags) as they were.
    BusinessRecord r = ctx_.state.model.EditBusinesses[static_cast<std::size_t>(s)];
    FieldReader read;
    r.density = read.number(txt_BusinessDensity, QStringLiteral("Density"));
    r.minheight = read.int16(txt_BusinessMinHeight, QStringLiteral("Min. Height"));
    r.maxheight = read.int16(txt_BusinessMaxHeight, QStringLiteral("Max. Height"));
    r.maxside = read.int16(cmb_BusinessMaxSides, QStringLiteral("Max. Sides"));
    r.minarea = read.int16(cmb_BusinessMinArea, QStringLiteral("Min. Area"));
    r.maxarea = read.int16(cmb_BusinessMaxArea, QStringLiteral("Max. Area"));
    r.timeinstore = read.number(txt_BusinessTimeInStore, QStringLiteral("In Store"));
    r.openingtime = read.int16(cmb_BusinessOpeningTime, QStringLiteral("Opening"));
    r.closingtime = read.int16(cmb_BusinessClosingTime, QStringLiteral("Closing"));
    r.footprintband = read.int16(txt_BusinessFootPrintBand, QStringLiteral("FootPrintBand"));
    r.refurbcost = read.int16(txt_BusinessRefurbishCost, QStringLiteral("Refurb Cost"));
    r.stockcapacity = read.int16(txt_BusinessStockCapacity, QStringLiteral("Stock Cap."));
    r.electricalneed = read.number(txt_BusinessElectricalNeed, QStringLiteral("Electrical"));
    r.gasneed = read.number(txt_BusinessGasNeed, QStringLiteral("Gas"));
    r.telecomneed = read.number(txt_BusinessTelecomNeed, QStringLiteral("Telecom"));
    r.waterneed = read.number(txt_BusinessWaterNeed, QStringLiteral("Water"));
    for (std::size_t k = 0; k < kCommodityEntries; ++k) {
        r.commodities[k].commodity = CommodityCodeAt(cmb_BusinessCommodities[k]->currentIndex());
        r.commodities[k].amount = read.int16(txt_BusinessCommodities[k],
                                             QStringLiteral("Amount of commodity %1").arg(k + 1));
    }
    if (read.accepted(boxes_, window())) {
        storeBusiness(ctx_.state, s, r);
    }
}

void BusinessView::cmd_BusinessReset_Click() {
    const int s = selectedBusiness();
    if (s < 0) {
        return;
    }
    resetBusiness(ctx_.state, s);
    lst_BusinessName_Click();
}

void BusinessView::cmb_BusinessCommodities_Click(int k) {
    if (k < 0 || k >= kCommodityEntries) {
        return;
    }
    const auto i = static_cast<std::size_t>(k);
    const int shown = cmb_BusinessCommodities[i]->currentIndex();
    if (shown == kNoneItem) {
        showInBox(txt_BusinessCommodities[i], QStringLiteral("0"), kAmountLength);
    } else if (shown >= 0) {
        // A commodity chosen comes with the most a slot takes.
        showInBox(txt_BusinessCommodities[i], plainNumber(amounts().second), kAmountLength);
    }
}

void BusinessView::txt_BusinessCommodities_Change(int k) {
    if (k < 0 || k >= kCommodityEntries) {
        return;
    }
    const auto i = static_cast<std::size_t>(k);
    QLineEdit* box = txt_BusinessCommodities[i];
    QComboBox* list = cmb_BusinessCommodities[i];
    const auto [least, most] = amounts();
    const double v = readNumber(box->text().toStdString());
    if (v > most) {
        showInBox(box, plainNumber(most), kAmountLength);
    } else if (v < least) {
        list->setCurrentIndex(kNoneItem);
    }
    if (readNumber(box->text().toStdString()) > 0 && list->currentIndex() == kNoneItem) {
        showInBox(box, QStringLiteral("0"), kAmountLength);
    }
}

}  // namespace tg
