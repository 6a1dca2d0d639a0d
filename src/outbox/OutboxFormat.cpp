#include "outbox/OutboxFormat.h"

#include <QDateTime>

namespace desklet {
namespace {

std::string field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r' || c == '\0') {
            c = ' ';
        }
    }
    return text;
}

std::string numbers(const std::vector<std::string>& list) {
    std::string joined;
    for (const std::string& number : list) {
        if (!joined.empty()) {
            joined += ',';
        }
        joined += number;
    }
    return field(joined);
}

} // namespace

std::string OutboxFormat::Time(TimePoint time, const QTimeZone& zone) {
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(time.time_since_epoch().count(), zone);
    return at.toString(Qt::ISODate).toStdString();
}

std::string OutboxFormat::OutboxLine(const OutboxEntry& entry, const QTimeZone& zone) {
    return std::to_string(entry.id) + '\t' + std::string(Name(entry.state)) + '\t' + Time(entry.queuedAt, zone) + '\t' +
           numbers(entry.numbers) + '\t' + field(entry.document) + '\t' + std::to_string(entry.attempts) + '\t' +
           (entry.nextAttempt ? Time(*entry.nextAttempt, zone) : std::string()) + '\t' + field(entry.lastError);
}

std::string OutboxFormat::SentLine(const SentLogLine& line, const QTimeZone& zone) {
    return Time(line.time, zone) + '\t' + numbers(line.numbers) + '\t' + field(line.document) + '\t' + line.outcome +
           '\t' + field(line.messageId) + '\t' + field(line.serverReply);
}

} // namespace desklet
