#pragma once

#include <QGroupBox>

#include <string>

class QCheckBox;

namespace desklet {

class CCharFilterEdit;
class CharFilterPlainTextEdit;
class CColorLabel;

// "Cover Page Options": Attach cover page and the three fields a cover page
// carries, a comment, an attention and a from line, each named by its label. The
// owner says when the fields are usable (EnableFields), as it decides whether a
// cover page goes. The comment is multi-line: Enter breaks its line.
class CoverPageCtrl : public QGroupBox {
    Q_OBJECT
public:
    // The ids the owning dialog finds the children by.
    struct Ids {
        int coverPage;
        int commentLabel;
        int comment;
        int attentionLabel;
        int attention;
        int fromLabel;
        int from;
    };

    CoverPageCtrl(const Ids& ids, QWidget* parent = nullptr);

    void EnableFields(bool enabled);
    void SetCommentHeight(int pixels);
    // Characters none of the three fields lets the user type.
    void SetRejectedChars(const std::string& chars);

signals:
    // The user clicked Attach cover page.
    void CoverPageClicked();

private:
    QCheckBox* m_checkCoverPage = nullptr;
    CharFilterPlainTextEdit* m_editComment = nullptr;
    CCharFilterEdit* m_editAttention = nullptr;
    CCharFilterEdit* m_editFrom = nullptr;
};

} // namespace desklet
