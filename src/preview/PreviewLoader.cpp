#include "preview/PreviewLoader.h"

#include <utility>

namespace desklet {

PreviewLoader::PreviewLoader(QObject* parent, Inspector inspector)
    : QObject(parent), m_inspect(inspector ? std::move(inspector) : Inspector(&DocumentPreview::Inspect)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSettleMs);
    connect(&m_timer, &QTimer::timeout, this, &PreviewLoader::Start);
    // One reader at a time: Qt PDF serialises its documents anyway, and a second
    // thread would only race the first for the disk.
    m_pool.setMaxThreadCount(1);
}

PreviewLoader::~PreviewLoader() {
    m_timer.stop();
    m_pool.clear();
    ++*m_latest;
    m_pool.waitForDone();
}

void PreviewLoader::Request(const QString& path, QSize box) {
    ++*m_latest;
    m_path = path;
    m_box = box;
    if (path.isEmpty()) {
        m_timer.stop();
        return;
    }
    m_timer.start();
}

void PreviewLoader::Start() {
    const quint64 generation = m_latest->load();
    // A queued job that a newer request overtook is never started.
    m_pool.clear();
    m_pool.start([this, generation, latest = m_latest, inspect = m_inspect, path = m_path, box = m_box] {
        const auto stale = [&latest, generation] { return latest->load() != generation; };
        if (stale()) {
            return;
        }
        DocumentPreview::Result result = inspect(path, box, stale);
        // Queued to the loader's thread; dropped with the loader if it is gone by then.
        QMetaObject::invokeMethod(
            this, [this, generation, path, result = std::move(result)] { Deliver(generation, path, result); },
            Qt::QueuedConnection);
    });
}

void PreviewLoader::Deliver(quint64 generation, const QString& path, const DocumentPreview::Result& result) {
    if (generation != m_latest->load()) {
        return;
    }
    emit Ready(path, result);
}

} // namespace desklet
