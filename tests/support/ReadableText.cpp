#include "support/ReadableText.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QGraphicsOpacityEffect>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
#include <optional>

namespace desklet::test {
namespace {

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
    return 0.2126 * Channel(color.red()) + 0.7152 * Channel(color.green()) + 0.0722 * Channel(color.blue());
}

// Text, fields and buttons in one colour over one background, as dark themes and
// high-contrast themes have them; the bevel shades follow from the window colour.
QPalette Palette(const QColor& window, const QColor& text, const QColor& base) {
    return {text, window, window.lighter(150), window.darker(150), window.darker(130), text, Qt::red, base, window};
}

// The part of the widget that holds its text, in its own coordinates; nothing for
// a widget that draws no text on the window's background.
std::optional<std::pair<QRect, QString>> TextArea(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return std::pair{label->contentsRect(), label->text()};
    }
    const bool radio = qobject_cast<QRadioButton*>(&widget) != nullptr;
    if (radio || qobject_cast<QCheckBox*>(&widget) != nullptr) {
        auto& button = static_cast<QAbstractButton&>(widget);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        const auto element = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return std::pair{button.style()->subElementRect(element, &option, &button), button.text()};
    }
    if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return std::pair{box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box),
                         box->title()};
    }
    return std::nullopt;
}

QImage Grab(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

QPalette DarkPalette() {
    return Palette(QColor(53, 53, 53), Qt::white, QColor(25, 25, 25));
}

QPalette HighContrastPalette() {
    return Palette(Qt::black, Qt::white, Qt::black);
}

ScopedPalette::ScopedPalette(const QPalette& palette) : m_before(QApplication::palette()) {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    QApplication::setPalette(palette);
}

ScopedPalette::~ScopedPalette() {
    QApplication::setPalette(m_before);
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<TextReading> ReadTexts(QWidget& window) {
    const QImage with = Grab(window);
    const qreal ratio = window.devicePixelRatioF();
    std::vector<TextReading> readings;
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const auto area = TextArea(*widget);
        if (!area || area->second.isEmpty() || !widget->isVisibleTo(&window)) {
            continue;
        }
        const QRect local = area->first.intersected(widget->rect());
        const QRect rect(QPointF(widget->mapTo(&window, local.topLeft()) * ratio).toPoint(), local.size() * ratio);
        // Painted with nothing of itself, the widget leaves what lies behind it.
        auto* effect = new QGraphicsOpacityEffect(widget);
        effect->setOpacity(0.0);
        widget->setGraphicsEffect(effect);
        const QImage without = Grab(window);
        widget->setGraphicsEffect(nullptr);

        std::optional<QColor> text;
        double strongest = 0.0;
        const QRect inside = rect.intersected(with.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor drawn = with.pixelColor(x, y);
                const double change = ContrastRatio(drawn, without.pixelColor(x, y));
                if (drawn != without.pixelColor(x, y) && change > strongest) {
                    strongest = change;
                    text = drawn;
                }
            }
        }
        // A text drawn in the colour of its background changes no pixel at all.
        double worst = 1.0;
        if (text) {
            worst = 21.0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    worst = std::min(worst, ContrastRatio(*text, without.pixelColor(x, y)));
                }
            }
        }
        readings.push_back({QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" \"") +
                                area->second + QStringLiteral("\""),
                            worst});
    }
    return readings;
}

} // namespace desklet::test
