#include "ui/city_view.h"

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
#include <iterator>
#include <string>

#include "project/app_context.h"
#include "project/edits.h"
#include "ui/help_label.h"
#include "ui/path_text.h"
#include "ui/view_fields.h"

namespace tg {

namespace {

constexpr int kMarkupLength = 10;
// Width of every value box and list, so that they line up (the longest
// membership item fits it).
constexpr int kValueWidth = 120;

// The membership list's items stand for the shopping groups, in their
// order; a group it does not know shows the last item, and anything but the
// first two items stores the last group.
constexpr int kLastGroup = static_cast<int>(std::size(kShoppingGroups)) - 1;

int membershipItem(const std::string& membership) {
    for (int item = 0; item < kLastGroup; ++item) {
        if (membership == kShoppingGroups[item]) {
            return item;
        }
    }
    return kLastGroup;
}

std::string membershipOf(int item) {
    return std::string(kShoppingGroups[item >= 0 && item < kLastGroup ? item : kLastGroup]);
}

QLineEdit* cityBox(const QString& name, QWidget* parent, const QString& tip = QString()) {
    return numberBox(name, tip, kValueWidth, parent);
}

PickList* cityList(const QString& name, QWidget* parent) {
    return pickList(name, QString(), kValueWidth, parent);
}

}  // namespace

CityCommodityView::CityCommodityView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    // --- city tweaks -------------------------------------------------------
    setObjectName(QStringLiteral("frame_citycom"));
    frame_city_misc = new QGroupBox(QStringLiteral("Misc. City Tweaks"), this);
    frame_city_misc->setObjectName(QStringLiteral("frame_city_misc"));
    cmb_CityOwnable = cityList(QStringLiteral("cmb_CityOwnable"), frame_city_misc);
    cmb_DaysOff = cityList(QStringLiteral("cmb_DaysOff"), frame_city_misc);
    txt_Years = cityBox(QStringLiteral("txt_Years"), frame_city_misc);
    txt_Lease = cityBox(QStringLiteral("txt_Lease"), frame_city_misc);
    auto* miscForm = new QFormLayout(frame_city_misc);
    miscForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    miscForm->addRow(
        labelFor(QStringLiteral("City Businesses Ownable"), cmb_CityOwnable, frame_city_misc),
        cmb_CityOwnable);
    miscForm->addRow(labelFor(QStringLiteral("Days Off"), cmb_DaysOff, frame_city_misc),
                     cmb_DaysOff);
    miscForm->addRow(
        labelFor(QStringLiteral("Number of Years in 24 Hours"), txt_Years, frame_city_misc),
        txt_Years);
    miscForm->addRow(
        labelFor(QStringLiteral("Block Lease Length (Hours)"), txt_Lease, frame_city_misc),
        txt_Lease);

    frame_city_railroad = new QGroupBox(QStringLiteral("Railroad/Utility City Tweaks"), this);
    frame_city_railroad->setObjectName(QStringLiteral("frame_city_railroad"));
    txt_multiE = cityBox(QStringLiteral("txt_multiE"), frame_city_railroad);
    txt_multiM = cityBox(QStringLiteral("txt_multiM"), frame_city_railroad);
    txt_multiH = cityBox(QStringLiteral("txt_multiH"), frame_city_railroad);
    txt_freightE = cityBox(QStringLiteral("txt_freightE"), frame_city_railroad);
    txt_freightM = cityBox(QStringLiteral("txt_freightM"), frame_city_railroad);
    txt_freightH = cityBox(QStringLiteral("txt_freightH"), frame_city_railroad);
    // Multipliers in the left column, freights in the right, Easy on top;
    // each label stands above its box.
    auto* railGrid = new QGridLayout(frame_city_railroad);
    railGrid->setHorizontalSpacing(18);
    railGrid->setColumnStretch(2, 1);
    const std::array<std::pair<const char*, QLineEdit*>, 3> multipliers = {{
        {"Railroad/Utility Multiplyer (Easy)", txt_multiE},
        {"Railroad/Utility Multiplyer (Medium)", txt_multiM},
        {"Railroad/Utility Multiplyer (Hard)", txt_multiH},
    }};
    const std::array<std::pair<const char*, QLineEdit*>, 3> freights = {{
        {"Railroad Daily Freight (Easy)", txt_freightE},
        {"Railroad Daily Freight (Medium)", txt_freightM},
        {"Railroad Daily Freight (Hard)", txt_freightH},
    }};
    for (int row = 0; row < 3; ++row) {
        const auto i = static_cast<std::size_t>(row);
        railGrid->addWidget(labelFor(QString::fromLatin1(multipliers[i].first),
                                     multipliers[i].second, frame_city_railroad),
                            row * 2, 0);
        railGrid->addWidget(multipliers[i].second, row * 2 + 1, 0);
        railGrid->addWidget(labelFor(QString::fromLatin1(freights[i].first), freights[i].second,
                                     frame_city_railroad),
                            row * 2, 1);
        railGrid->addWidget(freights[i].second, row * 2 + 1, 1);
    }

    cmd_CitySet = new QPushButton(QStringLiteral("City Set"), this);
    cmd_cityReset = new QPushButton(QStringLiteral("City Reset"), this);
    lbl_CityHelp = new HelpLabel(
        QStringLiteral("To edit the properties for the city make changes to the appropriate boxes "
                       "below.  To save the changes click the \"City Set\" button before exiting "
                       "TG Edit.  To return to the default city settings click the \"City "
                       "Reset\" button."),
        this);
    cmd_CitySet->setObjectName(QStringLiteral("cmd_CitySet"));
    cmd_cityReset->setObjectName(QStringLiteral("cmd_cityReset"));
    lbl_CityHelp->setObjectName(QStringLiteral("lbl_CityHelp"));
    // The help texts wrap to the width the controls need; they do not widen
    // the view themselves.
    lbl_CityHelp->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lbl_CityHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* cityButtons = new QHBoxLayout;
    cityButtons->addStretch(1);
    cityButtons->addWidget(cmd_CitySet);
    cityButtons->addWidget(cmd_cityReset);

    auto* city = new QVBoxLayout;
    city->addWidget(frame_city_misc);
    city->addWidget(frame_city_railroad);
    city->addLayout(cityButtons);
    city->addWidget(lbl_CityHelp);
    city->addStretch(1);

    // --- commodities -------------------------------------------------------
    frame_commodity = new QGroupBox(QStringLiteral("Commodity Properties"), this);
    lst_CommodityName = new QListWidget(frame_commodity);
    lst_CommodityName->setObjectName(QStringLiteral("lst_CommodityName"));
    lst_CommodityName->setMinimumWidth(170);
    lst_CommodityName->setMaximumWidth(210);
    txt_Markup = cityBox(QStringLiteral("txt_Markup"), frame_commodity, QStringLiteral("Markup"));
    txt_Markup->setMaxLength(kMarkupLength);
    txt_Value = cityBox(QStringLiteral("txt_Value"), frame_commodity, QStringLiteral("Value"));
    cmb_CommodityMembership = cityList(QStringLiteral("cmb_CommodityMembership"), frame_commodity);
    cmd_CommoditySet = new QPushButton(QStringLiteral("&Set"), frame_commodity);
    cmd_CommodityReset = new QPushButton(QStringLiteral("&Reset"), frame_commodity);
    lbl_CommodityHelp = new HelpLabel(
        QStringLiteral("To edit the properties for a commodity select the commodity from the list "
                       "and make any changes in the boxes.  To save the changes click the \"Set\" "
                       "button before editing another commodity.  To return to the default "
                       "commodity settings click the \"Reset\" button."),
        frame_commodity);
    frame_commodity->setObjectName(QStringLiteral("frame_commodity"));
    cmd_CommoditySet->setObjectName(QStringLiteral("cmd_CommoditySet"));
    cmd_CommodityReset->setObjectName(QStringLiteral("cmd_CommodityReset"));
    lbl_CommodityHelp->setObjectName(QStringLiteral("lbl_CommodityHelp"));
    lbl_CommodityHelp->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lbl_CommodityHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* commodityForm = new QFormLayout;
    commodityForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    commodityForm->addRow(labelFor(QStringLiteral("Markup"), txt_Markup, frame_commodity),
                          txt_Markup);
    commodityForm->addRow(labelFor(QStringLiteral("Value"), txt_Value, frame_commodity), txt_Value);
    commodityForm->addRow(
        labelFor(QStringLiteral("Membership"), cmb_CommodityMembership, frame_commodity),
        cmb_CommodityMembership);

    auto* commodityButtons = new QHBoxLayout;
    commodityButtons->addStretch(1);
    commodityButtons->addWidget(cmd_CommoditySet);
    commodityButtons->addWidget(cmd_CommodityReset);

    auto* commodityFields = new QVBoxLayout;
    commodityFields->addLayout(commodityForm);
    commodityFields->addLayout(commodityButtons);
    commodityFields->addStretch(1);

    // The list beside the boxes, the help text under both.
    auto* commodityTop = new QHBoxLayout;
    commodityTop->addWidget(lst_CommodityName);
    commodityTop->addLayout(commodityFields, 1);
    auto* commodity = new QVBoxLayout(frame_commodity);
    commodity->addLayout(commodityTop, 1);
    commodity->addWidget(lbl_CommodityHelp);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(city, 1);
    layout->addWidget(frame_commodity, 1);

    const QList<QWidget*> order = {
        cmb_CityOwnable,   cmb_DaysOff,       txt_Years,   txt_Lease,
        txt_multiE,        txt_multiM,        txt_multiH,  txt_freightE,
        txt_freightM,      txt_freightH,      cmd_CitySet, cmd_cityReset,
        lst_CommodityName, txt_Markup,        txt_Value,   cmb_CommodityMembership,
        cmd_CommoditySet,  cmd_CommodityReset};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(cmd_CitySet, &QPushButton::clicked, this, &CityCommodityView::cmd_CitySet_Click);
    connect(cmd_cityReset, &QPushButton::clicked, this, &CityCommodityView::cmd_cityReset_Click);
    connect(lst_CommodityName, &QListWidget::currentRowChanged, this,
            [this](int) { lst_CommodityName_Click(); });
    connect(cmd_CommoditySet, &QPushButton::clicked, this,
            &CityCommodityView::cmd_CommoditySet_Click);
    connect(cmd_CommodityReset, &QPushButton::clicked, this,
            &CityCommodityView::cmd_CommodityReset_Click);
}

void CityCommodityView::fillNames() {
    lst_CommodityName->clear();
    for (const auto& commodity : ctx_.state.model.Commodities) {
        lst_CommodityName->addItem(qtText(commodity.displayName));
    }
}

void CityCommodityView::fillLists() {
    addItemsQuietly(cmb_DaysOff, {QStringLiteral("False"), QStringLiteral("True")});
    addItemsQuietly(cmb_CityOwnable, {QStringLiteral("False"), QStringLiteral("True")});
    addItemsQuietly(
        cmb_CommodityMembership,
        {QStringLiteral("Main"), QStringLiteral("Entertainment"), QStringLiteral("Stay Over")});
}

void CityCommodityView::ShowCityTweaks() {
    const TweaksRecord& t = ctx_.state.model.EditTweaks;
    showInBox(txt_Years, plainNumber(t.numyearsin24hours));
    showInBox(txt_Lease, plainNumber(t.blockleaselength));
    cmb_CityOwnable->setCurrentIndex(t.citybusinessesownable ? 1 : 0);
    cmb_DaysOff->setCurrentIndex(t.daysoff ? 1 : 0);
    showInBox(txt_multiE, fixedNumber(t, "railutilincomeEASY", 1));
    showInBox(txt_multiM, fixedNumber(t, "railutilincomeMEDIUM", 1));
    showInBox(txt_multiH, fixedNumber(t, "railutilincomeHARD", 1));
    showInBox(txt_freightE, plainNumber(t.dailyfreightEASY));
    showInBox(txt_freightM, plainNumber(t.dailyfreightMEDIUM));
    showInBox(txt_freightH, plainNumber(t.dailyfreightHARD));
    // Once locked for this game version, the group stays locked.
    if (!ctx_.state.bVersionCompatible) {
        frame_city_railroad->setEnabled(false);
    }
}

void CityCommodityView::cmd_CitySet_Click() {
    // Everything is read first; a number that does not fit its field leaves
    // the tweaks (and the flags) as they were. The railroad boxes are read
    // also while locked: they hold the values shown.
    TweaksRecord t = ctx_.state.model.EditTweaks;
    FieldReader read;
    t.blockleaselength = read.int32(txt_Lease, QStringLiteral("Block Lease Length (Hours)"));
    t.dailyfreightEASY = read.int32(txt_freightE, QStringLiteral("Railroad Daily Freight (Easy)"));
    t.dailyfreightHARD = read.int32(txt_freightH, QStringLiteral("Railroad Daily Freight (Hard)"));
    t.dailyfreightMEDIUM =
        read.int32(txt_freightM, QStringLiteral("Railroad Daily Freight (Medium)"));
    t.numyearsin24hours = read.int32(txt_Years, QStringLiteral("Number of Years in 24 Hours"));
    t.railutilincomeEASY =
        read.number(txt_multiE, QStringLiteral("Railroad/Utility Multiplyer (Easy)"));
    t.railutilincomeHARD =
        read.number(txt_multiH, QStringLiteral("Railroad/Utility Multiplyer (Hard)"));
    t.railutilincomeMEDIUM =
        read.number(txt_multiM, QStringLiteral("Railroad/Utility Multiplyer (Medium)"));
    t.daysoff = cmb_DaysOff->currentIndex() == 1;
    t.citybusinessesownable = cmb_CityOwnable->currentIndex() == 1;
    if (read.accepted(boxes_, window())) {
        storeTweaks(ctx_.state, t);
        ShowCityTweaks();
    }
}

void CityCommodityView::cmd_cityReset_Click() {
    resetTweaks(ctx_.state);
    ShowCityTweaks();
}

int CityCommodityView::selectedCommodity() const {
    const int row = lst_CommodityName->currentRow();
    return row >= 0 && row < kCommodityCount ? row : -1;
}

void CityCommodityView::lst_CommodityName_Click() {
    const int s = selectedCommodity();
    if (s < 0) {
        return;
    }
    const CommodityRecord& c = ctx_.state.model.EditCommodities[static_cast<std::size_t>(s)];
    showInBox(txt_Markup, fixedNumber(c, "markup", 2), kMarkupLength);
    showInBox(txt_Value, fixedNumber(c, "value", 2));
    cmb_CommodityMembership->setCurrentIndex(membershipItem(c.membership));
    const QString name = qtText(c.displayName);
    cmd_CommoditySet->setToolTip(QStringLiteral("Set ") + name + QStringLiteral(" properties."));
    cmd_CommodityReset->setToolTip(QStringLiteral("Reset ") + name +
                                   QStringLiteral(" properties."));
}

void CityCommodityView::cmd_CommoditySet_Click() {
    const int s = selectedCommodity();
    if (s < 0) {
        return;
    }
    CommodityRecord c = ctx_.state.model.EditCommodities[static_cast<std::size_t>(s)];
    FieldReader read;
    c.markup = read.number(txt_Markup, QStringLiteral("Markup"));
    c.value = read.number(txt_Value, QStringLiteral("Value"));
    c.membership = membershipOf(cmb_CommodityMembership->currentIndex());
    if (read.accepted(boxes_, window())) {
        storeCommodity(ctx_.state, s, c);
    }
}

void CityCommodityView::cmd_CommodityReset_Click() {
    const int s = selectedCommodity();
    if (s < 0) {
        return;
    }
    resetCommodity(ctx_.state, s);
    lst_CommodityName_Click();
}

}  // namespace tg
