// A project made from the stand-in game, edited through the three editor
// views and the block dialog, saved, and read back both by the editor and by
// the Lua interpreter with the game's tables stubbed.

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "model/identifiers.h"
#include "project/app_context.h"
#include "project/commands.h"
#include "project/projects.h"
#include "support/app_fixture.h"
#include "support/scripted_message_box.h"
#include "support/window_driver.h"
#include "ui/block_view.h"
#include "ui/business_view.h"
#include "ui/city_view.h"
#include "ui/frm_blockedit.h"

using namespace tg;

namespace {

// Every setting of the scripts in folder, as the Lua interpreter sees them:
// "KIND CODE FIELD" to value.
QMap<QString, QString> settingsInLua(const QString& folder) {
    QProcess lua;
    lua.start(QStringLiteral(TGEDIT_LUA), {QStringLiteral(TGEDIT_SOURCE_DIR "/tests/lua/dump.lua"),
                                           folder, QStringLiteral(TGEDIT_DATA_DIR)});
    QMap<QString, QString> settings;
    if (!lua.waitForFinished(60000) || lua.exitCode() != 0) {
        settings.insert(QStringLiteral("error"), QString::fromUtf8(lua.readAllStandardError()));
        return settings;
    }
    for (const QString& line : QString::fromUtf8(lua.readAllStandardOutput()).split(u'\n')) {
        const QStringList parts = line.split(u' ');
        if (parts.size() >= 4) {
            settings.insert(parts.mid(0, 3).join(u' '), parts.mid(3).join(u' '));
        }
    }
    return settings;
}

}  // namespace

class EditingRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void editSaveAndReadBack() {
        test::AppFolder app;
        const QString game = app.makeGame();
        app.makeConfigured(game);
        AppContext ctx(app.corePath());
        ctx.state.GamePath = game.toStdString();
        const ProjectOutcome made = createProject(ctx, app.corePath() + "Projects/", "Trip");
        QVERIFY(made.ok);
        QVERIFY(reloadProject(ctx).empty());
        const QString project = QString::fromStdString(ctx.state.ProjectPath);
        const QMap<QString, QString> before = settingsInLua(project);
        QVERIFY2(!before.contains("error"), qPrintable(before.value("error")));

        // The views, loaded as the main window loads them.
        test::ScriptedMessageBox boxes;
        BlockView blocks(ctx, boxes);
        BusinessView businesses(ctx, boxes);
        CityCommodityView citycom(ctx, boxes);
        businesses.fillNames();
        citycom.fillNames();
        businesses.FillLists();
        citycom.fillLists();
        citycom.lst_CommodityName->setCurrentRow(0);
        businesses.lst_BusinessName->setCurrentRow(0);
        citycom.ShowCityTweaks();

        // A block: AIRPORT's value through its dialog (after the note).
        {
            test::WhenModal<frm_blockedit> dialog([](frm_blockedit* d) {
                d->txt_Value->setText(QStringLiteral("150"));
                d->cmd_OK->click();
            });
            blocks.img_block_DblClick(5);
            QVERIFY(dialog.fired());
        }
        QCOMPARE(boxes.shown.size(), 1);

        // A business: a commodity into BAKERY's first free slot.
        businesses.lst_BusinessName->setCurrentRow(1);
        const auto& bakery = ctx.state.model.EditBusinesses[1].commodities;
        const auto free = std::find_if(bakery.begin(), bakery.end(),
                                       [](const CommodityEntry& e) { return e.commodity.empty(); });
        QVERIFY(free != bakery.end());
        const auto k = static_cast<std::size_t>(free - bakery.begin());
        businesses.cmb_BusinessCommodities[k]->setCurrentIndex(29);  // CELL_PHONES
        businesses.txt_BusinessCommodities[k]->setText(QStringLiteral("35"));
        businesses.cmd_BusinessSet->click();

        // A commodity and a tweak.
        citycom.lst_CommodityName->setCurrentRow(3);
        citycom.txt_Markup->setText(QStringLiteral("2.75"));
        citycom.cmb_CommodityMembership->setCurrentIndex(1);
        citycom.cmd_CommoditySet->click();
        citycom.txt_Lease->setText(QStringLiteral("999"));
        citycom.cmd_CitySet->click();
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(ctx.state.bDataHasChanged);

        QVERIFY(saveProject(ctx).empty());
        const QMap<QString, QString> after = settingsInLua(project);
        QVERIFY2(!after.contains("error"), qPrintable(after.value("error")));
        QCOMPARE(after.value("block AIRPORT value"), QStringLiteral("150"));
        QCOMPARE(after.value(QStringLiteral("business BAKERY commodity%1").arg(k + 1)),
                 QStringLiteral("CELL_PHONES:35"));
        QCOMPARE(after.value("commodity BREAD markup"), QStringLiteral("2.75"));
        QCOMPARE(after.value("commodity BREAD membership"),
                 QStringLiteral("ENTERTAINMENTSHOPPING"));
        QCOMPARE(after.value("tweaks Tweaks blockleaselength"), QStringLiteral("999"));
        // Nothing else moved.
        QMap<QString, QString> rest = after;
        for (const char* key : {"block AIRPORT value", "commodity BREAD markup",
                                "commodity BREAD membership", "tweaks Tweaks blockleaselength"}) {
            rest.insert(key, before.value(key));
        }
        rest.insert(QStringLiteral("business BAKERY commodity%1").arg(k + 1),
                    before.value(QStringLiteral("business BAKERY commodity%1").arg(k + 1)));
        QCOMPARE(rest, before);

        // The editor reads back what it wrote.
        QVERIFY(reloadProject(ctx).empty());
        QCOMPARE(ctx.state.model.Blocks[5].value, 150);
        QCOMPARE(ctx.state.model.Businesses[1].commodities[k], (CommodityEntry{"CELL_PHONES", 35}));
        QCOMPARE(ctx.state.model.Commodities[3].markup, 2.75);
        QCOMPARE(ctx.state.model.Tweaks.blockleaselength, 999);
    }
};

QTEST_MAIN(EditingRoundTripTest)
#include "test_editing_round_trip.moc"
