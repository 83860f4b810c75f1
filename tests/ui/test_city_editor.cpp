// Window tests of the city and commodity editor: the city tweaks with their
// locked railroad group, and the commodity properties.

#include <QComboBox>
#include <QGroupBox>
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

class CityEditorTest : public QObject {
    Q_OBJECT

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
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
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

    void showCityTweaksFillsTheControls() {
        const std::pair<QString, QString> shown[] = {
            {view_->txt_Years->text(), "4"},
            {view_->txt_Lease->text(), "720"},
            {view_->cmb_CityOwnable->currentText(), "True"},
            {view_->cmb_DaysOff->currentText(), "False"},
            {view_->txt_multiE->text(), "1.5"},
            {view_->txt_multiM->text(), "1.3"},
            {view_->txt_multiH->text(), "0.8"},
            {view_->txt_freightE->text(), "3000"},
            {view_->txt_freightM->text(), "2000"},
            {view_->txt_freightH->text(), "1000"}};
        for (const auto& [actual, expected] : shown) {
            QCOMPARE(actual, expected);
        }
        QVERIFY(view_->frame_city_railroad->isEnabled());
        QVERIFY(!anyFlag());

        tweaks().daysoff = true;
        view_->ShowCityTweaks();
        QCOMPARE(view_->cmb_DaysOff->currentText(), QStringLiteral("True"));
        view_->cmb_DaysOff->setCurrentIndex(0);
        click(view_->cmd_CitySet);
        QVERIFY(!tweaks().daysoff);
    }

    void citySetReadsAndRoundsTheBoxes() {
        const std::pair<const char*, std::int32_t> cases[] = {
            {"3.5", 4}, {"2.5", 2}, {"abc", 0}, {"-7.5", -8}, {"-2147483648", -2147483647 - 1}};
        for (const auto& [text, stored] : cases) {
            for (QLineEdit* box : {view_->txt_Lease, view_->txt_Years, view_->txt_freightE,
                                   view_->txt_freightM, view_->txt_freightH}) {
                box->setText(QString::fromLatin1(text));
            }
            click(view_->cmd_CitySet);
            for (std::int32_t v :
                 {tweaks().blockleaselength, tweaks().numyearsin24hours, tweaks().dailyfreightEASY,
                  tweaks().dailyfreightMEDIUM, tweaks().dailyfreightHARD}) {
                QVERIFY2(v == stored, text);
            }
            QCOMPARE(view_->txt_Lease->text(), QString::number(stored));
        }
        QVERIFY(ctx_->state.bCityHasChanged && ctx_->state.bDataHasChanged);
        QVERIFY(!ctx_->state.bCommodityHasChanged);

        // Multipliers keep what was typed; the boxes then show one decimal.
        view_->txt_multiE->setText(QStringLiteral("1.25"));
        view_->txt_multiH->setText(QStringLiteral("x"));
        view_->cmb_CityOwnable->setCurrentIndex(0);
        click(view_->cmd_CitySet);
        QCOMPARE(tweaks().railutilincomeEASY, 1.25);
        QCOMPARE(tweaks().railutilincomeHARD, 0.0);
        QVERIFY(!tweaks().citybusinessesownable);
        QCOMPARE(view_->txt_multiE->text(), QStringLiteral("1.3"));
        QCOMPARE(tweaks().code, std::string("Tweaks"));
    }

    void lockedRailroadGroupKeepsItsShownValues() {
        ctx_->state.bVersionCompatible = false;
        tweaks().railutilincomeEASY = 1.25;
        view_->ShowCityTweaks();
        QVERIFY(view_->frame_city_misc->isEnabled());
        for (QLineEdit* box : railroadBoxes()) {
            QVERIFY(!box->isEnabled());
            QVERIFY(!box->text().isEmpty());
        }
        view_->txt_Lease->setText(QStringLiteral("100"));
        click(view_->cmd_CitySet);
        QCOMPARE(tweaks().blockleaselength, 100);
        // Stored as shown: freights as they were, multipliers with one decimal.
        QCOMPARE(tweaks().dailyfreightEASY, 3000);
        QCOMPARE(tweaks().dailyfreightHARD, 1000);
        QCOMPARE(tweaks().railutilincomeEASY, 1.3);
        QCOMPARE(tweaks().railutilincomeHARD, 0.8);

        // Nothing unlocks the group again while the view lives.
        ctx_->state.bVersionCompatible = true;
        view_->ShowCityTweaks();
        click(view_->cmd_cityReset);
        QVERIFY(!view_->frame_city_railroad->isEnabled());
    }

    void cityResetBringsBackTheLoadedTweaks() {
        view_->txt_Lease->setText(QStringLiteral("1"));
        view_->cmb_DaysOff->setCurrentIndex(1);
        click(view_->cmd_CitySet);
        tweaks().code = "Kept";
        ctx_->state.bDataHasChanged = ctx_->state.bCityHasChanged = false;
        click(view_->cmd_cityReset);
        TweaksRecord expected = ctx_->state.model.Tweaks;
        expected.code = "Kept";
        QCOMPARE(tweaks(), expected);
        QVERIFY(ctx_->state.bCityHasChanged && ctx_->state.bDataHasChanged);
        QCOMPARE(view_->txt_Lease->text(), QStringLiteral("720"));
        QCOMPARE(view_->cmb_DaysOff->currentText(), QStringLiteral("False"));
    }

    void cityNumbersOutsideTheFieldAreRefused() {
        const std::pair<QLineEdit*, const char*> cases[] = {{view_->txt_Lease, "2147483648"},
                                                            {view_->txt_Years, "-2147483649"},
                                                            {view_->txt_freightM, "1e20"},
                                                            {view_->txt_multiH, "1e309"}};
        const TweaksRecord before = tweaks();
        for (const auto& [box, text] : cases) {
            boxes_->shown.clear();
            view_->ShowCityTweaks();
            view_->txt_freightE->setText(QStringLiteral("5"));  // a valid edit beside
            box->setText(QString::fromLatin1(text));
            click(view_->cmd_CitySet);
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(tweaks(), before);
            QVERIFY(!anyFlag());
            QCOMPARE(box->text(), QString::fromLatin1(text));
        }
        QCOMPARE(boxes_->shown[0].text,
                 "Railroad/Utility Multiplyer (Hard) must be a number from -1.7e+308 to 1.7e+308.");
        view_->txt_Lease->setText(QStringLiteral("3000000000"));
        click(view_->cmd_CitySet);
        QCOMPARE(boxes_->shown.last().text,
                 "Block Lease Length (Hours) must be a whole number from -2147483648 to "
                 "2147483647.");
    }

    void showingACommodity() {
        show(3);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("4.50"));
        QCOMPARE(view_->txt_Value->text(), QStringLiteral("30.75"));
        QCOMPARE(view_->cmb_CommodityMembership->currentText(), QStringLiteral("Main"));
        QCOMPARE(view_->cmd_CommoditySet->toolTip(), QStringLiteral("Set Bread properties."));
        QCOMPARE(view_->cmd_CommodityReset->toolTip(), QStringLiteral("Reset Bread properties."));

        // A markup longer than the box takes is shown whole, not cut.
        edit(6).markup = 123456789.5;
        show(6);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("123456789.50"));
        click(view_->cmd_CommoditySet);
        QCOMPARE(edit(6).markup, 123456789.5);
        show(7);
        QCOMPARE(view_->txt_Markup->maxLength(), 10);
    }

    void membershipMapping() {
        const std::pair<const char*, const char*> shown[] = {
            {"MAINSHOPPING", "Main"},
            {"ENTERTAINMENTSHOPPING", "Entertainment"},
            {"STAYOVERSHOPPING", "Stay Over"},
            {"", "Stay Over"},
            {"mainshopping", "Stay Over"}};
        for (const auto& [membership, item] : shown) {
            edit(8).membership = membership;
            show(8);
            QCOMPARE(view_->cmb_CommodityMembership->currentText(), QString::fromLatin1(item));
        }
        click(view_->cmd_CommoditySet);  // empty / unknown is stored as Stay Over
        QCOMPARE(edit(8).membership, std::string("STAYOVERSHOPPING"));
        const char* stored[] = {"MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"};
        for (int item = 0; item < 3; ++item) {
            view_->cmb_CommodityMembership->setCurrentIndex(item);
            click(view_->cmd_CommoditySet);
            QCOMPARE(edit(8).membership, std::string(stored[item]));
        }
    }

    void commoditySetMarksAndResetDoesNot() {
        show(10);
        click(view_->cmd_CommodityReset);
        QVERIFY(ctx_->state.bCommodityHasChanged && ctx_->state.bDataHasChanged);
        QVERIFY(!edit(10).changed);

        view_->txt_Markup->setText(QStringLiteral("12abc"));
        view_->txt_Value->setText(QStringLiteral(" 2 . 5"));
        view_->cmb_CommodityMembership->setCurrentIndex(0);
        click(view_->cmd_CommoditySet);
        QCOMPARE(edit(10).markup, 12.0);
        QCOMPARE(edit(10).value, 2.5);
        QCOMPARE(edit(10).membership, std::string("MAINSHOPPING"));
        QVERIFY(edit(10).changed);
        QVERIFY(!ctx_->state.bCityHasChanged && !ctx_->state.bBusinessHasChanged);

        edit(10).displayName = "Renamed";
        click(view_->cmd_CommodityReset);
        CommodityRecord expected = loaded(10);
        expected.displayName = "Renamed";
        expected.changed = true;
        QCOMPARE(edit(10), expected);
        QCOMPARE(view_->txt_Markup->text(), QStringLiteral("11.50"));
        QCOMPARE(view_->cmb_CommodityMembership->currentText(), QStringLiteral("Entertainment"));
    }

    void commodityEditsAndRefusals() {
        show(11);
        view_->txt_Value->setText(QStringLiteral("999"));
        show(12);  // choosing another commodity drops the edit
        view_->lst_CommodityName->setCurrentRow(11);
        QCOMPARE(view_->txt_Value->text(), QStringLiteral("112.75"));
        QCOMPARE(edit(11), loaded(11));

        const CommodityRecord before = edit(11);
        view_->txt_Value->setText(QStringLiteral("1e999"));
        view_->cmb_CommodityMembership->setCurrentIndex(0);
        click(view_->cmd_CommoditySet);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].text, "Value must be a number from -1.7e+308 to 1.7e+308.");
        QCOMPARE(edit(11), before);
        QVERIFY(!anyFlag());

        view_->lst_CommodityName->setCurrentRow(-1);  // no selection: nothing to do
        click(view_->cmd_CommoditySet);
        click(view_->cmd_CommodityReset);
        QVERIFY(!anyFlag());
    }

    void layoutAndTabOrder() {
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        const QStringList problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        auto at = [&](QWidget* w) { return w->mapTo(view_.get(), QPoint(0, 0)); };
        QVERIFY(at(view_->txt_multiE).x() < at(view_->txt_freightE).x());
        QVERIFY(at(view_->txt_multiE).y() < at(view_->txt_multiM).y());
        QVERIFY(at(view_->txt_multiM).y() < at(view_->txt_multiH).y());
        QCOMPARE(at(view_->txt_multiH).y(), at(view_->txt_freightH).y());
        QVERIFY(at(view_->frame_city_misc).y() < at(view_->frame_city_railroad).y());

        const QList<QWidget*> order = {view_->cmb_CityOwnable,   view_->cmb_DaysOff,
                                       view_->txt_Years,         view_->txt_Lease,
                                       view_->txt_multiE,        view_->txt_multiM,
                                       view_->txt_multiH,        view_->txt_freightE,
                                       view_->txt_freightM,      view_->txt_freightH,
                                       view_->cmd_CitySet,       view_->cmd_cityReset,
                                       view_->lst_CommodityName, view_->txt_Markup,
                                       view_->txt_Value,         view_->cmb_CommodityMembership,
                                       view_->cmd_CommoditySet,  view_->cmd_CommodityReset};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QCOMPARE(test::nextTabStop(order[i - 1]), order[i]);
        }
        test::saveScreenshot(view_.get(), QStringLiteral("view_citycom.png"));
    }
};

QTEST_MAIN(CityEditorTest)
#include "test_city_editor.moc"
