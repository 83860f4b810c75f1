#pragma once

#include <QWidget>
#include <array>

#include "model/records.h"

class QLabel;
class QPixmap;

namespace tg {

struct AppContext;
class MessageBoxService;
class HotSpot;

// The block view (frame_block): the city map with its 42 hot spots; a
// double-click opens the block dialog.
class BlockView : public QWidget {
    Q_OBJECT
public:
    BlockView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Shows the map picture; a null pixmap leaves the picture empty (the hot
    // spots still work).
    void setMapPicture(const QPixmap& picture);

    // Where hot spot n lies on the map, in pixels relative to pict_Map.
    static QRect hotSpotRect(int n);

    QLabel* pict_Map = nullptr;
    QLabel* lbl_Help = nullptr;
    std::array<HotSpot*, kBlockCount> img_block{};

public slots:
    void img_block_MouseMove(int n);
    void img_block_DblClick(int n);

private:
    void img_block_Focus(int n, bool keyboard);
    void moveFocusFrom(int n, int key);

    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
