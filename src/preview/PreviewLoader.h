#pragma once

#include "preview/DocumentPreview.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

namespace desklet {

// Runs DocumentPreview off the user-interface thread for a path that may change at
// every keystroke. Requests settle for a short while before any work starts, one
// document is read at a time, and only the result of the latest request is ever
// delivered: an older one that finishes late is dropped.
class PreviewLoader : public QObject {
    Q_OBJECT
public:
    using Inspector =
        std::function<DocumentPreview::Result(const QString& path, QSize box, const DocumentPreview::Stale& stale)>;

    // Long enough to swallow a run of keystrokes, short enough not to be noticed.
    static constexpr int kSettleMs = 150;

    // The inspector is DocumentPreview::Inspect unless a test passes its own.
    explicit PreviewLoader(QObject* parent = nullptr, Inspector inspector = nullptr);
    // Drops the queued work and waits for the one running read to notice.
    ~PreviewLoader() override;

    // Asks for the document at path, drawn to fit box. Every earlier request is
    // stale from now on. An empty path only cancels.
    void Request(const QString& path, QSize box);
    void SetSettleTime(int ms) { m_timer.setInterval(ms); }

signals:
    void Ready(const QString& path, const desklet::DocumentPreview::Result& result);

private:
    void Start();
    void Deliver(quint64 generation, const QString& path, const DocumentPreview::Result& result);

    Inspector m_inspect;
    QTimer m_timer;
    QThreadPool m_pool;
    // Shared with the running job, which may outlive a request but not the loader.
    std::shared_ptr<std::atomic<quint64>> m_latest = std::make_shared<std::atomic<quint64>>(0);
    QString m_path;
    QSize m_box;
};

} // namespace desklet
