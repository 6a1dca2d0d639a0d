// The fax command from hostile job fields and settings. The command becomes the
// Subject, one header line: no CR, LF or NUL may reach it, and every field must
// arrive in its place with only those bytes turned into blanks.

#include "fax/FaxCommand.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzFields.h"
#include "fuzz/support/OneLine.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace desklet;
using desklet::fuzz::FuzzFields;
using desklet::fuzz::OneLine;

namespace {

const char* const kConfirmations[][2] = {{"email_on_delivered", " -confsucc "},
                                         {"email_on_not_delivered", " -conffail "},
                                         {"email_on_queued", " -queuesucc "},
                                         {"email_on_not_queued", " -queuefail "}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFields fields(data, size);
    FaxJob job;
    const std::uint8_t flags = fields.NextByte();
    job.resolution = flags & 1;
    job.font = (flags >> 1) & 1;
    job.coverPage = ((flags >> 2) & 1) != 0;
    job.comment = fields.Next();
    job.from = fields.Next();
    job.attention = fields.Next();
    CMapStringToString settings;
    for (const auto& confirmation : kConfirmations) {
        settings[confirmation[0]] = fields.Next();
    }
    settings["stationid"] = fields.Next();
    settings["logon"] = fields.Next();
    while (!fields.AtEnd()) {
        job.recipients.push_back(fields.Next());
    }

    std::string words = job.resolution == 1 ? " -highres" : " -lowres";
    words += job.font == 1 ? " -bold" : " -plain";
    if (!job.coverPage) {
        words += " -nocover";
    } else {
        words += " -cover";
        words += job.comment.empty() ? "" : " -re \"" + OneLine(job.comment) + "\"";
        words += job.from.empty() ? "" : " -from \"" + OneLine(job.from) + "\"";
    }
    for (const auto& confirmation : kConfirmations) {
        const std::string value = settings.LookupOrEmpty(confirmation[0]);
        words += value.empty() ? "" : confirmation[1] + OneLine(value);
    }
    words += " -code " + OneLine(settings.LookupOrEmpty("stationid"));
    std::string numbers;
    for (std::size_t i = 0; i < job.recipients.size(); ++i) {
        const std::string& number = job.recipients[i];
        numbers += (i > 0 ? "," : "") + OneLine(!number.empty() && number[0] == '1' ? number.substr(1) : number);
    }

    const FaxCommand fax = FaxCommand::Compose(job, settings, "gw.example", "-tag@gw.example");
    FUZZ_CHECK(fax.command.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    FUZZ_CHECK(fax.command == "fax " + words + " -doca " + numbers + " " + OneLine(job.attention));
    return 0;
}
