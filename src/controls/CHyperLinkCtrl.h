#pragma once

#include "controls/DesktopServices.h"
#include "framework/Attachable.h"

#include <QColor>
#include <QFont>
#include <QLabel>

#include <string>
#include <utility>

namespace desklet {

// A static text of a dialog turned into a web link: underlined, in the link colour,
// in the hover colour while the pointer is over it and in the visited colour after
// it was opened; a tooltip with the target URL and a hand cursor. A click opens the
// target with the desktop's opener and, when that fails, with the web-browser
// command the desktop registers; a failure beeps and says why. Tab reaches it, and
// Enter or Space opens it as a click does.
//
// The dialog binds it with DDX_Control, which attaches it (PreSubclassWindow):
// only then are the caption, font, size, cursor and tooltip set up.
class CHyperLinkCtrl : public QLabel, public Attachable {
    Q_OBJECT
public:
    explicit CHyperLinkCtrl(QWidget* parent = nullptr);

    // Stores the URL; once attached also refits the control and sets the tooltip
    // to it. The caption stays.
    void SetTargetURL(const std::string& url);
    const std::string& GetTargetURL() const { return m_strTarget; }

    // Stores the flag; once attached the colour changes at the next paint.
    void MarkVisited(bool visited);

    // Opens the URL: the desktop's opener first, then, when it fails, the
    // registered browser command. `done` gets the launch result once the outcome
    // is known: above 32 is success, else the code of the last road tried (31: no
    // browser associated; 2: command not found; ...). The desktop's opener answers
    // from the event loop, so `done` may run after this returns, and must not rely
    // on anything that can go meanwhile.
    void OpenURL(const std::string& url, int showCommand, DesktopServices::OpenAnswer done);

    // Tells the user why the link did not open (a click beeps before it).
    void ReportOpenError(int code);

    // Fits the control to its caption in the link font (when m_bFitToText).
    void FitWindowToText();

    // The colour the caption's state asks for: hover over visited over link. It is
    // drawn so where it reads on the palette's window colour, else made readable.
    QColor CurrentTextColor() const;

    // Replaces the desktop's opener, browser lookup and launcher; nullptr restores
    // the real one. For tests, so that no browser is started.
    static void SetDesktopOpener(DesktopServices::UrlOpener opener) {
        DesktopServices::SetUrlOpener(std::move(opener));
    }
    static void SetBrowserCommandFinder(DesktopServices::BrowserCommandFinder finder) {
        DesktopServices::SetBrowserCommandFinder(std::move(finder));
    }
    static void SetLauncher(DesktopServices::Launcher launcher) { DesktopServices::SetLauncher(std::move(launcher)); }

    QColor m_crLink{0, 0, 238};
    QColor m_crVisited{85, 26, 139};
    QColor m_crHover;
    bool m_bHovering = false;
    bool m_bVisitedLink = false;
    bool m_bUnderlined = true;
    bool m_bFitToText = true;
    std::string m_strTarget;
    QFont m_fontLink;
    bool m_bHandCursor = false;

protected:
    void PreSubclassWindow() override;

    // Opens the target and, once the outcome is known, records whether that worked.
    void OnClicked();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHovering(bool hovering);
    void LoadHandCursor();

    bool m_bPressed = false;
};

} // namespace desklet
