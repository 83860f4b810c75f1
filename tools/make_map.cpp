// Draws the city map picture tgmap.map: 439 x 360 pixels (6585 x 5400 twips),
// PNG bytes. Every row is stored without a PNG filter: the editor decodes
// such a file in half the time of one whose rows are filtered (the default of
// Qt's writer), and for this picture of flat colours it is even smaller. Each of the 42 blocks lies
// under its hot spot on the block view; streets run between them, the harbour basin lies between
// the marina and the docks, and a rail line runs to each of the four railroad stations.
//
//   make_map <output file>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWidth = 439;
constexpr int kHeight = 360;

// The hot-spot grid in twips: column lefts, row tops and the slot at each
// place (-1: no block there). 15 twips make one pixel.
constexpr std::array<int, 9> kColumnLeft = {15, 750, 1470, 2220, 2955, 3675, 4410, 5160, 5910};
constexpr std::array<int, 8> kRowTop = {30, 675, 1335, 2010, 2655, 3330, 4005, 4665};
constexpr int kSpotWidth = 600;
constexpr int kSpotHeight = 513;
constexpr std::array<std::array<int, 9>, 8> kGrid = {{
    {0, 1, 2, 3, 4, 5, -1, -1, -1},
    {6, 7, 8, 9, 10, 11, 12, -1, -1},
    {-1, 13, 14, -1, -1, 15, 16, 17, -1},
    {-1, 18, 19, -1, -1, -1, 20, 21, -1},
    {22, 23, 24, -1, -1, -1, 25, -1, -1},
    {26, 27, 28, 29, 30, 31, 32, -1, 33},
    {-1, -1, 34, -1, -1, -1, -1, -1, 35},
    {-1, -1, 36, -1, 37, 38, 39, 40, 41},
}};

// Block slots with a picture of their own.
enum Slot {
    kTelecoms = 2,
    kBusTaxi = 3,
    kBraxbyRailroad = 4,
    kAirport = 5,
    kZoo = 7,
    kUniversity = 10,
    kSchoolLibrary = 13,
    kElectricCompany = 17,
    kLowmarshRailroad = 18,
    kHospital = 19,
    kZennorthRailroad = 21,
    kPoliceFire = 23,
    kGardens = 24,
    kMuseum = 29,
    kMarina = 32,
    kGasworks = 36,
    kYarrowfieldRailroad = 37,
    kDock1 = 38,
    kDock2 = 39,
    kDock3 = 40,
    kWaterWorks = 41,
};

// Colours of the map.
const QColor kStreet(0xfd, 0xfc, 0xf8);
const QColor kKerb(0xc9, 0xbf, 0xb0);
const QColor kBlockGround(0xec, 0xe6, 0xdb);
const QColor kBuilding(0xd5, 0xc8, 0xb5);
const QColor kBuildingEdge(0xa8, 0x98, 0x80);
const QColor kPark(0xc8, 0xe3, 0xaa);
const QColor kParkEdge(0x9c, 0xc4, 0x7e);
const QColor kTree(0x86, 0xb9, 0x68);
const QColor kTreeDark(0x6a, 0xa0, 0x52);
const QColor kWater(0xa4, 0xcf, 0xe8);
const QColor kWaterEdge(0x74, 0xa9, 0xcc);
const QColor kPaved(0xd9, 0xd6, 0xd0);
const QColor kRail(0x5e, 0x5e, 0x62);
const QColor kFrame(0x8f, 0x86, 0x78);

double px(int twips) {
    return twips / 15.0;
}

// The hot spot of the cell at (row, col) in pixels.
QRectF spot(int row, int col) {
    return QRectF(px(kColumnLeft[col]), px(kRowTop[row]), px(kSpotWidth), px(kSpotHeight));
}

QRectF spotOfSlot(int slot) {
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 9; ++col) {
            if (kGrid[row][col] == slot) {
                return spot(row, col);
            }
        }
    }
    std::abort();
}

// A small deterministic generator, so the picture is the same on every run
// and every platform.
class Noise {
public:
    explicit Noise(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
    // A number in [0, 1).
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    unsigned state_;
};

void tree(QPainter& p, QPointF centre, double radius, bool dark) {
    p.setPen(Qt::NoPen);
    p.setBrush(dark ? kTreeDark : kTree);
    p.drawEllipse(centre, radius, radius);
}

void parkArea(QPainter& p, const QRectF& area, unsigned seed, int trees) {
    p.setPen(QPen(kParkEdge, 0.8));
    p.setBrush(kPark);
    p.drawRoundedRect(area, 3, 3);
    Noise noise(seed);
    for (int i = 0; i < trees; ++i) {
        const QPointF at(noise.between(area.left() + 3, area.right() - 3),
                         noise.between(area.top() + 3, area.bottom() - 3));
        tree(p, at, noise.between(1.6, 2.8), noise.next() < 0.4);
    }
}

void building(QPainter& p, const QRectF& r, const QColor& roof = kBuilding) {
    p.setPen(QPen(kBuildingEdge, 0.7));
    p.setBrush(roof);
    p.drawRect(r);
}

// The ground of a block: a paved island with rounded corners and a kerb.
void blockGround(QPainter& p, const QRectF& r, const QColor& ground = kBlockGround) {
    p.setPen(QPen(kKerb, 1.0));
    p.setBrush(ground);
    p.drawRoundedRect(r.adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
}

QColor shaded(const QColor& base, Noise& noise) {
    const int shade = static_cast<int>(noise.between(-14, 10));
    return QColor(std::clamp(base.red() + shade, 0, 255), std::clamp(base.green() + shade, 0, 255),
                  std::clamp(base.blue() + shade, 0, 255));
}

// An ordinary city block, in one of three layouts so the town does not look
// stamped out: buildings round a yard, a few large buildings, or terraces
// with gardens behind them.
void cityBlock(QPainter& p, const QRectF& r, unsigned seed) {
    blockGround(p, r);
    Noise noise(seed);
    const std::array<QColor, 3> roofs = {kBuilding, QColor(0xcf, 0xb2, 0xa0),
                                         QColor(0xbf, 0xc4, 0xc8)};
    const QColor roofBase = roofs[seed % roofs.size()];
    const QRectF inner = r.adjusted(2, 2, -2, -2);
    switch (seed % 3) {
        case 0: {
            const int columns = noise.next() < 0.5 ? 3 : 4;
            const double w = inner.width() / columns;
            const double h = inner.height() / 3;
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < columns; ++col) {
                    if (row == 1 && col > 0 && col < columns - 1) {
                        continue;  // the yard
                    }
                    const QRectF cell(inner.left() + col * w, inner.top() + row * h, w, h);
                    building(p, cell.adjusted(0.5, 0.5, -0.5, -0.5), shaded(roofBase, noise));
                }
            }
            tree(p, QPointF(inner.center().x() - 2, inner.center().y()), 2.0, false);
            tree(p, QPointF(inner.center().x() + 3, inner.center().y() + 1), 1.6, true);
            break;
        }
        case 1: {
            const double split = inner.left() + inner.width() * noise.between(0.4, 0.6);
            const double splitY = inner.top() + inner.height() * noise.between(0.4, 0.6);
            building(p, QRectF(inner.left(), inner.top(), split - inner.left() - 1, inner.height()),
                     shaded(roofBase, noise));
            building(
                p,
                QRectF(split + 1, inner.top(), inner.right() - split - 1, splitY - inner.top() - 1),
                shaded(roofBase, noise));
            building(p,
                     QRectF(split + 1, splitY + 1, inner.right() - split - 1,
                            inner.bottom() - splitY - 1),
                     shaded(roofBase, noise));
            break;
        }
        default: {
            // Two terraces back to back, gardens between them.
            const double h = inner.height();
            p.setPen(Qt::NoPen);
            p.setBrush(kPark);
            p.drawRect(QRectF(inner.left(), inner.top() + h * 0.3, inner.width(), h * 0.4));
            const int houses = 5;
            const double w = inner.width() / houses;
            for (int i = 0; i < houses; ++i) {
                building(p, QRectF(inner.left() + i * w + 0.3, inner.top(), w - 0.6, h * 0.3),
                         shaded(roofBase, noise));
                building(
                    p, QRectF(inner.left() + i * w + 0.3, inner.top() + h * 0.7, w - 0.6, h * 0.3),
                    shaded(roofBase, noise));
            }
            tree(p, QPointF(inner.left() + 6, inner.center().y()), 1.8, true);
            tree(p, QPointF(inner.right() - 9, inner.center().y()), 1.8, false);
            break;
        }
    }
}

void railTrack(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(kRail, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    QPen sleepers(QColor(0xf4, 0xf1, 0xea), 1.2, Qt::CustomDashLine, Qt::FlatCap);
    sleepers.setDashPattern({2.0, 2.0});
    p.setPen(sleepers);
    p.drawLine(from, to);
}

// A station: platforms between tracks in the direction of its line and a
// station building across their end.
void station(QPainter& p, const QRectF& r, bool vertical) {
    blockGround(p, r, kPaved);
    p.setPen(Qt::NoPen);
    if (vertical) {
        for (double x : {r.left() + 9, r.left() + 20, r.left() + 31}) {
            p.setPen(QPen(kRail, 1.6));
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom() - 8));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xee, 0xe6));
        p.drawRect(QRectF(r.left() + 12, r.top() + 2, 5, r.height() - 11));
        p.drawRect(QRectF(r.left() + 23, r.top() + 2, 5, r.height() - 11));
        building(p, QRectF(r.left() + 2, r.bottom() - 8, r.width() - 4, 6),
                 QColor(0xb5, 0x6a, 0x4e));
    } else {
        for (double y : {r.top() + 8, r.top() + 17, r.top() + 26}) {
            p.setPen(QPen(kRail, 1.6));
            p.drawLine(QPointF(r.left(), y), QPointF(r.right() - 8, y));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xee, 0xe6));
        p.drawRect(QRectF(r.left() + 2, r.top() + 10, r.width() - 11, 5));
        p.drawRect(QRectF(r.left() + 2, r.top() + 19, r.width() - 11, 5));
        building(p, QRectF(r.right() - 8, r.top() + 2, 6, r.height() - 4),
                 QColor(0xb5, 0x6a, 0x4e));
    }
}

void stationMirrored(QPainter& p, const QRectF& r) {
    // A station whose line leaves to the west: the building is on the east.
    station(p, r, false);
}

void telecoms(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    building(p, QRectF(r.left() + 2, r.top() + 2, 18, r.height() - 4));
    building(p, QRectF(r.left() + 22, r.bottom() - 12, 16, 10));
    // The mast and its signal rings.
    const QPointF mast(r.left() + 30, r.top() + 11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6c, 0x8e, 0xbf), 0.8));
    p.drawEllipse(mast, 7, 7);
    p.drawEllipse(mast, 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x39, 0x2b));
    p.drawEllipse(mast, 2, 2);
}

void busStation(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPaved);
    building(p, QRectF(r.left() + 2, r.top() + 2, r.width() - 4, 6), QColor(0x9f, 0xb4, 0xc7));
    p.setPen(QPen(QColor(0xff, 0xff, 0xff), 0.8));
    for (int i = 0; i < 6; ++i) {
        const double x = r.left() + 5 + i * 6;
        p.drawLine(QPointF(x, r.top() + 11), QPointF(x + 3, r.top() + 19));
    }
    // Buses in their bays and taxis in the rank.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x4a, 0x3d));
    for (double x : {r.left() + 6.0, r.left() + 18.0, r.left() + 30.0}) {
        p.drawRoundedRect(QRectF(x - 1, r.top() + 12, 4, 7), 1, 1);
    }
    p.setBrush(QColor(0xf2, 0xc2, 0x1b));
    for (int i = 0; i < 5; ++i) {
        p.drawRoundedRect(QRectF(r.left() + 5 + i * 6.5, r.bottom() - 9, 3.5, 6), 1, 1);
    }
}

void airport(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPaved);
    // The terminal with its piers.
    building(p, QRectF(r.left() + 3, r.top() + 3, 14, r.height() - 6), QColor(0xb9, 0xc6, 0xd3));
    p.setPen(QPen(QColor(0xb9, 0xc6, 0xd3), 2.2));
    p.drawLine(QPointF(r.left() + 17, r.top() + 10), QPointF(r.left() + 30, r.top() + 10));
    p.drawLine(QPointF(r.left() + 17, r.top() + 24), QPointF(r.left() + 30, r.top() + 24));
    // Parked aircraft.
    p.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y : {r.top() + 16.0, r.top() + 30.0}) {
        p.drawLine(QPointF(r.left() + 24, y), QPointF(r.left() + 34, y));
        p.drawLine(QPointF(r.left() + 28, y - 3.5), QPointF(r.left() + 28, y + 3.5));
    }
}

// The airfield east of the terminal, with its runway.
void airfield(QPainter& p, const QRectF& field) {
    p.setPen(QPen(kParkEdge, 0.8));
    p.setBrush(QColor(0xd4, 0xe8, 0xbc));
    p.drawRoundedRect(field, 3, 3);
    const QRectF runway(field.left() + 6, field.center().y() - 4, field.width() - 12, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x8d, 0x93));
    p.drawRect(runway);
    QPen centreLine(QColor(0xff, 0xff, 0xff), 0.9, Qt::CustomDashLine);
    centreLine.setDashPattern({4.0, 3.0});
    p.setPen(centreLine);
    p.drawLine(QPointF(runway.left() + 4, runway.center().y()),
               QPointF(runway.right() - 4, runway.center().y()));
    // A taxiway back to the terminal.
    p.setPen(QPen(QColor(0x8a, 0x8d, 0x93), 3));
    p.drawLine(QPointF(field.left(), field.top() + 8),
               QPointF(runway.left() + 10, field.top() + 8));
    p.drawLine(QPointF(runway.left() + 10, field.top() + 8),
               QPointF(runway.left() + 10, runway.top()));
}

void zoo(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPark);
    p.setPen(QPen(QColor(0xe6, 0xd6, 0xb0), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), 13, 10);
    p.setPen(QPen(QColor(0x9a, 0x7b, 0x4f), 0.8));
    p.setBrush(QColor(0xe2, 0xcf, 0x9c));
    p.drawEllipse(QPointF(r.left() + 8, r.top() + 8), 5, 4);
    p.drawEllipse(QPointF(r.right() - 8, r.bottom() - 8), 5, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    p.drawEllipse(QPointF(r.right() - 9, r.top() + 9), 5, 4);
    tree(p, QPointF(r.left() + 8, r.bottom() - 7), 2.5, true);
    tree(p, QPointF(r.center().x(), r.center().y()), 3, false);
}

void university(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    const QColor brick(0xc7, 0x8c, 0x6b);
    building(p, QRectF(r.left() + 2, r.top() + 2, r.width() - 4, 7), brick);
    building(p, QRectF(r.left() + 2, r.top() + 9, 7, r.height() - 11), brick);
    building(p, QRectF(r.right() - 9, r.top() + 9, 7, r.height() - 11), brick);
    p.setPen(QPen(kParkEdge, 0.6));
    p.setBrush(kPark);
    p.drawRect(QRectF(r.left() + 11, r.top() + 11, r.width() - 22, r.height() - 14));
    p.setPen(QPen(kStreet, 0.9));
    p.drawLine(QPointF(r.center().x(), r.top() + 11), QPointF(r.center().x(), r.bottom() - 3));
}

void schoolLibrary(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    const QColor roof(0xc9, 0xa4, 0x6a);
    building(p, QRectF(r.left() + 2, r.top() + 2, r.width() - 4, 8), roof);
    building(p, QRectF(r.left() + 2, r.top() + 10, 9, r.height() - 12), roof);
    // The sports field.
    p.setPen(QPen(QColor(0xc8, 0x6a, 0x48), 1.6));
    p.setBrush(kPark);
    p.drawRoundedRect(QRectF(r.left() + 14, r.top() + 13, r.width() - 17, r.height() - 16), 7, 7);
}

void electricCompany(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPaved);
    building(p, QRectF(r.left() + 2, r.top() + 2, 20, 14), QColor(0xa9, 0xa4, 0x9c));
    p.setPen(QPen(kBuildingEdge, 0.7));
    p.setBrush(QColor(0x8f, 0x8a, 0x84));
    p.drawEllipse(QPointF(r.left() + 28, r.top() + 7), 3.2, 3.2);
    p.drawEllipse(QPointF(r.left() + 35, r.top() + 7), 3.2, 3.2);
    // The switchyard.
    p.setPen(QPen(QColor(0x7d, 0x7a, 0x74), 0.7));
    for (int i = 0; i < 5; ++i) {
        const double x = r.left() + 5 + i * 7;
        p.drawLine(QPointF(x, r.top() + 19), QPointF(x, r.bottom() - 3));
    }
    p.drawLine(QPointF(r.left() + 4, r.top() + 25), QPointF(r.right() - 4, r.top() + 25));
    p.setPen(QPen(QColor(0xf2, 0xb7, 0x05), 1.4));
    p.drawPolyline(
        QPolygonF({QPointF(r.right() - 8, r.top() + 18), QPointF(r.right() - 11, r.top() + 24),
                   QPointF(r.right() - 6, r.top() + 24), QPointF(r.right() - 9, r.top() + 31)}));
}

void hospital(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    const QColor white(0xf7, 0xf5, 0xf0);
    building(p, QRectF(r.left() + 3, r.top() + 3, 9, r.height() - 6), white);
    building(p, QRectF(r.right() - 12, r.top() + 3, 9, r.height() - 6), white);
    building(p, QRectF(r.left() + 12, r.center().y() - 4, r.width() - 24, 8), white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd3, 0x2f, 0x2f));
    const QPointF c = r.center();
    p.drawRect(QRectF(c.x() - 1.2, c.y() - 3.5, 2.4, 7));
    p.drawRect(QRectF(c.x() - 3.5, c.y() - 1.2, 7, 2.4));
}

void policeFire(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    building(p, QRectF(r.left() + 2, r.top() + 2, 17, r.height() - 4), QColor(0x7f, 0x9c, 0xc6));
    building(p, QRectF(r.right() - 19, r.top() + 2, 17, r.height() - 4), QColor(0xcf, 0x6b, 0x5a));
    p.setPen(QPen(kStreet, 1));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + 8 + i * 8;
        p.drawLine(QPointF(r.right() - 19, y), QPointF(r.right() - 2, y));
    }
}

void gardens(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPark);
    p.setPen(QPen(QColor(0xe9, 0xdf, 0xc4), 1.3));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.setPen(Qt::NoPen);
    const std::array<QColor, 4> flowers = {QColor(0xe5, 0x73, 0x8a), QColor(0xf2, 0xc1, 0x4e),
                                           QColor(0xb3, 0x86, 0xd6), QColor(0xef, 0x8d, 0x4b)};
    const std::array<QPointF, 4> beds = {
        QPointF(r.left() + 10, r.top() + 8), QPointF(r.right() - 10, r.top() + 8),
        QPointF(r.left() + 10, r.bottom() - 8), QPointF(r.right() - 10, r.bottom() - 8)};
    for (std::size_t i = 0; i < beds.size(); ++i) {
        p.setBrush(flowers[i]);
        p.drawEllipse(beds[i], 4.5, 3.5);
    }
    p.setBrush(kWater);
    p.drawEllipse(r.center(), 3, 3);
}

void museum(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPaved);
    const QColor stone(0xe6, 0xdd, 0xc8);
    building(p, QRectF(r.left() + 4, r.top() + 3, r.width() - 8, 18), stone);
    // The portico.
    p.setPen(QPen(kBuildingEdge, 0.9));
    for (int i = 0; i < 6; ++i) {
        const double x = r.left() + 8 + i * 4.8;
        p.drawLine(QPointF(x, r.top() + 21), QPointF(x, r.top() + 25));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kPark);
    p.drawRect(QRectF(r.left() + 4, r.bottom() - 7, 12, 5));
    p.drawRect(QRectF(r.right() - 16, r.bottom() - 7, 12, 5));
}

void marina(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    // The inner harbour opens to the basin south of the block.
    const QRectF pool(r.left() + 3, r.top() + 12, r.width() - 6, r.height() - 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    p.drawRect(pool);
    building(p, QRectF(r.left() + 3, r.top() + 2, r.width() - 6, 8), QColor(0xe8, 0xe3, 0xd6));
    p.setPen(QPen(QColor(0xb0, 0x93, 0x6d), 1.2));
    for (double x : {r.left() + 12.0, r.left() + 24.0}) {
        p.drawLine(QPointF(x, r.top() + 12), QPointF(x, r.bottom() + 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xff, 0xff));
    Noise noise(kMarina);
    for (double x : {r.left() + 8.5, r.left() + 15.5, r.left() + 20.5, r.left() + 27.5}) {
        for (int i = 0; i < 3; ++i) {
            if (noise.next() < 0.75) {
                p.drawEllipse(QRectF(x - 1.3, r.top() + 14 + i * 7, 2.6, 5));
            }
        }
    }
}

void gasworks(QPainter& p, const QRectF& r) {
    blockGround(p, r, kPaved);
    p.setPen(QPen(QColor(0x6d, 0x7f, 0x6a), 0.8));
    p.setBrush(QColor(0x9d, 0xb3, 0x98));
    p.drawEllipse(QPointF(r.left() + 11, r.top() + 11), 8, 8);
    p.drawEllipse(QPointF(r.right() - 11, r.top() + 13), 7, 7);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.left() + 11, r.top() + 11), 4, 4);
    building(p, QRectF(r.left() + 3, r.bottom() - 9, r.width() - 6, 6), QColor(0xb1, 0xa8, 0x99));
}

void dock(QPainter& p, const QRectF& r, unsigned seed) {
    blockGround(p, r, kPaved);
    // Containers in rows, and a crane on the quay.
    Noise noise(seed);
    const std::array<QColor, 5> colours = {QColor(0xc0, 0x39, 0x2b), QColor(0x29, 0x80, 0xb9),
                                           QColor(0x27, 0xae, 0x60), QColor(0xe6, 0x7e, 0x22),
                                           QColor(0x7f, 0x8c, 0x8d)};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (noise.next() < 0.2) {
                continue;
            }
            p.setBrush(colours[static_cast<std::size_t>(noise.next() * 5) % 5]);
            p.drawRect(QRectF(r.left() + 4 + col * 8.5, r.top() + 12 + row * 6.5, 7, 4.5));
        }
    }
    p.setPen(QPen(QColor(0xe0, 0xa1, 0x1b), 1.4));
    p.drawLine(QPointF(r.left() + 6, r.top() + 7), QPointF(r.right() - 6, r.top() + 7));
    p.drawLine(QPointF(r.left() + 10, r.top() + 3), QPointF(r.left() + 10, r.top() + 10));
}

void waterWorks(QPainter& p, const QRectF& r) {
    blockGround(p, r);
    p.setPen(QPen(kWaterEdge, 0.8));
    p.setBrush(kWater);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QPointF(r.left() + 8 + col * 12, r.top() + 9 + row * 15), 5, 5);
        }
    }
}

void compass(QPainter& p, QPointF at) {
    p.setPen(QPen(kFrame, 0.8));
    p.setBrush(QColor(0xfd, 0xfc, 0xf8, 220));
    p.drawEllipse(at, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x52, 0x48));
    p.drawPolygon(QPolygonF({at + QPointF(0, -8), at + QPointF(3, 1), at + QPointF(-3, 1)}));
    p.setBrush(QColor(0xbf, 0xb6, 0xa8));
    p.drawPolygon(QPolygonF({at + QPointF(0, 8), at + QPointF(3, 1), at + QPointF(-3, 1)}));
}

void drawMap(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kStreet);

    // Open ground where the grid has no block: parks, the airfield and the
    // harbour. Drawn first, so the blocks' kerbs lie on top.
    const double colRight7 = spot(0, 7).right();
    // The park in the middle of town.
    const QRectF centralPark(spot(2, 3).left() - 1, spot(2, 3).top() - 1,
                             spot(2, 4).right() - spot(2, 3).left() + 2,
                             spot(4, 4).bottom() - spot(2, 3).top() + 2);
    const QRectF eastPark(spot(3, 5).left() - 1, spot(3, 5).top() - 1, px(kSpotWidth) + 2,
                          spot(4, 5).bottom() - spot(3, 5).top() + 2);
    parkArea(p, centralPark, 7, 26);
    parkArea(p, eastPark, 8, 8);
    // Its pond and paths.
    p.setPen(QPen(kWaterEdge, 0.8));
    p.setBrush(kWater);
    p.drawEllipse(QPointF(centralPark.center().x() + 6, centralPark.center().y() + 4), 14, 9);
    p.setPen(QPen(QColor(0xee, 0xe4, 0xc8), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(centralPark.left(), centralPark.top() + 18),
               QPointF(centralPark.right(), centralPark.top() + 26));
    p.drawLine(QPointF(centralPark.left() + 22, centralPark.bottom()),
               QPointF(centralPark.left() + 34, centralPark.top()));

    // West and south-west greens, the grove in the north-east.
    parkArea(p,
             QRectF(spot(2, 0).left() - 1, spot(2, 0).top() - 1, px(kSpotWidth) + 2,
                    spot(3, 0).bottom() - spot(2, 0).top() + 2),
             11, 7);
    parkArea(
        p, QRectF(0, spot(6, 0).top() - 1, spot(6, 1).right() + 1, kHeight - spot(6, 0).top() + 1),
        12, 22);
    parkArea(p,
             QRectF(spot(7, 3).left() - 1, spot(7, 3).top() - 1, px(kSpotWidth) + 2,
                    px(kSpotHeight) + 2),
             13, 6);
    parkArea(p,
             QRectF(spot(1, 7).left() - 1, spot(1, 7).top() - 1, kWidth - spot(1, 7).left() + 1,
                    spot(1, 7).bottom() - spot(1, 7).top() + 2),
             14, 10);
    parkArea(p,
             QRectF(spot(2, 8).left() - 1, spot(2, 8).top() - 1, kWidth - spot(2, 8).left() + 1,
                    spot(3, 8).bottom() - spot(2, 8).top() + 2),
             15, 10);

    // The airfield east of the airport.
    airfield(p, QRectF(spot(0, 6).left() - 1, 1, kWidth - spot(0, 6).left(), spot(0, 6).bottom()));

    // The harbour: a basin between the marina and the docks, and a channel
    // past the marina out to sea in the east.
    QPainterPath water;
    water.setFillRule(Qt::WindingFill);
    const double basinTop = spot(5, 3).bottom() + 5;
    const double basinBottom = spot(7, 3).top() - 2.5;
    water.addRoundedRect(QRectF(spot(6, 3).left() - 3, basinTop,
                                colRight7 + 3 - (spot(6, 3).left() - 3), basinBottom - basinTop),
                         5, 5);
    water.addRoundedRect(QRectF(spot(4, 7).left() - 2, spot(4, 7).top() - 3, px(kSpotWidth) + 4,
                                basinBottom - spot(4, 7).top() - 6),
                         5, 5);
    water.addRect(QRectF(spot(4, 7).left() + 4, spot(4, 8).top() - 3, kWidth - spot(4, 7).left(),
                         px(kSpotHeight) + 3));
    p.setPen(QPen(kWaterEdge, 1.0));
    p.setBrush(kWater);
    p.drawPath(water.simplified());
    // Jetties from the docks into the basin.
    p.setPen(Qt::NoPen);
    p.setBrush(kPaved);
    for (int slot : {kDock1, kDock2, kDock3}) {
        const QRectF r = spotOfSlot(slot);
        p.drawRect(QRectF(r.left() + 6, basinBottom - 12, 5, 14));
        p.drawRect(QRectF(r.right() - 11, basinBottom - 12, 5, 14));
    }
    // Waves.
    p.setPen(QPen(QColor(0xd4, 0xe9, 0xf5), 0.8));
    for (QPointF at : {QPointF(spot(6, 3).left() + 8, basinTop + 12),
                       QPointF(spot(6, 4).left() + 14, basinTop + 26),
                       QPointF(spot(4, 8).left() + 14, spot(4, 8).top() + 12),
                       QPointF(spot(5, 7).left() + 10, spot(5, 7).top() + 8)}) {
        p.drawArc(QRectF(at.x(), at.y(), 6, 3), 0, 180 * 16);
        p.drawArc(QRectF(at.x() + 6, at.y(), 6, 3), 0, 180 * 16);
    }

    // Rail lines, one to each station, coming in from the edge of the map.
    const QRectF braxby = spotOfSlot(kBraxbyRailroad);
    const QRectF lowmarsh = spotOfSlot(kLowmarshRailroad);
    const QRectF zennorth = spotOfSlot(kZennorthRailroad);
    const QRectF yarrowfield = spotOfSlot(kYarrowfieldRailroad);
    railTrack(p, QPointF(0, lowmarsh.center().y()),
              QPointF(lowmarsh.left(), lowmarsh.center().y()));
    railTrack(p, QPointF(zennorth.right(), zennorth.center().y()),
              QPointF(kWidth, zennorth.center().y()));
    railTrack(p, QPointF(yarrowfield.center().x(), yarrowfield.bottom()),
              QPointF(yarrowfield.center().x(), kHeight));

    // The blocks.
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 9; ++col) {
            const int slot = kGrid[row][col];
            if (slot < 0) {
                continue;
            }
            const QRectF r = spot(row, col);
            switch (slot) {
                case kTelecoms:
                    telecoms(p, r);
                    break;
                case kBusTaxi:
                    busStation(p, r);
                    break;
                case kBraxbyRailroad:
                    station(p, r, true);
                    break;
                case kAirport:
                    airport(p, r);
                    break;
                case kZoo:
                    zoo(p, r);
                    break;
                case kUniversity:
                    university(p, r);
                    break;
                case kSchoolLibrary:
                    schoolLibrary(p, r);
                    break;
                case kElectricCompany:
                    electricCompany(p, r);
                    break;
                case kLowmarshRailroad: {
                    // The line comes in from the west: the building stands
                    // at the east end.
                    stationMirrored(p, r);
                    break;
                }
                case kHospital:
                    hospital(p, r);
                    break;
                case kZennorthRailroad: {
                    // The line comes in from the east: mirror the station.
                    p.save();
                    p.translate(r.center());
                    p.scale(-1, 1);
                    p.translate(-r.center());
                    station(p, r, false);
                    p.restore();
                    break;
                }
                case kPoliceFire:
                    policeFire(p, r);
                    break;
                case kGardens:
                    gardens(p, r);
                    break;
                case kMuseum:
                    museum(p, r);
                    break;
                case kMarina:
                    marina(p, r);
                    break;
                case kGasworks:
                    gasworks(p, r);
                    break;
                case kYarrowfieldRailroad: {
                    // The line comes in from the south: the building stands
                    // at the north end.
                    p.save();
                    p.translate(r.center());
                    p.scale(1, -1);
                    p.translate(-r.center());
                    station(p, r, true);
                    p.restore();
                    break;
                }
                case kDock1:
                case kDock2:
                case kDock3:
                    dock(p, r, static_cast<unsigned>(slot));
                    break;
                case kWaterWorks:
                    waterWorks(p, r);
                    break;
                default:
                    cityBlock(p, r, static_cast<unsigned>(slot));
                    break;
            }
        }
    }
    // The line into Braxby runs in from the north edge over the station.
    railTrack(p, QPointF(braxby.center().x(), 0), QPointF(braxby.center().x(), braxby.top() + 1));

    compass(p, QPointF(20, kHeight - 20));

    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

// The CRC-32 of a PNG chunk (ISO 3309), over its type and data.
std::uint32_t chunkCrc(const QByteArray& typeAndData) {
    std::uint32_t crc = 0xffffffffu;
    for (const char c : typeAndData) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1u) != 0 ? 0xedb88320u : 0u);
        }
    }
    return crc ^ 0xffffffffu;
}

void appendBigEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xffu));
    }
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const QByteArray typeAndData = QByteArray(type) + data;
    out.append(typeAndData);
    appendBigEndian(out, chunkCrc(typeAndData));
}

// The picture as PNG bytes: 8-bit RGB, not interlaced, each row with filter
// type 0 (none), the resolution of the image in a pHYs chunk.
QByteArray pngBytes(const QImage& image) {
    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width()));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // depth, RGB, deflate, filter set 0, no interlace

    QByteArray resolution;
    appendBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    appendBigEndian(resolution, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    resolution.append('\x01');  // per metre

    QByteArray rows;
    rows.reserve(image.height() * (1 + image.width() * 3));
    for (int y = 0; y < image.height(); ++y) {
        rows.append('\x00');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            rows.append(static_cast<char>(qRed(line[x])));
            rows.append(static_cast<char>(qGreen(line[x])));
            rows.append(static_cast<char>(qBlue(line[x])));
        }
    }
    // qCompress gives a zlib stream behind a four-byte length of its own.
    const QByteArray deflated = qCompress(rows, 9).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "pHYs", resolution);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_map <output file>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        drawMap(painter);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray png = pngBytes(image);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png) != png.size() ||
        !file.flush()) {
        std::fprintf(stderr, "make_map: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
