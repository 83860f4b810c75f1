#include "ui/block_view.h"

#include <QLabel>
#include <QPixmap>

namespace tg {

// Placeholder until the block map lands.
BlockView::BlockView(AppContext& ctx, MessageBoxService& boxes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), boxes_(boxes) {
    pict_Map = new QLabel(this);
}

void BlockView::setMapPicture(const QPixmap& picture) { pict_Map->setPixmap(picture); }

}  // namespace tg
