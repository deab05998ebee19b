// The one error a reader throws: which file, which line, what is wrong there. Its texts are cut short and
// free of control characters, since they quote whatever the file held.
#pragma once

#include <stdexcept>
#include <string>

#include "race/PrintableText.h"

namespace race {

// A message quotes at most this much of a file's name or of the offending text.
inline constexpr std::size_t kMaxMessagePart = 300;

class InputError : public std::runtime_error {
 public:
  InputError(std::string file, int line, std::string problem)
      : std::runtime_error(
            Compose(Printable(file, kMaxMessagePart), line, Printable(problem, kMaxMessagePart))),
        file_(Printable(file, kMaxMessagePart)),
        line_(line),
        problem_(Printable(problem, kMaxMessagePart)) {}

  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& problem() const { return problem_; }

 private:
  static std::string Compose(const std::string& file, int line, const std::string& problem) {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + problem : file + ": " + problem;
  }

  std::string file_;
  int line_;
  std::string problem_;
};

}  // namespace race
