#pragma once

#include <ctime>
#include <string>

namespace desklet {

// Several mails in one stream, in the form mail readers take for a mailbox file of
// several messages (mboxrd, RFC 4155): each message opens with a "From " line and
// is followed by an empty line; a line of the message that begins with "From ",
// after any number of ">", gets one more ">", which a reader of mboxrd takes away
// again and a reader of the older mboxo form leaves as the usual quoting.
class Mbox {
public:
    // The envelope sender that stands in for one that cannot stand on the line.
    static constexpr const char* kUnknownSender = "MAILER-DAEMON";

    // "From SENDER Thu Jan  1 00:00:00 1970" and its line break: the time in the C
    // library's asctime() form, UTC, in English whatever the locale. A sender that
    // is empty or holds a blank or a control byte gives way to kUnknownSender.
    static std::string FromLine(const std::string& sender, std::time_t when);

    // The message (CR LF lines, as on the wire) as it stands in the mailbox: LF
    // lines, quoted as above, ending with a line break and the empty line.
    static std::string Entry(const std::string& message);
};

} // namespace desklet
