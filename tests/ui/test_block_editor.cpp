// Window tests of the block map and the block properties dialog.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "project/app_context.h"
#include "support/editor_model.h"
#include "support/scripted_message_box.h"
#include "support/view_checks.h"
#include "ui/block_view.h"
#include "ui/frm_blockedit.h"
#include "ui/hot_spot.h"

using namespace tg;
using tg::test::qs;

namespace {

// Acts on the block dialog once it is shown modal, then closes it if the
// action left it open, so that a test never hangs on the dialog.
class DialogDriver : public QObject {
public:
    explicit DialogDriver(std::function<void(frm_blockedit&)> action) : action_(std::move(action)) {
        connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
        timer_.start(0);
    }

    QStringList captions;  // of every dialog that was shown

private:
    void poll() {
        auto* dialog = qobject_cast<frm_blockedit*>(QApplication::activeModalWidget());
        // A later dialog may reuse the address of an earlier one; a property
        // marks the ones already handled.
        if (dialog == nullptr || dialog->property("driven").toBool()) {
            return;
        }
        dialog->setProperty("driven", true);
        captions.append(dialog->windowTitle());
        if (action_) {
            action_(*dialog);
        }
        if (dialog->isVisible()) {
            dialog->reject();
        }
    }

    std::function<void(frm_blockedit&)> action_;
    QTimer timer_;
};

}  // namespace

class BlockEditorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<test::ScriptedMessageBox> boxes_;
    std::unique_ptr<BlockView> view_;

    BlockRecord& edit(int n) { return ctx_->state.model.EditBlocks[static_cast<std::size_t>(n)]; }
    const BlockRecord& loaded(int n) {
        return ctx_->state.model.Blocks[static_cast<std::size_t>(n)];
    }
    bool anyFlag() const {
        const EditorState& s = ctx_->state;
        return s.bBlockHasChanged || s.bBusinessHasChanged || s.bCityHasChanged ||
               s.bCommodityHasChanged || s.bDataHasChanged;
    }
    // A dialog on block n, filled as the double-click fills it.
    std::unique_ptr<frm_blockedit> dialogOn(int n) {
        ctx_->state.CurrentBlock = static_cast<std::int16_t>(n);
        auto dialog = std::make_unique<frm_blockedit>(*ctx_, *boxes_, view_.get());
        dialog->showBlock();
        return dialog;
    }

private slots:
    void init() {
        ctx_ = std::make_unique<AppContext>(folder_.path().toStdString());
        test::fillEditorModel(ctx_->state.model);
        boxes_ = std::make_unique<test::ScriptedMessageBox>();
        view_ = std::make_unique<BlockView>(*ctx_, *boxes_);
    }
    void cleanup() {
        view_.reset();
        boxes_.reset();
        ctx_.reset();
    }

    // --- the map -------------------------------------------------------------

    void mapHasTheGridOfHotSpots() {
        QCOMPARE(view_->pict_Map->size(), QSize(439, 360));
        QCOMPARE(view_->pict_Map->toolTip(),
                 QStringLiteral("Doubleclick a block to edit it's properties."));
        bool helpFound = false;
        for (QLabel* label : view_->findChildren<QLabel*>()) {
            helpFound = helpFound ||
                        label->text() == QStringLiteral(
                                             "To edit the properties for a block doubleclick on "
                                             "the block to bring up the block properties dialog "
                                             "box.");
        }
        QVERIFY(helpFound);

        // Corners of the grid, and one spot from each irregular row.
        QCOMPARE(BlockView::hotSpotRect(0), QRect(1, 2, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(5), QRect(245, 2, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(13), QRect(50, 89, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(17), QRect(344, 89, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(22), QRect(1, 177, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(33), QRect(394, 222, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(34), QRect(98, 267, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(37), QRect(197, 311, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(41), QRect(394, 311, 40, 34));

        for (int n = 0; n < kBlockCount; ++n) {
            HotSpot* spot = view_->img_block[static_cast<std::size_t>(n)];
            QVERIFY(spot != nullptr);
            QCOMPARE(spot->parentWidget(), view_->pict_Map);
            QCOMPARE(spot->geometry(), BlockView::hotSpotRect(n));
            QVERIFY(view_->pict_Map->rect().contains(spot->geometry()));
            for (int m = n + 1; m < kBlockCount; ++m) {
                QVERIFY2(!BlockView::hotSpotRect(n).intersects(BlockView::hotSpotRect(m)),
                         qPrintable(QStringLiteral("spots %1 and %2 overlap").arg(n).arg(m)));
            }
        }
    }

    void mouseMoveShowsTheWorkingName() {
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        edit(20).displayName = "Renamed Selverton";  // the working record is what counts
        HotSpot* spot = view_->img_block[20];
        QTest::mouseMove(spot, QPoint(10, 10));
        QTRY_COMPARE(spot->toolTip(), QStringLiteral("Renamed Selverton"));
        for (int n : {0, 3, 41}) {
            view_->img_block_MouseMove(n);
            QCOMPARE(view_->img_block[static_cast<std::size_t>(n)]->toolTip(),
                     qs(edit(n).displayName));
        }
    }

    void disabledBlockShowsMessageAndNoDialog() {
        DialogDriver driver(nullptr);
        QTest::mouseDClick(view_->img_block[3], Qt::LeftButton);
        QCOMPARE(ctx_->state.CurrentBlock, 3);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
        QCOMPARE(
            boxes_->shown[0].text,
            QStringLiteral("Editing of this block has been disabled in this version of TG Edit."));
        QCOMPARE(boxes_->shown[0].icon, MsgIcon::Information);
        QCOMPARE(boxes_->shown[0].buttons, MsgButtons::Ok);
        QVERIFY(driver.captions.isEmpty());
    }

    void noticeBlocksShowTheNoteThenTheDialog() {
        for (int n : {5, 7, 10, 13, 19, 23, 29, 32}) {
            boxes_->shown.clear();
            qsizetype boxesWhenShown = -1;
            DialogDriver driver([&](frm_blockedit&) { boxesWhenShown = boxes_->shown.size(); });
            view_->img_block_DblClick(n);
            QCOMPARE(ctx_->state.CurrentBlock, n);
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(
                boxes_->shown[0].text,
                QStringLiteral("Note: Editing of this block generally has no affect in game."));
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes_->shown[0].icon, MsgIcon::Information);
            QCOMPARE(boxesWhenShown, 1);  // the note came first
            QCOMPARE(driver.captions, QStringList{qs(edit(n).displayName) + " Properties"});
        }
    }

    void otherBlocksOpenTheDialogDirectly() {
        edit(9).value = 150;
        edit(9).prestige = 2;
        edit(9).buildingrights = false;
        edit(9).ownable = true;
        QString value, prestige;
        bool locked = false, ownable = false;
        DialogDriver driver([&](frm_blockedit& d) {
            value = d.txt_Value->text();
            prestige = d.txt_Prestige->text();
            locked = d.opt_BuildingRights[1]->isChecked() && !d.opt_BuildingRights[0]->isChecked();
            ownable = d.opt_Ownability[0]->isChecked() && !d.opt_Ownability[1]->isChecked();
        });
        QTest::mouseDClick(view_->img_block[9], Qt::LeftButton);
        QVERIFY(boxes_->shown.isEmpty());
        QCOMPARE(ctx_->state.CurrentBlock, 9);
        QCOMPARE(driver.captions, QStringList{QStringLiteral("Lanworth Avenue Properties")});
        QCOMPARE(value, QStringLiteral("150"));
        QCOMPARE(prestige, QStringLiteral("2.0"));
        QVERIFY(locked);
        QVERIFY(ownable);
        QVERIFY(!anyFlag());
    }

    void keyboardOpensAndMovesBetweenBlocks() {
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QApplication::setActiveWindow(view_.get());
        view_->img_block[0]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(view_->img_block[0]->hasFocus());
        QCOMPARE(view_->img_block[0]->toolTip(), qs(edit(0).displayName));

        QTest::keyClick(view_->img_block[0], Qt::Key_Right);
        QVERIFY(view_->img_block[1]->hasFocus());
        QTest::keyClick(view_->img_block[1], Qt::Key_Down);
        QVERIFY(view_->img_block[7]->hasFocus());
        QTest::keyClick(view_->img_block[7], Qt::Key_Down);
        QVERIFY(view_->img_block[13]->hasFocus());
        QTest::keyClick(view_->img_block[13], Qt::Key_Left);
        QVERIFY(view_->img_block[13]->hasFocus());  // nothing to the left: stays

        DialogDriver driver(nullptr);
        QTest::keyClick(view_->img_block[13], Qt::Key_Return);
        QCOMPARE(ctx_->state.CurrentBlock, 13);
        QCOMPARE(boxes_->shown.size(), 1);  // slot 13 has the note
        QCOMPARE(driver.captions.size(), 1);
        view_->img_block[14]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view_->img_block[14], Qt::Key_Space);
        QCOMPARE(driver.captions.size(), 2);
        QCOMPARE(driver.captions.last(), qs(edit(14).displayName) + " Properties");
    }

    // --- the dialog ----------------------------------------------------------

    void dialogLayoutAndTabOrder() {
        auto d = dialogOn(30);
        QCOMPARE(d->cmd_OK->text(), QStringLiteral("&OK"));
        QCOMPARE(d->cmd_Cancel->text(), QStringLiteral("&Cancel"));
        QCOMPARE(d->cmd_Set->text(), QStringLiteral("&Set"));
        QCOMPARE(d->cmd_Reset->text(), QStringLiteral("&Reset"));
        QCOMPARE(d->opt_Ownability[0]->text(), QStringLiteral("Ownable"));
        QCOMPARE(d->opt_Ownability[1]->text(), QStringLiteral("Not Ownable"));
        QCOMPARE(d->opt_BuildingRights[0]->text(), QStringLiteral("Unlocked"));
        QCOMPARE(d->opt_BuildingRights[1]->text(), QStringLiteral("Locked"));
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto at = [&](QWidget* w) { return w->mapTo(d.get(), QPoint(0, 0)); };
        // Prestige above value; ownability above building rights, both left
        // of the boxes; Cancel and Reset above Set and OK.
        QVERIFY(at(d->txt_Prestige).y() < at(d->txt_Value).y());
        QVERIFY(at(d->opt_Ownability[1]).y() < at(d->opt_BuildingRights[0]).y());
        QVERIFY(at(d->opt_Ownability[0]).x() < at(d->txt_Prestige).x());
        QVERIFY(at(d->cmd_Cancel).y() < at(d->cmd_Set).y());
        QCOMPARE(at(d->cmd_Cancel).y(), at(d->cmd_Reset).y());
        QCOMPARE(at(d->cmd_Set).y(), at(d->cmd_OK).y());
        QVERIFY(at(d->cmd_Cancel).x() < at(d->cmd_Reset).x());
        QVERIFY(at(d->cmd_Set).x() < at(d->cmd_OK).x());
        const QStringList problems = test::layoutProblems(d.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QCOMPARE(d->txt_Prestige->nextInFocusChain(), d->txt_Value);
        QVERIFY(d->cmd_OK->isDefault());
        test::saveScreenshot(d.get(), QStringLiteral("block_dialog.png"));
    }

    void setStoresReadNumbersAndStaysOpen() {
        struct Case {
            const char* value;
            const char* prestige;
            std::int16_t storedValue;
            double storedPrestige;
        };
        const Case cases[] = {{"12abc", "2.25", 12, 2.25},  {"2.5", "abc", 2, 0.0},
                              {"3.5", " 1 . 5 ", 4, 1.5},   {"", "-0.5e1", 0, -5.0},
                              {"-32768", "7", -32768, 7.0}, {"32767.4", "1e3", 32767, 1000.0}};
        for (const Case& c : cases) {
            auto d = dialogOn(11);
            d->show();
            d->txt_Value->setText(QString::fromLatin1(c.value));
            d->txt_Prestige->setText(QString::fromLatin1(c.prestige));
            d->opt_BuildingRights[0]->setChecked(true);
            d->opt_Ownability[1]->setChecked(true);
            QTest::mouseClick(d->cmd_Set, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(edit(11).value, c.storedValue);
            QCOMPARE(edit(11).prestige, c.storedPrestige);
            QVERIFY(edit(11).buildingrights);
            QVERIFY(!edit(11).ownable);
            QVERIFY(edit(11).changed);
            QVERIFY(ctx_->state.bBlockHasChanged);
            QVERIFY(ctx_->state.bDataHasChanged);
            // The loaded set is never touched by the dialog.
            QCOMPARE(loaded(11).value, 111);
        }
        QVERIFY(boxes_->shown.isEmpty());
        QVERIFY(!ctx_->state.bBusinessHasChanged);
    }

    void setThenCancelKeepsTheSet() {
        auto d = dialogOn(12);
        d->show();
        d->txt_Value->setText(QStringLiteral("150"));
        QTest::mouseClick(d->cmd_Set, Qt::LeftButton);
        d->txt_Value->setText(QStringLiteral("999"));
        QTest::mouseClick(d->cmd_Cancel, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(edit(12).value, 150);
        QVERIFY(edit(12).changed);
    }

    void cancelAndCloseStoreNothing() {
        const BlockRecord before = edit(14);
        {
            auto d = dialogOn(14);
            d->show();
            d->txt_Value->setText(QStringLiteral("1"));
            d->opt_Ownability[d->opt_Ownability[0]->isChecked() ? 1 : 0]->setChecked(true);
            QTest::mouseClick(d->cmd_Cancel, Qt::LeftButton);
        }
        {
            auto d = dialogOn(14);
            d->show();
            d->txt_Prestige->setText(QStringLiteral("9"));
            d->close();  // the window's close box
            QVERIFY(!d->isVisible());
        }
        {
            auto d = dialogOn(14);
            d->show();
            d->txt_Prestige->setText(QStringLiteral("9"));
            QTest::keyClick(d.get(), Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        }
        QCOMPARE(edit(14), before);
        QVERIFY(!anyFlag());
    }

    void okStoresAndCloses() {
        auto d = dialogOn(16);
        d->show();
        d->txt_Value->setText(QStringLiteral("3.5"));
        d->opt_BuildingRights[1]->setChecked(true);
        QTest::mouseClick(d->cmd_OK, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(edit(16).value, 4);
        QVERIFY(!edit(16).buildingrights);
        QVERIFY(edit(16).changed);
        QVERIFY(ctx_->state.bBlockHasChanged && ctx_->state.bDataHasChanged);

        // Enter in a box is OK as well.
        auto e = dialogOn(17);
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.get()));
        e->txt_Value->setFocus();
        e->txt_Value->setText(QStringLiteral("77"));
        QTest::keyClick(e->txt_Value, Qt::Key_Return);
        QVERIFY(!e->isVisible());
        QCOMPARE(edit(17).value, 77);
    }

    void resetBringsBackLoadedValuesAndKeepsTheMark() {
        auto d = dialogOn(20);
        d->show();
        d->txt_Value->setText(QStringLiteral("5"));
        d->txt_Prestige->setText(QStringLiteral("8.8"));
        d->opt_Ownability[1]->setChecked(true);
        d->opt_BuildingRights[0]->setChecked(true);
        QTest::mouseClick(d->cmd_Set, Qt::LeftButton);
        const QString caption = d->windowTitle();
        edit(20).displayName = "Changed Name";  // Reset leaves the name and the caption alone

        QTest::mouseClick(d->cmd_Reset, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(edit(20).value, loaded(20).value);
        QCOMPARE(edit(20).prestige, loaded(20).prestige);
        QCOMPARE(edit(20).ownable, loaded(20).ownable);
        QCOMPARE(edit(20).buildingrights, loaded(20).buildingrights);
        QCOMPARE(edit(20).displayName, std::string("Changed Name"));
        QVERIFY(edit(20).changed);
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(d->txt_Value->text(), QStringLiteral("120"));
        QCOMPARE(d->txt_Prestige->text(), QStringLiteral("5.0"));
        QCOMPARE(d->opt_Ownability[0]->isChecked(), loaded(20).ownable);
        QCOMPARE(d->opt_BuildingRights[0]->isChecked(), loaded(20).buildingrights);
    }

    void resetAloneRaisesFlagsWithoutMarking() {
        auto d = dialogOn(21);
        QTest::mouseClick(d->cmd_Reset, Qt::LeftButton);
        QVERIFY(ctx_->state.bBlockHasChanged);
        QVERIFY(ctx_->state.bDataHasChanged);
        QVERIFY(!edit(21).changed);
    }

    void prestigeIsShownWithOneDecimal() {
        const std::pair<double, const char*> cases[] = {
            {2, "2.0"}, {0.25, "0.3"}, {-1.25, "-1.3"}, {0.04, "0.0"}, {12345.67, "12345.7"}};
        for (const auto& [prestige, shown] : cases) {
            edit(24).prestige = prestige;
            auto d = dialogOn(24);
            QCOMPARE(d->txt_Prestige->text(), QString::fromLatin1(shown));
        }
        edit(24).value = -32768;
        QCOMPARE(dialogOn(24)->txt_Value->text(), QStringLiteral("-32768"));
    }

    void numbersOutsideTheFieldAreRefused() {
        const std::pair<const char*, const char*> cases[] = {
            {"32768", "1"},
            {"-32769", "1"},
            {"1e10", "1"},
            {"7", "1e400"},
        };
        const BlockRecord before = edit(25);
        for (const auto& [value, prestige] : cases) {
            boxes_->shown.clear();
            auto d = dialogOn(25);
            d->show();
            d->txt_Value->setText(QString::fromLatin1(value));
            d->txt_Prestige->setText(QString::fromLatin1(prestige));
            d->opt_Ownability[before.ownable ? 1 : 0]->setChecked(true);
            QTest::mouseClick(d->cmd_OK, Qt::LeftButton);
            QVERIFY(d->isVisible());  // OK refused: the dialog stays open
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes_->shown[0].buttons, MsgButtons::Ok);
            QCOMPARE(edit(25), before);
            QVERIFY(!anyFlag());
        }
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Prestige must be a number from -1.7e+308 to 1.7e+308."));

        auto d = dialogOn(25);
        d->txt_Value->setText(QStringLiteral("40000"));
        boxes_->shown.clear();
        QTest::mouseClick(d->cmd_Set, Qt::LeftButton);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Value must be a whole number from -32768 to 32767."));
        QVERIFY(!anyFlag());
    }

    void screenshotOfTheMap() {
        // A stand-in picture: the blocks as tiles, so the spots can be seen.
        QPixmap picture(439, 360);
        picture.fill(QColor(0x6f, 0x8f, 0x5a));
        {
            QPainter painter(&picture);
            painter.setPen(QColor(0x55, 0x55, 0x55));
            painter.setBrush(QColor(0xd8, 0xcf, 0xb8));
            for (int n = 0; n < kBlockCount; ++n) {
                painter.drawRect(BlockView::hotSpotRect(n).adjusted(0, 0, -1, -1));
            }
        }
        view_->setMapPicture(picture);
        QVERIFY(!view_->pict_Map->pixmap().isNull());
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        view_->img_block[19]->setFocus(Qt::OtherFocusReason);
        const QStringList problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        test::saveScreenshot(view_.get(), QStringLiteral("view_block.png"));
        view_->setMapPicture(QPixmap());
        QVERIFY(view_->pict_Map->pixmap().isNull());
    }
};

QTEST_MAIN(BlockEditorTest)
#include "test_block_editor.moc"
