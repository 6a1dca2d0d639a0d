#pragma once

#include "framework/CDialog.h"
#include "outbox/Outbox.h"
#include "outbox/SendAgainDocument.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace desklet {

class Database;

// "Outbox": the faxes that wait for another try, or whose fate is unknown, with
// the terminal's columns. Discard takes one out (Delete does the same); Send
// Again hands a waiting or unknown one to the main dialog (an unknown one after
// asking), and Mark as Sent says an unknown one went.
//
// Keyboard: the list has the focus; the arrows choose a row, Alt and the
// underlined letter press a button.
class OutboxDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 150;
    enum ControlId { IDC_OUTBOX_LIST = 1501, IDC_SEND_AGAIN, IDC_DISCARD, IDC_MARK_SENT };
    enum Column { kId, kState, kQueued, kNumbers, kDocument, kAttempts, kNextAttempt, kLastError, kColumns };

    explicit OutboxDlg(QString databasePath, QWidget* parent = nullptr);
    ~OutboxDlg() override;

    // Where Send Again hands a job: its id, the numbers still to go and the
    // document to send them. The job itself stays as it is.
    using SendAgain =
        std::function<void(std::int64_t job, const QStringList& numbers, const SendAgainDocument& document)>;
    void SetSendAgain(SendAgain sendAgain) { m_sendAgainTo = std::move(sendAgain); }

    bool OnInitDialog() override;

    void OnSendAgain();
    void OnDiscard();
    void OnMarkSent();

    QTreeWidget* List() const { return m_list; }
    // A job state in the user's language.
    static QString StateText(JobState state);

protected:
    void CreateControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void UpdateButtons();
    const OutboxEntry* Current() const;
    // Tells of the outbox's last failure; false when there was none.
    bool Failed(bool done);

    QString m_path;
    // The outbox keeps a reference to its clock: it lives as long.
    SystemClock m_clock;
    std::unique_ptr<Database> m_database;
    std::optional<Outbox> m_outbox;
    std::vector<OutboxEntry> m_entries;
    SendAgain m_sendAgainTo;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_sendAgain = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_markSent = nullptr;
};

} // namespace desklet
