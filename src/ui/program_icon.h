#pragma once

#include <QIcon>
#include <QImage>

namespace tg {

// The program's icon: a small city map tile on a green square, one block
// picked out in amber. Drawn by code, so it is sharp at every size.
QIcon programIcon();

// The icon drawn at size x size pixels.
QImage programIconImage(int size);

}  // namespace tg
