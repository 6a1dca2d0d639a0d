#pragma once

#include "framework/CDialog.h"

#include <string>
#include <vector>

class QPushButton;
class QTabWidget;

namespace desklet {

class CPropertyPage;

// A modal dialog of tabbed pages with OK, Cancel and Apply.
//
// Pages are added in tab order and are not owned; a page that is destroyed first
// leaves the sheet by itself. Every button goes through OnCommand(), which a
// sheet may override to act before the framework does:
//  - OK: the active page's OnKillActive() (false keeps the sheet open on it), then
//    OnApply() of every page displayed in this showing, in tab order, then the
//    sheet closes with IDOK;
//  - Apply (ID_APPLY_NOW): the same steps, and the sheet stays open;
//  - Cancel, Escape and the close box: OnCancel() of every displayed page, and the
//    sheet closes with IDCANCEL.
// Apply is enabled while any page is marked modified (CPropertyPage::SetModified).
class CPropertySheet : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 0;
    static constexpr unsigned ID_APPLY_NOW = 0x3021;
    // SetTitle() style: the title becomes "Properties for <title>".
    static constexpr unsigned PSH_PROPTITLE = 0x00000001;

    explicit CPropertySheet(const std::string& caption, QWidget* parent = nullptr, int selectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;

    // While the sheet is shown: the page in front. Otherwise: the page the next
    // showing starts on.
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // While shown, the page in front first passes its OnKillActive(); false when it
    // refused or the index is out of range.
    bool SetActivePage(int index);
    bool SetActivePage(CPropertyPage* page);

    void SetTitle(const std::string& title, unsigned style = 0);

    int DoModal() override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // A command of the sheet's buttons: IDOK, IDCANCEL or ID_APPLY_NOW, with the
    // button (nullptr when the command came from elsewhere, as from Enter). True
    // when the command was handled.
    virtual bool OnCommand(unsigned command, QWidget* control);

    QTabWidget* GetTabControl() const { return m_pTabs; }

protected:
    void CreateControls() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CPropertyPage;

    // The kill-active and apply steps of OK and Apply; false when a page refused.
    bool ApplyPages();
    void OnTabChanged(int index);
    enum class Focus { FirstField, Keep };
    // Brings the page at index to the front without asking the previous one.
    void ActivatePage(int index, Focus focus = Focus::FirstField);
    int StartIndex() const;
    void MeasurePages();
    void GrowToFit();
    void PutButtonsLastInFocusChain();
    // The first control of the page that Tab would reach, else the page itself.
    void FocusFirstField(CPropertyPage& page);
    void AddTab(CPropertyPage* page);
    void PageModifiedChanged();
    void DestroyPageWindows();

    std::vector<CPropertyPage*> m_pages;
    int m_nStartPage;
    int m_nActivePage = -1;
    bool m_bShowing = false;
    bool m_bSwitching = false;
    QTabWidget* m_pTabs = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pApply = nullptr;
};

} // namespace desklet
