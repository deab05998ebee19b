// Every row of the bad-input catalogue through the built batch command: a refused race exits 1 with one
// "file:line: message" line on stderr; a race that loads despite the fault exits 0 with its boats.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/BadInputCases.h"
#include "support/TempFolder.h"

namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The NUL bytes of a message as \0, so a row can state them.
std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\0' ? std::string("\\0") : std::string(1, c);
  return out;
}

TEST(BadInputThroughBatch, EveryRowIsRefusedWithItsLineOrLoads) {
  const char* bin = std::getenv("REGATIX_BIN_DIR");
  const std::string program = bin != nullptr ? std::string(bin) + "/regatix-batch" : REGATIX_BATCH_PROGRAM;
  for (const badinput::Row& row : badinput::Rows()) {
    SCOPED_TRACE(row.name);
    testsupport::TempFolder folder;
    badinput::WriteRow(folder, row);
    const auto json = folder.path() / "out.json";
    const auto err = folder.path() / "stderr.txt";
    const int status =
        std::system((Quote(program) + " --folder " + Quote(folder.folder()) + " --race bad.txt --json " +
                     Quote(json.string()) + " 2>" + Quote(err.string()))
                        .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    // The warnings come first, one "warning: " line each, then the refusal if any.
    std::string stderrText = Visible(testsupport::ReadFile(err));
    std::vector<std::string> warnings;
    while (stderrText.starts_with("warning: ")) {
      const auto end = stderrText.find('\n');
      warnings.push_back(stderrText.substr(9, end - 9));
      stderrText.erase(0, end + 1);
    }
    ASSERT_EQ(warnings.size(), row.warnings.size()) << testsupport::ReadFile(err);
    for (std::size_t w = 0; w < warnings.size(); ++w)
      EXPECT_EQ(warnings[w].rfind(row.warnings[w], 0), 0u) << warnings[w];
    if (row.message.empty()) {
      EXPECT_EQ(stderrText, "");
      ASSERT_EQ(WEXITSTATUS(status), 0) << stderrText;
      const auto out = nlohmann::json::parse(testsupport::ReadFile(json));
      EXPECT_EQ(out["boatCount"], row.boats);
      EXPECT_EQ(out["warnings"].size(), row.warnings.size());
    } else {
      EXPECT_EQ(WEXITSTATUS(status), 1);
      EXPECT_EQ(stderrText.rfind(row.message, 0), 0u) << stderrText;
      EXPECT_EQ(stderrText.find('\n'), stderrText.size() - 1) << stderrText;  // one line
    }
  }
}

}  // namespace
