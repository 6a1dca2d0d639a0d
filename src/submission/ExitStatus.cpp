#include "submission/ExitStatus.h"

namespace desklet {

int ExitStatus::For(SendOperation::Failure failure) {
    using Failure = SendOperation::Failure;
    switch (failure) {
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
    case Failure::Permanent:
    case Failure::TooLarge:
    case Failure::EncryptionUnavailable:
        return kUnavailable;
    case Failure::LoginRefused:
    case Failure::CertificateRefused:
        return kNoPermission;
    case Failure::Temporary:
    // Nobody cancels a run without a window; should it happen, nothing was refused.
    case Failure::Cancelled:
        return kTempFail;
    case Failure::Protocol:
        return kProtocol;
    }
    return kSoftware;
}

} // namespace desklet
