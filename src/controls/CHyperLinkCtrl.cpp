#include "controls/CHyperLinkCtrl.h"

#include "controls/LinkGeometry.h"
#include "controls/OpenCommand.h"
#include "controls/OpenError_p.h"
#include "controls/TextContrast.h"
#include "framework/WinConstants.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>

namespace desklet {

CHyperLinkCtrl::CHyperLinkCtrl(QWidget* parent) : QLabel(parent), m_crHover(palette().color(QPalette::Highlight)) {
    // A caption is shown as it is, never read as markup.
    setTextFormat(Qt::PlainText);
    // A static text is top-left aligned until its owner says otherwise.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    // Reached with Tab like a button, and opened with Enter or Space.
    setFocusPolicy(Qt::StrongFocus);
}

void CHyperLinkCtrl::PreSubclassWindow() {
    if (m_strTarget.empty()) {
        m_strTarget = text().toStdString();
    }
    if (text().isEmpty()) {
        setText(QString::fromStdString(m_strTarget));
    }
    m_fontLink = font();
    m_fontLink.setUnderline(m_bUnderlined);
    setFont(m_fontLink);
    FitWindowToText();
    LoadHandCursor();
    setToolTip(QString::fromStdString(m_strTarget));
}

void CHyperLinkCtrl::SetTargetURL(const std::string& url) {
    m_strTarget = url;
    if (IsAttached()) {
        FitWindowToText();
        setToolTip(QString::fromStdString(m_strTarget));
    }
}

void CHyperLinkCtrl::MarkVisited(bool visited) {
    m_bVisitedLink = visited;
    if (IsAttached()) {
        update();
    }
}

void CHyperLinkCtrl::FitWindowToText() {
    if (!IsAttached() || !m_bFitToText) {
        return;
    }
    const QFontMetrics metrics(m_fontLink);
    const QSize extent(metrics.horizontalAdvance(text()), metrics.height());
    const Qt::Alignment align = alignment();
    HorizontalFit horizontal = HorizontalFit::Left;
    if (align & Qt::AlignHCenter) {
        horizontal = HorizontalFit::Center;
    } else if (align & Qt::AlignRight) {
        horizontal = HorizontalFit::Right;
    }
    const QRect fitted = FitRectToText(geometry(), extent, horizontal, (align & Qt::AlignVCenter) != 0);
    // Fixed, so that a layout the link sits in keeps it the size of its text.
    setFixedSize(fitted.size());
    move(fitted.topLeft());
}

void CHyperLinkCtrl::LoadHandCursor() {
    if (m_bHandCursor) {
        return;
    }
    setCursor(Qt::PointingHandCursor);
    m_bHandCursor = true;
}

QColor CHyperLinkCtrl::CurrentTextColor() const {
    if (m_bHovering) {
        return m_crHover;
    }
    return m_bVisitedLink ? m_crVisited : m_crLink;
}

void CHyperLinkCtrl::OpenURL(const std::string& url, int showCommand, DesktopServices::OpenAnswer done) {
    const auto registeredCommand = [url, showCommand](int desktopResult) {
        if (desktopResult > 32) {
            return desktopResult;
        }
        const auto command = DesktopServices::FindBrowserCommand();
        if (!command) {
            return desktopResult;
        }
        const std::string line = BuildOpenCommand(*command, url);
        if (line.size() + 1 > kOpenCommandBufferSize) {
            return desktopResult;
        }
        return DesktopServices::Launch(line, showCommand);
    };
    DesktopServices::OpenUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode),
                             [registeredCommand, done = std::move(done)](int desktopResult) {
                                 const int result = registeredCommand(desktopResult);
                                 if (done) {
                                     done(result);
                                 }
                             });
}

void CHyperLinkCtrl::ReportOpenError(int code) {
    detail::ShowOpenError(window(), tr("Unable to open hyperlink:\n\n%1"), code);
}

void CHyperLinkCtrl::OnClicked() {
    // The answer may come after the dialog, and this link with it, has gone.
    OpenURL(m_strTarget, SW_SHOW, [self = QPointer<CHyperLinkCtrl>(this)](int result) {
        if (self.isNull()) {
            return;
        }
        self->m_bVisitedLink = result > 32;
        if (self->m_bVisitedLink) {
            self->MarkVisited(true);
        } else {
            QApplication::beep();
            self->ReportOpenError(result);
        }
    });
}

void CHyperLinkCtrl::SetHovering(bool hovering) {
    if (m_bHovering == hovering) {
        return;
    }
    m_bHovering = hovering;
    repaint();
}

void CHyperLinkCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bPressed = true;
    }
    QLabel::mousePressEvent(event);
}

void CHyperLinkCtrl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_bPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_bPressed = false;
    }
    QLabel::mouseReleaseEvent(event);
    if (click) {
        OnClicked();
    }
}

void CHyperLinkCtrl::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (!m_bHovering) {
        SetHovering(true);
    } else if (!rect().contains(event->position().toPoint())) {
        SetHovering(false);
    }
}

void CHyperLinkCtrl::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetHovering(true);
}

void CHyperLinkCtrl::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetHovering(false);
}

void CHyperLinkCtrl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        // Taken here: Enter must not reach the dialog's default button as well.
        event->accept();
        if (!event->isAutoRepeat()) {
            OnClicked();
        }
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHyperLinkCtrl::paintEvent(QPaintEvent* /*event*/) {
    // Only the caption: no background, so the parent's painting shows through.
    // The link's colours are fixed, the background is the palette's: under a dark
    // palette the colour lightens just enough to be read.
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(TextContrast::Readable(CurrentTextColor(), palette().color(QPalette::Window)));
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(contentsRect(), flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace desklet
