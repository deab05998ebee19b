// Text from input files made safe to show: cut on a character boundary, without control characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace race {

// The largest length up to at (and up to text.size()) that does not cut a UTF-8 character in two.
std::size_t Utf8Boundary(std::string_view text, std::size_t at);

// text for a message or a terminal: control characters (C0, DEL, C1) each become '?', and a text longer
// than maxBytes is cut on a character boundary and ends in "...".
std::string Printable(std::string_view text, std::size_t maxBytes);

// The offending text in a message, in double quotes and cut short: a huge field gives a short message.
std::string Quoted(std::string_view text);

}  // namespace race
