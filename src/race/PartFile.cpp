// PartFile: a temporary file beside the target, renamed over it when complete.
#include "race/PartFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace race {

namespace {

std::string Reason(const char* fallback) {
  return errno != 0 ? std::strerror(errno) : fallback;
}

}  // namespace

PartFile::PartFile(std::string target) : target_(std::move(target)), part_(target_ + ".part") {}

PartFile::~PartFile() {
  if (!committed_) Discard();
}

std::string PartFile::Commit() {
  errno = 0;
  if (std::rename(part_.c_str(), target_.c_str()) != 0) return Reason("cannot replace the file");
  committed_ = true;
  return {};
}

void PartFile::Discard() {
  std::remove(part_.c_str());
}

std::string WriteWholeFile(const std::string& target, const std::function<void(std::ostream&)>& write) {
  PartFile part(target);
  {
    errno = 0;
    std::ofstream file(part.path(), std::ios::binary | std::ios::trunc);
    if (!file) return Reason("cannot create the file");
    write(file);
    file.flush();
    if (!file) return Reason("cannot write the file");
    file.close();
    if (file.fail()) return Reason("cannot close the file");
  }
  return part.Commit();
}

}  // namespace race
