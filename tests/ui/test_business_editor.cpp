// Window tests of the business editor: showing, storing and resetting a
// business, the commodity slot rules and the drop-down lists.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "model/identifiers.h"
#include "project/app_context.h"
#include "support/editor_model.h"
#include "support/scripted_message_box.h"
#include "support/view_checks.h"
#include "ui/business_view.h"

using namespace tg;

class BusinessEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<test::ScriptedMessageBox> boxes_;
    std::unique_ptr<BusinessView> view_;

    BusinessRecord& edit(int n) {
        return ctx_->state.model.EditBusinesses[static_cast<std::size_t>(n)];
    }
    BusinessRecord& loaded(int n) {
        return ctx_->state.model.Businesses[static_cast<std::size_t>(n)];
    }
    QComboBox* list(int k) { return view_->cmb_BusinessCommodities[static_cast<std::size_t>(k)]; }
    QLineEdit* amount(int k) { return view_->txt_BusinessCommodities[static_cast<std::size_t>(k)]; }
    bool anyFlag() const {
        const EditorState& s = ctx_->state;
        return s.bBlockHasChanged || s.bBusinessHasChanged || s.bCityHasChanged ||
               s.bCommodityHasChanged || s.bDataHasChanged;
    }
    // Shows business n by choosing its row (another row first, so it changes).
    void show(int n) {
        view_->lst_BusinessName->setCurrentRow(n == 0 ? 1 : 0);
        view_->lst_BusinessName->setCurrentRow(n);
    }
    // What slot k shows: the list's item and the amount.
    QString slotShows(int k) { return list(k)->currentText() + '/' + amount(k)->text(); }
    void set() { QTest::mouseClick(view_->cmd_BusinessSet, Qt::LeftButton); }
    void reset() { QTest::mouseClick(view_->cmd_BusinessReset, Qt::LeftButton); }

private slots:
    void init() {
        ctx_ = std::make_unique<AppContext>(folder_.path().toStdString());
        test::fillEditorModel(ctx_->state.model);
        boxes_ = std::make_unique<test::ScriptedMessageBox>();
        view_ = std::make_unique<BusinessView>(*ctx_, *boxes_);
        view_->fillNames();  // as the main window loads a project
        view_->FillLists();
    }
    void cleanup() {
        view_.reset();
        boxes_.reset();
        ctx_.reset();
    }

    void fillListsAddsItemsWithoutChoosingAny() {
        QCOMPARE(view_->lst_BusinessName->count(), kBusinessCount);
        const std::tuple<QComboBox*, int, QString, QString> lists[] = {
            {view_->cmb_BusinessMinArea, 49, "1", "49"},
            {view_->cmb_BusinessMaxArea, 49, "1", "49"},
            {view_->cmb_BusinessMaxSides, 7, "1", "7"},
            {view_->cmb_BusinessClosingTime, 24, "0", "23"},
            {view_->cmb_BusinessOpeningTime, 3, "9", "0"},
            {list(0), 33, "Meat", "None"},
            {list(5), 33, "Meat", "None"}};
        for (const auto& [box, count, first, last] : lists) {
            QCOMPARE(box->count(), count);
            QCOMPARE(box->itemText(0), first);
            QCOMPARE(box->itemText(count - 1), last);
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(view_->cmb_BusinessOpeningTime->itemText(1), QStringLiteral("18"));
        QCOMPARE(list(3)->itemText(31), QStringLiteral("Stay Over"));
        QCOMPARE(amount(0)->text(), QString());  // no slot rule has fired
    }

    void showingABusiness() {
        BusinessRecord& r = edit(6);
        r.density = 2.345;
        r.minheight = -2;
        r.maxside = 7;
        r.minarea = 1;
        r.maxarea = 49;
        r.timeinstore = 0.005;
        r.openingtime = 18;
        r.closingtime = 23;
        r.refurbcost = 32767;
        r.gasneed = -0.5;
        show(6);
        const std::pair<QString, QString> shown[] = {
            {view_->txt_BusinessDensity->text(), "2.35"},
            {view_->txt_BusinessMinHeight->text(), "-2"},
            {view_->txt_BusinessMaxHeight->text(), "3"},
            {view_->cmb_BusinessMaxSides->currentText(), "7"},
            {view_->cmb_BusinessMinArea->currentText(), "1"},
            {view_->cmb_BusinessMaxArea->currentText(), "49"},
            {view_->txt_BusinessTimeInStore->text(), "0.01"},
            {view_->cmb_BusinessOpeningTime->currentText(), "18"},
            {view_->cmb_BusinessClosingTime->currentText(), "23"},
            {view_->txt_BusinessFootPrintBand->text(), "2"},
            {view_->txt_BusinessRefurbishCost->text(), "32767"},
            {view_->txt_BusinessStockCapacity->text(), "40"},
            {view_->txt_BusinessElectricalNeed->text(), "1.00"},
            {view_->txt_BusinessGasNeed->text(), "-0.50"},
            {view_->txt_BusinessTelecomNeed->text(), "0.13"},
            {view_->txt_BusinessWaterNeed->text(), "2.00"},
            {slotShows(0), "Sweets/100"},
            {slotShows(1), "None/0"},
            {view_->cmd_BusinessSet->toolTip(), "Set Computer Store properties."},
            {view_->cmd_BusinessReset->toolTip(), "Reset Computer Store properties."}};
        for (const auto& [actual, expected] : shown) {
            QCOMPARE(actual, expected);
        }
        QVERIFY(!anyFlag());
    }

    void slotRulesWhileShowing() {
        BusinessRecord& r = edit(10);
        r.commodities = {{{"NOT_A_COMMODITY", 50},
                          {"", 0},
                          {"MEAT", 0},
                          {"FISH", 120},
                          {"meat", 40},  // letter case counts
                          {"STAY_OVER", 60}}};
        const BusinessRecord before = r;
        show(10);
        const char* expected[] = {"None/0",   "None/0", "None/0",
                                  "Fish/100", "None/0", "Stay Over/60"};
        for (int k = 0; k < kCommodityEntries; ++k) {
            QCOMPARE(slotShows(k), QString::fromLatin1(expected[k]));
        }
        QCOMPARE(edit(10), before);  // showing changes nothing

        set();
        const std::array<CommodityEntry, kCommodityEntries> stored = {
            {{"", 0}, {"", 0}, {"", 0}, {"FISH", 100}, {"", 0}, {"STAY_OVER", 60}}};
        QCOMPARE(edit(10).commodities, stored);

        // A slot whose list already shows the commodity still runs rule B.
        edit(11).commodities[0] = {"FISH", 0};
        edit(12).commodities[0] = {"FISH", 150};
        view_->lst_BusinessName->setCurrentRow(11);
        QCOMPARE(slotShows(0), QStringLiteral("None/0"));
        view_->lst_BusinessName->setCurrentRow(12);
        QCOMPARE(slotShows(0), QStringLiteral("Fish/100"));
    }

    void slotRulesFromTheUser() {
        show(0);
        list(1)->setCurrentIndex(4);
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/100"));
        amount(1)->setText(QStringLiteral("150"));
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/100"));
        amount(1)->setText(QStringLiteral("45"));
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/45"));
        list(1)->setCurrentIndex(BusinessView::kNoneItem);
        QCOMPARE(slotShows(1), QStringLiteral("None/0"));

        for (const char* low : {"0", "0.5", "-3", "", "abc"}) {
            list(2)->setCurrentIndex(7);
            amount(2)->setText(QString::fromLatin1(low));
            QVERIFY2(slotShows(2) == QStringLiteral("None/0"), low);
        }
        amount(2)->setText(QStringLiteral("50"));  // a commodity must be chosen first
        QCOMPARE(slotShows(2), QStringLiteral("None/0"));

        // Typed key by key.
        list(3)->setCurrentIndex(9);
        amount(3)->setFocus();
        amount(3)->selectAll();
        QTest::keyClicks(amount(3), QStringLiteral("75"));
        QCOMPARE(slotShows(3), QStringLiteral("Fastfood/75"));
        QTest::keyClicks(amount(3), QStringLiteral("0"));
        QCOMPARE(slotShows(3), QStringLiteral("Fastfood/100"));

        // Amounts are independent: 60, 60 and 60 stay.
        for (int k = 0; k < 3; ++k) {
            list(k)->setCurrentIndex(k + 10);
            amount(k)->setText(QStringLiteral("60"));
        }
        set();
        for (std::size_t k = 0; k < 3; ++k) {
            QCOMPARE(edit(0).commodities[k],
                     (CommodityEntry{std::string(kCommodityIdentifiers[k + 10]), 60}));
        }
        QCOMPARE(edit(0).commodities[3], (CommodityEntry{"FASTFOOD", 100}));
    }

    void listValuesWithAndWithoutAnItem() {
        edit(3).openingtime = 12;
        edit(3).minarea = 3;
        show(3);
        QCOMPARE(view_->cmb_BusinessOpeningTime->currentText(), QStringLiteral("0"));
        QCOMPARE(view_->cmb_BusinessMinArea->currentIndex(), 2);
        set();
        QCOMPARE(edit(3).openingtime, 0);
        QCOMPARE(edit(3).minarea, 3);
        for (const int hour : {9, 18}) {
            edit(4).openingtime = static_cast<std::int16_t>(hour);
            show(4);
            set();
            QCOMPARE(edit(4).openingtime, hour);
        }

        // Values without an item are shown as an extra item and kept by Set.
        edit(8).minarea = 0;
        edit(8).maxarea = 60;
        edit(8).maxside = 9;
        edit(8).closingtime = -1;
        show(8);
        QCOMPARE(view_->cmb_BusinessMinArea->count(), 50);
        QCOMPARE(view_->cmb_BusinessMaxSides->currentText(), QStringLiteral("9"));
        QCOMPARE(view_->cmb_BusinessClosingTime->currentText(), QStringLiteral("-1"));
        set();
        QCOMPARE(edit(8).minarea, 0);
        QCOMPARE(edit(8).maxarea, 60);
        QCOMPARE(edit(8).maxside, 9);
        QCOMPARE(edit(8).closingtime, -1);
        show(9);  // gone again with another business
        QCOMPARE(view_->cmb_BusinessMinArea->count(), 49);
        QCOMPARE(view_->cmb_BusinessMaxSides->count(), 7);
        QCOMPARE(view_->cmb_BusinessClosingTime->count(), 24);
    }

    void setReadsNumbersFromTheBoxes() {
        struct Case {
            const char* text;
            double asDouble;
            std::int16_t asInt16;
        };
        const Case cases[] = {{"12abc", 12, 12},  {"abc", 0, 0},     {"2.5", 2.5, 2},
                              {"3.5", 3.5, 4},    {" 1 2 ", 12, 12}, {"", 0, 0},
                              {"1e2x", 100, 100}, {"+7.25", 7.25, 7}};
        for (const Case& c : cases) {
            show(13);
            for (QLineEdit* box :
                 {view_->txt_BusinessDensity, view_->txt_BusinessWaterNeed,
                  view_->txt_BusinessMinHeight, view_->txt_BusinessStockCapacity}) {
                box->setText(QString::fromLatin1(c.text));
            }
            set();
            QVERIFY2(edit(13).density == c.asDouble && edit(13).waterneed == c.asDouble, c.text);
            QVERIFY2(edit(13).minheight == c.asInt16 && edit(13).stockcapacity == c.asInt16,
                     c.text);
        }
        QVERIFY(boxes_->shown.isEmpty());
    }

    void setMarksAndResetDoesNot() {
        show(16);
        reset();
        QVERIFY(ctx_->state.bBusinessHasChanged && ctx_->state.bDataHasChanged);
        QVERIFY(!edit(16).changed);

        // Set on an untouched business stores what it shows (doubles in their
        // two-decimal form) and marks it.
        ctx_->state.bBusinessHasChanged = ctx_->state.bDataHasChanged = false;
        set();
        BusinessRecord expected = loaded(16);
        expected.changed = true;
        expected.telecomneed = 0.13;
        QCOMPARE(edit(16), expected);
        QVERIFY(ctx_->state.bBusinessHasChanged && ctx_->state.bDataHasChanged);
        QVERIFY(!ctx_->state.bBlockHasChanged && !ctx_->state.bCommodityHasChanged);

        // Set, then Reset: loaded values back, the mark stays.
        view_->txt_BusinessDensity->setText(QStringLiteral("9"));
        list(0)->setCurrentIndex(BusinessView::kNoneItem);
        list(4)->setCurrentIndex(3);
        set();
        edit(16).displayName = "Renamed";
        reset();
        expected = loaded(16);
        expected.displayName = "Renamed";
        expected.changed = true;
        QCOMPARE(edit(16), expected);
        QCOMPARE(view_->txt_BusinessDensity->text(), QStringLiteral("1.50"));
        QCOMPARE(slotShows(0), QStringLiteral("Electrical Goods/100"));
        QCOMPARE(slotShows(4), QStringLiteral("None/0"));
        QCOMPARE(view_->cmd_BusinessSet->toolTip(), QStringLiteral("Set Renamed properties."));
    }

    void choosingAnotherBusinessDiscardsEdits() {
        show(20);
        view_->txt_BusinessDensity->setText(QStringLiteral("77"));
        show(21);
        view_->lst_BusinessName->setCurrentRow(20);
        QCOMPARE(view_->txt_BusinessDensity->text(), QStringLiteral("1.50"));
        QCOMPARE(edit(20), loaded(20));
        QVERIFY(!anyFlag());
    }

    void numbersOutsideTheFieldAreRefused() {
        const std::tuple<QLineEdit*, const char*, const char*> cases[] = {
            {view_->txt_BusinessMinHeight, "32768",
             "Min. Height must be a whole number from -32768 to 32767."},
            {view_->txt_BusinessRefurbishCost, "-40000",
             "Refurb Cost must be a whole number from -32768 to 32767."},
            {view_->txt_BusinessDensity, "1e999",
             "Density must be a number from -1.7e+308 to 1.7e+308."}};
        for (const auto& [box, text, message] : cases) {
            boxes_->shown.clear();
            show(22);
            const BusinessRecord before = edit(22);
            view_->txt_BusinessMaxHeight->setText(QStringLiteral("5"));  // a valid edit beside
            list(1)->setCurrentIndex(2);
            box->setText(QString::fromLatin1(text));
            set();
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes_->shown[0].text, QString::fromLatin1(message));
            QCOMPARE(edit(22), before);
            QVERIFY(!anyFlag());
            QCOMPARE(box->text(), QString::fromLatin1(text));  // the typed text stays
        }
        // Without a selected business Set and Reset do nothing.
        view_->lst_BusinessName->setCurrentRow(-1);
        set();
        reset();
        QVERIFY(!anyFlag());
    }

    void commodityPositions() {
        QCOMPARE(CommodityIndexOf("MEAT"), 0);
        QCOMPARE(CommodityIndexOf("STAY_OVER"), 31);
        for (const char* other : {"meat", "", "MEAT ", "NONE"}) {
            QCOMPARE(CommodityIndexOf(other), 32);
        }
        for (int position : {32, -1, 1000}) {
            QCOMPARE(CommodityCodeAt(position), std::string());
        }
        for (int i = 0; i < kCommodityCount; ++i) {
            QCOMPARE(CommodityIndexOf(CommodityCodeAt(i)), i);
        }
    }

    void layoutAndTabOrder() {
        show(9);
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        const QStringList problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        auto at = [&](QWidget* w) { return w->mapTo(view_.get(), QPoint(0, 0)); };
        QVERIFY(at(list(0)).y() < at(list(1)).y() && at(list(1)).y() < at(list(2)).y());
        QCOMPARE(at(list(3)).y(), at(list(0)).y());
        QVERIFY(at(list(3)).x() > at(amount(0)).x());

        // Tab walks the groups in order, each slot's list then its amount.
        const QList<QWidget*> path = {view_->txt_BusinessWaterNeed, view_->txt_BusinessDensity,
                                      view_->txt_BusinessMinHeight, view_->txt_BusinessMaxHeight,
                                      view_->cmb_BusinessMinArea};
        for (qsizetype i = 1; i < path.size(); ++i) {
            QCOMPARE(test::nextTabStop(path[i - 1]), path[i]);
        }
        QCOMPARE(test::nextTabStop(view_->cmb_BusinessClosingTime), list(0));
        QCOMPARE(test::nextTabStop(list(2)), amount(2));
        QCOMPARE(test::nextTabStop(amount(2)), list(3));
        QCOMPARE(test::nextTabStop(amount(5)), view_->cmd_BusinessSet);
        test::saveScreenshot(view_.get(), QStringLiteral("view_business.png"));
    }
};

QTEST_MAIN(BusinessEditorTest)
#include "test_business_editor.moc"
