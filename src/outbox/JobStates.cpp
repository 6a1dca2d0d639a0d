#include "outbox/JobStates.h"

#include "outbox/RetryPolicy.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace desklet {
namespace {

// The names stored in the database: never change one that has shipped.
constexpr std::array<std::pair<JobState, std::string_view>, 6> kJobNames = {{
    {JobState::Waiting, "waiting"},
    {JobState::Sending, "sending"},
    {JobState::Sent, "sent"},
    {JobState::Failed, "failed"},
    {JobState::Cancelled, "cancelled"},
    {JobState::Unknown, "unknown"},
}};
constexpr std::array<std::pair<MailState, std::string_view>, 8> kMailNames = {{
    {MailState::Sending, "sending"},
    {MailState::DataSent, "data-sent"},
    {MailState::Accepted, "accepted"},
    {MailState::Refused, "refused"},
    {MailState::NotTried, "not-tried"},
    {MailState::Unknown, "unknown"},
    {MailState::SendAgain, "send-again"},
    {MailState::MarkedSent, "marked-sent"},
}};

template <typename State, std::size_t N>
std::string_view nameOf(const std::array<std::pair<State, std::string_view>, N>& names, State state) {
    for (const auto& [value, name] : names) {
        if (value == state) {
            return name;
        }
    }
    return {};
}

template <typename State, std::size_t N>
std::optional<State> named(const std::array<std::pair<State, std::string_view>, N>& names, std::string_view name) {
    for (const auto& [value, text] : names) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view Name(JobState state) {
    return nameOf(kJobNames, state);
}
std::string_view Name(MailState state) {
    return nameOf(kMailNames, state);
}
std::optional<JobState> JobStateNamed(std::string_view name) {
    return named(kJobNames, name);
}
std::optional<MailState> MailStateNamed(std::string_view name) {
    return named(kMailNames, name);
}

bool NumbersGone(MailState state) {
    return state == MailState::Accepted || state == MailState::DataSent || state == MailState::Unknown ||
           state == MailState::MarkedSent;
}

MailState MailStateAfter(AttemptResult::Mail::State state) {
    switch (state) {
    case AttemptResult::Mail::State::Accepted:
        return MailState::Accepted;
    case AttemptResult::Mail::State::Refused:
        return MailState::Refused;
    case AttemptResult::Mail::State::Unknown:
        return MailState::Unknown;
    case AttemptResult::Mail::State::NotTried:
        break;
    }
    return MailState::NotTried;
}

AfterAttempt DecideAfterAttempt(const AttemptResult& result, bool keepIfMayPass, int attempts, TimePoint firstQueuedAt,
                                TimePoint now) {
    // A mail that may have gone outweighs whatever stopped the rest: it must not be
    // resent by itself, and its copy stays for the person's choice.
    const bool anyUnknown = std::any_of(result.mails.begin(), result.mails.end(), [](const AttemptResult::Mail& mail) {
        return mail.state == AttemptResult::Mail::State::Unknown;
    });
    if (result.kind == AttemptResult::Kind::Unknown || (anyUnknown && result.kind != AttemptResult::Kind::Sent)) {
        return {JobState::Unknown, std::nullopt, true};
    }
    switch (result.kind) {
    case AttemptResult::Kind::Sent:
        return {JobState::Sent, std::nullopt, false};
    case AttemptResult::Kind::MayPass:
        if (keepIfMayPass) {
            if (const auto next = RetryPolicy::Next(attempts, firstQueuedAt, now)) {
                return {JobState::Waiting, next, true};
            }
        }
        return {JobState::Failed, std::nullopt, false};
    case AttemptResult::Kind::Cancelled:
        return {JobState::Cancelled, std::nullopt, false};
    case AttemptResult::Kind::Unknown:
    case AttemptResult::Kind::Final:
        break;
    }
    return {JobState::Failed, std::nullopt, false};
}

Recovery RecoverInterrupted(const std::vector<MailState>& tryMails, bool anyUnsentNumbers, TimePoint firstQueuedAt,
                            TimePoint now) {
    Recovery recovery;
    bool anyUnknown = false;
    for (const MailState state : tryMails) {
        switch (state) {
        case MailState::DataSent:
            recovery.mails.push_back(MailState::Unknown);
            anyUnknown = true;
            break;
        case MailState::Sending:
            recovery.mails.push_back(MailState::Refused);
            break;
        default:
            recovery.mails.push_back(state);
            anyUnknown = anyUnknown || state == MailState::Unknown;
            break;
        }
    }
    if (anyUnknown) {
        recovery.state = JobState::Unknown;
    } else if (!anyUnsentNumbers) {
        // Every mail was answered before the sender died: the job went.
        recovery.state = JobState::Sent;
        recovery.keepCopy = false;
    } else if (now >= firstQueuedAt + RetryPolicy::kGiveUpAfter) {
        recovery.state = JobState::Failed;
        recovery.keepCopy = false;
    } else {
        recovery.nextAttempt = now;
    }
    return recovery;
}

std::vector<std::string> UnsentNumbers(const std::vector<std::string>& jobNumbers,
                                       const std::vector<std::pair<std::vector<std::string>, MailState>>& mails) {
    std::set<std::string> gone;
    for (const auto& [numbers, state] : mails) {
        if (NumbersGone(state)) {
            if (numbers.empty()) {
                // A mail that may have gone without saying to whom: none of the
                // job's numbers may go again by itself.
                return {};
            }
            gone.insert(numbers.begin(), numbers.end());
        }
    }
    std::vector<std::string> unsent;
    for (const std::string& number : jobNumbers) {
        if (gone.count(number) == 0) {
            unsent.push_back(number);
        }
    }
    return unsent;
}

} // namespace desklet
