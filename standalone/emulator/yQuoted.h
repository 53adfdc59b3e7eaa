// A word the user or a file gave, as a message shows it: in double quotes,
// bytes that are not printable as \xNN, and cut short when it is long, so
// that no message carries raw binary or a megabyte-long word.
#pragma once

#include <string>

namespace yStandalone
{
std::string Quoted(const std::string& word);
} // namespace yStandalone
