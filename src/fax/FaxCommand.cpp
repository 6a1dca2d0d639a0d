#include "fax/FaxCommand.h"

#include "settings/SettingsKeys.h"
#include "text/Ascii.h"

namespace desklet {
namespace {

// Marks the account's gateway mailbox, in any letter case.
constexpr const char* kConfigSuffix = "-config";

// The command is one line, the Subject. The comment field is multi-line, and the
// other fields come from the settings file and the command line as well as from
// the dialog, so a line break (one blank for a CR LF pair) or a NUL in any of them
// becomes a blank here, where the command is built, not only in the header writer.
std::string oneLine(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n' || c == '\0') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            result += ' ';
        } else {
            result += c;
        }
    }
    return result;
}

void appendIfSet(std::string& words, const char* word, const std::string& value) {
    if (!value.empty()) {
        words += word;
        words += oneLine(value);
    }
}

} // namespace

std::string FaxCommand::NormaliseNumber(const std::string& number) {
    if (!number.empty() && number[0] == '1') {
        return number.substr(1);
    }
    return number;
}

FaxCommand FaxCommand::Compose(const FaxJob& job, const CMapStringToString& settings, const std::string& gatewayDomain,
                               const std::string& senderTag) {
    FaxCommand result;

    for (std::size_t i = 0; i < job.recipients.size(); ++i) {
        if (i > 0) {
            result.numberList += ',';
        }
        result.numberList += oneLine(NormaliseNumber(job.recipients[i]));
    }

    std::string& words = result.optionWords;
    words += job.resolution == 1 ? " -highres" : " -lowres";
    words += job.font == 1 ? " -bold" : " -plain";
    if (job.coverPage) {
        words += " -cover";
        if (!job.comment.empty()) {
            words += " -re \"" + oneLine(job.comment) + "\"";
        }
        if (!job.from.empty()) {
            words += " -from \"" + oneLine(job.from) + "\"";
        }
    } else {
        words += " -nocover";
    }
    appendIfSet(words, " -confsucc ", SettingValue(settings, SettingKey::EmailOnDelivered));
    appendIfSet(words, " -conffail ", SettingValue(settings, SettingKey::EmailOnNotDelivered));
    appendIfSet(words, " -queuesucc ", SettingValue(settings, SettingKey::EmailOnQueued));
    appendIfSet(words, " -queuefail ", SettingValue(settings, SettingKey::EmailOnNotQueued));
    words += " -code " + oneLine(SettingValue(settings, SettingKey::StationId));

    result.command = "fax " + words + " -doca " + result.numberList + " " + oneLine(job.attention);

    const std::string account = SettingValue(settings, SettingKey::Logon);
    const std::size_t marker = ascii::FindNoCase(account, kConfigSuffix);
    if (marker == std::string::npos) {
        result.gatewayAddress = account + kConfigSuffix + "@" + gatewayDomain;
        result.senderAddress = account + senderTag;
    } else {
        result.gatewayAddress = account + "@" + gatewayDomain;
        // The account's own name is what comes before the marker.
        result.senderAddress = account.substr(0, marker) + senderTag;
    }
    return result;
}

} // namespace desklet
