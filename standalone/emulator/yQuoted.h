// A word the user or a file gave, as a message shows it: in double quotes,
// bytes that are not printable as \xNN, and cut short when it is long, so
// that no message carries raw binary or a megabyte-long word.
#pragma once

#include <string>

namespace yStandalone
{
std::string Quoted(const std::string& word);

// Text as a terminal may show it: control characters, C1 controls and bytes
// that are not UTF-8 escaped (\n, \t, \r, else \xNN), so that a path or a
// module's string can neither break a message's one line nor drive the
// terminal. Whole, unquoted: for messages that embed paths.
std::string Printable(const std::string& text);
} // namespace yStandalone
