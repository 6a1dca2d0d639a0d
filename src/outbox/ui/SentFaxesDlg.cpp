#include "outbox/ui/SentFaxesDlg.h"

#include "outbox/ui/OutboxTimes_p.h"
#include "phonebook/Database.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

SentFaxesDlg::SentFaxesDlg(QString databasePath, QWidget* parent)
    : CDialog(kTemplateId, parent), m_path(std::move(databasePath)) {
    setWindowTitle(tr("Sent Faxes"));
}

SentFaxesDlg::~SentFaxesDlg() = default;

QString SentFaxesDlg::OutcomeText(const std::string& outcome) {
    if (outcome == "sent") {
        return tr("Sent");
    }
    if (outcome == "waiting") {
        return tr("Waiting");
    }
    if (outcome == "sending") {
        return tr("Sending");
    }
    if (outcome == "failed") {
        return tr("Failed");
    }
    if (outcome == "cancelled") {
        return tr("Discarded");
    }
    if (outcome == "unknown") {
        return tr("Unknown");
    }
    return outbox_ui::OneLine(outcome);
}

void SentFaxesDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    SetDlgItemId(*m_list, IDC_SENT_LIST);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(
        {tr("Time"), tr("Numbers"), tr("Document"), tr("Outcome"), tr("Message-ID"), tr("Server Reply")});
    m_list->setAccessibleName(tr("Faxes sent"));
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { OnSendAgain(); });
    layout->addWidget(m_list);

    auto* buttons = new QHBoxLayout;
    m_sendAgainButton = new QPushButton(tr("Send &Again"), this);
    SetDlgItemId(*m_sendAgainButton, IDC_SEND_AGAIN);
    connect(m_sendAgainButton, &QPushButton::clicked, this, [this] { OnSendAgain(); });
    buttons->addWidget(m_sendAgainButton);
    buttons->addStretch();
    auto* close = new QPushButton(tr("&Close"), this);
    SetDlgItemId(*close, IDCANCEL);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(DialogUnitsToPixels(420, 180).expandedTo(sizeHint()));
}

bool SentFaxesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Database database;
    if (database.Open(m_path)) {
        const SystemClock clock;
        Outbox outbox(database, clock);
        m_lines = outbox.SentLog(kShownJobs);
    } else {
        MessageBox(database.LastFailure().Text().toStdString(), tr("Sent Faxes").toStdString(),
                   MB_OK | MB_ICONEXCLAMATION);
    }
    m_list->clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const SentLogLine& line = m_lines[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(kTime, outbox_ui::TimeText(line.time));
        item->setText(kNumbers, outbox_ui::NumbersText(line.numbers));
        item->setText(kDocument, outbox_ui::OneLine(line.document));
        item->setText(kOutcome, OutcomeText(line.outcome));
        item->setText(kMessageId, outbox_ui::OneLine(line.messageId));
        item->setText(kServerReply, outbox_ui::OneLine(line.serverReply));
        item->setData(kTime, Qt::UserRole, static_cast<qulonglong>(i));
    }
    // The newest is last, and chosen.
    if (m_list->topLevelItemCount() > 0) {
        m_list->setCurrentItem(m_list->topLevelItem(m_list->topLevelItemCount() - 1));
    }
    for (int column = 0; column < kColumns; ++column) {
        m_list->resizeColumnToContents(column);
    }
    m_sendAgainButton->setEnabled(!m_lines.empty());
    m_list->setFocus();
    return false;
}

void SentFaxesDlg::OnSendAgain() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr || !m_sendAgain) {
        return;
    }
    const auto index = item->data(kTime, Qt::UserRole).toULongLong();
    if (index >= m_lines.size()) {
        return;
    }
    const SentLogLine& line = m_lines[index];
    QStringList numbers;
    for (const std::string& number : line.numbers) {
        numbers.append(QString::fromStdString(number));
    }
    m_sendAgain(numbers, SendAgainDocument::For(line));
    EndDialog(IDOK);
}

} // namespace desklet
