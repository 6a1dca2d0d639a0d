#pragma once

#include <QRect>
#include <QSize>

namespace desklet {

// How a static text control is aligned, for fitting it to its text.
enum class HorizontalFit { Left, Center, Right };

// The rectangle a control takes when it is fitted to a text of the given extent.
// Centred sides move inward by half the difference each (truncating toward zero,
// so a larger text moves them outward); a left-aligned control keeps its left edge,
// a right-aligned one its right edge, and without vertical centring the top stays.
QRect FitRectToText(const QRect& rect, const QSize& textExtent, HorizontalFit horizontal, bool centerVertically);

} // namespace desklet
