#include "app/CFaxClientDlg.h"

#include "app/CFaxClientApp.h"
#include "app/DialogSend.h"
#include "controls/CAboutDlg.h"
#include "controls/CColorLabel.h"
#include "controls/COnlineHelpDlg.h"
#include "controls/ContactInfoCtrl.h"
#include "controls/CoverPageCtrl.h"
#include "controls/DialogBackground.h"
#include "controls/DocumentPreviewCtrl.h"
#include "controls/NameByLabel.h"
#include "controls/RecipientPanel.h"
#include "fax/FaxNumberList.h"
#include "fax/JobOptions.h"
#include "framework/DataExchange.h"
#include "framework/DialogServices.h"
#include "outbox/SendAgainDocument.h"
#include "outbox/ui/OutboxDlg.h"
#include "outbox/ui/SentFaxesDlg.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"
#include "phonebook/RecipientNames.h"
#include "phonebook/ui/PhoneBookCompletion.h"
#include "phonebook/ui/PhoneBookDlg.h"
#include "print/TemporaryCopy.h"
#include "settings/PasswordVault.h"
#include "settings/SettingsKeys.h"
#include "settings/ui/CConfigSheet.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace desklet {
namespace {

constexpr const char* kIconPath = ":/desklet/icons/desklet.svg";
// The texts the fax command puts in double quotes must not carry one.
constexpr const char* kQuote = "\"";

// The Browse filters: the same display texts, with Qt's pattern syntax. Each is
// translated on its own, so that the first one is picked by its translated text.
constexpr const char* kBrowseFilters[] = {
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "MS Word Documents (*.doc) (*.doc *.rtf)"),
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "Chart Files (*.xlc) (*.xlc)"),
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "MS Excel Worksheet Files (*.xls) (*.xls)"),
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "Adobe Acrobate Files (*.pdf) (*.pdf)"),
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa)"),
    QT_TRANSLATE_NOOP("desklet::CFaxClientDlg", "All Files (*.*) (*)"),
};

} // namespace

CFaxClientDlg::CFaxClientDlg(QWidget* parent) : CDialog(kTemplateId, parent), m_hIcon(QString::fromLatin1(kIconPath)) {
    setWindowTitle(tr("Quillmark Tarvel"));
    // The template names its menu, so the dialog has it from creation on.
    CreateMenu();
}

CFaxClientDlg::~CFaxClientDlg() {
    DeleteHandedOverDocument();
    m_pConfigSheet.reset();
}

void CFaxClientDlg::DeleteHandedOverDocument() {
    // Only the copy handed over on the command line: a document the user picked or
    // typed is theirs, whatever its name.
    if (const std::string handedOver = m_document.TakeHandedOver(); !handedOver.empty()) {
        (void)DeleteTemporaryCopy(handedOver);
    }
}

void CFaxClientDlg::CreateMenu() {
    m_pMenuBar = new QMenuBar(this);
    // Each letter after & is unique on its level: Alt and the letter open a menu,
    // the letter alone then picks its command.
    QMenu* setup = m_pMenuBar->addMenu(tr("&Setup"));
    QAction* settings = setup->addAction(tr("Account &Settings"));
    settings->setData(int(ID_ACCOUNT_SETTINGS));
    connect(settings, &QAction::triggered, this, [this] { OnAccountSettings(); });
    QMenu* faxes = m_pMenuBar->addMenu(tr("&Faxes"));
    connect(faxes->addAction(tr("&Outbox")), &QAction::triggered, this, [this] { OnOutbox(); });
    connect(faxes->addAction(tr("&Sent Faxes")), &QAction::triggered, this, [this] { OnSentFaxes(); });
    faxes->actions()[0]->setData(int(ID_OUTBOX));
    faxes->actions()[1]->setData(int(ID_SENT_FAXES));
    QMenu* help = m_pMenuBar->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About Quillmark Tarvel"));
    about->setData(int(ID_APP_ABOUT));
    connect(about, &QAction::triggered, this, [this] { OnAbout(); });
    QAction* online = help->addAction(tr("&Online Help"));
    online->setData(int(ID_ONLINE_HELP));
    connect(online, &QAction::triggered, this, [this] { OnOnlineHelp(); });
}

QAction* CFaxClientDlg::commandAction(int id) const {
    for (QAction* menu : m_pMenuBar->actions()) {
        if (menu->menu() == nullptr) {
            continue;
        }
        for (QAction* action : menu->menu()->actions()) {
            if (action->data().toInt() == id) {
                return action;
            }
        }
    }
    return nullptr;
}

void CFaxClientDlg::CreateControls() {
    setWindowIcon(m_hIcon);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_pMenuBar);

    auto button = [this](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        SetDlgItemId(*b, id);
        return b;
    };

    // Recipients: the list on the left, the entry and its buttons on the right.
    m_recipients = new RecipientPanel({.listLabel = IDC_RECIPIENTS_LABEL,
                                       .list = IDC_RECIPIENTS,
                                       .hint = IDC_HINT,
                                       .number = IDC_NUMBER,
                                       .add = IDC_ADD,
                                       .remove = IDC_REMOVE},
                                      FaxNumberRules::FaxNumberChars, this);
    connect(m_recipients, &RecipientPanel::AddClicked, this, [this] { OnAddRecipient(); });
    // The number field completes names, companies and numbers from the phone book;
    // its database opens at the first look-up.
    m_recipients->AcceptNames();
    m_completion = new PhoneBookCompletion(*m_recipients->NumberField(), Database::DefaultPath(), this);
    connect(m_completion, &PhoneBookCompletion::NumberChosen, m_recipients, &RecipientPanel::AddChosenNumber);
    m_completion->SetDirectory([this] { return CompanyDirectory(); });
    // The document's first page and page count, beside the list and as high.
    auto* preview = new DocumentPreviewCtrl(this);
    preview->SetPictureHeight(DialogUnitsToPixels(0, kPreviewHeight).height());
    // By the model alone: it still reports while the dialog is being torn down.
    QAbstractItemModel* model = m_recipients->Model();
    const auto countRecipients = [model, preview] { preview->SetRecipientCount(model->rowCount()); };
    connect(model, &QAbstractItemModel::rowsInserted, preview, countRecipients);
    connect(model, &QAbstractItemModel::rowsRemoved, preview, countRecipients);
    connect(model, &QAbstractItemModel::modelReset, preview, countRecipients);
    auto* recipients = new QHBoxLayout;
    recipients->addWidget(m_recipients, 1);
    recipients->addWidget(preview);
    // A taller window gives its height to the list; every other row keeps its own.
    layout->addLayout(recipients, 1);

    // The document.
    m_labelFile = new CColorLabel(this);
    m_labelFile->setText(tr("File you would like to fax:"));
    SetDlgItemId(*m_labelFile, IDC_FILE_LABEL);
    auto* file = new QLineEdit(this);
    SetDlgItemId(*file, IDC_FILE);
    NameByLabel(*m_labelFile, *file);
    connect(file, &QLineEdit::textChanged, preview, [this, preview](const QString& text) {
        m_document.TextChanged(text.toStdString());
        preview->SetPath(QString::fromStdString(m_document.PathFor(text.toStdString())));
    });
    m_btnBrowse = button(IDC_BROWSE, tr("Browse"));
    connect(m_btnBrowse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    layout->addWidget(m_labelFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file, 1);
    fileRow->addWidget(m_btnBrowse);
    layout->addLayout(fileRow);
    // Where a printed document came from; shown only for one.
    m_printedNote = new QLabel(this);
    SetDlgItemId(*m_printedNote, IDC_PRINTED_NOTE);
    m_printedNote->setWordWrap(true);
    m_printedNote->hide();
    layout->addWidget(m_printedNote);

    // Page font and resolution: two groups of automatic radio buttons.
    auto radioGroup = [this](QGroupBox* box, int firstId, const QString& first, const QString& second) {
        auto* a = new QRadioButton(first, box);
        SetDlgItemId(*a, firstId);
        auto* b = new QRadioButton(second, box);
        SetDlgItemId(*b, firstId + 1);
        auto* group = new QButtonGroup(box);
        group->addButton(a);
        group->addButton(b);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(a);
        boxLayout->addWidget(b);
    };
    m_btnFontGroup = new QGroupBox(tr("Fax Page Font"), this);
    SetDlgItemId(*m_btnFontGroup, IDC_FONT_GROUP);
    radioGroup(m_btnFontGroup, IDC_REGULAR, tr("Regular"), tr("Bold"));
    auto* resolution = new QGroupBox(tr("Resolution"), this);
    radioGroup(resolution, IDC_LOW_RES, tr("Low Resolution"), tr("High Resolution"));
    auto* options = new QHBoxLayout;
    options->addWidget(m_btnFontGroup);
    options->addWidget(resolution);
    layout->addLayout(options);

    // The cover page.
    m_cover = new CoverPageCtrl({.coverPage = IDC_COVER_PAGE,
                                 .commentLabel = IDC_COMMENT_LABEL,
                                 .comment = IDC_COMMENT,
                                 .attentionLabel = IDC_ATTENTION_LABEL,
                                 .attention = IDC_ATTENTION,
                                 .fromLabel = IDC_FROM_LABEL,
                                 .from = IDC_FROM},
                                this);
    connect(m_cover, &CoverPageCtrl::CoverPageClicked, this, [this] { OnCoverPage(); });
    // Room for three lines of comment: a cover page note is rarely longer.
    m_cover->SetCommentHeight(DialogUnitsToPixels(0, 30).height());
    // Built once and copied: assigning the one-character literal straight away trips
    // a false -Wrestrict of GCC 12 at -O3.
    const std::string quote(kQuote);
    m_cover->SetRejectedChars(quote);
    layout->addWidget(m_cover);

    // Where to learn more.
    layout->addWidget(
        new ContactInfoCtrl({.questions = IDC_QUESTIONS, .webSite = IDC_WEB_SITE, .phone = IDC_PHONE}, this));

    // Send Fax is the default button: Enter in a single-line field presses it, and
    // Ctrl+Enter in any field. The other buttons keep Qt's auto-default, so that
    // Enter on a focused button presses that button; the default returns to Send
    // Fax as soon as the focus leaves it.
    auto* buttons = new QHBoxLayout;
    auto* phoneBook = button(IDC_PHONE_BOOK, tr("Phone Book..."));
    phoneBook->setShortcut(QKeySequence(tr("Ctrl+B")));
    connect(phoneBook, &QPushButton::clicked, this, [this] { OnPhoneBook(); });
    buttons->addWidget(phoneBook);
    buttons->addStretch();
    m_btnSend = new QPushButton(tr("Send Fax"), this);
    m_btnSend->setDefault(true);
    SetDlgItemId(*m_btnSend, IDOK);
    auto* cancel = button(IDCANCEL, tr("Cancel"));
    buttons->addWidget(m_btnSend);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // Named for screen readers by what it is for, not only by its text.
    m_btnBrowse->setAccessibleName(tr("Browse for the file to fax"));

    // The template's size, or more where this desktop's font needs more room.
    resize(DialogUnitsToPixels(240, 283).expandedTo(sizeHint()));
}

void CFaxClientDlg::DoDataExchange(DataExchange* pDX) {
    DDX_Control(pDX, IDC_FONT_GROUP, *m_btnFontGroup);
    DDX_Control(pDX, IDC_FILE_LABEL, *m_labelFile);
    DDX_Control(pDX, IDC_BROWSE, *m_btnBrowse);

    DDX_Text(pDX, IDC_FILE, m_strFile);
    DDV_MaxChars(pDX, m_strFile, kMaxFileChars);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDV_MaxChars(pDX, m_strNumber, kMaxNumberChars);
    DDX_Radio(pDX, IDC_LOW_RES, m_nResolution);
    DDX_Check(pDX, IDC_COVER_PAGE, m_bCoverPage);
    DDX_Text(pDX, IDC_COMMENT, m_strComment);
    DDX_Radio(pDX, IDC_REGULAR, m_nFont);
    DDX_Text(pDX, IDC_FROM, m_strFrom);
    DDV_MaxChars(pDX, m_strFrom, kMaxFromChars);
    DDX_Text(pDX, IDC_ATTENTION, m_strAttention);
    DDV_MaxChars(pDX, m_strAttention, kMaxAttentionChars);
}

bool CFaxClientDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The window menu belongs to the window manager on X11 and Wayland: there is no
    // system menu to extend, and the Help menu reaches the About box instead.
    setWindowIcon(m_hIcon);

    CFaxClientApp* app = CFaxClientApp::Current();
    CMapStringToString* settings = app != nullptr ? &app->Settings : nullptr;
    if (settings != nullptr) {
        const std::string file = SettingValue(*settings, SettingKey::File);
        if (!file.empty()) {
            m_strFile = file;
            m_document.HandOver(file);
        }
        if (const auto& printed = app->CurrentPrintedDocument()) {
            ShowPrintedDocument(printed->path, printed->name, printed->waiting);
        }
        m_recipients->SetEntries(JobOptions::Recipients(SettingValue(*settings, SettingKey::Fax)));
        if (const std::string names = SettingValue(*settings, SettingKey::To); !names.empty()) {
            AddNamedRecipients(names);
        }
        PresetJob(*settings);
    }
    UpdateData(false);
    m_cover->EnableFields(m_bCoverPage);

    if (settings != nullptr) {
        m_pConfigSheet =
            std::make_unique<CConfigSheet>(tr("Quillmark").toStdString(), nullptr, 0, *settings, [this, app] {
                app->SaveSettings();
                m_bDirectoryRead = false;
            });
        if (!app->LoadSettings()) {
            OnAccountSettings();
        }
    }

    m_labelFile->SetTransparent(true);
    return true;
}

std::optional<DirectorySettings> CFaxClientDlg::CompanyDirectory() {
    if (!m_bDirectoryRead) {
        m_bDirectoryRead = true;
        m_directory.reset();
        CFaxClientApp* app = CFaxClientApp::Current();
        if (app != nullptr && DirectorySearch::IsConfigured(app->Settings)) {
            PasswordVault vault(PasswordVault::Account::Directory);
            m_directory = DirectorySearch::SettingsFrom(app->Settings, vault);
        }
    }
    return m_directory;
}

void CFaxClientDlg::OnSysCommand(unsigned id, long /*param*/) {
    if ((id & 0xFFF0U) == IDM_ABOUTBOX) {
        OnAbout();
    }
}

bool CFaxClientDlg::DrawBitmap(QPainter& painter, int bitmapId, int x, int y) {
    return bitmapId == kBackgroundBitmapId && DialogBackground::DrawTile(painter, x, y);
}

void CFaxClientDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    (void)DialogBackground::Paint(painter, rect(), palette());
    CDialog::paintEvent(event);
}

void CFaxClientDlg::OnAddRecipient() {
    UpdateData(true);
    (void)AddTypedNumber();
}

bool CFaxClientDlg::AddTypedNumber() {
    if (m_strNumber.empty()) {
        return true;
    }
    const FaxNumberRules::Rule rule = CheckFaxNumber(m_strNumber);
    if (rule != FaxNumberRules::Rule::None) {
        MessageBox(std::string(FaxNumberRules::Text(rule)), std::string(FaxNumberRules::AddCaption(rule)),
                   MB_OK | MB_ICONEXCLAMATION);
        GetDlgItem(IDC_NUMBER)->setFocus();
        return false;
    }
    m_recipients->InsertEntry(FaxNumberList::InsertPosition(m_recipients->Entries(), m_strNumber), m_strNumber);
    m_strNumber.clear();
    UpdateData(false);
    return true;
}

void CFaxClientDlg::AddNamedRecipients(const std::string& names) {
    Database database;
    QStringList numbers;
    PhoneBookFailure failure;
    if (!database.Open(Database::DefaultPath())) {
        failure = database.LastFailure();
    } else {
        PhoneBook phoneBook(database);
        (void)RecipientNames::Resolve(phoneBook, QString::fromStdString(names), numbers, failure);
    }
    if (failure.kind != PhoneBookFailure::Kind::None) {
        MessageBox(failure.Text().toStdString(), tr("Phone Book").toStdString(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    for (const QString& number : numbers) {
        const std::string entry = number.toStdString();
        m_recipients->InsertEntry(FaxNumberList::InsertPosition(m_recipients->Entries(), entry), entry);
    }
}

void CFaxClientDlg::AddNumbers(const QStringList& numbers) {
    for (const QString& number : numbers) {
        const std::string entry = number.toStdString();
        const FaxNumberRules::Rule rule = CheckFaxNumber(entry);
        if (rule != FaxNumberRules::Rule::None) {
            MessageBox(std::string(FaxNumberRules::Text(rule)), std::string(FaxNumberRules::AddCaption(rule)),
                       MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        m_recipients->InsertEntry(FaxNumberList::InsertPosition(m_recipients->Entries(), entry), entry);
    }
}

void CFaxClientDlg::OnPhoneBook() {
    PhoneBookDlg phoneBook(Database::DefaultPath(), this);
    phoneBook.SetAddToRecipients([this](const QStringList& numbers) { AddNumbers(numbers); });
    phoneBook.SetDirectory([this] { return CompanyDirectory(); });
    phoneBook.DoModal();
}

void CFaxClientDlg::OnOutbox() {
    OutboxDlg outbox(Database::DefaultPath(), this);
    std::optional<std::string> gone;
    outbox.SetSendAgain([this, &gone](std::int64_t job, const QStringList& numbers, const SendAgainDocument& document) {
        gone = FillInSendAgain(numbers, document);
        // Without its document the person picks one: that is another fax, and the
        // job stays.
        if (!gone) {
            m_document.Replaces(job, m_strFile);
        }
    });
    outbox.DoModal();
    if (gone) {
        TellDocumentGone(*gone, tr("Outbox"));
    }
}

void CFaxClientDlg::OnSentFaxes() {
    SentFaxesDlg sent(Database::DefaultPath(), this);
    std::optional<std::string> gone;
    sent.SetSendAgain([this, &gone](const QStringList& numbers, const SendAgainDocument& document) {
        gone = FillInSendAgain(numbers, document);
    });
    sent.DoModal();
    if (gone) {
        TellDocumentGone(*gone, tr("Sent Faxes"));
    }
}

std::optional<std::string> CFaxClientDlg::FillInSendAgain(const QStringList& numbers,
                                                          const SendAgainDocument& document) {
    m_document.ForgetReplaced();
    std::vector<std::string> entries;
    for (const QString& number : numbers) {
        entries.push_back(number.toStdString());
    }
    m_recipients->SetEntries(entries);
    switch (document.source) {
    case SendAgainDocument::Source::Original:
        m_strFile = document.path;
        break;
    case SendAgainDocument::Source::KeptCopy:
        // Shown and sent under the document's name, as a printed document is.
        m_strFile = document.name;
        m_document.ShowKeptCopy(document.path, document.name);
        break;
    case SendAgainDocument::Source::Gone:
        return document.name;
    }
    if (auto* file = qobject_cast<QLineEdit*>(GetDlgItem(IDC_FILE))) {
        file->setText(QString::fromStdString(m_strFile));
    }
    return std::nullopt;
}

void CFaxClientDlg::TellDocumentGone(const std::string& name, const QString& caption) {
    // Said over the main dialog once the window it came from is closed.
    MessageBox(tr("The document %1 is no longer there: the numbers are filled in, choose the document to send.")
                   .arg(QString::fromStdString(name))
                   .toStdString(),
               caption.toStdString(), MB_OK | MB_ICONEXCLAMATION);
}

void CFaxClientDlg::OnBrowse() {
    DialogServices::FileDialogRequest request;
    request.owner = this;
    QStringList filters;
    for (const char* filter : kBrowseFilters) {
        filters.append(tr(filter));
    }
    request.filter = filters.join(QStringLiteral(";;")).toStdString();
    request.selectedFilter = filters.first().toStdString();
    const std::optional<std::string> chosen = DialogServices::GetOpenFileName(request);
    if (!chosen) {
        return;
    }
    // Only the file field changes: whatever else was typed stays in its control.
    m_strFile = *chosen;
    if (auto* file = qobject_cast<QLineEdit*>(GetDlgItem(IDC_FILE))) {
        file->setText(QString::fromStdString(m_strFile));
    }
}

void CFaxClientDlg::OnCoverPage() {
    UpdateData(true);
    m_cover->EnableFields(m_bCoverPage);
}

void CFaxClientDlg::OnAccountSettings() {
    if (m_pConfigSheet) {
        m_pConfigSheet->DoModal();
    }
}

void CFaxClientDlg::OnMailServerSettings() {
    if (m_pConfigSheet) {
        // This once at the mail server's page; the menu keeps opening the first.
        const int start = m_pConfigSheet->GetActiveIndex();
        (void)m_pConfigSheet->SetActivePage(&m_pConfigSheet->m_pageMailServer);
        m_pConfigSheet->DoModal();
        (void)m_pConfigSheet->SetActivePage(start);
    }
}

void CFaxClientDlg::OnAbout() {
    CAboutDlg about(this);
    about.DoModal();
}

void CFaxClientDlg::OnOnlineHelp() {
    COnlineHelpDlg help(this);
    help.DoModal();
}

void CFaxClientDlg::PresetJob(const CMapStringToString& settings) {
    FaxJob job = Job();
    std::string unknown;
    // A value the dialog does not know is left out; the fields keep their defaults.
    (void)JobOptions::Read(settings, job, unknown);
    m_nResolution = job.resolution;
    m_nFont = job.font;
    m_bCoverPage = job.coverPage;
    m_strComment = job.comment;
    m_strFrom = job.from;
    m_strAttention = job.attention;
}

void CFaxClientDlg::ShowPrintedDocument(const std::string& path, const std::string& name, std::size_t waiting) {
    m_strFile = name;
    m_document.ShowPrinted(path, name);
    m_printedNote->setText(waiting == 0   ? tr("Printed to the fax printer.")
                           : waiting == 1 ? tr("Printed to the fax printer. 1 more printed document waits.")
                                          : tr("Printed to the fax printer. %n more printed documents wait.", nullptr,
                                               static_cast<int>(waiting)));
    m_printedNote->show();
}

FaxJob CFaxClientDlg::Job() const {
    FaxJob job;
    job.recipients = m_recipients->Entries();
    job.resolution = m_nResolution;
    job.font = m_nFont;
    job.coverPage = m_bCoverPage;
    job.comment = m_strComment;
    job.from = m_strFrom;
    job.attention = m_strAttention;
    job.documentName = m_document.NameFor(m_strFile);
    return job;
}

void CFaxClientDlg::OnOK() {
    // A field that fails its check has been reported and holds the focus; sending
    // the values read before it, with stale ones after it, would send a fax the
    // user did not ask for.
    if (!UpdateData(true)) {
        return;
    }
    // A number typed and not added is meant as a recipient: it joins the list by
    // Add's rules, or the send stops at the rule it breaks.
    if (!AddTypedNumber()) {
        return;
    }
    CFaxClientApp* app = CFaxClientApp::Current();
    if (app == nullptr) {
        return;
    }

    const DialogSend send(*this,
                          {[this] { OnAccountSettings(); }, [this] { OnMailServerSettings(); },
                           [this](const std::vector<std::string>& remaining) { m_recipients->SetEntries(remaining); }},
                          Database::DefaultPath());
    if (send.Run(Job(), m_document.PathFor(m_strFile), app->Settings, m_document.ReplacedJob())) {
        CDialog::OnOK();
    }
}

} // namespace desklet
