#pragma once
#include <array>
#include <functional>
#include <string>

namespace spreadsheet::io {

// A temporary file or folder of this run that must not outlive an interrupted
// or failed run: while a TrackedPath holds it, removeTrackedPaths() removes it.
// `make` creates the path and returns it ("" when it made nothing); it runs with
// the interrupting signals held back, so that a handler finds every path it
// made either tracked or not made at all. Ending the TrackedPath forgets the
// path without touching it: its owner has renamed or removed it by then.
class TrackedPath {
 public:
  explicit TrackedPath(const std::function<std::string()>& make);
  ~TrackedPath();
  TrackedPath(const TrackedPath&) = delete;
  TrackedPath& operator=(const TrackedPath&) = delete;

  const std::string& path() const { return path_; }
  // A descriptor of the tracked folder, for removing it when none is left to open.
  void useHandle(int handle);

 private:
  std::string path_;
  int slot_ = -1;
};

// Removes the folder `path`, open as `handle` (which this closes), with all it
// holds; through the handle, so that it works when no descriptor is left.
void removeFolder(const std::string& path, int handle) noexcept;

// The signals that end a run early and whose handler calls removeTrackedPaths:
// SIGINT, SIGTERM and SIGHUP.
const std::array<int, 3>& interruptingSignals();

// Removes every tracked file and folder (a folder with all it holds). Safe in
// a signal handler: system calls only, no allocation, no lock. Tracks nothing
// afterwards.
void removeTrackedPaths() noexcept;

}  // namespace spreadsheet::io
