#pragma once

#include "framework/Attachable.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QTimer>

#include <optional>
#include <string>

namespace desklet {

// A static text of a dialog that paints its own caption: in its own colour and
// font, on a solid or two-colour gradient background or on nothing at all
// (transparent, over whatever the parent painted), optionally embossed, rotated
// about its centre, or flashing. A click opens the caption with the desktop's
// opener or emits clicked().
//
// Every setter returns the label, so that calls chain. The label takes its font
// from the control when a dialog binds it with DDX_Control. Alignment and word wrap
// are QLabel's own; a label starts top-left aligned and unwrapped.
class CColorLabel : public QLabel, public Attachable {
    Q_OBJECT
public:
    static constexpr int kFlashPeriodMs = 500;
    static constexpr int kGradientBands = 100;

    explicit CColorLabel(QWidget* parent = nullptr);
    ~CColorLabel() override;

    virtual CColorLabel& SetBackColor(const QColor& from, const QColor& to = QColor(0, 0, 0), bool gradient = false);
    virtual CColorLabel& SetForeColor(const QColor& color);
    virtual CColorLabel& SetCaption(const std::string& caption);
    virtual CColorLabel& SetBold(bool bold);
    // The face name is cut to 31 characters; the character set is kept for the
    // record only, as Qt picks glyphs per character.
    virtual CColorLabel& SetFaceName(const std::string& faceName, unsigned char charSet = 0);
    virtual CColorLabel& SetUnderline(bool underline);
    virtual CColorLabel& SetItalic(bool italic);
    virtual CColorLabel& SetPointSize(int points);
    virtual CColorLabel& SetSunkenEdge(bool sunken);
    virtual CColorLabel& SetThinBorder(bool border);
    virtual CColorLabel& SetTransparent(bool transparent);
    virtual CColorLabel& SetTextFlashing(bool flashing);
    virtual CColorLabel& SetBackFlashing(bool flashing);
    // A label that is not clickable lets clicks through to what lies below it.
    virtual CColorLabel& SetClickAction(bool clickable, bool notifyParent);
    // Nothing restores the default pointer. The caller keeps the cursor.
    virtual CColorLabel& SetHoverCursor(std::optional<QCursor> cursor);
    // Direction 0 moves the emboss pass one pixel up and left, any other one pixel
    // down and right.
    virtual CColorLabel& SetEmbossed(bool embossed, int direction = 0);
    virtual CColorLabel& SetRotation(int degrees, bool rotate = true);
    virtual CColorLabel& SetEmbossColor(const QColor& color);

    // One tick of the flash timer: toggles the phase and repaints.
    void OnTimer();
    bool IsFlashTimerActive() const { return m_flashTimer.isActive(); }

    // Repaints the label now, and the parent's area under it (for a transparent label).
    void Refresh();

    QColor m_crText;
    QColor m_crEmboss{255, 255, 255};
    QColor m_crStdBrush;
    std::optional<QColor> m_backBrush;
    QFont m_lfFont;
    unsigned char m_nCharSet = 0;
    QFont m_font;
    bool m_bFlashOn = false;
    bool m_bFlashTimer = false;
    bool m_bTransparent = false;
    bool m_bEmbossed = false;
    bool m_bNotifyParent = false;
    bool m_bRotated = false;
    int m_nFlashMode = 0;
    std::optional<QCursor> m_hoverCursor;
    int m_nEmbossDir = 0;
    bool m_bGradient = false;
    QColor m_crGradientTo{0, 0, 0};
    QColor m_crGradientFrom{0, 0, 0};
    int m_nRotationDegrees = 0;

signals:
    // The label was clicked and notifies its parent (SetClickAction(true, true)).
    void clicked();

protected:
    void PreSubclassWindow() override;
    void RebuildFont();
    void OnSysColorChange();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateFrame();
    void DrawLabel(QPainter& painter, const QRect& rect);

    QTimer m_flashTimer;
    bool m_bSunkenEdge = false;
    bool m_bThinBorder = false;
    // Set by SetForeColor(); until then the caption follows the palette.
    bool m_bOwnTextColor = false;
};

} // namespace desklet
