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
    SendAgainDocument document;
    document.name = line.document;
    // A relative path would name a file beside wherever the window was started.
    if (RegularFile(line.documentPath) && QFileInfo(QString::fromStdString(line.documentPath)).isAbsolute()) {
        document.source = Source::Original;
        document.path = line.documentPath;
    } else if (RegularFile(line.keptCopy)) {
        document.source = Source::KeptCopy;
        document.path = line.keptCopy;
        if (document.name.empty()) {
            document.name = QFileInfo(QString::fromStdString(line.keptCopy)).fileName().toStdString();
        }
    }
    return document;
}

} // namespace desklet
