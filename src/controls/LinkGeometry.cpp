#include "controls/LinkGeometry.h"

namespace desklet {

QRect FitRectToText(const QRect& rect, const QSize& textExtent, HorizontalFit horizontal, bool centerVertically) {
    // Edges as left/top inclusive and right/bottom exclusive, so that the halves
    // come out as the control's own arithmetic has them.
    int left = rect.x();
    int top = rect.y();
    int right = rect.x() + rect.width();
    int bottom = rect.y() + rect.height();
    const int cx = textExtent.width();
    const int cy = textExtent.height();

    if (centerVertically) {
        const int inset = (rect.height() - cy) / 2;
        top += inset;
        bottom -= inset;
    } else {
        bottom = top + cy;
    }

    switch (horizontal) {
    case HorizontalFit::Center: {
        const int inset = (rect.width() - cx) / 2;
        left += inset;
        right -= inset;
        break;
    }
    case HorizontalFit::Right:
        left = right - cx;
        break;
    case HorizontalFit::Left:
        right = left + cx;
        break;
    }
    return QRect(left, top, right - left, bottom - top);
}

} // namespace desklet
