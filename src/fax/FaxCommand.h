#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <string>

namespace desklet {

// The five texts of one fax mail. The gateway reads the job from the Subject (the
// fax command), the recipient (the account's gateway mailbox) and the sender.
struct FaxCommand {
    std::string numberList;     // "2125551213,2125551212"
    std::string optionWords;    // " -lowres -plain -nocover -code "
    std::string command;        // "fax <options> -doca <numbers> <attention>"
    std::string gatewayAddress; // the mail's only recipient
    std::string senderAddress;

    // Composes from the job and the settings (read without changing the map);
    // gatewayDomain and senderTag are the configured values.
    static FaxCommand Compose(const FaxJob& job, const CMapStringToString& settings, const std::string& gatewayDomain,
                              const std::string& senderTag);

    // One number as the list carries it: a leading "1" is dropped.
    static std::string NormaliseNumber(const std::string& number);
};

} // namespace desklet
