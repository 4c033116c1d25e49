#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/io/tracked_paths.h"

namespace spreadsheet::io {

// A folder only this user can enter (mode 700), made new (never an existing
// one) in temporaryFolder(), removed with everything in it when this object
// ends. Throws spreadsheet::Error naming the temporary folder when it cannot
// be made there. An interrupted run removes it too (see TrackedPath). It holds
// a descriptor of itself, so that it can be removed when the run has used up
// every other one.
class PrivateFolder {
 public:
  PrivateFolder();
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  std::string pathOf(const std::string& name) const { return path() + "/" + name; }
  const std::string& path() const { return tracked_.path(); }

 private:
  TrackedPath tracked_;
  int handle_ = -1;
  std::string real_;  // the path as realpath gives it
};

// True when `folder` (links followed) is a PrivateFolder of this run that still
// exists: what is written there is scratch, removed when the run ends.
bool isPrivateFolder(const std::string& folder);

// Whole files in and out of the folder; Error on any failure.
std::vector<std::uint8_t> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace spreadsheet::io
