#include "preview/PreviewLoader.h"

#include <QSemaphore>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

using namespace desklet;

namespace {

// Generous bounds: they only keep a broken build from hanging the run.
constexpr int kWaitMs = 10000;

// Answers each path with its length as the page count; "slow" waits until released.
struct ScriptedInspector {
    QSemaphore slowEntered;
    QSemaphore releaseSlow;
    std::mutex mutex;
    std::vector<QString> inspected;

    PreviewLoader::Inspector Function() {
        return [this](const QString& path, QSize, const DocumentPreview::Stale&) {
            {
                std::lock_guard lock(mutex);
                inspected.push_back(path);
            }
            if (path == QLatin1String("slow")) {
                slowEntered.release();
                (void)releaseSlow.tryAcquire(1, kWaitMs);
            }
            DocumentPreview::Result result;
            result.outcome = DocumentPreview::Outcome::Counted;
            result.pages = static_cast<int>(path.size());
            return result;
        };
    }
};

TEST(PreviewLoader, AStaleResultNeverReplacesANewerOne) {
    ScriptedInspector inspector;
    PreviewLoader loader(nullptr, inspector.Function());
    loader.SetSettleTime(0);
    QSignalSpy ready(&loader, &PreviewLoader::Ready);

    loader.Request(QStringLiteral("slow"), QSize(10, 10));
    // Let the timer start the slow read, then ask for another document while it runs.
    for (int i = 0; i < 100 && !inspector.slowEntered.tryAcquire(1, 0); ++i) {
        ready.wait(50);
    }
    loader.Request(QStringLiteral("quick"), QSize(10, 10));
    inspector.releaseSlow.release();

    ASSERT_TRUE(ready.wait(kWaitMs));
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(ready.at(0).at(0).toString(), QStringLiteral("quick"));
    EXPECT_EQ(inspector.inspected, (std::vector<QString>{"slow", "quick"})) << "the slow one ran, and was dropped";
}

TEST(PreviewLoader, TypingAPathReadsOnlyTheLastOne) {
    ScriptedInspector inspector;
    PreviewLoader loader(nullptr, inspector.Function());
    QSignalSpy ready(&loader, &PreviewLoader::Ready);

    for (const char* typed : {"/", "/t", "/tm", "/tmp/a.pdf"}) {
        loader.Request(QString::fromLatin1(typed), QSize(10, 10));
    }
    ASSERT_TRUE(ready.wait(kWaitMs));
    EXPECT_EQ(inspector.inspected, (std::vector<QString>{"/tmp/a.pdf"}));
}

} // namespace
