// Window tests of the business editor: showing, storing and resetting a
// business, the commodity slot rules and the drop-down lists.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
using tg::test::qs;

class BusinessEditorTest : public QObject {
    Q_OBJECT

private:
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
    // Shows business n as choosing its row does (another row first, so the
    // row really changes).
    void show(int n) {
        view_->lst_BusinessName->setCurrentRow(n == 0 ? 1 : 0);
        view_->lst_BusinessName->setCurrentRow(n);
    }
    // What slot k shows: the list's item text and the amount.
    QString slotShows(int k) { return list(k)->currentText() + '/' + amount(k)->text(); }
    void set() { QTest::mouseClick(view_->cmd_BusinessSet, Qt::LeftButton); }

private slots:
    void init() {
        ctx_ = std::make_unique<AppContext>(folder_.path().toStdString());
        test::fillEditorModel(ctx_->state.model);
        boxes_ = std::make_unique<test::ScriptedMessageBox>();
        view_ = std::make_unique<BusinessView>(*ctx_, *boxes_);
        // As the main window loads a project.
        view_->fillNames();
        view_->FillLists();
    }
    void cleanup() {
        view_.reset();
        boxes_.reset();
        ctx_.reset();
    }

    // --- lists and captions --------------------------------------------------

    void fillListsAddsTheItemsWithoutChoosingAny() {
        QCOMPARE(view_->lst_BusinessName->count(), kBusinessCount);
        QCOMPARE(view_->lst_BusinessName->item(44)->text(), QStringLiteral("Landscape"));

        auto itemsOf = [](QComboBox* box) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i) {
                items.append(box->itemText(i));
            }
            return items;
        };
        QStringList areas;
        for (int i = 1; i <= 49; ++i) {
            areas.append(QString::number(i));
        }
        QCOMPARE(itemsOf(view_->cmb_BusinessMinArea), areas);
        QCOMPARE(itemsOf(view_->cmb_BusinessMaxArea), areas);
        QCOMPARE(itemsOf(view_->cmb_BusinessMaxSides),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(view_->cmb_BusinessClosingTime->count(), 24);
        QCOMPARE(view_->cmb_BusinessClosingTime->itemText(0), QStringLiteral("0"));
        QCOMPARE(view_->cmb_BusinessClosingTime->itemText(23), QStringLiteral("23"));
        QCOMPARE(itemsOf(view_->cmb_BusinessOpeningTime), (QStringList{"9", "18", "0"}));
        for (int k = 0; k < kCommodityEntries; ++k) {
            QCOMPARE(list(k)->count(), 33);
            QCOMPARE(list(k)->itemText(0), QStringLiteral("Meat"));
            QCOMPARE(list(k)->itemText(31), QStringLiteral("Stay Over"));
            QCOMPARE(list(k)->itemText(32), QStringLiteral("None"));
            // Nothing chosen yet, and so no slot rule has fired.
            QCOMPARE(list(k)->currentIndex(), -1);
            QCOMPARE(amount(k)->text(), QString());
            QVERIFY(!list(k)->isEditable());
        }
        // The commodity names come from the working set of that moment.
        ctx_->state.model.EditCommodities[2].displayName = "Greens";
        BusinessView other(*ctx_, *boxes_);
        other.FillLists();
        QCOMPARE(other.cmb_BusinessCommodities[0]->itemText(2), QStringLiteral("Greens"));
    }

    void captionsAndTooltips() {
        QCOMPARE(view_->frame_BusinessProperties->title(), QStringLiteral("Business Properties"));
        QCOMPARE(view_->cmd_BusinessSet->text(), QStringLiteral("&Set"));
        QCOMPARE(view_->cmd_BusinessReset->text(), QStringLiteral("&Reset"));
        QCOMPARE(view_->lbl_BusinessHelp->text(),
                 QStringLiteral("To edit the properties for a business select the business from "
                                "the list and make any changes in the boxes.  To save the changes "
                                "click the \"Set\" button before editing another business.  To "
                                "return to the default business settings click the \"Reset\" "
                                "button."));
        QCOMPARE(view_->txt_BusinessStockCapacity->toolTip(), QStringLiteral("Stock Capcity"));
        QCOMPARE(view_->txt_BusinessMinHeight->toolTip(),
                 QStringLiteral("Minimum Number of Stories"));
        QCOMPARE(view_->cmb_BusinessMaxSides->toolTip(), QStringLiteral("Maximum Number of Sides"));
        QCOMPARE(view_->cmb_BusinessOpeningTime->toolTip(), QStringLiteral("Opening Time (Hour)"));
        QCOMPARE(view_->txt_BusinessFootPrintBand->toolTip(), QString());
        QCOMPARE(list(5)->toolTip(), QStringLiteral("Commodity 6"));
        QCOMPARE(amount(5)->toolTip(), QString());
        QCOMPARE(amount(0)->maxLength(), 3);

        // Every caption label names its control, so its text leads there.
        QStringList groups;
        for (QGroupBox* group : view_->frame_BusinessProperties->findChildren<QGroupBox*>()) {
            groups.append(group->title());
            for (QLabel* label : group->findChildren<QLabel*>()) {
                QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
            }
        }
        groups.sort();
        QCOMPARE(groups, (QStringList{"Commodities", "Misc", "Needs", "Size", "Time"}));

        show(7);
        QCOMPARE(view_->cmd_BusinessSet->toolTip(), QStringLiteral("Set Cheese Store properties."));
        QCOMPARE(view_->cmd_BusinessReset->toolTip(),
                 QStringLiteral("Reset Cheese Store properties."));
    }

    void tabOrderFollowsTheGroups() {
        QList<QWidget*> expected = {
            view_->lst_BusinessName,          view_->txt_BusinessElectricalNeed,
            view_->txt_BusinessGasNeed,       view_->txt_BusinessTelecomNeed,
            view_->txt_BusinessWaterNeed,     view_->txt_BusinessDensity,
            view_->txt_BusinessMinHeight,     view_->txt_BusinessMaxHeight,
            view_->cmb_BusinessMinArea,       view_->cmb_BusinessMaxArea,
            view_->cmb_BusinessMaxSides,      view_->txt_BusinessFootPrintBand,
            view_->txt_BusinessRefurbishCost, view_->txt_BusinessStockCapacity,
            view_->txt_BusinessTimeInStore,   view_->cmb_BusinessOpeningTime,
            view_->cmb_BusinessClosingTime};
        for (int k = 0; k < kCommodityEntries; ++k) {
            expected.append(list(k));
            expected.append(amount(k));
        }
        expected.append(view_->cmd_BusinessSet);
        expected.append(view_->cmd_BusinessReset);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QWidget* w = expected.first();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            do {
                w = w->nextInFocusChain();
            } while (w->focusPolicy() == Qt::NoFocus || !w->isVisible());
            QCOMPARE(w, expected[i]);
        }
    }

    // --- showing ---------------------------------------------------------------

    void showingABusinessFillsEveryControl() {
        BusinessRecord& r = edit(6);
        r.density = 2.345;
        r.minheight = -2;
        r.maxheight = 12;
        r.maxside = 7;
        r.minarea = 1;
        r.maxarea = 49;
        r.timeinstore = 0.005;
        r.openingtime = 18;
        r.closingtime = 23;
        r.footprintband = 3;
        r.refurbcost = 32767;
        r.stockcapacity = -32768;
        r.electricalneed = 1;
        r.gasneed = -0.5;
        r.telecomneed = 10.125;
        r.waterneed = 0;
        show(6);
        QCOMPARE(view_->txt_BusinessDensity->text(), QStringLiteral("2.35"));
        QCOMPARE(view_->txt_BusinessMinHeight->text(), QStringLiteral("-2"));
        QCOMPARE(view_->txt_BusinessMaxHeight->text(), QStringLiteral("12"));
        QCOMPARE(view_->cmb_BusinessMaxSides->currentText(), QStringLiteral("7"));
        QCOMPARE(view_->cmb_BusinessMinArea->currentIndex(), 0);
        QCOMPARE(view_->cmb_BusinessMaxArea->currentText(), QStringLiteral("49"));
        QCOMPARE(view_->txt_BusinessTimeInStore->text(), QStringLiteral("0.01"));
        QCOMPARE(view_->cmb_BusinessOpeningTime->currentText(), QStringLiteral("18"));
        QCOMPARE(view_->cmb_BusinessClosingTime->currentText(), QStringLiteral("23"));
        QCOMPARE(view_->txt_BusinessFootPrintBand->text(), QStringLiteral("3"));
        QCOMPARE(view_->txt_BusinessRefurbishCost->text(), QStringLiteral("32767"));
        QCOMPARE(view_->txt_BusinessStockCapacity->text(), QStringLiteral("-32768"));
        QCOMPARE(view_->txt_BusinessElectricalNeed->text(), QStringLiteral("1.00"));
        QCOMPARE(view_->txt_BusinessGasNeed->text(), QStringLiteral("-0.50"));
        QCOMPARE(view_->txt_BusinessTelecomNeed->text(), QStringLiteral("10.13"));
        QCOMPARE(view_->txt_BusinessWaterNeed->text(), QStringLiteral("0.00"));
        QCOMPARE(slotShows(0), QStringLiteral("Sweets/100"));
        QCOMPARE(slotShows(1), QStringLiteral("None/0"));
        QVERIFY(!anyFlag());
    }

    void slotRulesWhileShowing() {
        BusinessRecord& r = edit(10);
        r.commodities[0] = {"NOT_A_COMMODITY", 50};  // unknown identifier
        r.commodities[1] = {"", 0};                  // free entry
        r.commodities[2] = {"MEAT", 0};              // amount 0
        r.commodities[3] = {"FISH", 120};            // above 100
        r.commodities[4] = {"meat", 40};             // letter case counts
        r.commodities[5] = {"STAY_OVER", 60};
        const BusinessRecord before = r;
        show(10);
        QCOMPARE(slotShows(0), QStringLiteral("None/0"));
        QCOMPARE(slotShows(1), QStringLiteral("None/0"));
        QCOMPARE(slotShows(2), QStringLiteral("None/0"));
        QCOMPARE(slotShows(3), QStringLiteral("Fish/100"));
        QCOMPARE(slotShows(4), QStringLiteral("None/0"));
        QCOMPARE(slotShows(5), QStringLiteral("Stay Over/60"));
        QCOMPARE(edit(10), before);  // showing changes nothing

        set();
        QCOMPARE(edit(10).commodities[0], (CommodityEntry{"", 0}));
        QCOMPARE(edit(10).commodities[2], (CommodityEntry{"", 0}));
        QCOMPARE(edit(10).commodities[3], (CommodityEntry{"FISH", 100}));
        QCOMPARE(edit(10).commodities[4], (CommodityEntry{"", 0}));
        QCOMPARE(edit(10).commodities[5], (CommodityEntry{"STAY_OVER", 60}));

        // The same slot shown again from a record that differs only in the
        // amount still runs the rules.
        edit(11).commodities[0] = {"FISH", 0};
        edit(12).commodities[0] = {"FISH", 150};
        view_->lst_BusinessName->setCurrentRow(11);
        QCOMPARE(slotShows(0), QStringLiteral("None/0"));
        view_->lst_BusinessName->setCurrentRow(12);
        QCOMPARE(slotShows(0), QStringLiteral("Fish/100"));
    }

    void slotRulesFromTheUser() {
        show(0);
        list(1)->setCurrentIndex(4);  // a commodity
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/100"));
        amount(1)->setText(QStringLiteral("150"));
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/100"));
        amount(1)->setText(QStringLiteral("45"));
        QCOMPARE(slotShows(1), QStringLiteral("Dairy Produce/45"));
        list(1)->setCurrentIndex(BusinessView::kNoneItem);
        QCOMPARE(slotShows(1), QStringLiteral("None/0"));

        for (const char* low : {"0", "0.5", "-3", "", "abc", "-"}) {
            list(2)->setCurrentIndex(7);
            QCOMPARE(amount(2)->text(), QStringLiteral("100"));
            amount(2)->setText(QString::fromLatin1(low));
            QVERIFY2(slotShows(2) == QStringLiteral("None/0"), low);
        }
        // A commodity must be chosen first: an amount alone goes back to 0.
        amount(2)->setText(QStringLiteral("50"));
        QCOMPARE(slotShows(2), QStringLiteral("None/0"));

        // Typed key by key, as a user does.
        list(3)->setCurrentIndex(9);
        amount(3)->setFocus();
        amount(3)->selectAll();
        QTest::keyClicks(amount(3), QStringLiteral("75"));
        QCOMPARE(slotShows(3), QStringLiteral("Fastfood/75"));
        QTest::keyClick(amount(3), Qt::Key_End);
        QTest::keyClicks(amount(3), QStringLiteral("0"));  // 750
        QCOMPARE(slotShows(3), QStringLiteral("Fastfood/100"));
        amount(3)->setText(QStringLiteral("1234"));  // longer than the box takes
        QCOMPARE(slotShows(3), QStringLiteral("Fastfood/100"));

        // Amounts are independent: nothing makes them total 100.
        for (int k = 0; k < 3; ++k) {
            list(k)->setCurrentIndex(k + 10);
            amount(k)->setText(QStringLiteral("60"));
        }
        set();
        for (std::size_t k = 0; k < 3; ++k) {
            QCOMPARE(edit(0).commodities[k].amount, 60);
            QCOMPARE(edit(0).commodities[k].commodity, std::string(kCommodityIdentifiers[k + 10]));
        }
        QCOMPARE(edit(0).commodities[3], (CommodityEntry{"FASTFOOD", 100}));
        QVERIFY(boxes_->shown.isEmpty());
    }

    void openingTimeOutsideTheListShowsZero() {
        edit(3).openingtime = 12;
        show(3);
        QCOMPARE(view_->cmb_BusinessOpeningTime->currentText(), QStringLiteral("0"));
        set();
        QCOMPARE(edit(3).openingtime, 0);
        for (const int hour : {9, 18, 0}) {
            edit(4).openingtime = static_cast<std::int16_t>(hour);
            show(4);
            set();
            QCOMPARE(edit(4).openingtime, hour);
        }
    }

    void storedValuesWithoutAnItemSurviveASet() {
        edit(2).minarea = 3;
        show(2);
        QCOMPARE(view_->cmb_BusinessMinArea->currentIndex(), 2);
        QCOMPARE(view_->cmb_BusinessMinArea->currentText(), QStringLiteral("3"));
        set();
        QCOMPARE(edit(2).minarea, 3);

        edit(8).minarea = 0;
        edit(8).maxarea = 60;
        edit(8).maxside = 9;
        edit(8).closingtime = -1;
        show(8);
        QCOMPARE(view_->cmb_BusinessMinArea->count(), 50);
        QCOMPARE(view_->cmb_BusinessMinArea->currentText(), QStringLiteral("0"));
        QCOMPARE(view_->cmb_BusinessMaxArea->currentText(), QStringLiteral("60"));
        QCOMPARE(view_->cmb_BusinessMaxSides->currentText(), QStringLiteral("9"));
        QCOMPARE(view_->cmb_BusinessClosingTime->currentText(), QStringLiteral("-1"));
        set();
        QCOMPARE(edit(8).minarea, 0);
        QCOMPARE(edit(8).maxarea, 60);
        QCOMPARE(edit(8).maxside, 9);
        QCOMPARE(edit(8).closingtime, -1);

        // Showing another business takes the extra items away again.
        show(9);
        QCOMPARE(view_->cmb_BusinessMinArea->count(), 49);
        QCOMPARE(view_->cmb_BusinessMaxArea->count(), 49);
        QCOMPARE(view_->cmb_BusinessMaxSides->count(), 7);
        QCOMPARE(view_->cmb_BusinessClosingTime->count(), 24);
        QCOMPARE(view_->cmb_BusinessMaxSides->currentText(), QStringLiteral("4"));

        // A user who picks a regular item stores it.
        show(8);
        view_->cmb_BusinessMaxSides->setCurrentIndex(2);
        set();
        QCOMPARE(edit(8).maxside, 3);
    }

    void setReadsNumbersFromTheBoxes() {
        struct Case {
            const char* text;
            double asDouble;
            std::int16_t asInt16;
        };
        const Case cases[] = {{"12abc", 12, 12}, {"abc", 0, 0},      {"2.5", 2.5, 2},
                              {"3.5", 3.5, 4},   {" 1 2 ", 12, 12},  {"-0.5", -0.5, 0},
                              {"", 0, 0},        {"1e2x", 100, 100}, {"+7.25", 7.25, 7}};
        for (const Case& c : cases) {
            show(13);
            const QString text = QString::fromLatin1(c.text);
            for (QLineEdit* box :
                 {view_->txt_BusinessDensity, view_->txt_BusinessTimeInStore,
                  view_->txt_BusinessElectricalNeed, view_->txt_BusinessGasNeed,
                  view_->txt_BusinessTelecomNeed, view_->txt_BusinessWaterNeed,
                  view_->txt_BusinessMinHeight, view_->txt_BusinessMaxHeight,
                  view_->txt_BusinessFootPrintBand, view_->txt_BusinessRefurbishCost,
                  view_->txt_BusinessStockCapacity}) {
                box->setText(text);
            }
            set();
            const BusinessRecord& r = edit(13);
            for (double d : {r.density, r.timeinstore, r.electricalneed, r.gasneed, r.telecomneed,
                             r.waterneed}) {
                QVERIFY2(d == c.asDouble, c.text);
            }
            for (std::int16_t i :
                 {r.minheight, r.maxheight, r.footprintband, r.refurbcost, r.stockcapacity}) {
                QVERIFY2(i == c.asInt16, c.text);
            }
        }
        // A minimum above its maximum is stored as it stands.
        view_->txt_BusinessMinHeight->setText(QStringLiteral("9"));
        view_->txt_BusinessMaxHeight->setText(QStringLiteral("2"));
        set();
        QCOMPARE(edit(13).minheight, 9);
        QCOMPARE(edit(13).maxheight, 2);
        QVERIFY(boxes_->shown.isEmpty());
    }

    // --- Set and Reset -----------------------------------------------------------

    void setMarksTheBusinessAndRaisesBothFlags() {
        show(15);
        const BusinessRecord before = edit(15);
        set();
        QVERIFY(edit(15).changed);
        QVERIFY(ctx_->state.bBusinessHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QVERIFY(!ctx_->state.bBlockHasChanged && !ctx_->state.bCityHasChanged &&
                !ctx_->state.bCommodityHasChanged);
        // An unedited business stores what it shows: its values, the doubles
        // in their two-decimal form (a telecom need of 0.125 shows as 0.13).
        BusinessRecord expected = before;
        expected.changed = true;
        expected.telecomneed = 0.13;
        QCOMPARE(edit(15), expected);
        QCOMPARE(loaded(15).changed, false);
    }

    void resetRestoresLoadedValuesWithoutMarking() {
        show(16);
        QTest::mouseClick(view_->cmd_BusinessReset, Qt::LeftButton);
        QVERIFY(ctx_->state.bBusinessHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QVERIFY(!edit(16).changed);

        // Set, then Reset: loaded values back in the record and the boxes;
        // the business stays marked; name and identifier untouched.
        view_->txt_BusinessDensity->setText(QStringLiteral("9"));
        view_->cmb_BusinessMaxSides->setCurrentIndex(6);
        list(0)->setCurrentIndex(BusinessView::kNoneItem);
        list(4)->setCurrentIndex(3);
        set();
        edit(16).displayName = "Renamed";
        QTest::mouseClick(view_->cmd_BusinessReset, Qt::LeftButton);
        BusinessRecord expected = loaded(16);
        expected.displayName = "Renamed";
        expected.changed = true;
        QCOMPARE(edit(16), expected);
        QCOMPARE(view_->txt_BusinessDensity->text(), QStringLiteral("1.50"));
        QCOMPARE(view_->cmb_BusinessMaxSides->currentText(), QStringLiteral("4"));
        QCOMPARE(slotShows(0), QStringLiteral("Electrical Goods/100"));
        QCOMPARE(slotShows(4), QStringLiteral("None/0"));
        QCOMPARE(view_->cmd_BusinessSet->toolTip(), QStringLiteral("Set Renamed properties."));
    }

    void choosingAnotherBusinessDiscardsEdits() {
        show(20);
        view_->txt_BusinessDensity->setText(QStringLiteral("77"));
        amount(0)->setText(QStringLiteral("5"));
        show(21);
        view_->lst_BusinessName->setCurrentRow(20);
        QCOMPARE(view_->txt_BusinessDensity->text(), QStringLiteral("1.50"));
        QCOMPARE(amount(0)->text(), QStringLiteral("100"));
        QCOMPARE(edit(20), loaded(20));
        QVERIFY(!anyFlag());
    }

    void numbersOutsideTheFieldAreRefused() {
        struct Case {
            QLineEdit* box;
            const char* text;
            const char* message;
        };
        const Case cases[] = {
            {view_->txt_BusinessMinHeight, "32768",
             "Min. Height must be a whole number from -32768 to 32767."},
            {view_->txt_BusinessRefurbishCost, "-40000",
             "Refurb Cost must be a whole number from -32768 to 32767."},
            {view_->txt_BusinessStockCapacity, "1e9",
             "Stock Cap. must be a whole number from -32768 to 32767."},
            {view_->txt_BusinessDensity, "1e999",
             "Density must be a number from -1.7e+308 to "
             "1.7e+308."},
        };
        for (const Case& c : cases) {
            boxes_->shown.clear();
            show(22);
            const BusinessRecord before = edit(22);
            view_->txt_BusinessMaxHeight->setText(QStringLiteral("5"));  // a valid edit beside
            list(1)->setCurrentIndex(2);
            c.box->setText(QString::fromLatin1(c.text));
            set();
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes_->shown[0].text, QString::fromLatin1(c.message));
            QCOMPARE(boxes_->shown[0].buttons, MsgButtons::Ok);
            QCOMPARE(edit(22), before);  // nothing of the record is stored
            QVERIFY(!anyFlag());
            QCOMPARE(c.box->text(), QString::fromLatin1(c.text));  // the typed text stays
        }
    }

    void setAndResetWithoutASelectionDoNothing() {
        view_->lst_BusinessName->setCurrentRow(-1);
        set();
        QTest::mouseClick(view_->cmd_BusinessReset, Qt::LeftButton);
        QVERIFY(!anyFlag());
        for (int n = 0; n < kBusinessCount; ++n) {
            QVERIFY(!edit(n).changed);
        }
    }

    void commodityPositions() {
        QCOMPARE(CommodityIndexOf("MEAT"), 0);
        QCOMPARE(CommodityIndexOf("FASTFOOD"), 9);
        QCOMPARE(CommodityIndexOf("STAY_OVER"), 31);
        QCOMPARE(CommodityIndexOf("meat"), 32);
        QCOMPARE(CommodityIndexOf(""), 32);
        QCOMPARE(CommodityIndexOf("MEAT "), 32);
        QCOMPARE(CommodityIndexOf("FRUIT_AND_VEG_X"), 32);
        QCOMPARE(CommodityCodeAt(0), std::string("MEAT"));
        QCOMPARE(CommodityCodeAt(29), std::string("CELL_PHONES"));
        QCOMPARE(CommodityCodeAt(31), std::string("STAY_OVER"));
        QCOMPARE(CommodityCodeAt(32), std::string());
        QCOMPARE(CommodityCodeAt(-1), std::string());
        QCOMPARE(CommodityCodeAt(1000), std::string());
        for (int i = 0; i < kCommodityCount; ++i) {
            QCOMPARE(CommodityIndexOf(CommodityCodeAt(i)), i);
        }
    }

    void layoutIsClean() {
        show(9);
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        const QStringList problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // Commodity slots stand in two columns of three.
        auto at = [&](QWidget* w) { return w->mapTo(view_.get(), QPoint(0, 0)); };
        QVERIFY(at(list(0)).y() < at(list(1)).y() && at(list(1)).y() < at(list(2)).y());
        QCOMPARE(at(list(3)).y(), at(list(0)).y());
        QVERIFY(at(list(3)).x() > at(amount(0)).x());
        test::saveScreenshot(view_.get(), QStringLiteral("view_business.png"));
    }
};

QTEST_MAIN(BusinessEditorTest)
#include "test_business_editor.moc"
