#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace desklet {

class CDialog;

// One run of a dialog's data exchange. The DDX_ and DDV_ functions below move one
// value each; after a failed check the rest of the exchange is skipped, as the
// user has been told already and the focus sits on the offending control.
class DataExchange {
public:
    DataExchange(CDialog* dialog, bool saveAndValidate);

    // The control with that id, remembered as the one the next DDV_ check is about.
    QWidget* PrepareCtrl(int id);
    // Shows the message, puts the focus on the last prepared control and fails the exchange.
    void Fail(const std::string& message);
    bool Failed() const { return m_bFailed; }

    bool m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    QWidget* m_pLastControl = nullptr;

private:
    bool m_bFailed = false;
};

// Characters of a UTF-8 text, as the length limits count them.
int CountChars(std::string_view utf8);

// Binds a control object to its id the first time, and attaches it (Attachable).
void DDX_Control(DataExchange* pDX, int id, QWidget& control);
// Text of an edit (single- or multi-line), a label or a button.
void DDX_Text(DataExchange* pDX, int id, std::string& value);
// Index of the checked button in the radio group whose first button has this id; -1 for none.
void DDX_Radio(DataExchange* pDX, int id, int& value);
void DDX_Check(DataExchange* pDX, int id, bool& value);
void DDX_Check(DataExchange* pDX, int id, int& value);
// Writing: also limits what the user can type into the last prepared control.
// Reading: a longer text fails the exchange with a message.
void DDV_MaxChars(DataExchange* pDX, const std::string& value, int maxChars);

} // namespace desklet
