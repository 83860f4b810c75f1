// Window tests of the block map and the block properties dialog.

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
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

// Acts on each block dialog once it is shown modal, then closes it if the
// action left it open, so that a test never hangs on the dialog.
class DialogDriver : public QObject {
public:
    explicit DialogDriver(std::function<void(frm_blockedit&)> action = nullptr)
        : action_(std::move(action)) {
        connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
        timer_.start(0);
    }
    QStringList captions;  // of every dialog shown

private:
    void poll() {
        auto* dialog = qobject_cast<frm_blockedit*>(QApplication::activeModalWidget());
        // A later dialog may reuse an earlier one's address: mark handled ones.
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
    // A shown dialog on block n, filled as the double-click fills it.
    std::unique_ptr<frm_blockedit> dialogOn(int n) {
        ctx_->state.CurrentBlock = static_cast<std::int16_t>(n);
        auto dialog = std::make_unique<frm_blockedit>(*ctx_, *boxes_, view_.get());
        dialog->showBlock();
        dialog->show();
        return dialog;
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

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

    void hotSpotsFollowTheGrid() {
        QCOMPARE(view_->pict_Map->size(), QSize(439, 360));
        QCOMPARE(BlockView::hotSpotRect(0), QRect(1, 2, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(13), QRect(50, 89, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(33), QRect(394, 222, 40, 34));
        QCOMPARE(BlockView::hotSpotRect(37), QRect(197, 311, 40, 34));
        for (int n = 0; n < kBlockCount; ++n) {
            QCOMPARE(view_->img_block[static_cast<std::size_t>(n)]->geometry(),
                     BlockView::hotSpotRect(n));
            QVERIFY(view_->pict_Map->rect().contains(BlockView::hotSpotRect(n)));
            for (int m = n + 1; m < kBlockCount; ++m) {
                QVERIFY(!BlockView::hotSpotRect(n).intersects(BlockView::hotSpotRect(m)));
            }
        }
    }

    void mouseMoveShowsTheWorkingName() {
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        edit(20).displayName = "Renamed Selverton";  // the working record counts
        QTest::mouseMove(view_->img_block[20], QPoint(10, 10));
        QTRY_COMPARE(view_->img_block[20]->toolTip(), QStringLiteral("Renamed Selverton"));
    }

    void doubleClickRules() {
        {  // Slot 3: a message and no dialog.
            DialogDriver driver;
            QTest::mouseDClick(view_->img_block[3], Qt::LeftButton);
            QCOMPARE(ctx_->state.CurrentBlock, 3);
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].text,
                     "Editing of this block has been disabled in this version of TG Edit.");
            QCOMPARE(boxes_->shown[0].icon, MsgIcon::Information);
            QVERIFY(driver.captions.isEmpty());
        }

        // The eight notice slots: the note first, then the dialog.
        for (int n : {5, 7, 10, 13, 19, 23, 29, 32}) {
            boxes_->shown.clear();
            qsizetype boxesBefore = -1;
            DialogDriver noted([&](frm_blockedit&) { boxesBefore = boxes_->shown.size(); });
            view_->img_block_DblClick(n);
            QCOMPARE(ctx_->state.CurrentBlock, n);
            QCOMPARE(boxesBefore, 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(boxes_->shown[0].text,
                     "Note: Editing of this block generally has no affect in game.");
            QCOMPARE(noted.captions, QStringList{qs(edit(n).displayName) + " Properties"});
        }

        // Any other slot: the dialog at once, filled from the working record.
        boxes_->shown.clear();
        edit(9).value = 150;
        edit(9).prestige = 2;
        edit(9).buildingrights = false;
        edit(9).ownable = true;
        QStringList shown;
        DialogDriver plain([&](frm_blockedit& d) {
            shown = {d.txt_Value->text(), d.txt_Prestige->text()};
            QVERIFY(d.opt_BuildingRights[1]->isChecked() && !d.opt_BuildingRights[0]->isChecked());
            QVERIFY(d.opt_Ownability[0]->isChecked() && !d.opt_Ownability[1]->isChecked());
        });
        QTest::mouseDClick(view_->img_block[9], Qt::LeftButton);
        QVERIFY(boxes_->shown.isEmpty());
        QCOMPARE(plain.captions, QStringList{QStringLiteral("Lanworth Avenue Properties")});
        QCOMPARE(shown, (QStringList{"150", "2.0"}));
        QVERIFY(!anyFlag());
    }

    void keyboardMovesBetweenAndOpensBlocks() {
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QApplication::setActiveWindow(view_.get());
        view_->img_block[0]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(view_->img_block[0]->hasFocus());
        QCOMPARE(view_->img_block[0]->toolTip(), qs(edit(0).displayName));
        // Right along the row, down to the nearest below, left stops at the edge.
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_Right, 1}, {Qt::Key_Down, 7}, {Qt::Key_Down, 13}, {Qt::Key_Left, 13}};
        for (const auto& [key, to] : moves) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), view_->img_block[static_cast<std::size_t>(to)]);
        }
        DialogDriver driver;
        QTest::keyClick(view_->img_block[13], Qt::Key_Return);
        view_->img_block[14]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view_->img_block[14], Qt::Key_Space);
        QCOMPARE(driver.captions, (QStringList{qs(edit(13).displayName) + " Properties",
                                               qs(edit(14).displayName) + " Properties"}));
    }

    void setStoresReadNumbersAndStaysOpen() {
        struct Case {
            const char* value;
            const char* prestige;
            std::int16_t storedValue;
            double storedPrestige;
        };
        const Case cases[] = {{"12abc", "2.25", 12, 2.25},
                              {"2.5", "abc", 2, 0.0},
                              {"3.5", " 1 . 5 ", 4, 1.5},
                              {"", "-0.5e1", 0, -5.0},
                              {"-32768", "7", -32768, 7.0}};
        for (const Case& c : cases) {
            auto d = dialogOn(11);
            d->txt_Value->setText(QString::fromLatin1(c.value));
            d->txt_Prestige->setText(QString::fromLatin1(c.prestige));
            d->opt_BuildingRights[0]->setChecked(true);
            d->opt_Ownability[1]->setChecked(true);
            click(d->cmd_Set);
            QVERIFY(d->isVisible());
            QCOMPARE(edit(11).value, c.storedValue);
            QCOMPARE(edit(11).prestige, c.storedPrestige);
            QVERIFY(edit(11).buildingrights && !edit(11).ownable && edit(11).changed);
            QVERIFY(ctx_->state.bBlockHasChanged && ctx_->state.bDataHasChanged);
        }
        QCOMPARE(loaded(11).value, 111);
        QVERIFY(boxes_->shown.isEmpty());
        QVERIFY(!ctx_->state.bBusinessHasChanged);
    }

    void cancelKeepsAnEarlierSetAndStoresNothingElse() {
        auto d = dialogOn(12);
        d->txt_Value->setText(QStringLiteral("150"));
        click(d->cmd_Set);
        d->txt_Value->setText(QStringLiteral("999"));
        click(d->cmd_Cancel);
        QVERIFY(!d->isVisible());
        QCOMPARE(edit(12).value, 150);
        QVERIFY(edit(12).changed);

        // Cancel, the close box and Escape without a Set: nothing at all.
        ctx_->state.bBlockHasChanged = ctx_->state.bDataHasChanged = false;
        const BlockRecord before = edit(14);
        const std::function<void(frm_blockedit&)> closes[] = {
            [this](frm_blockedit& e) { click(e.cmd_Cancel); }, [](frm_blockedit& e) { e.close(); },
            [](frm_blockedit& e) { QTest::keyClick(&e, Qt::Key_Escape); }};
        for (const auto& close : closes) {
            auto e = dialogOn(14);
            e->txt_Value->setText(QStringLiteral("1"));
            e->opt_Ownability[before.ownable ? 1 : 0]->setChecked(true);
            close(*e);
            QVERIFY(!e->isVisible());
        }
        QCOMPARE(edit(14), before);
        QVERIFY(!anyFlag());
    }

    void okStoresAndCloses() {
        auto d = dialogOn(16);
        d->txt_Value->setText(QStringLiteral("3.5"));
        d->opt_BuildingRights[1]->setChecked(true);
        click(d->cmd_OK);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(edit(16).value, 4);
        QVERIFY(!edit(16).buildingrights && edit(16).changed);

        auto e = dialogOn(17);  // Enter in a box is OK too
        e->txt_Value->setFocus();
        e->txt_Value->setText(QStringLiteral("77"));
        QTest::keyClick(e->txt_Value, Qt::Key_Return);
        QVERIFY(!e->isVisible());
        QCOMPARE(edit(17).value, 77);
    }

    void resetShowsLoadedValuesAndKeepsTheMark() {
        auto d = dialogOn(21);
        click(d->cmd_Reset);
        QVERIFY(ctx_->state.bBlockHasChanged && ctx_->state.bDataHasChanged);
        QVERIFY(!edit(21).changed);

        d->txt_Value->setText(QStringLiteral("5"));
        d->txt_Prestige->setText(QStringLiteral("8.8"));
        d->opt_Ownability[loaded(21).ownable ? 1 : 0]->setChecked(true);
        d->opt_BuildingRights[loaded(21).buildingrights ? 1 : 0]->setChecked(true);
        click(d->cmd_Set);
        edit(21).displayName = "Renamed";
        click(d->cmd_Reset);
        BlockRecord expected = loaded(21);
        expected.displayName = "Renamed";
        expected.changed = true;
        QCOMPARE(edit(21), expected);
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Zennorth Railroad Properties"));
        QCOMPARE(d->txt_Value->text(), QStringLiteral("121"));
        QCOMPARE(d->txt_Prestige->text(), QStringLiteral("5.3"));  // 5.25
        QCOMPARE(d->opt_Ownability[0]->isChecked(), loaded(21).ownable);
        QCOMPARE(d->opt_BuildingRights[0]->isChecked(), loaded(21).buildingrights);
    }

    void numbersOutsideTheFieldAreRefused() {
        const std::pair<const char*, const char*> cases[] = {
            {"32768", "1"}, {"-32769", "1"}, {"1e10", "1"}, {"7", "1e400"}};
        const BlockRecord before = edit(25);
        for (const auto& [value, prestige] : cases) {
            boxes_->shown.clear();
            auto d = dialogOn(25);
            d->txt_Value->setText(QString::fromLatin1(value));
            d->txt_Prestige->setText(QString::fromLatin1(prestige));
            d->opt_Ownability[before.ownable ? 1 : 0]->setChecked(true);
            click(d->cmd_OK);
            QVERIFY(d->isVisible());
            QCOMPARE(boxes_->shown.size(), 1);
            QCOMPARE(boxes_->shown[0].title, QStringLiteral("TG Edit"));
            QCOMPARE(edit(25), before);
            QVERIFY(!anyFlag());
        }
        QCOMPARE(boxes_->shown[0].text, "Prestige must be a number from -1.7e+308 to 1.7e+308.");
        auto d = dialogOn(25);
        d->txt_Value->setText(QStringLiteral("40000"));
        click(d->cmd_Set);
        QCOMPARE(boxes_->shown.last().text, "Value must be a whole number from -32768 to 32767.");
    }

    void layoutsAreClean() {
        auto d = dialogOn(30);
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto at = [&](QWidget* w) { return w->mapTo(d.get(), QPoint(0, 0)); };
        QVERIFY(at(d->txt_Prestige).y() < at(d->txt_Value).y());
        QVERIFY(at(d->opt_Ownability[1]).y() < at(d->opt_BuildingRights[0]).y());
        QVERIFY(at(d->opt_Ownability[0]).x() < at(d->txt_Prestige).x());
        QCOMPARE(at(d->cmd_Cancel).y(), at(d->cmd_Reset).y());
        QVERIFY(at(d->cmd_Reset).y() < at(d->cmd_OK).y());
        QCOMPARE(at(d->cmd_Set).y(), at(d->cmd_OK).y());
        QVERIFY(at(d->cmd_Set).x() < at(d->cmd_OK).x());
        QCOMPARE(test::nextTabStop(d->txt_Prestige), d->txt_Value);
        QStringList problems = test::layoutProblems(d.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        test::saveScreenshot(d.get(), QStringLiteral("block_dialog.png"));

        // The map with the shipped picture, or a stand-in with the blocks as
        // tiles where there is none.
        QImageReader reader(QStringLiteral(TGEDIT_DATA_DIR "/tgmap.map"));
        reader.setDecideFormatFromContent(true);
        QPixmap picture = QPixmap::fromImage(reader.read());
        if (picture.isNull()) {
            picture = QPixmap(439, 360);
            picture.fill(QColor(0x6f, 0x8f, 0x5a));
            QPainter painter(&picture);
            painter.setBrush(QColor(0xd8, 0xcf, 0xb8));
            for (int n = 0; n < kBlockCount; ++n) {
                painter.drawRect(BlockView::hotSpotRect(n).adjusted(0, 0, -1, -1));
            }
        }
        view_->setMapPicture(picture);
        view_->resize(view_->sizeHint());
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QApplication::setActiveWindow(view_.get());
        view_->img_block[19]->setFocus(Qt::TabFocusReason);  // shows its focus frame
        QTRY_VERIFY(view_->img_block[19]->hasFocus());
        problems = test::layoutProblems(view_.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        test::saveScreenshot(view_.get(), QStringLiteral("view_block.png"));
    }
};

QTEST_MAIN(BlockEditorTest)
#include "test_block_editor.moc"
