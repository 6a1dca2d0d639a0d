#include "controls/TextContrast.h"

#include <algorithm>
#include <cmath>

namespace desklet {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// In whole 8-bit channels, as the colour reaches the screen: the ratio checked is
// the ratio drawn.
QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return {channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue())};
}

// Enough halvings to settle on one of 256 steps of a channel.
constexpr int kSearchSteps = 12;

} // namespace

double TextContrast::Luminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double TextContrast::Ratio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextContrast::Readable(const QColor& color, const QColor& background, double minimum) {
    if (Ratio(color, background) >= minimum) {
        return color;
    }
    // Black or white reads on any background by at least the square root of 21:
    // the search ends in a readable colour for any minimum up to that.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor target = Ratio(black, background) >= Ratio(white, background) ? black : white;
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < kSearchSteps; ++i) {
        const double middle = (low + high) / 2;
        if (Ratio(Mix(color, target, middle), background) >= minimum) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return Mix(color, target, high);
}

} // namespace desklet
