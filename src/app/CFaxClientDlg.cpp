#include "app/CFaxClientDlg.h"

#include "DeskletConfig.h"
#include "app/CFaxClientApp.h"
#include "app/CSendProgressDlg.h"
#include "app/core/FaxNumberList.h"
#include "app/core/JobOptions.h"
#include "app/core/SendOperation.h"
#include "controls/CAboutDlg.h"
#include "controls/CCharFilterEdit.h"
#include "controls/CCharFilterPlainTextEdit.h"
#include "controls/CColorLabel.h"
#include "controls/CDocumentPreviewCtrl.h"
#include "controls/CHyperLinkCtrl.h"
#include "controls/COnlineHelpDlg.h"
#include "framework/CDataExchange.h"
#include "framework/DialogServices.h"
#include "settings/CConfigSheet.h"
#include "settings/MailServerLogin.h"
#include "text/Ascii.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <unistd.h>

namespace desklet {
namespace {

constexpr const char* kTitle = "Quillmark Tarvel";
constexpr const char* kIconPath = ":/desklet/icons/desklet.svg";
constexpr const char* kBackgroundPath = ":/desklet/bitmaps/background.png";
// The marker in the name of a document that the launching program copied for us
// and leaves for us to remove.
constexpr const char* kTemporaryMarker = "QUILLTMP";
// The texts the fax command puts in double quotes must not carry one.
constexpr const char* kQuote = "\"";

// The Browse filters: the same display texts, with Qt's pattern syntax.
constexpr const char* kBrowseFilter = "MS Word Documents (*.doc) (*.doc *.rtf);;"
                                      "Chart Files (*.xlc) (*.xlc);;"
                                      "MS Excel Worksheet Files (*.xls) (*.xls);;"
                                      "Adobe Acrobate Files (*.pdf) (*.pdf);;"
                                      "Postscript Files (*.ps,*.prn,*.psa) (*.ps *.prn *.psa);;"
                                      "All Files (*.*) (*)";
constexpr const char* kBrowseFirstFilter = "MS Word Documents (*.doc) (*.doc *.rtf)";

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

bool ContainsMarker(const std::string& path) {
    return ascii::FindNoCase(path, kTemporaryMarker) != std::string::npos;
}

// Names a field for screen readers by the label beside it, and lets the label's
// mnemonic, if any, reach it.
void NameByLabel(QLabel& label, QWidget& field) {
    label.setBuddy(&field);
    field.setAccessibleName(label.text());
}

} // namespace

CFaxClientDlg::CFaxClientDlg(QWidget* parent) : CDialog(kTemplateId, parent), m_hIcon(QString::fromLatin1(kIconPath)) {
    setWindowTitle(QString::fromLatin1(kTitle));
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
    if (!m_strHandedOverFile.empty() && ContainsMarker(m_strHandedOverFile)) {
        (void)::unlink(m_strHandedOverFile.c_str());
    }
    m_strHandedOverFile.clear();
}

void CFaxClientDlg::CreateMenu() {
    m_pMenuBar = new QMenuBar(this);
    QMenu* setup = m_pMenuBar->addMenu(QStringLiteral("Setup"));
    QAction* settings = setup->addAction(QStringLiteral("Account &Settings"));
    settings->setData(int(ID_ACCOUNT_SETTINGS));
    connect(settings, &QAction::triggered, this, [this] { OnAccountSettings(); });
    QMenu* help = m_pMenuBar->addMenu(QStringLiteral("Help"));
    QAction* about = help->addAction(QStringLiteral("&About Quillmark Tarvel"));
    about->setData(int(ID_APP_ABOUT));
    connect(about, &QAction::triggered, this, [this] { OnAbout(); });
    QAction* online = help->addAction(QStringLiteral("&Online Help"));
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

    auto label = [this](int id, const QString& text) {
        auto* l = new CColorLabel(this);
        l->setText(text);
        SetDlgItemId(*l, id);
        return l;
    };
    auto button = [this](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        SetDlgItemId(*b, id);
        return b;
    };

    // Recipients: the list on the left, the entry and its buttons on the right.
    m_labelRecipients = label(IDC_RECIPIENTS_LABEL, QStringLiteral("Fax Recipients:"));
    m_listRecipients = new QListWidget(this);
    m_listRecipients->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listRecipients->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetDlgItemId(*m_listRecipients, IDC_RECIPIENTS);
    NameByLabel(*m_labelRecipients, *m_listRecipients);
    m_labelHint = label(IDC_HINT, QStringLiteral("To add recipients, enter the number here and click Add"));
    m_labelHint->setWordWrap(true);
    m_editNumber = new CCharFilterEdit(this);
    // Only digits and "!" can be typed.
    m_editNumber->m_bRejectListed = false;
    m_editNumber->m_strFilterChars = std::string(FaxNumberRules::FaxNumberChars);
    SetDlgItemId(*m_editNumber, IDC_NUMBER);
    NameByLabel(*m_labelHint, *m_editNumber);
    auto* add = button(IDC_ADD, QStringLiteral("<< Add"));
    connect(add, &QPushButton::clicked, this, [this] { OnAddRecipient(); });
    auto* remove = button(IDC_REMOVE, QStringLiteral(">> Remove"));
    connect(remove, &QPushButton::clicked, this, [this] { OnRemoveRecipient(); });

    auto* recipients = new QGridLayout;
    recipients->addWidget(m_labelRecipients, 0, 0);
    recipients->addWidget(m_listRecipients, 1, 0, 4, 1);
    recipients->addWidget(m_labelHint, 1, 1);
    recipients->addWidget(m_editNumber, 2, 1);
    auto* addRemove = new QHBoxLayout;
    addRemove->addWidget(add);
    addRemove->addWidget(remove);
    recipients->addLayout(addRemove, 3, 1);
    recipients->setRowStretch(4, 1);
    recipients->setColumnStretch(0, 1);
    recipients->setColumnStretch(1, 1);
    // The document's first page and page count, beside the list and as high.
    auto* preview = new CDocumentPreviewCtrl(this);
    preview->SetPictureHeight(DialogUnitsToPixels(0, kPreviewHeight).height());
    recipients->addWidget(preview, 0, 2, 5, 1);
    // By the model alone: it still reports while the dialog is being torn down.
    QAbstractItemModel* model = m_listRecipients->model();
    const auto countRecipients = [model, preview] { preview->SetRecipientCount(model->rowCount()); };
    connect(model, &QAbstractItemModel::rowsInserted, preview, countRecipients);
    connect(model, &QAbstractItemModel::rowsRemoved, preview, countRecipients);
    connect(model, &QAbstractItemModel::modelReset, preview, countRecipients);
    layout->addLayout(recipients);

    // The document.
    m_labelFile = label(IDC_FILE_LABEL, QStringLiteral("File you would like to fax:"));
    auto* file = new QLineEdit(this);
    SetDlgItemId(*file, IDC_FILE);
    NameByLabel(*m_labelFile, *file);
    connect(file, &QLineEdit::textChanged, preview, &CDocumentPreviewCtrl::SetPath);
    m_btnBrowse = button(IDC_BROWSE, QStringLiteral("Browse"));
    connect(m_btnBrowse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    layout->addWidget(m_labelFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file, 1);
    fileRow->addWidget(m_btnBrowse);
    layout->addLayout(fileRow);

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
    m_btnFontGroup = new QGroupBox(QStringLiteral("Fax Page Font"), this);
    SetDlgItemId(*m_btnFontGroup, IDC_FONT_GROUP);
    radioGroup(m_btnFontGroup, IDC_REGULAR, QStringLiteral("Regular"), QStringLiteral("Bold"));
    auto* resolution = new QGroupBox(QStringLiteral("Resolution"), this);
    radioGroup(resolution, IDC_LOW_RES, QStringLiteral("Low Resolution"), QStringLiteral("High Resolution"));
    auto* options = new QHBoxLayout;
    options->addWidget(m_btnFontGroup);
    options->addWidget(resolution);
    layout->addLayout(options);

    // The cover page.
    auto* cover = new QGroupBox(QStringLiteral("Cover Page Options"), this);
    auto* coverLayout = new QGridLayout(cover);
    auto* attach = new QCheckBox(QStringLiteral("Attach cover page"), cover);
    SetDlgItemId(*attach, IDC_COVER_PAGE);
    connect(attach, &QCheckBox::clicked, this, [this] { OnCoverPage(); });
    m_labelComment = label(IDC_COMMENT_LABEL, QStringLiteral("Optional Comment for Cover Page:"));
    m_editComment = new CCharFilterPlainTextEdit(cover);
    m_editComment->setTabChangesFocus(true);
    m_editComment->installEventFilter(this);
    SetDlgItemId(*m_editComment, IDC_COMMENT);
    NameByLabel(*m_labelComment, *m_editComment);
    m_labelAttention = label(IDC_ATTENTION_LABEL, QStringLiteral("(Optional) Send fax Attention to:"));
    m_editAttention = new CCharFilterEdit(cover);
    SetDlgItemId(*m_editAttention, IDC_ATTENTION);
    NameByLabel(*m_labelAttention, *m_editAttention);
    m_labelFrom = label(IDC_FROM_LABEL, QStringLiteral("(Optional) Send Fax From:"));
    m_editFrom = new CCharFilterEdit(cover);
    SetDlgItemId(*m_editFrom, IDC_FROM);
    NameByLabel(*m_labelFrom, *m_editFrom);
    coverLayout->addWidget(attach, 0, 0, 1, 2);
    coverLayout->addWidget(m_labelComment, 1, 0, 1, 2);
    coverLayout->addWidget(m_editComment, 2, 0, 1, 2);
    coverLayout->addWidget(m_labelAttention, 3, 0);
    coverLayout->addWidget(m_editAttention, 3, 1);
    coverLayout->addWidget(m_labelFrom, 4, 0);
    coverLayout->addWidget(m_editFrom, 4, 1);
    // Room for three lines of comment: a cover page note is rarely longer.
    m_editComment->setFixedHeight(DialogUnitsToPixels(0, 30).height());
    layout->addWidget(cover);

    // Where to learn more.
    m_labelQuestions =
        label(IDC_QUESTIONS, QStringLiteral("If you have any questions or to sign up for Quillmark Fax Services,"));
    m_labelQuestions->setWordWrap(true);
    layout->addWidget(m_labelQuestions);
    m_linkWebSite = new CHyperLinkCtrl(this);
    m_linkWebSite->setText(QStringLiteral("visit ") + Q(config::WebHost));
    SetDlgItemId(*m_linkWebSite, IDC_WEB_SITE);
    m_labelPhone = label(IDC_PHONE, QStringLiteral(" or call ") + Q(config::Telephone) + QStringLiteral("."));
    auto* contact = new QHBoxLayout;
    contact->setSpacing(0);
    contact->addWidget(m_linkWebSite);
    contact->addWidget(m_labelPhone);
    contact->addStretch();
    layout->addLayout(contact);

    // Send Fax is the default button: Enter in any edit presses it. The other
    // buttons keep Qt's auto-default, so that Enter on a focused button presses that
    // button; the default returns to Send Fax as soon as the focus leaves it.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_btnSend = new QPushButton(QStringLiteral("Send Fax"), this);
    m_btnSend->setDefault(true);
    SetDlgItemId(*m_btnSend, IDOK);
    auto* cancel = button(IDCANCEL, QStringLiteral("Cancel"));
    buttons->addWidget(m_btnSend);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // Every control named for screen readers, also those whose text says it.
    m_btnBrowse->setAccessibleName(QStringLiteral("Browse for the file to fax"));
    m_linkWebSite->setAccessibleName(m_linkWebSite->text());

    // The template's size, or more where this desktop's font needs more room.
    resize(DialogUnitsToPixels(240, 283).expandedTo(sizeHint()));
}

void CFaxClientDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_ATTENTION, *m_editAttention);
    DDX_Control(pDX, IDC_FROM, *m_editFrom);
    DDX_Control(pDX, IDC_COMMENT, *m_editComment);
    DDX_Control(pDX, IDC_PHONE, *m_labelPhone);
    DDX_Control(pDX, IDC_FONT_GROUP, *m_btnFontGroup);
    DDX_Control(pDX, IDC_QUESTIONS, *m_labelQuestions);
    DDX_Control(pDX, IDC_ATTENTION_LABEL, *m_labelAttention);
    DDX_Control(pDX, IDC_FROM_LABEL, *m_labelFrom);
    DDX_Control(pDX, IDC_COMMENT_LABEL, *m_labelComment);
    DDX_Control(pDX, IDC_FILE_LABEL, *m_labelFile);
    DDX_Control(pDX, IDC_RECIPIENTS_LABEL, *m_labelRecipients);
    DDX_Control(pDX, IDC_HINT, *m_labelHint);
    DDX_Control(pDX, IDC_WEB_SITE, *m_linkWebSite);
    DDX_Control(pDX, IDC_NUMBER, *m_editNumber);
    DDX_Control(pDX, IDC_RECIPIENTS, *m_listRecipients);
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
        const std::string& file = (*settings)["file"];
        if (!file.empty()) {
            m_strFile = file;
            m_strHandedOverFile = file;
        }
        SetEntries(JobOptions::Recipients((*settings)["fax"]));
        PresetJob(*settings);
    }
    UpdateData(false);
    EnableCoverFields();

    if (settings != nullptr) {
        m_pConfigSheet =
            std::make_unique<CConfigSheet>("Quillmark", nullptr, 0, *settings, [app] { app->SaveSettings(); });
        if (!app->LoadSettings()) {
            OnAccountSettings();
        }
    }

    m_linkWebSite->SetTargetURL("http://" + std::string(config::WebHost) + "/");
    for (CColorLabel* label : {m_labelHint, m_labelFile, m_labelRecipients, m_labelQuestions, m_labelAttention,
                               m_labelFrom, m_labelComment, m_labelPhone}) {
        label->SetTransparent(true);
    }
    // Built once and copied: assigning the one-character literal straight away trips
    // a false -Wrestrict of GCC 12 at -O3.
    const std::string quote(kQuote);
    for (CCharFilterEdit* edit : {m_editFrom, m_editAttention}) {
        edit->m_bRejectListed = true;
        edit->m_strFilterChars = quote;
    }
    m_editComment->m_bRejectListed = true;
    m_editComment->m_strFilterChars = quote;
    return true;
}

void CFaxClientDlg::OnSysCommand(unsigned id, long /*param*/) {
    if ((id & 0xFFF0U) == IDM_ABOUTBOX) {
        OnAbout();
    }
}

bool CFaxClientDlg::DrawBitmap(QPainter& painter, int bitmapId, int x, int y) {
    if (bitmapId != kBackgroundBitmapId) {
        return false;
    }
    // Loaded once; QPixmap shares the image between copies.
    static const QPixmap tile(QString::fromLatin1(kBackgroundPath));
    if (tile.isNull()) {
        return false;
    }
    painter.drawPixmap(x, y, tile);
    return true;
}

void CFaxClientDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect client = rect();
    for (int i = 0; i <= client.right() / kBackgroundTile; ++i) {
        for (int j = 0; j <= client.bottom() / kBackgroundTile; ++j) {
            DrawBitmap(painter, kBackgroundBitmapId, kBackgroundTile * i, kBackgroundTile * j);
        }
    }
    CDialog::paintEvent(event);
}

bool CFaxClientDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editComment && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier) {
                m_editComment->insertPlainText(QStringLiteral("\n"));
            } else if (m_btnSend->isEnabled()) {
                m_btnSend->click();
            }
            return true;
        }
    }
    return CDialog::eventFilter(watched, event);
}

void CFaxClientDlg::OnAddRecipient() {
    UpdateData(true);
    if (m_strNumber.empty()) {
        return;
    }
    const FaxNumberRules::Rule rule = CheckFaxNumber(m_strNumber);
    if (rule != FaxNumberRules::Rule::None) {
        MessageBox(std::string(FaxNumberRules::Text(rule)), std::string(FaxNumberRules::AddCaption(rule)),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_listRecipients->insertItem(static_cast<int>(FaxNumberList::InsertPosition(Entries(), m_strNumber)),
                                 Q(m_strNumber));
    m_strNumber.clear();
    UpdateData(false);
}

void CFaxClientDlg::OnRemoveRecipient() {
    // From the end, so that the rows still to look at keep their places.
    for (int i = m_listRecipients->count() - 1; i >= 0; --i) {
        if (m_listRecipients->item(i)->isSelected()) {
            delete m_listRecipients->takeItem(i);
        }
    }
}

void CFaxClientDlg::OnBrowse() {
    DialogServices::FileDialogRequest request;
    request.owner = this;
    request.filter = kBrowseFilter;
    request.selectedFilter = kBrowseFirstFilter;
    const std::optional<std::string> chosen = DialogServices::GetOpenFileName(request);
    if (!chosen) {
        return;
    }
    // Only the file field changes: whatever else was typed stays in its control.
    m_strFile = *chosen;
    if (auto* file = qobject_cast<QLineEdit*>(GetDlgItem(IDC_FILE))) {
        file->setText(Q(m_strFile));
    }
}

void CFaxClientDlg::OnCoverPage() {
    UpdateData(true);
    EnableCoverFields();
}

void CFaxClientDlg::EnableCoverFields() {
    for (int id : {IDC_COMMENT, IDC_FROM, IDC_ATTENTION}) {
        if (QWidget* control = GetDlgItem(id)) {
            control->setEnabled(m_bCoverPage);
        }
    }
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

std::vector<std::string> CFaxClientDlg::Entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < m_listRecipients->count(); ++i) {
        entries.push_back(m_listRecipients->item(i)->text().toStdString());
    }
    return entries;
}

void CFaxClientDlg::SetEntries(const std::vector<std::string>& entries) {
    m_listRecipients->clear();
    for (const std::string& entry : entries) {
        m_listRecipients->addItem(Q(entry));
    }
}

FaxJob CFaxClientDlg::Job() const {
    FaxJob job;
    job.recipients = Entries();
    job.resolution = m_nResolution;
    job.font = m_nFont;
    job.coverPage = m_bCoverPage;
    job.comment = m_strComment;
    job.from = m_strFrom;
    job.attention = m_strAttention;
    return job;
}

void CFaxClientDlg::OnOK() {
    // A field that fails its check has been reported and holds the focus; sending
    // the values read before it, with stale ones after it, would send a fax the
    // user did not ask for.
    if (!UpdateData(true)) {
        return;
    }
    CFaxClientApp* app = CFaxClientApp::Current();
    if (app == nullptr) {
        return;
    }

    SendOperation::Ui ui;
    ui.hide = [this] { ShowWindow(SW_HIDE); };
    ui.show = [this] { ShowWindow(SW_SHOW); };
    ui.message = [this](const std::string& text, const std::string& caption, SendOperation::Icon icon,
                        const std::string& details) {
        MessageBox(text, caption, MB_OK | (icon == SendOperation::Icon::Exclamation ? MB_ICONEXCLAMATION : 0U),
                   details);
    };
    ui.runAccountSettings = [this] { OnAccountSettings(); };
    ui.runMailServerSettings = [this] { OnMailServerSettings(); };
    ui.keepRecipients = [this](const std::vector<std::string>& remaining) { SetEntries(remaining); };

    const FaxJob job = Job();
    CPasswordVault vault;
    const SendOperation::Transfer transfer = CSendProgressDlg::TransferFor(
        static_cast<int>(job.recipients.size()), this, MailServerLogin::Read(app->Settings, vault));
    const SendOperation::Config config{std::string(config::GatewayDomain), std::string(config::SenderTag)};
    if (SendOperation::Run(job, m_strFile, app->Settings, config, ui, transfer) == SendOperation::Failure::None) {
        CDialog::OnOK();
    }
}

} // namespace desklet
