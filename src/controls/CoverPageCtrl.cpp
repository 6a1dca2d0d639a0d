#include "controls/CoverPageCtrl.h"

#include "controls/CCharFilterEdit.h"
#include "controls/CharFilterPlainTextEdit.h"
#include "controls/CColorLabel.h"
#include "controls/NameByLabel.h"
#include "controls/PanelLabels_p.h"
#include "framework/CDialog.h"

#include <QCheckBox>
#include <QGridLayout>

namespace desklet {

CoverPageCtrl::CoverPageCtrl(const Ids& ids, QWidget* parent)
    : QGroupBox(tr("Cover Page Options"), parent) {
    m_checkCoverPage = new QCheckBox(tr("Attach cover page"), this);
    CDialog::SetDlgCtrlID(*m_checkCoverPage, ids.coverPage);
    connect(m_checkCoverPage, &QCheckBox::clicked, this, &CoverPageCtrl::CoverPageClicked);
    CColorLabel* commentLabel =
        NewPanelLabel(*this, ids.commentLabel, tr("Optional Comment for Cover Page:"));
    m_editComment = new CharFilterPlainTextEdit(this);
    m_editComment->setTabChangesFocus(true);
    CDialog::SetDlgCtrlID(*m_editComment, ids.comment);
    NameByLabel(*commentLabel, *m_editComment);
    CColorLabel* attentionLabel =
        NewPanelLabel(*this, ids.attentionLabel, tr("(Optional) Send fax Attention to:"));
    m_editAttention = new CCharFilterEdit(this);
    CDialog::SetDlgCtrlID(*m_editAttention, ids.attention);
    NameByLabel(*attentionLabel, *m_editAttention);
    CColorLabel* fromLabel = NewPanelLabel(*this, ids.fromLabel, tr("(Optional) Send Fax From:"));
    m_editFrom = new CCharFilterEdit(this);
    CDialog::SetDlgCtrlID(*m_editFrom, ids.from);
    NameByLabel(*fromLabel, *m_editFrom);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_checkCoverPage, 0, 0, 1, 2);
    layout->addWidget(commentLabel, 1, 0, 1, 2);
    layout->addWidget(m_editComment, 2, 0, 1, 2);
    layout->addWidget(attentionLabel, 3, 0);
    layout->addWidget(m_editAttention, 3, 1);
    layout->addWidget(fromLabel, 4, 0);
    layout->addWidget(m_editFrom, 4, 1);
    // Height to spare goes below the fields: a label stays right above its box.
    layout->setRowStretch(5, 1);
    FinishPanelLabels({commentLabel, attentionLabel, fromLabel});
}

void CoverPageCtrl::EnableFields(bool enabled) {
    for (QWidget* field : std::initializer_list<QWidget*>{m_editComment, m_editFrom, m_editAttention}) {
        field->setEnabled(enabled);
    }
}

void CoverPageCtrl::SetCommentHeight(int pixels) {
    m_editComment->setFixedHeight(pixels);
}

void CoverPageCtrl::SetRejectedChars(const std::string& chars) {
    for (CCharFilterEdit* edit : {m_editFrom, m_editAttention}) {
        edit->m_bRejectListed = true;
        edit->m_strFilterChars = chars;
    }
    m_editComment->m_bRejectListed = true;
    m_editComment->m_strFilterChars = chars;
}

} // namespace desklet
