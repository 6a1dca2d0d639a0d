#pragma once

#include "framework/CDialog.h"

#include <QSize>

#include <functional>
#include <string>
#include <vector>

namespace desklet {

class CPropertySheet;

// One tab of a CPropertySheet: a dialog template shown inside the sheet rather
// than as a window of its own.
//
// The page's controls (its "window") exist only while the sheet is shown, and only
// once the page has been displayed in that showing: the sheet builds them with
// CreateControls() and runs OnInitDialog(), which writes the fields into them, the
// first time the page comes to the front, and takes them down again when the sheet
// closes. The page object and its fields outlive every showing. Code that keeps
// pointers to the page's controls should hold them in QPointer.
//
// So that the sheet opens as large as its largest page needs, it also builds the
// controls of each page it does not open on just before it appears, notes the room
// they take, and takes them down again at once: CreateControls() may run more
// often than OnInitDialog(), and must do no more than build.
//
// The sheet drives the page through OnSetActive(), OnKillActive(), OnApply() (whose
// base runs OnOK()) and OnCancel(); the page never ends a modal run itself.
class CPropertyPage : public CDialog {
    Q_OBJECT
public:
    CPropertyPage(int templateId, std::string caption, QWidget* parent = nullptr);
    ~CPropertyPage() override;

    // The tab's text.
    const std::string& GetCaption() const { return m_strCaption; }
    CPropertySheet* GetSheet() const { return m_pSheet; }

    // Marks the page changed (or not); the sheet's Apply button is enabled while
    // any of its pages is changed.
    void SetModified(bool bChanged = true);
    bool IsModified() const { return m_bModified; }

    // True while the page's controls exist, that is from its first display in a
    // showing of the sheet to the end of that showing.
    bool IsWindowCreated() const { return m_bWindowCreated; }

    // The page comes to the front; false keeps the previous page in front.
    virtual bool OnSetActive();
    // The page is about to lose the front, or OK or Apply was pressed while it was
    // in front. The base reads the controls; false keeps the page in front.
    virtual bool OnKillActive();
    // OK or Apply, for every page displayed in this showing, in tab order. The base
    // runs OnOK() and succeeds; false stops the step and brings this page to the front.
    virtual bool OnApply();
    // The page's part of the apply step; the base does nothing (it must not end a
    // modal run as a dialog's OnOK() does).
    void OnOK() override;
    // The sheet was cancelled; the base does nothing.
    void OnCancel() override;

    // While the controls exist, what their layout asks for; otherwise what they
    // asked for when last measured. Never less than the template.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    // The template's size in dialog units; the sheet is made large enough for it
    // before the page's controls exist.
    void SetTemplateSize(int width, int height);

    // An entry of the page's notification table: a change of the edit control with
    // this id runs the handler. Changes made while the page moves data between its
    // fields and its controls are the program's own and do not reach the handler.
    void MapEditChange(int id, std::function<void()> handler);

    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CPropertySheet;

    // For the sheet: builds the controls if this showing has not, then OnInitDialog().
    void CreatePageWindow();
    // For the sheet: takes the controls down at the end of a showing.
    void DestroyPageWindow();
    // For the sheet, before a showing: notes the room the controls take, also when
    // the page is only narrowest pixels wide. Builds them for the moment if they do
    // not exist.
    void MeasurePageWindow(int narrowest);
    void BuildControls();
    void TakeDownControls();
    int TemplateHeight() const;
    void ConnectNotifications();

    struct EditChangeEntry {
        int id;
        std::function<void()> handler;
    };

    std::string m_strCaption;
    CPropertySheet* m_pSheet = nullptr;
    bool m_bModified = false;
    bool m_bWindowCreated = false;
    bool m_bWindowDestroyed = false;
    QSize m_templateSize;
    // What the controls took when last measured (invalid before): at the width
    // they asked for, and the height they need at the narrowest width measured.
    QSize m_measuredHint;
    QSize m_measuredMinimum;
    QSize m_measuredNarrow;
    std::vector<EditChangeEntry> m_editChangeTable;
};

} // namespace desklet
