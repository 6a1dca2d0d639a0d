#include "controls/DocumentPreviewCtrl.h"

#include "controls/DesktopServices.h"
#include "controls/OpenError_p.h"
#include "preview/PreviewLoader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include <sys/stat.h>

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
// The line stays on one line up to this one, as the user's language says it.
QString WidestLine() {
    return DocumentPreview::Line({DocumentPreview::Outcome::Counted, 999, {}}, 99);
}

} // namespace

DocumentPreviewCtrl::DocumentPreviewCtrl(QWidget* parent)
    : QWidget(parent), m_loader(new PreviewLoader(this)), m_picture(new PagePicture(this)), m_line(new QLabel(this)),
      m_watcher(new QFileSystemWatcher(this)) {
    m_picture->setAccessibleName(tr(kPictureName));
    m_picture->setToolTip(tr("Open the document"));
    m_picture->setAutoRaise(true);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->setCursor(Qt::PointingHandCursor);
    // Its place stays when it hides, so that the line below it does not move up
    // for a document without a picture.
    QSizePolicy keepPlace = m_picture->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_picture->setSizePolicy(keepPlace);
    m_picture->hide();
    m_line->setWordWrap(true);
    m_line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_line->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_line);
    layout->addStretch();
    SetPictureHeight(kDefaultPictureHeight);

    connect(m_loader, &PreviewLoader::Ready, this, &DocumentPreviewCtrl::OnReady);
    connect(m_picture, &QToolButton::clicked, this, &DocumentPreviewCtrl::OpenDocument);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { OnDiskChange(true); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { OnDiskChange(false); });
}

DocumentPreviewCtrl::~DocumentPreviewCtrl() = default;

void DocumentPreviewCtrl::SetPictureHeight(int pixels) {
    m_pictureHeight = pixels;
    m_picture->setIconSize(QSize(pixels, pixels));
    // The picture's place is kept while a document loads, so that the dialog does
    // not jump when it arrives.
    setMinimumWidth(std::max(m_picture->sizeHint().width(), fontMetrics().horizontalAdvance(WidestLine())));
}

void DocumentPreviewCtrl::SetPath(const QString& path) {
    m_path = path;
    m_result.reset();
    m_picture->hide();
    m_line->clear();
    m_line->hide();
    Watch();
    Load();
}

DocumentPreviewCtrl::DiskState DocumentPreviewCtrl::DiskStateOf(const QString& path) {
    DiskState state;
    struct stat info {};
    if (!path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0) {
        state = {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
    }
    return state;
}

void DocumentPreviewCtrl::Load() {
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(m_pictureHeight * ratio);
    m_loader->Request(m_path, QSize(side, side));
}

void DocumentPreviewCtrl::Watch() {
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty()) {
        m_watcher->removePaths(watched);
    }
    m_disk = {};
    if (m_path.isEmpty()) {
        return;
    }
    // The file for changes in place; its folder for the file coming back after it
    // was deleted, or replaced by rename as editors save, when the watch on the
    // old file is gone or still on the old one.
    const QFileInfo file(m_path);
    if (file.exists()) {
        m_watcher->addPath(file.absoluteFilePath());
    }
    if (file.absoluteDir().exists()) {
        m_watcher->addPath(file.absolutePath());
    }
    m_disk = DiskStateOf(m_path);
}

void DocumentPreviewCtrl::OnDiskChange(bool fileItself) {
    const auto now = DiskStateOf(m_path);
    // The folder changes with every file in it; only a change of this one counts.
    // A write in place may keep the size and time, so the file's own signal always does.
    if (!fileItself && now == m_disk) {
        return;
    }
    Watch();
    Load();
}

void DocumentPreviewCtrl::SetRecipientCount(int count) {
    m_recipients = count;
    UpdateLine();
}

void DocumentPreviewCtrl::OnReady(const QString& path, const DocumentPreview::Result& result) {
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

void DocumentPreviewCtrl::UpdateLine() {
    if (!m_result) {
        return;
    }
    const QString text = DocumentPreview::Line(*m_result, m_recipients);
    m_line->setText(text);
    m_line->setAccessibleName(text);
    m_line->show();
}

void DocumentPreviewCtrl::OpenDocument() {
    if (m_path.isEmpty()) {
        return;
    }
    // Without a viewer the desktop's opener fails without a word of its own: the
    // user hears and reads why, as for the web link. The answer may come after the
    // dialog has gone.
    DesktopServices::OpenUrl(QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath()),
                             [self = QPointer<DocumentPreviewCtrl>(this)](int result) {
                                 if (self.isNull() || result >= kOpenSucceeded) {
                                     return;
                                 }
                                 QApplication::beep();
                                 detail::ShowOpenError(self->window(), tr("Unable to open the document:\n\n%1"),
                                                       result);
                             });
}

} // namespace desklet
