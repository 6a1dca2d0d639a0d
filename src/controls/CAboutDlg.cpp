#include "controls/CAboutDlg.h"

#include "controls/ApplicationIcon_p.h"
#include "controls/DialogOwner_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace desklet {
namespace {
constexpr int kWidthDlu = 235;
constexpr int kHeightDlu = 55;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(kTemplateId, OwnerOrMainWindow(parent)) {
    setWindowTitle(tr("About Quillmark Tarvel"));
    setWindowIcon(QIcon(QString::fromLatin1(kApplicationIconPath)));
}

void CAboutDlg::CreateControls() {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateIconLabel(this), 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* version = new QLabel(tr("Desklet Version %1").arg(QStringLiteral("1.12.4.a")), this);
    version->setObjectName(QStringLiteral("versionText"));
    version->setTextFormat(Qt::PlainText);
    texts->addWidget(version);
    auto* notice = new QLabel(tr("Copyright (c) 2026 Quillmark. All rights reserved."), this);
    notice->setObjectName(QStringLiteral("legalNotice"));
    notice->setTextFormat(Qt::PlainText);
    // A longer language may not fit the box's width on one line.
    notice->setWordWrap(true);
    texts->addWidget(notice);
    texts->addStretch();
    layout->addLayout(texts, 1);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    SetDlgItemId(*ok, IDOK);
    layout->addWidget(ok, 0, Qt::AlignTop);

    setMinimumSize(DialogUnitsToPixels(kWidthDlu, kHeightDlu));
}

} // namespace desklet
