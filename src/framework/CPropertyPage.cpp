#include "framework/CPropertyPage.h"

#include "framework/CPropertySheet.h"

#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <utility>

namespace desklet {

CPropertyPage::CPropertyPage(int templateId, std::string caption, QWidget* parent)
    : CDialog(templateId, parent), m_strCaption(std::move(caption)) {
    // A page lives inside its sheet's tabs, never as a window of its own.
    setWindowFlags(Qt::Widget);
    setWindowTitle(QString::fromStdString(m_strCaption));
}

CPropertyPage::~CPropertyPage() {
    if (m_pSheet != nullptr) {
        m_pSheet->RemovePage(this);
    }
}

void CPropertyPage::SetModified(bool bChanged) {
    m_bModified = bChanged;
    if (m_pSheet != nullptr) {
        m_pSheet->PageModifiedChanged();
    }
}

bool CPropertyPage::OnSetActive() {
    return true;
}

bool CPropertyPage::OnKillActive() {
    return UpdateData(true);
}

bool CPropertyPage::OnApply() {
    OnOK();
    return true;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

QSize CPropertyPage::sizeHint() const {
    const QSize own = layout() != nullptr ? CDialog::sizeHint() : m_measuredHint;
    if (m_templateSize.isEmpty()) {
        return own;
    }
    return own.expandedTo(DialogUnitsToPixels(m_templateSize.width(), m_templateSize.height()));
}

QSize CPropertyPage::minimumSizeHint() const {
    return layout() != nullptr ? CDialog::minimumSizeHint() : m_measuredMinimum;
}

// The sheet's tabs ask every page, shown or not. A page without controls answers
// from what they took when measured; between the two widths measured, wrapped
// text takes fewer lines the wider it is, and a straight line between the two
// heights never promises less than it needs.
int CPropertyPage::heightForWidth(int width) const {
    int height = m_measuredHint.height();
    if (const QLayout* own = layout()) {
        height = own->hasHeightForWidth() ? own->totalHeightForWidth(width) : own->totalSizeHint().height();
    } else if (m_measuredNarrow.isValid() && width < m_measuredHint.width()) {
        const int span = m_measuredHint.width() - m_measuredNarrow.width();
        const int extra = m_measuredNarrow.height() - m_measuredHint.height();
        height = width <= m_measuredNarrow.width() || span <= 0
                     ? m_measuredNarrow.height()
                     : m_measuredHint.height() + extra * (m_measuredHint.width() - width) / span;
    }
    return std::max(height, TemplateHeight());
}

int CPropertyPage::TemplateHeight() const {
    return m_templateSize.isEmpty() ? 0 : DialogUnitsToPixels(0, m_templateSize.height()).height();
}

void CPropertyPage::SetTemplateSize(int width, int height) {
    m_templateSize = QSize(width, height);
    updateGeometry();
}

void CPropertyPage::MapEditChange(int id, std::function<void()> handler) {
    m_editChangeTable.push_back({id, std::move(handler)});
}

// Enter and Escape belong to the sheet (its default button and Cancel); a dialog
// would take them for itself.
void CPropertyPage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->ignore();
        return;
    default:
        CDialog::keyPressEvent(event);
    }
}

void CPropertyPage::CreatePageWindow() {
    if (m_bWindowCreated) {
        return;
    }
    BuildControls();
    m_bWindowCreated = true;
    m_bModified = false;
    ConnectNotifications();
    OnInitDialog();
}

void CPropertyPage::DestroyPageWindow() {
    if (!m_bWindowCreated) {
        return;
    }
    m_bWindowCreated = false;
    m_bModified = false;
    TakeDownControls();
}

void CPropertyPage::MeasurePageWindow(int narrowest) {
    if (m_bWindowCreated) {
        return;
    }
    BuildControls();
    ensurePolished();
    if (const QLayout* own = layout()) {
        const QSize hint = own->totalSizeHint();
        const auto heightAt = [&](int width) {
            return own->hasHeightForWidth() ? std::max(hint.height(), own->totalHeightForWidth(width)) : hint.height();
        };
        m_measuredHint = QSize(hint.width(), heightAt(hint.width()));
        const int narrow = std::min(narrowest, hint.width());
        m_measuredNarrow = QSize(narrow, std::max(m_measuredHint.height(), heightAt(narrow)));
        m_measuredMinimum = own->totalMinimumSize();
    }
    TakeDownControls();
    updateGeometry();
}

void CPropertyPage::BuildControls() {
    if (!ControlsCreated()) {
        EnsureControlsCreated();
    } else if (m_bWindowDestroyed) {
        CreateControls();
    }
    m_bWindowDestroyed = false;
    // Controls added to a page in sight would only appear a moment later, and until
    // then take no room in the sheet's reckoning.
    if (isVisible()) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
                child->show();
            }
        }
    }
}

void CPropertyPage::TakeDownControls() {
    m_bWindowDestroyed = true;
    // The widgets first: they leave the layout as they go.
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        delete child;
    }
    delete layout();
}

void CPropertyPage::ConnectNotifications() {
    for (const EditChangeEntry& entry : m_editChangeTable) {
        QWidget* control = GetDlgItem(entry.id);
        const auto notify = [this, handler = entry.handler] {
            if (!InDataExchange()) {
                handler();
            }
        };
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            connect(edit, &QLineEdit::textChanged, this, notify);
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
            connect(edit, &QPlainTextEdit::textChanged, this, notify);
        }
    }
}

} // namespace desklet
