#pragma once

#include "session/WakeSchedule.h"

#include <optional>
#include <string>

namespace desklet {

// The user's database, where the outbox keeps its jobs: the same place the
// program itself opens ($XDG_DATA_HOME, else ~/.local/share). Empty when neither
// is known.
std::string OutboxDatabasePath();

// The next due time of a job in the outbox: a waiting job's next try, or when a
// sending job's claim runs out (its sender may have died). Nothing when none is,
// and also when the database is missing, locked past a second or not yet an
// outbox: the helper then simply looks again later.
std::optional<WakeTime> ReadOutboxDue(const std::string& databasePath);

} // namespace desklet
