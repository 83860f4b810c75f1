// The three editors of the main window as the user works them, on the
// stand-in game's project: a block through the map and its dialog, a
// business with its commodity slots, the city tweaks and a commodity. Each
// flow ends with a save, and the values are read back from the scripts.

#include "ui/support/ui_support.h"

using namespace tg;
using namespace tg::test;
using namespace Qt::StringLiterals;

namespace {

// Texts typed into two boxes and what Set stores from them.
using Typed = std::tuple<const char*, const char*, double, double>;

// The five change flags: block, business, city, commodity, data.
QList<bool> flagsOf(const EditorState& s) {
    return {s.bBlockHasChanged, s.bBusinessHasChanged, s.bCityHasChanged, s.bCommodityHasChanged,
            s.bDataHasChanged};
}

}  // namespace

class EditorsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void blockEditedThroughTheMap() {
        MainSession s;
        BlockView* map = s.open()->frame_block;
        const BlockRecord& airport = s.ctx.state.model.EditBlocks[5];
        QTest::mouseMove(map->img_block[20], QPoint(5, 5));
        QTRY_COMPARE(map->img_block[20]->toolTip(), u"Selverton"_s);

        // The bus and taxi depot (slot 3) cannot be edited; the airport (5)
        // has a note, then its dialog on the working record.
        QTest::mouseDClick(map->img_block[3], Qt::LeftButton);
        QCOMPARE(s.ctx.state.CurrentBlock, 3);
        WhenModal<frm_blockedit> edit([&](frm_blockedit* d) {
            QCOMPARE(
                s.boxes.texts(),
                (QStringList{u"Editing of this block has been disabled in this version of "
                             u"TG Edit."_s,
                             u"Note: Editing of this block generally has no affect in game."_s}));
            QVERIFY(s.boxes.shown[0].icon == MsgIcon::Information);
            QCOMPARE(d->windowTitle(), u"Airport Properties"_s);
            QCOMPARE(d->txt_Value->text() + u' ' + d->txt_Prestige->text(), u"25000 2.5"_s);
            QVERIFY(d->opt_Ownability[1]->isChecked() && d->opt_BuildingRights[1]->isChecked());

            // Set reads the boxes by the number-reading rule; the dialog stays.
            const Typed typed[] = {
                {"12abc", "2.25", 12, 2.25}, {"2.5", "abc", 2, 0}, {"3.5", " 1 . 5 ", 4, 1.5}};
            for (const auto& [value, prestige, storedValue, storedPrestige] : typed) {
                d->txt_Value->setText(QString::fromLatin1(value));
                d->txt_Prestige->setText(QString::fromLatin1(prestige));
                d->cmd_Set->click();
                QVERIFY(d->isVisible() && airport.changed);
                QCOMPARE(double(airport.value), storedValue);
                QCOMPARE(airport.prestige, storedPrestige);
            }
            QCOMPARE(flagsOf(s.ctx.state), (QList<bool>{true, false, false, false, true}));

            // A value the field cannot hold is refused and nothing is stored.
            d->txt_Value->setText(u"40000"_s);
            d->opt_Ownability[0]->setChecked(true);
            d->cmd_Set->click();
            QCOMPARE(s.boxes.texts().last(),
                     u"Value must be a whole number from -32768 to 32767."_s);
            QVERIFY(airport.value == 4 && !airport.ownable);

            // Reset shows the loaded values again; the block stays marked.
            d->cmd_Reset->click();
            QCOMPARE(d->txt_Value->text(), u"25000"_s);
            QVERIFY(airport.value == 25000 && airport.changed);
            d->txt_Value->setText(u"150"_s);
            d->opt_BuildingRights[0]->setChecked(true);
            d->cmd_OK->click();
        });
        QTest::mouseDClick(map->img_block[5], Qt::LeftButton);
        QVERIFY(edit.fired);

        // Cancel, after changing the boxes, stores nothing.
        const BlockRecord zoo = s.ctx.state.model.EditBlocks[7];
        WhenModal<frm_blockedit> cancel([](frm_blockedit* d) {
            d->txt_Value->setText(u"1"_s);
            d->cmd_Cancel->click();
        });
        map->img_block_DblClick(7);
        QVERIFY(cancel.fired && s.ctx.state.model.EditBlocks[7] == zoo);

        s.window->menu_file_save->trigger();  // the loaded set now holds what was written
        const BlockRecord& saved = s.ctx.state.model.Blocks[5];
        QVERIFY(saved.value == 150 && saved.prestige == 2.5 && saved.buildingrights);
    }

    void businessSlotsSetAndReset() {
        MainSession s;
        BusinessView* v = s.open()->frame_business;
        const BusinessRecord& bakery = s.ctx.state.model.EditBusinesses[1];
        auto slot = [&](std::size_t k) {
            return v->cmb_BusinessCommodities[k]->currentText() + u'/' +
                   v->txt_BusinessCommodities[k]->text();
        };
        v->lst_BusinessName->setCurrentRow(1);
        QCOMPARE(shownIn({v->txt_BusinessDensity, v->txt_BusinessGasNeed, v->cmb_BusinessMaxArea,
                          v->cmb_BusinessOpeningTime, v->cmb_BusinessClosingTime,
                          v->txt_BusinessStockCapacity}),
                 u"1.50|0.80|4|9|17|120"_s);
        QCOMPARE(slot(0) + slot(1) + slot(2), u"Bread/80Sweets/20None/0"_s);
        QCOMPARE(v->cmd_BusinessSet->toolTip(), u"Set Bakery properties."_s);

        // The slot rules, as the user works a slot: a list item, then amounts.
        QComboBox* list = v->cmb_BusinessCommodities[2];
        QLineEdit* amount = v->txt_BusinessCommodities[2];
        const std::pair<std::function<void()>, const char*> steps[] = {
            {[&] { list->setCurrentIndex(4); }, "Dairy Produce/100"},
            {[&] { amount->setText(u"150"_s); }, "Dairy Produce/100"},
            {[&] { amount->setText(u"0.5"_s); }, "None/0"},
            {[&] { amount->setText(u"60"_s); }, "None/0"},
            {[&] { list->setCurrentIndex(4); }, "Dairy Produce/100"},
            {[&] { amount->setText(u"60"_s); }, "Dairy Produce/60"},
            {[&] { v->cmb_BusinessCommodities[1]->setCurrentIndex(32); }, "Dairy Produce/60"}};
        for (const auto& [step, expected] : steps) {
            step();
            QCOMPARE(slot(2), QString::fromLatin1(expected));
        }
        QCOMPARE(slot(1), u"None/0"_s);

        v->txt_BusinessDensity->setText(u"12abc"_s);
        v->txt_BusinessMinHeight->setText(u"2.5"_s);
        v->txt_BusinessMaxHeight->setText(u"3.5"_s);
        v->cmb_BusinessOpeningTime->setCurrentIndex(1);
        v->cmd_BusinessSet->click();
        QVERIFY(bakery.density == 12 && bakery.minheight == 2 && bakery.maxheight == 4);
        QVERIFY(bakery.openingtime == 18 && bakery.changed);
        QCOMPARE(flagsOf(s.ctx.state), (QList<bool>{false, true, false, false, true}));

        // A number the field cannot hold: nothing of the record is stored.
        const BusinessRecord before = bakery;
        v->txt_BusinessRefurbishCost->setText(u"40000"_s);
        v->txt_BusinessDensity->setText(u"7"_s);
        v->cmd_BusinessSet->click();
        QCOMPARE(s.boxes.texts(),
                 QStringList{u"Refurb Cost must be a whole number from -32768 to 32767."_s});
        QVERIFY(bakery == before);

        // Read back, the free slot no longer stands between the two commodities.
        s.window->menu_file_save->trigger();
        const std::array<CommodityEntry, kCommodityEntries> written = {
            {{"BREAD", 80}, {"DAIRY_PRODUCE", 60}, {}, {}, {}, {}}};
        QCOMPARE(s.ctx.state.model.Businesses[1].commodities, written);

        // Reset brings back what the scripts hold now; the mark stays.
        v->txt_BusinessDensity->setText(u"99"_s);
        v->cmd_BusinessReset->click();
        QCOMPARE(v->txt_BusinessDensity->text() + u' ' + slot(1), u"12.00 Dairy Produce/60"_s);
        QVERIFY(bakery.changed && s.ctx.state.bBusinessHasChanged);
    }

    void cityAndCommoditySetAndReset() {
        MainSession s;
        frm_main* w = s.open();
        w->menu_view_city->trigger();
        CityCommodityView* v = w->frame_citycom;
        const TweaksRecord& tweaks = s.ctx.state.model.EditTweaks;
        QCOMPARE(shownIn({v->txt_Years, v->txt_Lease, v->cmb_CityOwnable, v->cmb_DaysOff,
                          v->txt_multiM, v->txt_freightH}),
                 u"2|720|True|False|1.0|2500"_s);

        // City Set rounds the whole numbers half to even and keeps the
        // multipliers as typed, showing them with one decimal.
        const Typed typed[] = {{"2.5", "x", 2, 0}, {"abc", "2", 0, 2}, {"3.5", "1.25", 4, 1.25}};
        for (const auto& [lease, multiplier, storedLease, storedMultiplier] : typed) {
            v->txt_Lease->setText(QString::fromLatin1(lease));
            v->txt_multiE->setText(QString::fromLatin1(multiplier));
            v->cmb_DaysOff->setCurrentIndex(1);
            v->cmd_CitySet->click();
            QCOMPARE(double(tweaks.blockleaselength), storedLease);
            QCOMPARE(tweaks.railutilincomeEASY, storedMultiplier);
        }
        QVERIFY(v->txt_multiE->text() == u"1.3"_s && tweaks.daysoff);
        v->txt_Years->setText(u"3000000000"_s);
        v->cmd_CitySet->click();
        QCOMPARE(s.boxes.texts(), QStringList{u"Number of Years in 24 Hours must be a whole number "
                                              u"from -2147483648 to 2147483647."_s});
        QCOMPARE(tweaks.numyearsin24hours, 2);

        // The commodity Bread: shown, then set, the membership stored by its item.
        v->lst_CommodityName->setCurrentRow(3);
        QCOMPARE(shownIn({v->txt_Markup, v->cmb_CommodityMembership}), u"1.60|Main"_s);
        QCOMPARE(v->cmd_CommodityReset->toolTip(), u"Reset Bread properties."_s);
        v->txt_Markup->setText(u"12abc"_s);
        v->txt_Value->setText(u" 2 . 5"_s);
        v->cmb_CommodityMembership->setCurrentIndex(2);
        v->cmd_CommoditySet->click();
        const CommodityRecord& bread = s.ctx.state.model.EditCommodities[3];
        QVERIFY(bread.markup == 12 && bread.value == 2.5 && bread.changed);
        QCOMPARE(flagsOf(s.ctx.state), (QList<bool>{false, false, true, true, true}));

        s.window->menu_file_save->trigger();
        QVERIFY(s.ctx.state.model.Tweaks.blockleaselength == 4 && s.ctx.state.model.Tweaks.daysoff);
        QCOMPARE(s.ctx.state.model.Commodities[3].membership, std::string("STAYOVERSHOPPING"));

        // Reset brings back the saved values and raises the flags again.
        v->txt_Lease->setText(u"1"_s);
        v->cmd_cityReset->click();
        v->txt_Value->setText(u"9"_s);
        v->cmd_CommodityReset->click();
        QCOMPARE(shownIn({v->txt_Lease, v->txt_Value}), u"4|2.50"_s);
        QCOMPARE(flagsOf(s.ctx.state), (QList<bool>{false, false, true, true, true}));

        // For the one incompatible release the railroad group is locked, for good.
        s.ctx.state.bDataHasChanged = false;
        w->close();
        std::filesystem::resize_file(s.game.toStdString() + "mc.exe", 1486890);
        v = s.open()->frame_citycom;
        QVERIFY(!v->frame_city_railroad->isEnabled() && v->frame_city_misc->isEnabled());
        QCOMPARE(v->txt_multiH->text(), u"0.8"_s);
        v->cmd_cityReset->click();
        QVERIFY(!v->frame_city_railroad->isEnabled());
    }
};

QTEST_MAIN(EditorsTest)
#include "test_editors.moc"
