#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace desklet {

// What a person should see of a document before it is faxed: how many pages it
// has and a picture of its first page. PDF goes through Qt PDF; PNG, JPEG and TIFF
// through Qt's image readers (a TIFF counts its frames). Everything else the gateway
// converts itself, so its pages cannot be counted here. Blocking and free of
// widgets: call it from a worker thread.
class DocumentPreview {
public:
    enum class Outcome {
        Counted,    // pages holds the count; firstPage may still be null
        Unknown,    // a format we cannot count, or a damaged or encrypted PDF
        Unreadable, // missing, not a regular file, or not readable by us
    };

    struct Result {
        Outcome outcome = Outcome::Unknown;
        int pages = 0;
        QImage firstPage;
    };

    // True once the caller no longer wants the result; checked between the steps.
    using Stale = std::function<bool()>;

    // Reads the document at path. The first page is drawn to fit box (in device
    // pixels), keeping its proportions. A stale request returns early with whatever
    // it had; its result is not meant to be shown.
    static Result Inspect(const QString& path, QSize box, const Stale& stale = {});

    // The panel's line: "1 page", "3 pages", "3 pages to 2 recipients",
    // "Pages: unknown" or "The file cannot be read".
    static QString Line(const Result& result, int recipients);
};

} // namespace desklet
