#include "outbox/ui/OutboxDlg.h"

#include "outbox/ui/OutboxTimes_p.h"
#include "phonebook/Database.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

OutboxDlg::OutboxDlg(QString databasePath, QWidget* parent)
    : CDialog(kTemplateId, parent), m_path(std::move(databasePath)), m_database(std::make_unique<Database>()) {
    setWindowTitle(tr("Outbox"));
}

OutboxDlg::~OutboxDlg() {
    // The outbox refers to the database: it goes first.
    m_outbox.reset();
}

QString OutboxDlg::StateText(JobState state) {
    switch (state) {
    case JobState::Waiting:
        return tr("Waiting");
    case JobState::Sending:
        return tr("Sending");
    case JobState::Sent:
        return tr("Sent");
    case JobState::Failed:
        return tr("Failed");
    case JobState::Cancelled:
        return tr("Discarded");
    case JobState::Unknown:
        return tr("Unknown");
    }
    return {};
}

void OutboxDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    SetDlgItemId(*m_list, IDC_OUTBOX_LIST);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({tr("Job"), tr("State"), tr("Queued"), tr("Numbers"), tr("Document"), tr("Attempts"),
                             tr("Next Attempt"), tr("Last Error")});
    m_list->setAccessibleName(tr("Faxes in the outbox"));
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { UpdateButtons(); });
    layout->addWidget(m_list);

    auto* buttons = new QHBoxLayout;
    auto button = [&](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        SetDlgItemId(*b, id);
        buttons->addWidget(b);
        return b;
    };
    m_sendAgain = button(IDC_SEND_AGAIN, tr("Send &Again"));
    m_discard = button(IDC_DISCARD, tr("&Discard"));
    m_markSent = button(IDC_MARK_SENT, tr("&Mark as Sent"));
    connect(m_sendAgain, &QPushButton::clicked, this, [this] { OnSendAgain(); });
    connect(m_discard, &QPushButton::clicked, this, [this] { OnDiscard(); });
    connect(m_markSent, &QPushButton::clicked, this, [this] { OnMarkSent(); });
    buttons->addStretch();
    auto* close = new QPushButton(tr("&Close"), this);
    SetDlgItemId(*close, IDCANCEL);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(DialogUnitsToPixels(420, 180).expandedTo(sizeHint()));
}

bool OutboxDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_database->Open(m_path)) {
        m_outbox.emplace(*m_database, m_clock);
        // A sender that died leaves its job claimed: the outbox shows it as it stands.
        (void)m_outbox->RecoverAbandoned();
    } else {
        MessageBox(m_database->LastFailure().Text().toStdString(), tr("Outbox").toStdString(),
                   MB_OK | MB_ICONEXCLAMATION);
    }
    Refresh();
    m_list->setFocus();
    return false;
}

void OutboxDlg::Refresh() {
    const std::int64_t current = Current() != nullptr ? Current()->id : 0;
    m_entries = m_outbox ? m_outbox->Pending() : std::vector<OutboxEntry>{};
    m_list->clear();
    QTreeWidgetItem* select = nullptr;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const OutboxEntry& entry = m_entries[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(kId, QString::number(entry.id));
        item->setText(kState, StateText(entry.state));
        item->setText(kQueued, outbox_ui::TimeText(entry.queuedAt));
        item->setText(kNumbers, outbox_ui::NumbersText(entry.numbers));
        item->setText(kDocument, outbox_ui::OneLine(entry.document));
        item->setText(kAttempts, QString::number(entry.attempts));
        item->setText(kNextAttempt, entry.nextAttempt ? outbox_ui::TimeText(*entry.nextAttempt) : QString());
        item->setText(kLastError, outbox_ui::OneLine(entry.lastError));
        item->setData(kId, Qt::UserRole, static_cast<qulonglong>(i));
        if (entry.id == current || select == nullptr) {
            select = item;
        }
    }
    if (select != nullptr) {
        m_list->setCurrentItem(select);
    }
    for (int column = 0; column < kColumns; ++column) {
        m_list->resizeColumnToContents(column);
    }
    UpdateButtons();
}

const OutboxEntry* OutboxDlg::Current() const {
    const QTreeWidgetItem* item = m_list != nullptr ? m_list->currentItem() : nullptr;
    if (item == nullptr) {
        return nullptr;
    }
    const auto index = item->data(kId, Qt::UserRole).toULongLong();
    return index < m_entries.size() ? &m_entries[index] : nullptr;
}

void OutboxDlg::UpdateButtons() {
    const OutboxEntry* entry = Current();
    const bool unknown = entry != nullptr && entry->state == JobState::Unknown;
    m_sendAgain->setEnabled(entry != nullptr && entry->state != JobState::Sending && m_sendAgainTo);
    m_markSent->setEnabled(unknown);
    m_discard->setEnabled(entry != nullptr && entry->state != JobState::Sending);
}

bool OutboxDlg::Failed(bool done) {
    if (done || !m_outbox) {
        return !m_outbox;
    }
    MessageBox(m_outbox->LastFailure().Text().toStdString(), tr("Outbox").toStdString(), MB_OK | MB_ICONEXCLAMATION);
    Refresh();
    return true;
}

void OutboxDlg::OnSendAgain() {
    const OutboxEntry* entry = Current();
    if (entry == nullptr || entry->state == JobState::Sending || !m_sendAgainTo) {
        return;
    }
    if (entry->state == JobState::Unknown) {
        const QString question = tr("The fax to %1 may have gone. Send it again to these numbers?")
                                     .arg(outbox_ui::NumbersText(entry->numbersLeft));
        if (MessageBox(question.toStdString(), tr("Send Again").toStdString(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return;
        }
    }
    QStringList numbers;
    for (const std::string& number : entry->numbersLeft) {
        numbers.append(QString::fromStdString(number));
    }
    m_sendAgainTo(entry->id, numbers, SendAgainDocument::For(*entry));
    EndDialog(IDOK);
}

void OutboxDlg::OnDiscard() {
    const OutboxEntry* entry = Current();
    if (entry == nullptr || !m_outbox) {
        return;
    }
    const QString question =
        tr("Discard the fax to %1? It will not be sent.").arg(outbox_ui::NumbersText(entry->numbers));
    if (MessageBox(question.toStdString(), tr("Discard").toStdString(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    if (!Failed(m_outbox->Discard(entry->id))) {
        Refresh();
    }
}

void OutboxDlg::OnMarkSent() {
    const OutboxEntry* entry = Current();
    if (entry == nullptr || entry->state != JobState::Unknown || !m_outbox) {
        return;
    }
    if (!Failed(m_outbox->MarkSent(entry->id))) {
        Refresh();
    }
}

bool OutboxDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        OnDiscard();
        return true;
    }
    return CDialog::eventFilter(watched, event);
}

} // namespace desklet
