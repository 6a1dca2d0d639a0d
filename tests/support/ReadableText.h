#pragma once

#include <QPalette>
#include <QString>

#include <vector>

class QColor;
class QWidget;

namespace desklet::test {

// Palettes a desktop may hand the program besides its light default.
QPalette DarkPalette();
QPalette HighContrastPalette();

// The application's style set to Fusion and its palette to the one given while it
// lives; the palette before it comes back afterwards.
class ScopedPalette {
public:
    explicit ScopedPalette(const QPalette& palette);
    ~ScopedPalette();
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

private:
    QPalette m_before;
};

// The contrast ratio of two colours (1 to 21), computed here on its own so that
// the program's version is checked against it rather than with itself.
double ContrastRatio(const QColor& a, const QColor& b);

struct TextReading {
    QString what;    // the widget's class and text
    double contrast; // of the text's colour against the worst pixel behind it
};

// Every visible text that the window draws on its own background: labels, the
// texts of check boxes and radio buttons, group titles. Fields and push buttons
// paint their own background and are left out. Each text is read from what is
// drawn: the window is grabbed with the text's widget and without it; the pixel
// that changes most gives the text's colour, and the background behind it is all
// of what the grab without it shows there.
std::vector<TextReading> ReadTexts(QWidget& window);

} // namespace desklet::test
