// Window tests of the city and commodity editor: the city tweaks with their
// locked railroad group, and the commodity properties.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "project/app_context.h"
#include "support/editor_model.h"
#include "support/scripted_message_box.h"
#include "support/view_checks.h"
#include "ui/city_view.h"

using namespace tg;
using tg::test::qs;

class CityEditorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<test::ScriptedMessageBox> boxes_;
    std::unique_ptr<CityCommodityView> view_;

    TweaksRecord& tweaks() { return ctx_->state.model.EditTweaks; }
    CommodityRecord& edit(int n) {
        return ctx_->state.model.EditCommodities[static_cast<std::size_t>(n)];
    }
    CommodityRecord& loaded(int n) {
        return ctx_->state.model.Commodities[static_cast<std::size_t>(n)];
    }
    bool anyFlag() const {
        const EditorState& s = ctx_->state;
        return s.bBlockHasChanged || s.bBusinessHasChanged || s.bCityHasChanged ||
               s.bCommodityHasChanged || s.bDataHasChanged;
    }
    void citySet() { QTest::mouseClick(view_->cmd_CitySet, Qt::LeftButton); }
    void commoditySet() { QTest::mouseClick(view_->cmd_CommoditySet, Qt::LeftButton); }
    void show(int n) {
        view_->lst_CommodityName->setCurrentRow(n == 0 ? 1 : 0);
        view_->lst_CommodityName->setCurrentRow(n);
    }
    QList<QLineEdit*> railroadBoxes() {
        return {view_->txt_multiE,   view_->txt_multiM,   view_->txt_multiH,
                view_->txt_freightE, view_->txt_freightM, view_->txt_freightH};
    }

private slots:
    void init() {
        ctx_ = std::make_unique<AppContext>(folder_.path().toStdString());
        test::fillEditorModel(ctx_->state.model);
        boxes_ = std::make_unique<test::ScriptedMessageBox>();
        view_ = std::make_unique<CityCommodityView>(*ctx_, *boxes_);
        // As the main window loads a project.
        view_->fillNames();
        view_->fillLists();
        view_->lst_CommodityName->setCurrentRow(0);
        view_->ShowCityTweaks();
    }
    void cleanup() {
        view_.reset();
        boxes_.reset();
        ctx_.reset();
    }

    // --- captions and lists ----------------------------------------------------

    void captionsListsAndTooltips() {
        QCOMPARE(view_->frame_city_misc->title(), QStringLiteral("Misc. City Tweaks"));
        QCOMPARE(view_->frame_city_railroad->title(),
                 QStringLiteral("Railroad/Utility City Tweaks"));
        QCOMPARE(view_->frame_commodity->title(), QStringLiteral("Commodity Properties"));
        QCOMPARE(view_->cmd_CitySet->text(), QStringLiteral("City Set"));
        QCOMPARE(view_->cmd_cityReset->text(), QStringLiteral("City Reset"));
        QCOMPARE(view_->cmd_CommoditySet->text(), QStringLiteral("&Set"));
        QCOMPARE(view_->cmd_CommodityReset->text(), QStringLiteral("&Reset"));
        QCOMPARE(view_->txt_Markup->toolTip(), QStringLiteral("Markup"));
        QCOMPARE(view_->txt_Value->toolTip(), QStringLiteral("Value"));
        QCOMPARE(view_->txt_Markup->maxLength(), 10);
        QCOMPARE(view_->lbl_CityHelp->text(),
                 QStringLiteral("To edit the properties for the city make changes to the "
                                "appropriate boxes below.  To save the changes click the \"City "
                                "Set\" button before exiting TG Edit.  To return to the default "
                                "city settings click the \"City Reset\" button."));
        QCOMPARE(view_->lbl_CommodityHelp->text(),
                 QStringLiteral("To edit the properties for a commodity select the commodity "
                                "from the list and make any changes in the boxes.  To save the "
                                "changes click the \"Set\" button before editing another "
                                "commodity.  To return to the default commodity settings click "
                                "the \"Reset\" button."));

        auto buddyCaption = [&](QWidget* field) {
            for (QLabel* label : view_->findChildren<QLabel*>()) {
                if (label->buddy() == field) {
                    return label->text();
                }
            }
            return QString();
        };
        QCOMPARE(buddyCaption(view_->cmb_CityOwnable), QStringLiteral("City Businesses Ownable"));
        QCOMPARE(buddyCaption(view_->cmb_DaysOff), QStringLiteral("Days Off"));
        QCOMPARE(buddyCaption(view_->txt_Years), QStringLiteral("Number of Years in 24 Hours"));
        QCOMPARE(buddyCaption(view_->txt_Lease), QStringLiteral("Block Lease Length (Hours)"));
        QCOMPARE(buddyCaption(view_->txt_multiE),
                 QStringLiteral("Railroad/Utility Multiplyer (Easy)"));
        QCOMPARE(buddyCaption(view_->txt_multiM),
                 QStringLiteral("Railroad/Utility Multiplyer (Medium)"));
        QCOMPARE(buddyCaption(view_->txt_multiH),
                 QStringLiteral("Railroad/Utility Multiplyer (Hard)"));
        QCOMPARE(buddyCaption(view_->txt_freightE),
                 QStringLiteral("Railroad Daily Freight (Easy)"));
        QCOMPARE(buddyCaption(view_->txt_freightM),
                 QStringLiteral("Railroad Daily Freight (Medium)"));
        QCOMPARE(buddyCaption(view_->txt_freightH),
                 QStringLiteral("Railroad Daily Freight (Hard)"));
        QCOMPARE(buddyCaption(view_->cmb_CommodityMembership), QStringLiteral("Membership"));
        for (QLineEdit* box : railroadBoxes()) {
            QCOMPARE(box->parentWidget(), view_->frame_city_railroad);
        }

        QCOMPARE(view_->cmb_DaysOff->count(), 2);
        QCOMPARE(view_->cmb_DaysOff->itemText(0), QStringLiteral("False"));
        QCOMPARE(view_->cmb_CityOwnable->itemText(1), QStringLiteral("True"));
        QCOMPARE(view_->cmb_CommodityMembership->count(), 3);
        QCOMPARE(view_->cmb_CommodityMembership->itemText(0), QStringLiteral("Main"));
        QCOMPARE(view_->cmb_CommodityMembership->itemText(1), QStringLiteral("Entertainment"));
        QCOMPARE(view_->cmb_CommodityMembership->itemText(2), QStringLiteral("Stay Over"));
        QCOMPARE(view_->lst_CommodityName->count(), kCommodityCount);
        QCOMPARE(view_->lst_CommodityName->item(31)->text(), QStringLiteral("Stay Over"));

        show(12);
        QCOMPARE(view_->cmd_CommoditySet->toolTip(), QStringLiteral("Set Music Tapes properties."));
        QCOMPARE(view_->cmd_CommodityReset->toolTip(),
                 QStringLiteral("Reset Music Tapes properties."));
    }

    void layoutAndTabOrder() {
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        const QStringList problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        auto at = [&](QWidget* w) { return w->mapTo(view_.get(), QPoint(0, 0)); };
        // Multipliers on the left, freights on the right, Easy at the top.
        QVERIFY(at(view_->txt_multiE).x() < at(view_->txt_freightE).x());
        QVERIFY(at(view_->txt_multiE).y() < at(view_->txt_multiM).y());
        QVERIFY(at(view_->txt_multiM).y() < at(view_->txt_multiH).y());
        QCOMPARE(at(view_->txt_multiH).y(), at(view_->txt_freightH).y());
        QVERIFY(at(view_->frame_city_misc).y() < at(view_->frame_city_railroad).y());

        const QList<QWidget*> expected = {view_->cmb_CityOwnable,   view_->cmb_DaysOff,
                                          view_->txt_Years,         view_->txt_Lease,
                                          view_->txt_multiE,        view_->txt_multiM,
                                          view_->txt_multiH,        view_->txt_freightE,
                                          view_->txt_freightM,      view_->txt_freightH,
                                          view_->cmd_CitySet,       view_->cmd_cityReset,
                                          view_->lst_CommodityName, view_->txt_Markup,
                                          view_->txt_Value,         view_->cmb_CommodityMembership,
                                          view_->cmd_CommoditySet,  view_->cmd_CommodityReset};
        QWidget* w = expected.first();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            do {
                w = w->nextInFocusChain();
            } while (w->focusPolicy() == Qt::NoFocus || !w->isVisible());
            QCOMPARE(w, expected[i]);
        }
        test::saveScreenshot(view_.get(), QStringLiteral("view_citycom.png"));
    }

    // --- city tweaks -------------------------------------------------------------

    void showCityTweaksFillsTheBoxes() {
        QCOMPARE(view_->txt_Years->text(), QStringLiteral("4"));
        QCOMPARE(view_->txt_Lease->text(), QStringLiteral("720"));
        QCOMPARE(view_->cmb_CityOwnable->currentText(), QStringLiteral("True"));
        QCOMPARE(view_->cmb_DaysOff->currentText(), QStringLiteral("False"));
        QCOMPARE(view_->txt_multiE->text(), QStringLiteral("1.5"));
        QCOMPARE(view_->txt_multiM->text(), QStringLiteral("1.3"));
        QCOMPARE(view_->txt_multiH->text(), QStringLiteral("0.8"));
        QCOMPARE(view_->txt_freightE->text(), QStringLiteral("3000"));
        QCOMPARE(view_->txt_freightM->text(), QStringLiteral("2000"));
        QCOMPARE(view_->txt_freightH->text(), QStringLiteral("1000"));
        QVERIFY(view_->frame_city_railroad->isEnabled());
        QVERIFY(!anyFlag());

        tweaks().daysoff = true;
        tweaks().numyearsin24hours = -2147483647 - 1;
        view_->ShowCityTweaks();
        QCOMPARE(view_->cmb_DaysOff->currentText(), QStringLiteral("True"));
        QCOMPARE(view_->txt_Years->text(), QStringLiteral("-2147483648"));
        view_->cmb_DaysOff->setCurrentIndex(0);
        citySet();
        QVERIFY(!tweaks().daysoff);
    }

    void citySetReadsAndRoundsTheBoxes() {
        struct Case {
            const char* text;
            std::int32_t stored;
        };
        const Case cases[] = {{"3.5", 4},
                              {"2.5", 2},
                              {"abc", 0},
                              {"-7.5", -8},
                              {"12abc", 12},
                              {"2147483647", 2147483647},
                              {"-2147483648", -2147483647 - 1}};
        for (const Case& c : cases) {
            const QString text = QString::fromLatin1(c.text);
            for (QLineEdit* box : {view_->txt_Lease, view_->txt_Years, view_->txt_freightE,
                                   view_->txt_freightM, view_->txt_freightH}) {
                box->setText(text);
            }
            citySet();
            for (std::int32_t v :
                 {tweaks().blockleaselength, tweaks().numyearsin24hours, tweaks().dailyfreightEASY,
                  tweaks().dailyfreightMEDIUM, tweaks().dailyfreightHARD}) {
                QVERIFY2(v == c.stored, c.text);
            }
            QCOMPARE(view_->txt_Lease->text(), QString::number(c.stored));
        }
        QVERIFY(ctx_->state.bCityHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QVERIFY(!ctx_->state.bCommodityHasChanged);

        view_->txt_multiE->setText(QStringLiteral("1.25"));
        view_->txt_multiM->setText(QStringLiteral("2.25"));
        view_->txt_multiH->setText(QStringLiteral("x"));
        view_->cmb_CityOwnable->setCurrentIndex(0);
        citySet();
        QCOMPARE(tweaks().railutilincomeEASY, 1.25);
        QCOMPARE(tweaks().railutilincomeMEDIUM, 2.25);
        QCOMPARE(tweaks().railutilincomeHARD, 0.0);
        QVERIFY(!tweaks().citybusinessesownable);
        QCOMPARE(view_->txt_multiE->text(), QStringLiteral("1.3"));
        QCOMPARE(view_->txt_multiM->text(), QStringLiteral("2.3"));
        QCOMPARE(tweaks().code, std::string("Tweaks"));
        QVERIFY(boxes_->shown.isEmpty());
    }

    void lockedRailroadGroupKeepsItsShownValues() {
        ctx_->state.bVersionCompatible = false;
        tweaks().railutilincomeEASY = 1.25;
        view_->ShowCityTweaks();
        QVERIFY(!view_->frame_city_railroad->isEnabled());
        for (QLineEdit* box : railroadBoxes()) {
            QVERIFY(!box->isEnabled());
            QVERIFY(!box->text().isEmpty());
        }
        QVERIFY(view_->frame_city_misc->isEnabled());
        QCOMPARE(view_->txt_multiE->text(), QStringLiteral("1.3"));

        view_->txt_Lease->setText(QStringLiteral("100"));
        citySet();
        QCOMPARE(tweaks().blockleaselength, 100);
        // Stored as shown: the freights as they were, the multipliers in their
        // one-decimal form.
        QCOMPARE(tweaks().dailyfreightEASY, 3000);
        QCOMPARE(tweaks().dailyfreightMEDIUM, 2000);
        QCOMPARE(tweaks().dailyfreightHARD, 1000);
        QCOMPARE(tweaks().railutilincomeEASY, 1.3);
        QCOMPARE(tweaks().railutilincomeMEDIUM, 1.3);
        QCOMPARE(tweaks().railutilincomeHARD, 0.8);

        // Nothing unlocks the group again while the view lives.
        ctx_->state.bVersionCompatible = true;
        view_->ShowCityTweaks();
        QTest::mouseClick(view_->cmd_cityReset, Qt::LeftButton);
        QVERIFY(!view_->frame_city_railroad->isEnabled());
    }

    void cityResetBringsBackTheLoadedTweaks() {
        view_->txt_Lease->setText(QStringLiteral("1"));
        view_->txt_freightH->setText(QStringLiteral("2"));
        view_->cmb_DaysOff->setCurrentIndex(1);
        citySet();
        tweaks().code = "Kept";
        ctx_->state.bDataHasChanged = false;
        ctx_->state.bCityHasChanged = false;
        QTest::mouseClick(view_->cmd_cityReset, Qt::LeftButton);
        TweaksRecord expected = ctx_->state.model.Tweaks;
        expected.code = "Kept";
        QCOMPARE(tweaks(), expected);
        QVERIFY(ctx_->state.bCityHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QCOMPARE(view_->txt_Lease->text(), QStringLiteral("720"));
        QCOMPARE(view_->txt_freightH->text(), QStringLiteral("1000"));
        QCOMPARE(view_->cmb_DaysOff->currentText(), QStringLiteral("False"));
    }

    void cityNumbersOutsideTheFieldAreRefused() {
        const std::pair<QLineEdit*, const char*> cases[] = {
            {view_->txt_Lease, "2147483648"},
            {view_->txt_Years, "-2147483649"},
            {view_->txt_freightM, "1e20"},
            {view_->txt_multiH, "1e309"},
        };
        const TweaksRecord before = tweaks();
        for (const auto& [box, text] : cases) {
            boxes_->shown.clear();
            view_->ShowCityTweaks();
            view_->txt_freightE->setText(QStringLiteral("5"));  // a valid edit beside
            box->setText(QString::fromLatin1(text));
            citySet();
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(tweaks(), before);
            QVERIFY(!anyFlag());
            QCOMPARE(box->text(), QString::fromLatin1(text));
        }
        view_->txt_Lease->setText(QStringLiteral("3000000000"));
        boxes_->shown.clear();
        citySet();
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Block Lease Length (Hours) must be a whole number from "
                                "-2147483648 to 2147483647."));
    }

    // --- commodities -------------------------------------------------------------

    void showingACommodity() {
        show(3);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("4.50"));
        QCOMPARE(view_->txt_Value->text(), QStringLiteral("30.75"));
        QCOMPARE(view_->cmb_CommodityMembership->currentText(), QStringLiteral("Main"));
        show(4);
        QCOMPARE(view_->cmb_CommodityMembership->currentText(), QStringLiteral("Entertainment"));
        QCOMPARE(view_->txt_Value->text(), QStringLiteral("41.00"));

        // A markup longer than the box takes is shown whole, not cut.
        edit(6).markup = 123456789.5;
        show(6);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("123456789.50"));
        commoditySet();
        QCOMPARE(edit(6).markup, 123456789.5);
        show(7);
        QCOMPARE(view_->txt_Markup->maxLength(), 10);
    }

    void membershipMapping() {
        const std::pair<const char*, const char*> shown[] = {
            {"MAINSHOPPING", "Main"},          {"ENTERTAINMENTSHOPPING", "Entertainment"},
            {"STAYOVERSHOPPING", "Stay Over"}, {"", "Stay Over"},
            {"mainshopping", "Stay Over"},     {"MAINSHOPPING ", "Stay Over"},
        };
        for (const auto& [membership, item] : shown) {
            edit(8).membership = membership;
            show(8);
            QCOMPARE(view_->cmb_CommodityMembership->currentText(), QString::fromLatin1(item));
        }
        const char* stored[] = {"MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"};
        for (int item = 0; item < 3; ++item) {
            view_->cmb_CommodityMembership->setCurrentIndex(item);
            commoditySet();
            QCOMPARE(edit(8).membership, std::string(stored[item]));
        }
        // Empty shows Stay Over, and Set then names it.
        edit(9).membership.clear();
        show(9);
        commoditySet();
        QCOMPARE(edit(9).membership, std::string("STAYOVERSHOPPING"));
    }

    void commoditySetMarksAndResetDoesNot() {
        show(10);
        QTest::mouseClick(view_->cmd_CommodityReset, Qt::LeftButton);
        QVERIFY(ctx_->state.bCommodityHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QVERIFY(!edit(10).changed);

        view_->txt_Markup->setText(QStringLiteral("12abc"));
        view_->txt_Value->setText(QStringLiteral(" 2 . 5"));
        view_->cmb_CommodityMembership->setCurrentIndex(0);
        commoditySet();
        QCOMPARE(edit(10).markup, 12.0);
        QCOMPARE(edit(10).value, 2.5);
        QCOMPARE(edit(10).membership, std::string("MAINSHOPPING"));
        QVERIFY(edit(10).changed);
        QVERIFY(!ctx_->state.bCityHasChanged && !ctx_->state.bBusinessHasChanged);

        edit(10).displayName = "Renamed";
        QTest::mouseClick(view_->cmd_CommodityReset, Qt::LeftButton);
        CommodityRecord expected = loaded(10);
        expected.displayName = "Renamed";
        expected.changed = true;
        QCOMPARE(edit(10), expected);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("11.50"));
        QCOMPARE(view_->cmb_CommodityMembership->currentText(), QStringLiteral("Entertainment"));
        QCOMPARE(view_->cmd_CommoditySet->toolTip(), QStringLiteral("Set Renamed properties."));
    }

    void choosingAnotherCommodityDiscardsEdits() {
        show(11);
        view_->txt_Value->setText(QStringLiteral("999"));
        show(12);
        view_->lst_CommodityName->setCurrentRow(11);
        QCOMPARE(view_->txt_Value->text(), QStringLiteral("112.75"));
        QCOMPARE(edit(11), loaded(11));
        QVERIFY(!anyFlag());
    }

    void commodityNumbersOutsideADoubleAreRefused() {
        show(13);
        const CommodityRecord before = edit(13);
        view_->txt_Value->setText(QStringLiteral("1e999"));
        view_->cmb_CommodityMembership->setCurrentIndex(0);
        commoditySet();
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Value must be a number from -1.7e+308 to 1.7e+308."));
        QCOMPARE(edit(13), before);
        QVERIFY(!anyFlag());
    }

    void setAndResetWithoutASelectionDoNothing() {
        view_->lst_CommodityName->setCurrentRow(-1);
        commoditySet();
        QTest::mouseClick(view_->cmd_CommodityReset, Qt::LeftButton);
        QVERIFY(!anyFlag());
    }
};

QTEST_MAIN(CityEditorTest)
#include "test_city_editor.moc"
