#include "framework/CPropertySheet.h"

#include "framework/CPropertyPage.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace desklet {

CPropertySheet::CPropertySheet(const std::string& caption, QWidget* parent, int selectPage)
    : CDialog(kTemplateId, parent), m_nStartPage(selectPage) {
    setWindowTitle(QString::fromStdString(caption));
}

CPropertySheet::~CPropertySheet() {
    // The pages are not ours: they must not go down with the tab control.
    for (CPropertyPage* page : m_pages) {
        page->DestroyPageWindow();
        page->m_pSheet = nullptr;
        page->setParent(nullptr);
    }
    m_pages.clear();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (page == nullptr || GetPageIndex(page) >= 0) {
        return;
    }
    if (page->m_pSheet != nullptr) {
        page->m_pSheet->RemovePage(page);
    }
    page->m_pSheet = this;
    m_pages.push_back(page);
    if (m_pTabs != nullptr) {
        AddTab(page);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
    RemovePage(GetPageIndex(page));
}

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount()) {
        return;
    }
    CPropertyPage* page = m_pages[static_cast<std::size_t>(index)];
    const bool wasActive = m_bShowing && index == m_nActivePage;
    page->DestroyPageWindow();
    page->m_pSheet = nullptr;
    m_pages.erase(m_pages.begin() + index);
    if (m_pTabs != nullptr) {
        const QSignalBlocker blocker(m_pTabs);
        m_pTabs->removeTab(index);
    }
    page->setParent(nullptr);

    if (m_bShowing) {
        if (wasActive) {
            m_nActivePage = -1;
            if (GetPageCount() > 0) {
                ActivatePage(std::min(index, GetPageCount() - 1));
            }
        } else if (index < m_nActivePage) {
            --m_nActivePage;
        }
    }
    PageModifiedChanged();
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

int CPropertySheet::GetActiveIndex() const {
    return m_bShowing ? m_nActivePage : m_nStartPage;
}

bool CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) {
        return false;
    }
    if (!m_bShowing) {
        m_nStartPage = index;
        return true;
    }
    if (index == m_nActivePage) {
        return true;
    }
    if (CPropertyPage* current = GetPage(m_nActivePage); current != nullptr && !current->OnKillActive()) {
        return false;
    }
    ActivatePage(index);
    return m_nActivePage == index;
}

bool CPropertySheet::SetActivePage(CPropertyPage* page) {
    return SetActivePage(GetPageIndex(page));
}

void CPropertySheet::SetTitle(const std::string& title, unsigned style) {
    const QString text = QString::fromStdString(title);
    setWindowTitle((style & PSH_PROPTITLE) != 0 ? tr("Properties for %1").arg(text) : text);
}

int CPropertySheet::DoModal() {
    EnsureControlsCreated();
    m_bShowing = true;
    m_nActivePage = -1;
    for (CPropertyPage* page : m_pages) {
        page->m_bModified = false;
    }
    MeasurePages();
    PageModifiedChanged();
    const int result = CDialog::DoModal();
    // The page windows belong to one showing; the page objects and their fields stay.
    DestroyPageWindows();
    m_bShowing = false;
    m_nActivePage = -1;
    PageModifiedChanged();
    return result;
}

bool CPropertySheet::OnInitDialog() {
    CDialog::OnInitDialog();
    if (GetPageCount() > 0) {
        ActivatePage(StartIndex());
    }
    // Every page is built or measured now. The size of an earlier showing is no
    // guide to this one's pages, and the width a screen allows may cost a text
    // another line.
    adjustSize();
    GrowToFit();
    return true;
}

int CPropertySheet::StartIndex() const {
    return m_nStartPage >= 0 && m_nStartPage < GetPageCount() ? m_nStartPage : 0;
}

// The sheet opens as large as its largest page needs, not just the one in front:
// a page first shown later must not find it too small. The page it opens on is
// built for real at once and needs no trial.
void CPropertySheet::MeasurePages() {
    // No narrower than its row of tabs, or than the pages ask for.
    const int width = m_pTabs->tabBar()->sizeHint().width();
    for (int i = 0; i < GetPageCount(); ++i) {
        if (i != StartIndex()) {
            GetPage(i)->MeasurePageWindow(width);
        }
    }
}

// Should a page need more than it took when measured (its texts changed since,
// or the user made the sheet smaller), the sheet grows rather than squeeze it.
void CPropertySheet::GrowToFit() {
    QLayout* own = layout();
    if (own == nullptr) {
        return;
    }
    // The tabs keep what their pages asked for until told that a page changed.
    m_pTabs->updateGeometry();
    own->invalidate();
    own->activate();
    int needed = own->totalMinimumSize().height();
    if (own->hasHeightForWidth()) {
        needed = std::max(needed, own->totalHeightForWidth(width()));
    }
    if (height() < needed) {
        resize(width(), needed);
    }
}

void CPropertySheet::OnOK() {
    OnCommand(IDOK, m_pOk);
}

void CPropertySheet::OnCancel() {
    OnCommand(IDCANCEL, m_pCancel);
}

bool CPropertySheet::OnCommand(unsigned command, QWidget* /*control*/) {
    switch (command) {
    case IDOK:
        if (ApplyPages()) {
            EndDialog(IDOK);
        }
        return true;
    case ID_APPLY_NOW:
        ApplyPages();
        return true;
    case IDCANCEL:
        for (std::size_t i = 0; i < m_pages.size(); ++i) {
            if (m_pages[i]->IsWindowCreated()) {
                m_pages[i]->OnCancel();
            }
        }
        EndDialog(IDCANCEL);
        return true;
    default:
        return false;
    }
}

void CPropertySheet::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    // Every tab stays in sight: the sheet grows to the width of the tab row.
    m_pTabs->setUsesScrollButtons(false);
    layout->addWidget(m_pTabs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_pOk = new QPushButton(tr("OK"), this);
    // OK takes Enter from the fields; Cancel and Apply, left auto-default, take it
    // while they have the focus.
    m_pOk->setDefault(true);
    SetDlgItemId(*m_pOk, IDOK);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    SetDlgItemId(*m_pCancel, IDCANCEL);
    m_pApply = new QPushButton(tr("&Apply"), this);
    SetDlgItemId(*m_pApply, static_cast<int>(ID_APPLY_NOW));
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnCommand(ID_APPLY_NOW, m_pApply); });
    for (QPushButton* button : {m_pOk, m_pCancel, m_pApply}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    for (CPropertyPage* page : m_pages) {
        AddTab(page);
    }
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
    PageModifiedChanged();
}

bool CPropertySheet::ApplyPages() {
    if (CPropertyPage* active = GetPage(m_nActivePage); active != nullptr && !active->OnKillActive()) {
        return false;
    }
    // By index: a page may change the sheet while it applies.
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (!page->IsWindowCreated()) {
            continue;
        }
        if (!page->OnApply()) {
            if (i != m_nActivePage) {
                // The refusing page has put the focus where the fault is.
                ActivatePage(i, Focus::Keep);
            }
            return false;
        }
    }
    return true;
}

// A tab the user chose: the page in front may refuse to go.
void CPropertySheet::OnTabChanged(int index) {
    if (m_bSwitching || index == m_nActivePage || !m_bShowing) {
        return;
    }
    if (CPropertyPage* current = GetPage(m_nActivePage); current != nullptr && !current->OnKillActive()) {
        m_bSwitching = true;
        m_pTabs->setCurrentIndex(m_nActivePage);
        m_bSwitching = false;
        return;
    }
    ActivatePage(index);
}

void CPropertySheet::ActivatePage(int index, Focus focus) {
    CPropertyPage* page = GetPage(index);
    if (page == nullptr) {
        return;
    }
    const bool built = !page->IsWindowCreated();
    page->CreatePageWindow();
    if (built) {
        PutButtonsLastInFocusChain();
        GrowToFit();
    }
    const int previous = m_nActivePage;
    const bool accepted = page->OnSetActive();
    const int front = accepted || previous < 0 ? index : previous;
    m_bSwitching = true;
    m_pTabs->setCurrentIndex(front);
    m_bSwitching = false;
    m_nActivePage = front;
    // Someone going through the tabs with the arrow keys stays on them; anyone
    // else goes on in the first field of the page that came to the front.
    if (focus == Focus::FirstField && focusWidget() != m_pTabs->tabBar()) {
        FocusFirstField(*GetPage(front));
    }
}

// A page's controls are built after the sheet's buttons and would come after
// them; Tab goes through the fields first, as it reads.
void CPropertySheet::PutButtonsLastInFocusChain() {
    for (QPushButton* button : {m_pOk, m_pCancel, m_pApply}) {
        QWidget* last = previousInFocusChain();
        if (last != button) {
            setTabOrder(last, button);
        }
    }
}

void CPropertySheet::FocusFirstField(CPropertyPage& page) {
    QWidget* at = this;
    // The chain is a ring through every widget of the sheet; one round at most.
    for (int steps = 0; steps < 10000 && (at = at->nextInFocusChain()) != this; ++steps) {
        if (page.isAncestorOf(at) && (at->focusPolicy() & Qt::TabFocus) != 0 && at->isEnabled() &&
            at->isVisibleTo(&page) && at->focusProxy() == nullptr) {
            at->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    page.setFocus(Qt::TabFocusReason);
}

void CPropertySheet::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab turns the pages from anywhere in the sheet, not only from inside
    // the tabs: from the buttons too.
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier) != 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && GetPageCount() > 1) {
        const int count = GetPageCount();
        m_pTabs->setCurrentIndex((m_pTabs->currentIndex() + (back ? count - 1 : 1)) % count);
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CPropertySheet::AddTab(CPropertyPage* page) {
    const QSignalBlocker blocker(m_pTabs);
    m_pTabs->addTab(page, QString::fromStdString(page->GetCaption()));
}

void CPropertySheet::PageModifiedChanged() {
    if (m_pApply != nullptr) {
        const bool anyModified =
            std::any_of(m_pages.begin(), m_pages.end(), [](const CPropertyPage* page) { return page->IsModified(); });
        m_pApply->setEnabled(m_bShowing && anyModified);
    }
}

void CPropertySheet::DestroyPageWindows() {
    for (CPropertyPage* page : m_pages) {
        page->DestroyPageWindow();
    }
}

} // namespace desklet
