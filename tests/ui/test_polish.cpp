// What makes the windows look finished: View menu check marks, hot spots
// without a frame until the keyboard moves among them, no control too small
// for what it shows and short drop-down lists, windows and messages placed
// where the eye expects them, the critical icon on every failure, and no
// value changed by a dialog that the user never touched.

#include "ui/support/ui_support.h"

using namespace tg;
using namespace tg::test;
using namespace Qt::StringLiterals;

namespace {

// The size a control needs to show its longest entry whole: a list's
// longest item, a box's longest value (as many digits as it takes, else a
// 32-bit number), a list box's widest row, a caption's whole text, a help
// text's lines at its width. Folder and drive lists show the machine's own
// names and are left out.
QSize neededSize(QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    const auto* label = qobject_cast<QLabel*>(w);
    if (qobject_cast<FolderList*>(w) || qobject_cast<DriveList*>(w) ||
        qobject_cast<PathLabel*>(w) || (label && label->text().isEmpty())) {
        return {};
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        int text = 0;
        for (int i = 0; i < list->count(); ++i) {
            text = std::max(text, fm.boundingRect(list->itemText(i)).width());
        }
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, {text, fm.height()},
                                               list);
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        const QString longest =
            box->maxLength() < 32767 ? QString(box->maxLength(), u'0') : u"-2147483648"_s;
        // Two pixels of margin and two of frame on either side of the text.
        const int text = std::max(fm.horizontalAdvance(longest), fm.horizontalAdvance(box->text()));
        return {text + 8, box->minimumSizeHint().height()};
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {  // wider by what it scrolls sideways
        return {list->width() + list->horizontalScrollBar()->maximum(), 0};
    }
    if (label && label->wordWrap()) {
        return {0, label->heightForWidth(label->width())};
    }
    if (label || qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w)) {
        return w->minimumSizeHint();
    }
    return {};
}

// The controls of a window on show that are smaller than they need, and its
// drop-down lists that show more than 15 items at once or hide the rest
// without a scroll bar.
QStringList crampedControls(QWidget* window, const QString& where) {
    QApplication::processEvents();
    QStringList cramped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QSize has = w->visibleRegion().boundingRect().size();
        const QSize needs = neededSize(w);
        if (w->isVisible() && (has.width() < needs.width() || has.height() < needs.height())) {
            cramped << u"%1: %2 %3 is %4, needs %5"_s.arg(where, w->metaObject()->className(),
                                                          w->objectName(), QDebug::toString(has),
                                                          QDebug::toString(needs));
        }
        if (auto* list = qobject_cast<QComboBox*>(w); list && w->isVisible()) {
            list->showPopup();
            const int shown = list->view()->height() / list->view()->sizeHintForRow(0);
            const bool scrolls = list->view()->verticalScrollBar()->isVisible();
            list->hidePopup();
            if (shown > 15 || (shown < list->count() && !scrolls)) {
                cramped << u"%1: %2 drops down %3 of %4 items"_s.arg(where, w->objectName())
                               .arg(shown)
                               .arg(list->count());
            }
        }
    }
    return cramped;
}

// The hot spots that paint anything of their own.
QStringList framedSpots(BlockView* map) {
    QStringList framed;
    for (HotSpot* spot : map->img_block) {
        QImage image(spot->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QImage blank = image;
        spot->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        if (image != blank) {
            framed << spot->objectName();
        }
    }
    return framed;
}

// Notes the windows that do not stand centred over the window of the
// program they belong to, or on the screen while that one is not on show.
// The frame a window gets is known only once it is on show: a few pixels
// off are allowed.
struct Placement {
    // Modal windows are checked and closed as they come up.
    Placement() {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++modals;
                check(dialog);
                dialog->reject();
            }
        });
        timer.start(10);
    }
    void check(const QWidget* window) {
        const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        const QRect target = owner && owner->isVisible() ? owner->frameGeometry()
                                                         : window->screen()->availableGeometry();
        if ((window->frameGeometry().center() - target.center()).manhattanLength() > 4) {
            misplaced << window->windowTitle();
        }
    }
    QStringList misplaced;
    int modals = 0;
    QTimer timer;
};

}  // namespace

class PolishTest : public QObject {
    Q_OBJECT

public:
    // The screen the windows were tried on, on which the main window fits.
    static void initMain() {
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" TGEDIT_TEST_DATA_DIR "/ui/screen_1280x1024.json");
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeAllWindows(); }

    void viewMenuCarriesOneCheckMark() {
        MainSession s;
        frm_main* w = s.open();
        const QList<QAction*> items = {w->menu_view_block, w->menu_view_business,
                                       w->menu_view_city};
        for (QAction* chosen : items + items) {  // a checked item chosen again stays checked
            chosen->trigger();
            for (QAction* item : items) {
                // An exclusive group would draw a radio dot instead.
                QVERIFY(!item->actionGroup());
                QCOMPARE(item->isChecked(), item == chosen);
            }
        }
    }

    // The hot spots show no frame after the load or after a double-click.
    void hotSpotsShowAFrameOnlyToTheKeyboard() {
        MainSession s;
        frm_main* w = s.open();
        QVERIFY(QTest::qWaitForWindowActive(w));
        BlockView* map = w->frame_block;
        QCOMPARE(framedSpots(map), QStringList());
        // A double-click on the disabled block, and one that opens the dialog.
        for (int n : {3, 0}) {
            WhenModal<frm_blockedit> cancel([](frm_blockedit* d) { d->cmd_Cancel->click(); });
            QTest::mouseDClick(map->img_block[static_cast<std::size_t>(n)], Qt::LeftButton);
            QCOMPARE(framedSpots(map), QStringList());
        }
        // The keyboard moves on from block 0: an arrow key, then Tab.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const std::pair<Qt::Key, QString> keys[] = {{Qt::Key_Right, u"img_block_1"_s},
                                                    {Qt::Key_Tab, u"img_block_2"_s}};
        for (const auto& [key, framed] : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(framedSpots(map), QStringList{framed});
        }
    }

    void everyControlFitsWhatItShows() {
        MainSession s;
        QStringList cramped;
        auto walk = [&](QWidget* window, const QString& name) {
            window->show();
            cramped << crampedControls(window, name);
            window->resize(1, 1);  // as small as the window lets itself be
            cramped << crampedControls(window, name + u" at its smallest"_s);
        };
        walk(frm_menu::open(s.ctx, s.boxes), u"start menu"_s);
        walk(new frm_gamepath(s.ctx, s.boxes), u"game folder"_s);
        walk(projectDialog(s.ctx, s.boxes, 0), u"new project"_s);
        walk(projectDialog(s.ctx, s.boxes, 1), u"open project"_s);
        frm_main* w = s.open();
        for (QAction* view : {w->menu_view_block, w->menu_view_business, w->menu_view_city}) {
            view->trigger();
            w->resize(w->sizeHint());
            walk(w, view->text());
        }
        s.ctx.state.CurrentBlock = 30;
        auto* block = new frm_blockedit(s.ctx, s.boxes, w);
        block->showBlock();
        walk(block, u"block dialog"_s);
        walk(new frm_About(s.ctx, s.boxes, w), u"About"_s);
        QVERIFY2(cramped.isEmpty(), qPrintable(cramped.join(u'\n')));
    }

    // Real message boxes: where they stand is what is tested.
    void windowsAndMessagesOpenCentred() {
        QtMessageBoxService real;
        Placement placement;
        {
            MainSession s(false);  // the first-start message, the game-folder dialog
            QVERIFY(frm_menu::open(s.ctx, real) == nullptr);
        }
        MainSession s;
        placement.check(frm_menu::open(s.ctx, real));
        placement.check(projectDialog(s.ctx, real, 0));
        placement.check(projectDialog(s.ctx, real, 1));
        QFile::remove(s.project + u"hub.lua"_s);
        auto* w = new frm_main(s.ctx, real);  // a load error, before the window is on show
        w->show();
        placement.check(w);
        w->move(0, 0);
        // A message, the block dialog and About, over the main window.
        w->frame_block->img_block_DblClick(3);
        w->frame_block->img_block_DblClick(0);
        w->menu_about->trigger();
        QCOMPARE(placement.modals, 6);
        QVERIFY2(placement.misplaced.isEmpty(), qPrintable(placement.misplaced.join(u", "_s)));
    }

    void failuresCarryTheCriticalIcon() {
        FailingFolder disk;
        MainSession s(true, disk);
        QFile::remove(s.project + u"hub.lua"_s);
        frm_main* w = s.open();  // cannot read hub.lua
        disk.folder = s.project.toStdString();
        s.ctx.state.bBlockHasChanged = s.ctx.state.bDataHasChanged = true;
        w->menu_file_save->trigger();  // cannot save
        disk.folder = s.app.toStdString();
        s.boxes.answers = {MsgAnswer::Yes};
        w->menu_file_backup->trigger();                   // a failed copy
        auto* dialog = projectDialog(s.ctx, s.boxes, 0);  // a new project whose copy fails
        emit dialog->dir_ProjectPath->openFailed(s.app, u"Permission denied"_s);
        dialog->txt_ProjectName->setText(u"Fresh"_s);
        dialog->cmd_OK->click();
        projectDialog(s.ctx, s.boxes, 1)->cmd_OK->click();  // a refusal keeps its plain box
        writeFile(s.app + u"tgedit.cfg"_s, "\r\n 1 \r\n");
        frm_menu::open(s.ctx, s.boxes);  // a configuration that names no game folder

        QStringList critical, plain;
        for (const auto& box : s.boxes.shown) {
            if (box.buttons == MsgButtons::Ok) {
                (box.icon == MsgIcon::Critical ? critical : plain) << box.text;
            }
        }
        QCOMPARE(plain, QStringList{u"Invalid Project Path."_s});
        for (const char* text : {"Cannot read", "Cannot save", "DEFAULT/blocksettings.lua to",
                                 "Projects/Fresh", "Permission denied", "names no Tollgrove"}) {
            QVERIFY2(!critical.filter(QLatin1String(text)).isEmpty(), text);
        }
    }

    // OK and Set on a dialog or view nobody typed into keep the values as the
    // writer would have written them: a prestige with two decimals, a
    // density with three.
    void untouchedBoxesKeepTheirValue() {
        MainSession s;
        frm_main* w = s.open();
        SettingsModel& model = s.ctx.state.model;
        model.EditBlocks[0].prestige = 5.27;
        model.EditBusinesses[0].density = 1.234;
        s.ctx.state.CurrentBlock = 0;
        frm_blockedit dialog(s.ctx, s.boxes, w);
        dialog.showBlock();
        dialog.cmd_OK->click();
        w->frame_business->lst_BusinessName_Click();
        w->frame_business->cmd_BusinessSet->click();
        QCOMPARE(model.EditBlocks[0].prestige, 5.27);
        QCOMPARE(model.EditBusinesses[0].density, 1.234);
    }
};

QTEST_MAIN(PolishTest)
#include "test_polish.moc"
