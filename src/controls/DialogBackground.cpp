#include "controls/DialogBackground.h"

#include "controls/TextContrast.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace desklet {
namespace {

constexpr const char* kTilePath = ":/desklet/bitmaps/background.png";

const QPixmap& Tile() {
    // Loaded once; QPixmap shares the image between copies.
    static const QPixmap tile(QString::fromLatin1(kTilePath));
    return tile;
}

// The darkest and the lightest pixel of the tile: text that reads on both reads on all.
struct LuminanceRange {
    double darkest = 1.0;
    double lightest = 0.0;
};

const LuminanceRange& TileRange() {
    static const LuminanceRange range = [] {
        LuminanceRange r;
        const QImage image = Tile().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const double luminance = TextContrast::Luminance(image.pixelColor(x, y));
                r.darkest = std::min(r.darkest, luminance);
                r.lightest = std::max(r.lightest, luminance);
            }
        }
        return r;
    }();
    return range;
}

double WorstRatioOnTile(const QColor& text) {
    const LuminanceRange& range = TileRange();
    const double luminance = TextContrast::Luminance(text);
    if (luminance <= range.darkest) {
        return (range.darkest + 0.05) / (luminance + 0.05);
    }
    if (luminance >= range.lightest) {
        return (luminance + 0.05) / (range.lightest + 0.05);
    }
    // Somewhere on the tile is a pixel as light as the text itself.
    return 1.0;
}

} // namespace

bool DialogBackground::Suits(const QPalette& palette) {
    if (Tile().isNull()) {
        return false;
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (WorstRatioOnTile(palette.color(group, QPalette::WindowText)) < TextContrast::kMinimum) {
            return false;
        }
    }
    return true;
}

bool DialogBackground::Paint(QPainter& painter, const QRect& area, const QPalette& palette) {
    if (!Suits(palette)) {
        return false;
    }
    for (int x = area.left(); x <= area.right(); x += kTile) {
        for (int y = area.top(); y <= area.bottom(); y += kTile) {
            DrawTile(painter, x, y);
        }
    }
    return true;
}

bool DialogBackground::DrawTile(QPainter& painter, int x, int y) {
    if (Tile().isNull()) {
        return false;
    }
    painter.drawPixmap(x, y, Tile());
    return true;
}

} // namespace desklet
