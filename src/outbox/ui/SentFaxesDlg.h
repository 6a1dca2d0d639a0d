#pragma once

#include "framework/CDialog.h"
#include "outbox/Outbox.h"
#include "outbox/SendAgainDocument.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace desklet {

// "Sent Faxes": the last jobs, one row a mail, with the terminal's columns. Send
// Again hands the chosen row's numbers and its job's document (SendAgainDocument)
// to the main dialog.
//
// Keyboard: the list has the focus; Enter or Alt+A sends the chosen row again.
class SentFaxesDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 151;
    // The jobs the window shows, newest last.
    static constexpr int kShownJobs = 200;
    enum ControlId { IDC_SENT_LIST = 1511, IDC_SEND_AGAIN };
    enum Column { kTime, kNumbers, kDocument, kOutcome, kMessageId, kServerReply, kColumns };

    explicit SentFaxesDlg(QString databasePath, QWidget* parent = nullptr);
    ~SentFaxesDlg() override;

    // Where Send Again hands a row: its numbers, and the document to send them.
    using SendAgain = std::function<void(const QStringList& numbers, const SendAgainDocument& document)>;
    void SetSendAgain(SendAgain sendAgain) { m_sendAgain = std::move(sendAgain); }

    bool OnInitDialog() override;
    void OnSendAgain();

    QTreeWidget* List() const { return m_list; }
    // sent, waiting, sending, failed, cancelled or unknown in the user's language.
    static QString OutcomeText(const std::string& outcome);

protected:
    void CreateControls() override;

private:
    QString m_path;
    std::vector<SentLogLine> m_lines;
    SendAgain m_sendAgain;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_sendAgainButton = nullptr;
};

} // namespace desklet
