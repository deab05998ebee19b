// The load's warnings: what a sailor should know about a race that loaded all the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace race {

// A list holds at most this many lines; the rest are counted in its last line.
inline constexpr std::size_t kMaxWarnings = 100;

// Appends a line, made printable and cut short (it quotes the race's files and names).
void AddWarning(std::vector<std::string>& warnings, std::string_view text);

}  // namespace race
