#pragma once

#include <span>
#include <string_view>

namespace desklet {

// One step of the database's schema. The database records in its user_version how
// many steps have run; opening runs the rest, each in a transaction of its own
// with the new count, so that a step is in the file whole or not at all.
struct Migration {
    std::string_view purpose; // for the person when the step fails
    std::span<const std::string_view> statements;
};

// Every step so far, oldest first. A feature that needs more tables appends a step;
// a step that has shipped is never edited, reordered or removed, or a database
// that ran it would not match the code.
std::span<const Migration> Migrations();

} // namespace desklet
