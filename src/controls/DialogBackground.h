#pragma once

class QPainter;
class QPalette;
class QRect;

namespace desklet {

// The main dialog's artwork: a light tile repeated under the controls. It goes
// only under a palette whose text reads on every pixel of it; under a dark or
// high-contrast palette the window keeps the palette's own colour, so that text and
// background always come from one palette.
class DialogBackground {
public:
    static constexpr int kTile = 72;

    // Whether text in the palette's window-text colour, active or inactive, reads on
    // the tile.
    static bool Suits(const QPalette& palette);
    // Tiles the area from its top-left corner on, columns outer, rows inner, where
    // the palette suits the tile; false, nothing drawn, where it does not or the
    // tile cannot be loaded.
    static bool Paint(QPainter& painter, const QRect& area, const QPalette& palette);
    // One tile with its own size at x, y; false, nothing drawn, when it cannot be loaded.
    static bool DrawTile(QPainter& painter, int x, int y);
};

} // namespace desklet
