#include "framework/CPropertyPage.h"

#include "framework/CPropertySheet.h"

#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    const QSize own = CDialog::sizeHint();
    if (m_templateSize.isEmpty()) {
        return own;
    }
    return own.expandedTo(DialogUnitsToPixels(m_templateSize.width(), m_templateSize.height()));
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
    if (!ControlsCreated()) {
        EnsureControlsCreated();
    } else if (m_bWindowDestroyed) {
        CreateControls();
    }
    m_bWindowDestroyed = false;
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
    m_bWindowDestroyed = true;
    m_bModified = false;
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
