#pragma once

#include "app/DocumentField.h"
#include "directory/Directory.h"
#include "fax/FaxJob.h"
#include "fax/FaxNumberRules.h"
#include "framework/CDialog.h"
#include "framework/core/CMapStringToString.h"

#include <QIcon>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPainter;
class QPushButton;

namespace desklet {

class CColorLabel;
class CConfigSheet;
class CoverPageCtrl;
class PhoneBookCompletion;
class RecipientPanel;
struct SendAgainDocument;

// The program's only main window: the fax job's numbers, document and options,
// and Send Fax. It owns the settings sheet, opens it by itself on a first run, and
// sends the fax as its OK operation.
class CFaxClientDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 102;
    static constexpr int kBackgroundBitmapId = 131;
    // Linux paths are often longer than 255 characters; PATH_MAX is 4096.
    static constexpr int kMaxFileChars = 4096;
    static constexpr int kMaxNumberChars = static_cast<int>(FaxNumberRules::kMaxLength);
    static constexpr int kMaxFromChars = 20;
    static constexpr int kMaxAttentionChars = 30;
    // The preview picture's height in dialog units: with its line below, that of the
    // recipient list.
    static constexpr int kPreviewHeight = 90;

    enum ControlId {
        IDC_FILE = 1001,
        IDC_BROWSE = 1002,
        IDC_HIGH_RES = 1006,
        IDC_LOW_RES = 1005,
        IDC_REGULAR = 1007,
        IDC_BOLD = 1008,
        IDC_NUMBER = 1013,
        IDC_ADD = 1014,
        IDC_RECIPIENTS = 1016,
        IDC_REMOVE = 1017,
        IDC_COVER_PAGE = 1022,
        IDC_COMMENT = 1023,
        IDC_FROM = 1024,
        IDC_ATTENTION = 1025,
        IDC_WEB_SITE = 1026,
        IDC_HINT = 1027,
        IDC_RECIPIENTS_LABEL = 1028,
        IDC_FILE_LABEL = 1029,
        IDC_COMMENT_LABEL = 1030,
        IDC_ATTENTION_LABEL = 1031,
        IDC_FROM_LABEL = 1032,
        IDC_QUESTIONS = 1033,
        IDC_FONT_GROUP = 1034,
        IDC_PHONE = 1036,
        IDC_PRINTED_NOTE = 1041,
        IDC_PHONE_BOOK = 1042,
    };
    enum CommandId {
        ID_APP_ABOUT = 100,
        ID_ACCOUNT_SETTINGS = 32771,
        ID_ONLINE_HELP = 32773,
        ID_OUTBOX = 32774,
        ID_SENT_FAXES = 32775,
    };
    static constexpr int IDM_ABOUTBOX = 16;

    explicit CFaxClientDlg(QWidget* parent = nullptr);
    ~CFaxClientDlg() override;

    bool OnInitDialog() override;
    // Send Fax: the whole send operation.
    void OnOK() override;

    static FaxNumberRules::Rule CheckFaxNumber(std::string_view number) { return FaxNumberRules::Check(number); }

    void OnAddRecipient();
    // Adds the number in the entry field, as read by the last exchange, to the list
    // and empties the field; true also when the field is empty. False, after Add's
    // message and with the number left in the field, when it breaks a rule.
    bool AddTypedNumber();
    void OnBrowse();
    void OnCoverPage();
    void OnAccountSettings();
    void OnMailServerSettings();
    void OnAbout();
    void OnOnlineHelp();
    // The phone book's window; its Add to Recipients adds to the list.
    void OnPhoneBook();
    // The outbox's window; its Send Again fills in the job, which the next send
    // from the same document replaces.
    void OnOutbox();
    void OnSentFaxes();
    // Adds numbers from the phone book to the list by Add's rules; one that
    // breaks a rule is reported and left out.
    void AddNumbers(const QStringList& numbers);
    void OnSysCommand(unsigned id, long param);
    QIcon OnQueryDragIcon() const { return m_hIcon; }

    // Draws the artwork with its own size at x, y; false, nothing drawn, when it
    // cannot be loaded. The dialog tiles it only under a palette whose text reads on it.
    static bool DrawBitmap(QPainter& painter, int bitmapId, int x, int y);

    // The menu bar's command with that id; nullptr for none.
    QAction* commandAction(int id) const;
    QMenuBar* menuBar() const { return m_pMenuBar; }
    CConfigSheet* ConfigSheet() const { return m_pConfigSheet.get(); }

protected:
    void CreateControls() override;
    void DoDataExchange(DataExchange* pDX) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateMenu();
    FaxJob Job() const;
    // The job's fields as the launching program handed them over, where known.
    void PresetJob(const CMapStringToString& settings);
    void DeleteHandedOverDocument();
    // The numbers of the names handed over with -to; a name that resolves to
    // nothing is said in a box.
    void AddNamedRecipients(const std::string& names);
    // Shows a printed document under its name, with a word on where it came from
    // and how many more wait.
    void ShowPrintedDocument(const std::string& path, const std::string& name, std::size_t waiting);
    // Puts a fax to send again into the list and the file field; the document's
    // name when it is no longer there, for the caller to say once its window is closed.
    std::optional<std::string> FillInSendAgain(const QStringList& numbers, const SendAgainDocument& document);
    void TellDocumentGone(const std::string& name, const QString& caption);

    // The company directory of the current settings, read at the first look-up
    // after a start or a save of the settings (the bind password may come from the
    // keyring); nullopt when none is set up.
    std::optional<DirectorySettings> CompanyDirectory();

    std::unique_ptr<CConfigSheet> m_pConfigSheet;
    bool m_bDirectoryRead = false;
    std::optional<DirectorySettings> m_directory;
    RecipientPanel* m_recipients = nullptr;
    CoverPageCtrl* m_cover = nullptr;
    QGroupBox* m_btnFontGroup = nullptr;
    CColorLabel* m_labelFile = nullptr;
    QPushButton* m_btnBrowse = nullptr;
    QPushButton* m_btnSend = nullptr;
    PhoneBookCompletion* m_completion = nullptr;
    QLabel* m_printedNote = nullptr;
    QMenuBar* m_pMenuBar = nullptr;

public:
    std::string m_strFile;
    std::string m_strNumber;
    int m_nResolution = 0;
    bool m_bCoverPage = true;
    std::string m_strComment;
    int m_nFont = 0;
    std::string m_strFrom;
    std::string m_strAttention;

private:
    QIcon m_hIcon;
    // What the file field stands for beyond its text.
    DocumentField m_document;
};

} // namespace desklet
