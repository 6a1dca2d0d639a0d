#include "controls/CDocumentPreviewCtrl.h"

#include "controls/DesktopServices.h"
#include "preview/PreviewLoader.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace desklet {
namespace {

// A picture that acts as a button: Enter opens it too, where a dialog would
// otherwise take Enter for its default button and send the fax.
class PagePicture : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QToolButton::keyPressEvent(event);
    }
};

constexpr int kDefaultPictureHeight = 120;
// The line stays on one line up to this one.
constexpr const char* kWidestLine = "999 pages to 99 recipients";

} // namespace

CDocumentPreviewCtrl::CDocumentPreviewCtrl(QWidget* parent)
    : QWidget(parent), m_loader(new PreviewLoader(this)), m_picture(new PagePicture(this)), m_line(new QLabel(this)) {
    m_picture->setAccessibleName(QString::fromLatin1(kPictureName));
    m_picture->setToolTip(QStringLiteral("Open the document"));
    m_picture->setAutoRaise(true);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->hide();
    m_line->setWordWrap(true);
    m_line->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_line);
    layout->addStretch();
    SetPictureHeight(kDefaultPictureHeight);

    connect(m_loader, &PreviewLoader::Ready, this, &CDocumentPreviewCtrl::OnReady);
    connect(m_picture, &QToolButton::clicked, this, &CDocumentPreviewCtrl::OpenDocument);
}

CDocumentPreviewCtrl::~CDocumentPreviewCtrl() = default;

void CDocumentPreviewCtrl::SetPictureHeight(int pixels) {
    m_pictureHeight = pixels;
    m_picture->setIconSize(QSize(pixels, pixels));
    // The picture's place is kept while a document loads, so that the dialog does
    // not jump when it arrives.
    setMinimumWidth(
        std::max(m_picture->sizeHint().width(), fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestLine))));
}

void CDocumentPreviewCtrl::SetPath(const QString& path) {
    m_path = path;
    m_result.reset();
    m_picture->hide();
    m_line->clear();
    m_line->hide();
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(m_pictureHeight * ratio);
    m_loader->Request(path, QSize(side, side));
}

void CDocumentPreviewCtrl::SetRecipientCount(int count) {
    m_recipients = count;
    UpdateLine();
}

void CDocumentPreviewCtrl::OnReady(const QString& path, const DocumentPreview::Result& result) {
    if (path != m_path) {
        return;
    }
    m_result = result;
    if (result.firstPage.isNull()) {
        m_picture->setIcon(QIcon());
        m_picture->hide();
    } else {
        QPixmap page = QPixmap::fromImage(result.firstPage);
        page.setDevicePixelRatio(devicePixelRatioF());
        m_picture->setIcon(QIcon(page));
        m_picture->show();
    }
    UpdateLine();
    emit Shown();
}

void CDocumentPreviewCtrl::UpdateLine() {
    if (!m_result) {
        return;
    }
    const QString text = DocumentPreview::Line(*m_result, m_recipients);
    m_line->setText(text);
    m_line->setAccessibleName(text);
    m_line->show();
}

void CDocumentPreviewCtrl::OpenDocument() const {
    if (m_path.isEmpty()) {
        return;
    }
    // The desktop shows its own message when it has no viewer for the type.
    DesktopServices::OpenUrl(QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath()), nullptr);
}

} // namespace desklet
