#pragma once

#include "framework/WinConstants.h"

#include <QDialog>

#include <string>

class QEventLoop;

namespace desklet {

class DataExchange;

// A modal dialog in the framework's manner.
//
// DoModal() builds the controls (CreateControls(), once per object), runs
// OnInitDialog(), whose base writes the fields into the controls, and then runs a
// modal loop of its own until EndDialog(): 1 (IDOK) after OnOK(), 2 (IDCANCEL)
// after Cancel, Escape or the close box. The loop does not end when the dialog is
// hidden and shown again, as QDialog::exec() would: the send operation hides the
// dialog for as long as it talks to the server.
//
// Controls are found by their numeric id (GetDlgItem), which CreateControls()
// assigns with SetDlgItemId(). A button given id IDOK or IDCANCEL runs OnOK() or
// OnCancel() when clicked.
//
// Enter presses the default button from a single-line field; a multi-line field
// keeps Enter for its line break, and Ctrl+Enter presses the default button from
// any field.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Moves data between the controls and the fields: true reads the controls,
    // false writes the fields. False when a check failed; the user has been told.
    bool UpdateData(bool bSaveAndValidate = true);
    void EndDialog(int result);

    int MessageBox(const std::string& text, const std::string& caption = {}, unsigned type = MB_OK,
                   const std::string& details = {});
    void ShowWindow(int command);

    QWidget* GetDlgItem(int id) const;
    void SetDlgItemId(QWidget& control, int id);
    static int GetDlgCtrlID(const QWidget& control);
    // Gives a control its id without a dialog at hand: for the children a composite
    // control builds itself. Unlike SetDlgItemId(), IDOK and IDCANCEL get no wiring.
    static void SetDlgCtrlID(QWidget& control, int id);

    int TemplateId() const { return m_nTemplateId; }
    bool IsModalRunning() const { return m_pLoop != nullptr; }
    // True while UpdateData() runs: change notifications from the controls are then
    // the program's own doing and are to be ignored.
    bool InDataExchange() const { return m_nExchangeDepth > 0; }

    // Dialog units of the template (a quarter of the average character width, an
    // eighth of the line height) in pixels of this dialog's font.
    QSize DialogUnitsToPixels(int width, int height) const;

    // The modal run starts hidden and shows the dialog only when it lasts this
    // long: a window for a wait that is over at once would only flicker.
    void SetShowDelay(int milliseconds) { m_nShowDelay = milliseconds; }

protected:
    virtual void DoDataExchange(DataExchange* pDX);
    // Builds the template's controls and layout. Called once, before the first
    // OnInitDialog(); a dialog that is never run never builds them.
    virtual void CreateControls();
    void EnsureControlsCreated();
    bool ControlsCreated() const { return m_bControlsCreated; }

    void accept() override;
    void reject() override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_nTemplateId;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    bool m_bControlsCreated = false;
    int m_nExchangeDepth = 0;
    int m_nShowDelay = 0;
    QEventLoop* m_pLoop = nullptr;
};

} // namespace desklet
