#include "controls/CColorLabel.h"

#include "controls/ColorLabelPainting.h"
#include "controls/DesktopServices.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace desklet {
namespace {
// A face name and its terminator fill the 32-byte field of a font description.
constexpr int kMaxFaceNameChars = 31;
} // namespace

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent), m_crText(palette().color(QPalette::WindowText)), m_crStdBrush(palette().color(QPalette::Window)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Not clickable until SetClickAction says so: clicks reach what lies below.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_flashTimer.setInterval(kFlashPeriodMs);
    connect(&m_flashTimer, &QTimer::timeout, this, [this] { OnTimer(); });
}

CColorLabel::~CColorLabel() = default;

void CColorLabel::PreSubclassWindow() {
    m_lfFont = font();
    RebuildFont();
}

void CColorLabel::RebuildFont() {
    m_font = m_lfFont;
    // Also the widget's own, so that size hints and layouts measure what is drawn.
    QLabel::setFont(m_font);
}

void CColorLabel::Refresh() {
    repaint();
    if (QWidget* parent = parentWidget()) {
        parent->repaint(geometry());
    }
}

CColorLabel& CColorLabel::SetBackColor(const QColor& from, const QColor& to, bool gradient) {
    m_crGradientFrom = from;
    m_crGradientTo = to;
    m_bGradient = gradient;
    m_backBrush.reset();
    if (!gradient) {
        m_backBrush = from;
    }
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetForeColor(const QColor& color) {
    m_crText = color;
    m_bOwnTextColor = true;
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetCaption(const std::string& caption) {
    setText(QString::fromStdString(caption));
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetBold(bool bold) {
    m_lfFont.setWeight(bold ? QFont::Bold : QFont::Normal);
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetFaceName(const std::string& faceName, unsigned char charSet) {
    m_nCharSet = charSet;
    m_lfFont.setFamily(QString::fromStdString(faceName).left(kMaxFaceNameChars));
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetUnderline(bool underline) {
    m_lfFont.setUnderline(underline);
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetItalic(bool italic) {
    m_lfFont.setItalic(italic);
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetPointSize(int points) {
    // Qt refuses sizes below one point; such a request keeps the current size.
    if (points > 0) {
        m_lfFont.setPointSize(points);
    }
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetSunkenEdge(bool sunken) {
    m_bSunkenEdge = sunken;
    UpdateFrame();
    return *this;
}

CColorLabel& CColorLabel::SetThinBorder(bool border) {
    m_bThinBorder = border;
    UpdateFrame();
    return *this;
}

void CColorLabel::UpdateFrame() {
    if (m_bSunkenEdge && m_bThinBorder) {
        setFrameStyle(QFrame::Box | QFrame::Sunken);
    } else if (m_bSunkenEdge) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else if (m_bThinBorder) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    setLineWidth(1);
    setMidLineWidth(0);
}

CColorLabel& CColorLabel::SetTransparent(bool transparent) {
    m_bTransparent = transparent;
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetTextFlashing(bool flashing) {
    if (m_bFlashTimer) {
        m_flashTimer.stop();
    }
    if (flashing) {
        m_bFlashOn = false;
        m_bFlashTimer = true;
        m_flashTimer.start();
        m_nFlashMode = 1;
    } else {
        m_nFlashMode = 0;
    }
    return *this;
}

CColorLabel& CColorLabel::SetBackFlashing(bool flashing) {
    if (m_bFlashTimer) {
        m_flashTimer.stop();
    }
    if (flashing) {
        m_bFlashOn = false;
        m_bFlashTimer = true;
        m_flashTimer.start();
        m_nFlashMode = 2;
    } else {
        // Stopping the timer in the off phase of text flashing would leave the
        // caption invisible for good; whichever flashing stops, the text shows.
        m_nFlashMode = 0;
    }
    return *this;
}

CColorLabel& CColorLabel::SetClickAction(bool clickable, bool notifyParent) {
    m_bNotifyParent = notifyParent;
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
    return *this;
}

CColorLabel& CColorLabel::SetHoverCursor(std::optional<QCursor> cursor) {
    m_hoverCursor = std::move(cursor);
    if (m_hoverCursor) {
        setCursor(*m_hoverCursor);
    } else {
        unsetCursor();
    }
    return *this;
}

CColorLabel& CColorLabel::SetEmbossed(bool embossed, int direction) {
    m_bEmbossed = embossed;
    m_nEmbossDir = direction;
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetRotation(int degrees, bool rotate) {
    m_nRotationDegrees = degrees;
    m_bRotated = rotate;
    RebuildFont();
    Refresh();
    return *this;
}

CColorLabel& CColorLabel::SetEmbossColor(const QColor& color) {
    m_crEmboss = color;
    Refresh();
    return *this;
}

void CColorLabel::OnTimer() {
    m_bFlashOn = !m_bFlashOn;
    Refresh();
}

void CColorLabel::OnSysColorChange() {
    m_crStdBrush = palette().color(QPalette::Window);
    // A caption without a colour of its own keeps the palette's, so that it stays
    // readable on the palette's background when the desktop turns dark.
    if (!m_bOwnTextColor) {
        m_crText = palette().color(QPalette::WindowText);
    }
    Refresh();
}

void CColorLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        OnSysColorChange();
    }
}

void CColorLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (m_bNotifyParent) {
            emit clicked();
        } else {
            // Whether the desktop could open it is of no concern to a label.
            DesktopServices::OpenUrl(QUrl::fromUserInput(text()), nullptr);
        }
    }
    QLabel::mousePressEvent(event);
}

void CColorLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter widgetPainter(this);
    drawFrame(&widgetPainter);
    const QRect client = contentsRect();
    if (client.isEmpty()) {
        return;
    }
    if (m_bTransparent) {
        DrawLabel(widgetPainter, client);
        return;
    }
    // Background, text and emboss pass reach the screen together, in one copy.
    const qreal ratio = devicePixelRatioF();
    QPixmap canvas(client.size() * ratio);
    canvas.setDevicePixelRatio(ratio);
    // What a gradient leaves unfilled (its bottom row) shows as a fresh bitmap would.
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        DrawLabel(painter, QRect(QPoint(0, 0), client.size()));
    }
    widgetPainter.drawPixmap(client.topLeft(), canvas);
}

void CColorLabel::DrawLabel(QPainter& painter, const QRect& rect) {
    painter.setFont(m_font);
    QColor textColor = m_crText;

    if (!m_bTransparent) {
        if (m_bGradient) {
            DrawGradient(painter, rect, m_crGradientFrom, m_crGradientTo, kGradientBands);
        } else {
            painter.fillRect(rect, m_backBrush.value_or(m_crStdBrush));
        }
    }
    // The off phase draws the text in the explicit brush's colour, so that it
    // vanishes into a solid background; without a brush that colour is black.
    if (m_nFlashMode == 1 && !m_bFlashOn) {
        textColor = m_backBrush.value_or(QColor(0, 0, 0));
    }

    QString caption = text();
    int flags = LabelTextFlags(alignment(), wordWrap(), caption);
    // A label that names another control underlines its mnemonic, as QLabel does.
    if (buddy() != nullptr) {
        flags |= Qt::TextShowMnemonic;
    }
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    painter.setPen(textColor);
    if (m_bRotated) {
        painter.save();
        painter.translate(rect.x() + rect.width() / 2, rect.y() + rect.height() / 2);
        // Degrees count counter-clockwise, as a font's escapement does; Qt's clockwise.
        painter.rotate(-m_nRotationDegrees);
        painter.drawText(QPoint(0, 0), caption);
        painter.restore();
        return;
    }
    painter.drawText(rect, flags, caption);
    if (m_bEmbossed) {
        painter.setPen(m_crEmboss);
        const int offset = m_nEmbossDir == 0 ? -1 : 1;
        painter.drawText(rect.translated(offset, offset), flags, caption);
    }
}

} // namespace desklet
