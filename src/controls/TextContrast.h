#pragma once

#include <QColor>

namespace desklet {

// How well a text colour reads on a background, by the contrast ratio of relative
// luminances that accessibility guidelines use: 1 for equal colours up to 21 for
// black on white.
class TextContrast {
public:
    // Normal-size text needs this much to be read by most people with low vision.
    static constexpr double kMinimum = 4.5;

    // 0 for black up to 1 for white, from the sRGB channels.
    static double Luminance(const QColor& color);
    static double Ratio(const QColor& a, const QColor& b);
    // The colour itself where it reads on the background; otherwise the colour
    // mixed with black or white, whichever the background is further from, just far
    // enough to read, so that a link stays recognisably its colour.
    static QColor Readable(const QColor& color, const QColor& background, double minimum = kMinimum);
};

} // namespace desklet
