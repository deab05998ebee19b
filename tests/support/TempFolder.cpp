// Scratch folders and fixture paths for the tests.
#include "support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace testsupport {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::random_device device;
  for (;;) {
    path_ = fs::temp_directory_path() / ("regatix-test-" + std::to_string(device()));
    if (fs::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TempFolder::Write(const std::string& relative, const std::string& text) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << text;
  return file;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path SharedRacesFolder() {
  const char* configured = std::getenv("REGATIX_SHARED_RACES");
  if (configured == nullptr || !fs::is_directory(configured)) return {};
  return configured;
}

fs::path SourceFolder() {
  const char* configured = std::getenv("REGATIX_SOURCE_DIR");
  return configured != nullptr ? fs::path(configured) : fs::current_path();
}

}  // namespace testsupport
