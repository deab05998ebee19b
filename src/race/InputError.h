// The one error a reader throws: which file, which line, what is wrong there.
#pragma once

#include <stdexcept>
#include <string>

namespace race {

class InputError : public std::runtime_error {
 public:
  InputError(std::string file, int line, std::string problem)
      : std::runtime_error(Compose(file, line, problem)),
        file_(std::move(file)),
        line_(line),
        problem_(std::move(problem)) {}

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
