// A file written under a temporary name beside its target and put in place only when it is complete, so a
// failed or cancelled export never leaves a half-written file, nor destroys the file it was to replace.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace race {

class PartFile {
 public:
  explicit PartFile(std::string target);
  // Removes the temporary file unless it was committed.
  ~PartFile();
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  // Where to write: the target's folder, the target's name with ".part" added.
  const std::string& path() const { return part_; }
  const std::string& target() const { return target_; }

  // Renames the temporary file to the target. Empty on success, else the reason.
  std::string Commit();
  // Removes the temporary file now.
  void Discard();

 private:
  std::string target_;
  std::string part_;
  bool committed_ = false;
};

// Opens a PartFile as a binary stream, lets `write` fill it and commits it when every byte reached the disk.
// Empty on success, else the reason (the target is then untouched).
std::string WriteWholeFile(const std::string& target, const std::function<void(std::ostream&)>& write);

}  // namespace race
