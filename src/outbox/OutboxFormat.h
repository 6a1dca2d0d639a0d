#pragma once

#include "outbox/Outbox.h"

#include <QTimeZone>

#include <string>

namespace desklet {

// The terminal's lines for the outbox and the sent log: tab-separated fields,
// times in ISO 8601 with their zone, a field's own tabs and line breaks turned
// into blanks so that one record stays one line for a script.
struct OutboxFormat {
    // The jobs --sent prints without a count.
    static constexpr int kDefaultSentJobs = 20;

    // id, state, queued at, numbers, document, attempts, next attempt, last error
    static std::string OutboxLine(const OutboxEntry& entry, const QTimeZone& zone = QTimeZone::systemTimeZone());
    // time, numbers, document, outcome, Message-ID, server reply
    static std::string SentLine(const SentLogLine& line, const QTimeZone& zone = QTimeZone::systemTimeZone());
    static std::string Time(TimePoint time, const QTimeZone& zone = QTimeZone::systemTimeZone());
};

} // namespace desklet
