#include "submission/ExitStatus.h"

namespace desklet {

int ExitStatus::For(const Outcome& outcome) {
    switch (outcome.failure) {
    case Failure::None:
        return kOk;
    case Failure::NoRecipients:
        return kUsage;
    case Failure::NumberRefused:
        return kDataError;
    case Failure::DocumentMissing:
    case Failure::DocumentUnreadable:
        return kNoInput;
    case Failure::NoAccount:
    case Failure::BadAddress:
    case Failure::LoginUnavailable:
        return kConfig;
    case Failure::Connect:
    case Failure::TurnedAway:
    case Failure::NameNotFound:
    case Failure::ConnectionRefused:
    case Failure::Permanent:
    case Failure::TooLarge:
    case Failure::EncryptionUnavailable:
    case Failure::PlainTextServer:
        return kUnavailable;
    case Failure::Timeout:
        // A server that never answered could not be reached; one that stopped
        // answering mid-session may take the fax later.
        return outcome.connected ? kTempFail : kUnavailable;
    case Failure::LoginRefused:
    case Failure::CertificateRefused:
        return kNoPermission;
    case Failure::Temporary:
    // The fax may have gone: a script must not take it for a refusal.
    case Failure::AnswerMissing:
    // Nobody cancels a run without a window; should it happen, nothing was refused.
    case Failure::Cancelled:
        return kTempFail;
    case Failure::Protocol:
    case Failure::ConnectionLost:
        return kProtocol;
    }
    return kSoftware;
}

} // namespace desklet
