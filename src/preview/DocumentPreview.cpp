#include "preview/DocumentPreview.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPdfDocument>

#include <algorithm>
#include <cmath>

namespace desklet {
namespace {

// Readers accept a PDF whose header starts anywhere in its first kilobyte.
constexpr qint64 kPdfHeaderWindow = 1024;

bool IsStale(const DocumentPreview::Stale& stale) {
    return stale && stale();
}

// The largest size of these proportions that fits box, at least one pixel each way.
QSize FitInto(QSizeF size, QSize box) {
    if (size.width() <= 0 || size.height() <= 0 || box.isEmpty()) {
        return {};
    }
    const double scale = std::min(box.width() / size.width(), box.height() / size.height());
    return {std::max(1, static_cast<int>(std::lround(size.width() * scale))),
            std::max(1, static_cast<int>(std::lround(size.height() * scale)))};
}

DocumentPreview::Result Pdf(const QString& path, QSize box, const DocumentPreview::Stale& stale) {
    DocumentPreview::Result result;
    // Created and used on this thread only: a QObject belongs to its thread.
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() <= 0) {
        // Damaged, encrypted or empty: the gateway may still take it.
        return result;
    }
    result.outcome = DocumentPreview::Outcome::Counted;
    result.pages = document.pageCount();
    if (IsStale(stale)) {
        return result;
    }
    const QSize size = FitInto(document.pagePointSize(0), box);
    if (!size.isEmpty()) {
        // The page comes with a transparent background; paper is white.
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.drawImage(0, 0, document.render(0, size));
        painter.end();
        result.firstPage = page;
    }
    return result;
}

DocumentPreview::Result Image(const QString& path, QSize box) {
    DocumentPreview::Result result;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    // Only the formats the gateway takes as pictures; a text file that some reader
    // would also accept stays text.
    if (format != "png" && format != "jpeg" && format != "tiff") {
        return result;
    }
    const int frames = reader.imageCount();
    if (frames < 0) {
        return result;
    }
    result.outcome = DocumentPreview::Outcome::Counted;
    result.pages = std::max(frames, 1);
    const QSize size = FitInto(reader.size(), box);
    if (!size.isEmpty()) {
        reader.setScaledSize(size);
    }
    // A picture too large for the reader's allocation limit stays without a preview
    // but keeps its count.
    result.firstPage = reader.read();
    return result;
}

} // namespace

DocumentPreview::Result DocumentPreview::Inspect(const QString& path, QSize box, const Stale& stale) {
    Result unreadable;
    unreadable.outcome = Outcome::Unreadable;
    // A FIFO or a device would block the reader for ever; only regular files (also
    // through a link) are read.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable;
    }
    const QByteArray head = file.read(kPdfHeaderWindow);
    file.close();
    if (IsStale(stale)) {
        return {};
    }
    if (head.contains("%PDF-")) {
        return Pdf(path, box, stale);
    }
    return Image(path, box);
}

QString DocumentPreview::Line(const Result& result, int recipients) {
    switch (result.outcome) {
    case Outcome::Unreadable:
        return QCoreApplication::translate("DocumentPreview", "The file cannot be read");
    case Outcome::Unknown:
        return QCoreApplication::translate("DocumentPreview", "Pages: unknown");
    case Outcome::Counted:
        break;
    }
    // One is a text of its own, so that the English source texts read right without
    // a translation; a translation gives every other count its plural forms.
    const QString pages = result.pages == 1
                              ? QCoreApplication::translate("DocumentPreview", "1 page")
                              : QCoreApplication::translate("DocumentPreview", "%n pages", nullptr, result.pages);
    if (recipients == 1) {
        return QCoreApplication::translate("DocumentPreview", "%1 to 1 recipient").arg(pages);
    }
    if (recipients > 1) {
        return QCoreApplication::translate("DocumentPreview", "%1 to %n recipients", nullptr, recipients).arg(pages);
    }
    return pages;
}

} // namespace desklet
