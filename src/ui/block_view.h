#pragma once

#include <QWidget>

class QLabel;
class QPixmap;

namespace tg {

struct AppContext;
class MessageBoxService;

// The block view (frame_block): the city map with its 42 hot spots; a
// double-click opens the block dialog.
class BlockView : public QWidget {
    Q_OBJECT
public:
    BlockView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent = nullptr);

    // Shows the map picture; a null pixmap leaves the picture empty (the hot
    // spots still work).
    void setMapPicture(const QPixmap& picture);

    QLabel* pict_Map = nullptr;

private:
    AppContext& ctx_;
    MessageBoxService& boxes_;
};

}  // namespace tg
