#include "session/OutboxDue.h"

#include <cstdlib>
#include <sqlite3.h>

namespace desklet {

namespace {

// A waiting job is due at its next try; a job left sending by a sender that died
// is put back by the next flush once its lease runs out.
constexpr const char* kNextDue = "SELECT MIN(CASE state WHEN 'waiting' THEN next_attempt_at ELSE lease_until END) "
                                 "FROM fax_job WHERE state IN ('waiting', 'sending')";

} // namespace

std::string OutboxDatabasePath() {
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        base = std::string(home) + "/.local/share";
    } else {
        return {};
    }
    return base + "/Quillmark/Desklet/desklet.sqlite";
}

std::optional<WakeTime> ReadOutboxDue(const std::string& databasePath) {
    if (databasePath.empty()) {
        return std::nullopt;
    }
    sqlite3* db = nullptr;
    // Read-only, and never through a planted link: the helper only looks.
    const int opened = sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr);
    std::optional<WakeTime> due;
    sqlite3_stmt* read = nullptr;
    if (opened == SQLITE_OK && sqlite3_busy_timeout(db, 1000) == SQLITE_OK &&
        sqlite3_prepare_v2(db, kNextDue, -1, &read, nullptr) == SQLITE_OK && sqlite3_step(read) == SQLITE_ROW &&
        sqlite3_column_type(read, 0) == SQLITE_INTEGER) {
        due = WakeTime(std::chrono::milliseconds(sqlite3_column_int64(read, 0)));
    }
    sqlite3_finalize(read);
    sqlite3_close(db);
    return due;
}

} // namespace desklet
