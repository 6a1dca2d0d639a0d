#include "framework/DataExchange.h"

#include "framework/Attachable.h"
#include "framework/CDialog.h"
#include "framework/DialogServices.h"
#include "framework/TextLimit.h"
#include "framework/WinConstants.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace desklet {
namespace {

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

QAbstractButton* button(DataExchange* pDX, int id) {
    return qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
}

} // namespace

DataExchange::DataExchange(CDialog* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

QWidget* DataExchange::PrepareCtrl(int id) {
    m_pLastControl = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    return m_pLastControl;
}

void DataExchange::Fail(const std::string& message) {
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

void DDX_Control(DataExchange* pDX, int id, QWidget& control) {
    if (pDX->Failed()) {
        return;
    }
    if (CDialog::GetDlgCtrlID(control) != id && pDX->m_pDlgWnd != nullptr) {
        pDX->m_pDlgWnd->SetDlgItemId(control, id);
    }
    if (auto* attachable = dynamic_cast<Attachable*>(&control)) {
        attachable->Attach();
    }
}

void DDX_Text(DataExchange* pDX, int id, std::string& value) {
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

void DDX_Radio(DataExchange* pDX, int id, int& value) {
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

void DDX_Check(DataExchange* pDX, int id, bool& value) {
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

void DDX_Check(DataExchange* pDX, int id, int& value) {
    bool checked = value != 0;
    DDX_Check(pDX, id, checked);
    value = checked ? 1 : 0;
}

void DDV_MaxChars(DataExchange* pDX, const std::string& value, int maxChars) {
    if (pDX->Failed() || pDX->m_pLastControl == nullptr) {
        return;
    }
    QWidget* control = pDX->m_pLastControl;
    if (pDX->m_bSaveAndValidate) {
        if (CountChars(value) > maxChars) {
            pDX->Fail(QCoreApplication::translate("DataExchange", "Please enter no more than %1 characters.")
                          .arg(maxChars)
                          .toStdString());
        }
        return;
    }
    // The limit holds what the user puts in, not the text itself: a longer text
    // that arrives from the store or the command line stays whole and fails the
    // check on reading, rather than being cut without a word.
    LimitUserText(*control, maxChars);
}

} // namespace desklet
