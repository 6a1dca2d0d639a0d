#include "controls/ColorLabelPainting.h"

#include <QPainter>

#include <algorithm>

namespace desklet {

std::vector<GradientBand> GradientBands(int left, int right, const QColor& from, const QColor& to, int bandCount) {
    std::vector<GradientBand> bands;
    const int width = right - left;
    const int count = std::min(bandCount, width);
    if (count <= 0) {
        return bands;
    }
    const int divisor = count > 1 ? count : 1;

    // Channels in 1/256 units, so that a small step still adds up across the bands.
    const int fromChannels[3] = {from.red(), from.green(), from.blue()};
    const int toChannels[3] = {to.red(), to.green(), to.blue()};
    int accumulator[3];
    int step[3];
    for (int c = 0; c < 3; ++c) {
        accumulator[c] = fromChannels[c] * 256;
        step[c] = ((toChannels[c] - fromChannels[c]) * 256) / divisor;
    }
    const int bandWidth = width / divisor;

    bands.reserve(static_cast<std::size_t>(count));
    int x = left;
    for (int i = 0; i < count; ++i) {
        const int end = i == count - 1 ? right : x + bandWidth;
        bands.push_back(
            {x, end,
             QColor((accumulator[0] / 256) & 0xFF, (accumulator[1] / 256) & 0xFF, (accumulator[2] / 256) & 0xFF)});
        for (int c = 0; c < 3; ++c) {
            accumulator[c] += step[c];
        }
        x = end;
    }
    return bands;
}

void DrawGradient(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to, int bandCount) {
    // The bottom row stays as it was, as with an outline-less rectangle of the
    // full height.
    const int height = rect.height() - 1;
    if (height <= 0) {
        return;
    }
    for (const GradientBand& band : GradientBands(rect.x(), rect.x() + rect.width(), from, to, bandCount)) {
        painter.fillRect(QRect(band.left, rect.y(), band.right - band.left, height), band.color);
    }
}

int LabelTextFlags(Qt::Alignment alignment, bool wordWrap, const QString& text) {
    if (alignment & Qt::AlignVCenter) {
        if (text.contains(QStringLiteral("\r\n"))) {
            return Qt::AlignHCenter | Qt::AlignTop;
        }
        return Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    }
    if (alignment & Qt::AlignHCenter) {
        return Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    }
    if (alignment & Qt::AlignRight) {
        return Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;
    }
    return Qt::AlignLeft | Qt::AlignTop | (wordWrap ? Qt::TextWordWrap : 0);
}

} // namespace desklet
