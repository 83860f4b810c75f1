#include "ui/block_view.h"

#include <QLabel>
#include <QPixmap>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "project/app_context.h"
#include "ui/frm_blockedit.h"
#include "ui/help_label.h"
#include "ui/hot_spot.h"
#include "ui/message_box.h"
#include "ui/path_text.h"

namespace tg {

namespace {

// Map layout in twips (15 twips are one pixel): the picture box, one hot
// spot, and the grid the hot spots stand on.
constexpr int kMapWidthTwips = 6585;
constexpr int kMapHeightTwips = 5400;
constexpr int kSpotWidthTwips = 600;
constexpr int kSpotHeightTwips = 513;
constexpr std::array<int, 9> kColumnLeftTwips = {15, 750, 1470, 2220, 2955, 3675, 4410, 5160, 5910};
constexpr std::array<int, 8> kRowTopTwips = {30, 675, 1335, 2010, 2655, 3330, 4005, 4665};

// Row and column of every block slot on the grid.
struct GridPlace {
    int row;
    int column;
};
constexpr std::array<GridPlace, kBlockCount> kGrid = {{
    {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5},                  // 0 - 5
    {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6},          // 6 - 12
    {2, 1}, {2, 2}, {2, 5}, {2, 6}, {2, 7},                          // 13 - 17
    {3, 1}, {3, 2}, {3, 6}, {3, 7},                                  // 18 - 21
    {4, 0}, {4, 1}, {4, 2}, {4, 6},                                  // 22 - 25
    {5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 8},  // 26 - 33
    {6, 2}, {6, 8},                                                  // 34 - 35
    {7, 2}, {7, 4}, {7, 5}, {7, 6}, {7, 7}, {7, 8},                  // 36 - 41
}};

// Twips to pixels, a half pixel rounding up.
constexpr int toPixels(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr int kDisabledBlock = 3;  // BUS_TAXI
constexpr std::array<int, 8> kNoticeBlocks = {5, 7, 10, 13, 19, 23, 29, 32};

bool needsNotice(int n) {
    return std::find(kNoticeBlocks.begin(), kNoticeBlocks.end(), n) != kNoticeBlocks.end();
}

}  // namespace

QRect BlockView::hotSpotRect(int n) {
    const GridPlace place = kGrid.at(static_cast<std::size_t>(n));
    return QRect(toPixels(kColumnLeftTwips[static_cast<std::size_t>(place.column)]),
                 toPixels(kRowTopTwips[static_cast<std::size_t>(place.row)]),
                 toPixels(kSpotWidthTwips), toPixels(kSpotHeightTwips));
}

BlockView::BlockView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    setObjectName(QStringLiteral("frame_block"));
    pict_Map = new QLabel(this);
    pict_Map->setObjectName(QStringLiteral("pict_Map"));
    pict_Map->setFixedSize(toPixels(kMapWidthTwips), toPixels(kMapHeightTwips));
    pict_Map->setScaledContents(true);
    pict_Map->setToolTip(QStringLiteral("Doubleclick a block to edit it's properties."));

    for (int n = 0; n < kBlockCount; ++n) {
        auto* spot = new HotSpot(n, pict_Map);
        spot->setObjectName(QStringLiteral("img_block_%1").arg(n));
        spot->setGeometry(hotSpotRect(n));
        connect(spot, &HotSpot::mouseMoved, this, &BlockView::img_block_MouseMove);
        connect(spot, &HotSpot::doubleClicked, this, &BlockView::img_block_DblClick);
        connect(spot, &HotSpot::focused, this, &BlockView::img_block_Focus);
        connect(spot, &HotSpot::arrowPressed, this, &BlockView::moveFocusFrom);
        img_block[static_cast<std::size_t>(n)] = spot;
    }

    lbl_Help = new HelpLabel(QStringLiteral("To edit the properties for a block doubleclick on the "
                                            "block to bring up the block properties dialog box."),
                             this);
    lbl_Help->setObjectName(QStringLiteral("lbl_Help"));
    lbl_Help->setFixedWidth(pict_Map->width());

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(pict_Map, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(lbl_Help, 0, Qt::AlignHCenter);
    layout->addStretch(1);
}

void BlockView::setMapPicture(const QPixmap& picture) {
    if (picture.isNull()) {
        pict_Map->clear();
    } else {
        pict_Map->setPixmap(picture);
    }
}

void BlockView::img_block_MouseMove(int n) {
    if (n < 0 || n >= kBlockCount) {
        return;
    }
    img_block[static_cast<std::size_t>(n)]->setToolTip(
        qtText(ctx_.state.model.EditBlocks[static_cast<std::size_t>(n)].displayName));
}

void BlockView::img_block_DblClick(int n) {
    if (n < 0 || n >= kBlockCount) {
        return;
    }
    ctx_.state.CurrentBlock = static_cast<std::int16_t>(n);
    const QString title = QStringLiteral("TG Edit");
    if (n == kDisabledBlock) {
        boxes_.show(
            window(), title,
            QStringLiteral("Editing of this block has been disabled in this version of TG Edit."),
            MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (needsNotice(n)) {
        boxes_.show(window(), title,
                    QStringLiteral("Note: Editing of this block generally has no affect in game."),
                    MsgButtons::Ok, MsgIcon::Information);
    }
    frm_blockedit dialog(ctx_, boxes_, window());
    dialog.showBlock();
    dialog.exec();
}

void BlockView::img_block_Focus(int n, bool keyboard) {
    // A keyboard user gets the name the mouse would show.
    img_block_MouseMove(n);
    HotSpot* spot = img_block[static_cast<std::size_t>(n)];
    spot->setAccessibleName(spot->toolTip());
    if (keyboard) {
        QToolTip::showText(spot->mapToGlobal(QPoint(0, spot->height())), spot->toolTip(), spot);
    }
}

void BlockView::moveFocusFrom(int n, int key) {
    // Left and Right go to the nearest spot of the same row; Up and Down to
    // the nearest spot above or below, preferring ones in line with this one.
    // The focus moves as by Tab, so the spot shows its frame.
    const QPoint from = hotSpotRect(n).center();
    const bool sideways = key == Qt::Key_Left || key == Qt::Key_Right;
    int best = -1;
    long bestScore = std::numeric_limits<long>::max();
    for (int m = 0; m < kBlockCount; ++m) {
        const QPoint to = hotSpotRect(m).center();
        const long dx = to.x() - from.x();
        const long dy = to.y() - from.y();
        long along = 0;
        long across = 0;
        switch (key) {
            case Qt::Key_Left:
                along = -dx, across = dy;
                break;
            case Qt::Key_Right:
                along = dx, across = dy;
                break;
            case Qt::Key_Up:
                along = -dy, across = dx;
                break;
            case Qt::Key_Down:
                along = dy, across = dx;
                break;
            default:
                return;
        }
        if (along <= 0 || (sideways && across != 0)) {
            continue;
        }
        const long score = along + 3 * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = m;
        }
    }
    if (best >= 0) {
        img_block[static_cast<std::size_t>(best)]->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace tg
