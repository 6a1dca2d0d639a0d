#pragma once

#include "outbox/AttemptResult.h"

namespace desklet {

struct Outcome;

// The submission's result as the outbox records it.
AttemptResult FromOutcome(const Outcome& outcome);

} // namespace desklet
