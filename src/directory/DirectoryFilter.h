#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace desklet {

// The text a person types, made safe to stand inside a search filter, and the
// pieces of a directory entry's values that the phone book can use.

// The value escaped for a filter (RFC 4515, section 3): '*', '(', ')', '\' and NUL
// become "\2a", "\28", "\29", "\5c" and "\00", and so does every byte outside
// printable ASCII, so that no byte of the typed text can end the value, start an
// assertion or reach the server as an invalid UTF-8 sequence.
std::string EscapeFilterValue(std::string_view value);

// The value back from its escaped form; nullopt when it holds a bare special
// character or a backslash not followed by two hex digits.
std::optional<std::string> UnescapeFilterValue(std::string_view escaped);

// The filter that finds entries with a fax number whose name, surname, given name,
// company or mail address holds text anywhere.
std::string DirectorySearchFilter(std::string_view text);

// The number of a facsimileTelephoneNumber value (RFC 4517, section 3.3.11): the
// part before the first '$', which starts the list of fax parameters
// ("+1 212 555 1212$fineResolution"), without blanks around it.
std::string FaxNumberOfValue(std::string_view value);

// A directory's fax number in the form the number field takes: digits and '!'
// only, the written blanks, dashes, dots and brackets dropped, and an
// international "+" dialled as from North America ("+1 212 555 1212" becomes
// "12125551212", "+44 20 7946 0000" becomes "011442079460000").
std::string DialableFaxNumber(std::string_view number);

} // namespace desklet
