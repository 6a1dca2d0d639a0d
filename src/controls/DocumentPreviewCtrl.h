#pragma once

#include "preview/DocumentPreview.h"

#include <QString>
#include <QWidget>

#include <optional>

class QFileSystemWatcher;
class QLabel;
class QToolButton;

namespace desklet {

class PreviewLoader;

// The document's first page and, centred below it, one line with its page count
// and the number of recipients ("3 pages to 2 recipients"). It follows a path given
// to it at every change, and the file at that path as it changes on disk (written
// over, replaced, deleted, created again); the reading happens off the
// user-interface thread, and an empty path shows nothing. A click on the picture,
// or Space or Enter on it, opens the document in the desktop's viewer, and says
// why when there is none.
class DocumentPreviewCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kPictureName = QT_TR_NOOP("First page of the document");

    explicit DocumentPreviewCtrl(QWidget* parent = nullptr);
    ~DocumentPreviewCtrl() override;

    void SetPath(const QString& path);
    void SetRecipientCount(int count);
    // The picture's box is square; a portrait page fills its height.
    void SetPictureHeight(int pixels);

    QToolButton* Picture() const { return m_picture; }
    QLabel* Line() const { return m_line; }
    PreviewLoader& Loader() const { return *m_loader; }

signals:
    // The latest path's line and picture are on show.
    void Shown();

private:
    void OnReady(const QString& path, const DocumentPreview::Result& result);
    void UpdateLine();
    void OpenDocument();
    void Load();
    // Watches the path's file and its folder afresh, and notes the file's state.
    void Watch();
    void OnDiskChange(bool fileItself);

    // What tells one state of the file on disk from another without reading it: a
    // file replaced by rename is another inode, one written over has another size
    // or time.
    struct DiskState {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 seconds = 0;
        qint64 nanoseconds = 0;
        bool operator==(const DiskState&) const = default;
    };
    static DiskState DiskStateOf(const QString& path);

    PreviewLoader* m_loader = nullptr;
    QToolButton* m_picture = nullptr;
    QLabel* m_line = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QString m_path;
    std::optional<DocumentPreview::Result> m_result;
    int m_recipients = 0;
    int m_pictureHeight = 0;
    // The file's state when it was last watched.
    DiskState m_disk;
};

} // namespace desklet
