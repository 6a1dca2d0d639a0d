#include "outbox/SendAgainDocument.h"

#include <QFileInfo>
#include <QString>

namespace desklet {
namespace {

bool RegularFile(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isFile();
}

} // namespace

SendAgainDocument SendAgainDocument::For(const SentLogLine& line) {
    return For(line.document, line.documentPath, line.keptCopy);
}

SendAgainDocument SendAgainDocument::For(const OutboxEntry& entry) {
    return For(entry.document, entry.documentPath, entry.keptCopy);
}

SendAgainDocument SendAgainDocument::For(const std::string& name, const std::string& documentPath,
                                         const std::string& keptCopy) {
    SendAgainDocument document;
    document.name = name;
    // A relative path would name a file beside wherever the window was started.
    if (RegularFile(documentPath) && QFileInfo(QString::fromStdString(documentPath)).isAbsolute()) {
        document.source = Source::Original;
        document.path = documentPath;
    } else if (RegularFile(keptCopy)) {
        document.source = Source::KeptCopy;
        document.path = keptCopy;
        if (document.name.empty()) {
            document.name = QFileInfo(QString::fromStdString(keptCopy)).fileName().toStdString();
        }
    }
    return document;
}

} // namespace desklet
