#include "framework/CDataExchange.h"

#include "framework/CAttachable.h"
#include "framework/CDialog.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace desklet {
namespace {

constexpr const char* kLimitProperty = "desklet.maxChars";
constexpr const char* kLimiterInstalledProperty = "desklet.limiterInstalled";
// Caption of the framework's own messages.
constexpr const char* kFrameworkCaption = "Desklet";

QString controlText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(control)) {
        return edit->toPlainText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return {};
}

void setControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        edit->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

int selectedChars(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return CountChars(edit->selectedText().toStdString());
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(control)) {
        return CountChars(edit->textCursor().selectedText().toStdString());
    }
    return 0;
}

// Limits typing, not the text itself: QLineEdit::setMaxLength() would cut a longer
// text that arrives from the store or the command line, and the user would lose it
// without a word. A longer text stays whole and fails the length check on reading.
class TextLimitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control == nullptr) {
            return false;
        }
        const QVariant limitValue = control->property(kLimitProperty);
        if (!limitValue.isValid()) {
            return false;
        }
        QString typed;
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Only keys that type a printable character count; editing keys and
            // control characters pass to the control.
            if (key->text().isEmpty() || !key->text().at(0).isPrint()) {
                return false;
            }
            typed = key->text();
        } else if (event->type() == QEvent::InputMethod) {
            typed = static_cast<QInputMethodEvent*>(event)->commitString();
            if (typed.isEmpty()) {
                return false;
            }
        } else {
            return false;
        }
        const int current = CountChars(controlText(control).toStdString());
        const int after = current - selectedChars(control) + CountChars(typed.toStdString());
        return after > limitValue.toInt();
    }
};

QAbstractButton* button(CDataExchange* pDX, int id) {
    return qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
}

} // namespace

CDataExchange::CDataExchange(CDialog* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

QWidget* CDataExchange::PrepareCtrl(int id) {
    m_pLastControl = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    return m_pLastControl;
}

void CDataExchange::Fail(const std::string& message) {
    m_bFailed = true;
    DialogServices::MessageBox(m_pDlgWnd, message, kFrameworkCaption, MB_OK | MB_ICONEXCLAMATION);
    if (m_pLastControl != nullptr) {
        m_pLastControl->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(m_pLastControl)) {
            edit->selectAll();
        }
    }
}

int CountChars(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void DDX_Control(CDataExchange* pDX, int id, QWidget& control) {
    if (pDX->Failed()) {
        return;
    }
    if (CDialog::GetDlgCtrlID(control) != id && pDX->m_pDlgWnd != nullptr) {
        pDX->m_pDlgWnd->SetDlgItemId(control, id);
    }
    if (auto* attachable = dynamic_cast<CAttachable*>(&control)) {
        attachable->Attach();
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed()) {
        return;
    }
    QWidget* control = pDX->PrepareCtrl(id);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = controlText(control).toStdString();
    } else {
        setControlText(control, QString::fromStdString(value));
    }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) {
        return;
    }
    QAbstractButton* first = button(pDX, id);
    if (first == nullptr) {
        return;
    }
    QButtonGroup* group = first->group();
    const QList<QAbstractButton*> buttons = group ? group->buttons() : QList<QAbstractButton*>{first};
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = i;
                break;
            }
        }
        return;
    }
    const bool exclusive = group && group->exclusive();
    if (group) {
        group->setExclusive(false);
    }
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(i == value);
    }
    if (group) {
        group->setExclusive(exclusive);
    }
}

void DDX_Check(CDataExchange* pDX, int id, bool& value) {
    if (pDX->Failed()) {
        return;
    }
    if (QAbstractButton* box = button(pDX, id)) {
        if (pDX->m_bSaveAndValidate) {
            value = box->isChecked();
        } else {
            box->setChecked(value);
        }
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    bool checked = value != 0;
    DDX_Check(pDX, id, checked);
    value = checked ? 1 : 0;
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars) {
    if (pDX->Failed() || pDX->m_pLastControl == nullptr) {
        return;
    }
    QWidget* control = pDX->m_pLastControl;
    if (pDX->m_bSaveAndValidate) {
        if (CountChars(value) > maxChars) {
            pDX->Fail("Please enter no more than " + std::to_string(maxChars) + " characters.");
        }
        return;
    }
    control->setProperty(kLimitProperty, maxChars);
    if (!control->property(kLimiterInstalledProperty).toBool()) {
        control->setProperty(kLimiterInstalledProperty, true);
        control->installEventFilter(new TextLimitFilter(control));
    }
}

} // namespace desklet
