#include "framework/CDialog.h"

#include "framework/DataExchange.h"
#include "framework/DialogServices.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVariant>

namespace desklet {
namespace {
constexpr const char* kControlIdProperty = "desklet.controlId";
}

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_nTemplateId(templateId) {}

CDialog::~CDialog() {
    if (m_pLoop != nullptr) {
        m_pLoop->exit();
    }
}

int CDialog::DoModal() {
    EnsureControlsCreated();
    m_nModalResult = -1;
    m_bEnded = false;
    setWindowModality(Qt::ApplicationModal);

    OnInitDialog();

    if (!m_bEnded) {
        QEventLoop loop;
        m_pLoop = &loop;
        QPointer<CDialog> self(this);
        const auto appear = [self] {
            if (self && !self->m_bEnded) {
                self->show();
                if (DialogServices::HasModalHandler()) {
                    // Once the loop runs, so that the handler finds a running dialog.
                    QTimer::singleShot(0, self.data(), [self] {
                        if (self && !self->m_bEnded) {
                            DialogServices::NotifyModalStarted(*self);
                        }
                    });
                }
            }
        };
        if (m_nShowDelay > 0) {
            QTimer::singleShot(m_nShowDelay, this, appear);
        } else {
            appear();
        }
        if (!m_bEnded) {
            loop.exec(QEventLoop::DialogExec);
        }
        m_pLoop = nullptr;
    }
    hide();
    return m_nModalResult;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    EnsureControlsCreated();
    DataExchange dx(this, bSaveAndValidate);
    ++m_nExchangeDepth;
    DoDataExchange(&dx);
    --m_nExchangeDepth;
    return !dx.Failed();
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bEnded = true;
    if (m_pLoop != nullptr) {
        m_pLoop->exit();
    }
}

int CDialog::MessageBox(const std::string& text, const std::string& caption, unsigned type,
                        const std::string& details) {
    return DialogServices::MessageBox(this, text, caption, type, details);
}

void CDialog::ShowWindow(int command) {
    if (command == SW_HIDE) {
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (GetDlgCtrlID(*child) == id) {
            return child;
        }
    }
    return nullptr;
}

void CDialog::SetDlgItemId(QWidget& control, int id) {
    SetDlgCtrlID(control, id);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        if (id == IDOK) {
            connect(button, &QAbstractButton::clicked, this, [this] { OnOK(); });
        } else if (id == IDCANCEL) {
            connect(button, &QAbstractButton::clicked, this, [this] { OnCancel(); });
        }
    }
}

void CDialog::SetDlgCtrlID(QWidget& control, int id) {
    control.setProperty(kControlIdProperty, id);
    if (control.objectName().isEmpty()) {
        control.setObjectName(QStringLiteral("control_%1").arg(id));
    }
}

int CDialog::GetDlgCtrlID(const QWidget& control) {
    const QVariant id = control.property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

QSize CDialog::DialogUnitsToPixels(int width, int height) const {
    const QFontMetrics metrics(font());
    const int baseX = metrics.averageCharWidth();
    const int baseY = metrics.height();
    return {width * baseX / 4, height * baseY / 8};
}

void CDialog::DoDataExchange(DataExchange* /*pDX*/) {}

void CDialog::CreateControls() {}

void CDialog::EnsureControlsCreated() {
    if (!m_bControlsCreated) {
        m_bControlsCreated = true;
        CreateControls();
    }
}

// Qt's own ways of ending a dialog (Enter on a default button box, Escape, the
// close box) take the framework's road, so that OnOK() and OnCancel() always run.
void CDialog::accept() {
    OnOK();
}

void CDialog::reject() {
    OnCancel();
}

void CDialog::done(int result) {
    EndDialog(result == QDialog::Accepted ? IDOK : IDCANCEL);
}

// A multi-line field takes Enter for its line break and lets Ctrl+Enter through;
// QDialog answers Enter only without modifiers, so that Ctrl+Enter would press
// nothing. A dialog inside another (a page of a sheet) has no default button of
// its own and leaves the key to the one around it.
void CDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        const auto buttons = findChildren<QPushButton*>();
        for (QPushButton* button : buttons) {
            if (button->isDefault() && button->isVisible()) {
                if (button->isEnabled()) {
                    button->click();
                }
                event->accept();
                return;
            }
        }
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace desklet
