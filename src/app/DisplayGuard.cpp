#include "app/DisplayGuard.h"

#include "submission/ExitStatus.h"

#include <QByteArray>
#include <QString>

#include <mutex>
#include <unistd.h>
#include <vector>

namespace desklet {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::mutex g_mutex;
QtMessageHandler g_previous = nullptr;
std::vector<HeldMessage> g_held;

void WriteAll(const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + written, text.size() - written);
        if (n <= 0) {
            return;
        }
        written += static_cast<std::size_t>(n);
    }
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Nothing of the half-made application may run any more: no destructors,
        // no exit handlers.
        WriteAll(DisplayGuard::NoDisplayText());
        ::_exit(ExitStatus::kUnavailable);
    }
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_held.push_back({type, QByteArray(context.category ? context.category : ""), text});
}

} // namespace

DisplayGuard::DisplayGuard() {
    g_previous = qInstallMessageHandler(Hold);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(g_previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        held.swap(g_held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (g_previous != nullptr) {
            g_previous(message.type, context, message.text);
        } else {
            WriteAll(message.text.toStdString() + "\n");
        }
    }
}

std::string DisplayGuard::NoDisplayText() {
    return tr("desklet: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set, or "
              "the display does not answer)\n"
              "desklet: desklet --send works without one: desklet --send -file DOCUMENT -fax NUMBER\n")
        .toStdString();
}

} // namespace desklet
