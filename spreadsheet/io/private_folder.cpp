#include "spreadsheet/io/private_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <system_error>

#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/io/temporary_folder.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::io {

namespace {

// mkdtemp creates the folder exclusively with mode 700.
std::string makeFolder() {
  const std::string base = temporaryFolder();
  std::string pattern = base + "/tallyloom-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    const int err = errno;
    throw Error(fileFailureText("Cannot create a temporary folder in", base, err));
  }
  return pattern;
}

std::mutex gLiveMutex;
std::multiset<std::string> gLive;  // the live folders' real paths

std::string realPathOf(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return {};
  std::string result = real;
  std::free(real);
  return result;
}

}  // namespace

bool isPrivateFolder(const std::string& folder) {
  std::lock_guard lock(gLiveMutex);
  return !gLive.empty() && gLive.count(realPathOf(folder)) > 0;
}

PrivateFolder::PrivateFolder() : tracked_(makeFolder) {
  handle_ = ::open(path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (handle_ < 0) {
    const int err = errno;
    ::rmdir(path().c_str());
    throw Error(fileFailureText("Cannot create a temporary folder in", temporaryFolder(), err));
  }
  tracked_.useHandle(handle_);
  real_ = realPathOf(path());
  std::lock_guard lock(gLiveMutex);
  gLive.insert(real_);
}

PrivateFolder::~PrivateFolder() {
  {
    std::lock_guard lock(gLiveMutex);
    if (const auto at = gLive.find(real_); at != gLive.end()) gLive.erase(at);
  }
  removeFolder(path(), handle_);
}

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) throw Error("Cannot write the workbook: cannot read back " + path + ".");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) throw Error("Cannot write the workbook: cannot read back " + path + ".");
  return bytes;
}

void writeFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Error("Cannot write the workbook: cannot write " + path + ".");
}

}  // namespace spreadsheet::io
