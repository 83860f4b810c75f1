#include "ui/program_icon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tg {

namespace {

// Everything is laid out on a 64-unit square and scaled to the size asked.
constexpr qreal kUnits = 64.0;

void drawTile(QPainter& painter) {
    // The green square with a darker rim.
    QLinearGradient ground(0, 0, 0, kUnits);
    ground.setColorAt(0.0, QColor(0x3f, 0x9a, 0x6e));
    ground.setColorAt(1.0, QColor(0x1f, 0x5e, 0x44));
    painter.setPen(QPen(QColor(0x17, 0x47, 0x33), 2.0));
    painter.setBrush(ground);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // Streets: the light paper of the map shows between the blocks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
    painter.drawRoundedRect(QRectF(10, 10, 44, 44), 5, 5);

    // A three by three grid of blocks; the centre one is the block being
    // edited, the lower-left one a park.
    const QColor block(0xc9, 0xbe, 0xae);
    const QColor park(0x7c, 0xc0, 0x6a);
    const QColor picked(0xf2, 0xa3, 0x1b);
    constexpr qreal cell = 12.0;
    constexpr qreal gap = 4.0;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF r(12 + col * (cell + gap), 12 + row * (cell + gap), cell, cell);
            QColor colour = block;
            if (row == 1 && col == 1) {
                colour = picked;
            } else if (row == 2 && col == 0) {
                colour = park;
            }
            painter.setBrush(colour);
            painter.drawRoundedRect(r, 2, 2);
        }
    }

    // An outline round the picked block, so it reads at 16 pixels too.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x8a, 0x4b, 0x00), 1.5));
    painter.drawRoundedRect(QRectF(27.25, 27.25, 9.5, 9.5), 2, 2);
}

}  // namespace

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    drawTile(painter);
    return image;
}

namespace {

// The sizes the icon offers to window managers and docks.
constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// Draws the icon when a size is first asked for, not when the icon is made:
// a window icon set at start-up costs nothing until a window system wants
// its pixels. Each size is drawn once and kept.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        for (const auto& [drawnSide, drawn] : drawn_) {
            if (drawnSide == side) {
                return drawn;
            }
        }
        QPixmap fresh = QPixmap::fromImage(programIconImage(side));
        drawn_.emplace_back(side, fresh);
        return fresh;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (int side : kIconSizes) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("tgedit-program-icon"); }

private:
    std::vector<std::pair<int, QPixmap>> drawn_;
};

}  // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

}  // namespace tg
