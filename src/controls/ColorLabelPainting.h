#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

// The drawing rules of the colour label, apart from the widget so that they can be
// checked band by band and flag by flag.
namespace desklet {

// One vertical band of a gradient: columns left up to, not including, right.
struct GradientBand {
    int left = 0;
    int right = 0;
    QColor color;
};

// The bands DrawGradient fills for the horizontal span [left, right): at most
// bandCount of them (fewer when the span is narrower), equally wide, the last one
// running to the right edge. Each channel is stepped in 1/256 units with integer
// arithmetic, so the last band may fall short of `to`. Empty when the span is empty.
std::vector<GradientBand> GradientBands(int left, int right, const QColor& from, const QColor& to, int bandCount);

// Fills the bands over rect's rows, except its bottom row, which stays as it was.
void DrawGradient(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to, int bandCount = 100);

// The Qt text flags a label's caption is drawn with. A vertically centred label
// draws one line centred both ways, unless the caption holds a line break, which
// it then draws centred across from the top. Otherwise left-aligned labels wrap
// only when wordWrap is set; centred and right-aligned ones always wrap.
int LabelTextFlags(Qt::Alignment alignment, bool wordWrap, const QString& text);

} // namespace desklet
