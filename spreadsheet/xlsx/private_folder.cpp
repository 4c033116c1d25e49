#include "spreadsheet/xlsx/private_folder.h"

#include <fstream>
#include <random>
#include <system_error>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xlsx {

namespace fs = std::filesystem;

PrivateFolder::PrivateFolder() {
  std::error_code ec;
  const fs::path base = fs::temp_directory_path(ec);
  if (ec) throw Error("Cannot write the workbook: no temporary folder (" + ec.message() + ").");
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("tallyloom-xlsx-" + std::to_string(random()));
    // create_directory reports false for a name that exists: never reuse one.
    if (!fs::create_directory(candidate, ec)) {
      if (ec && ec != std::errc::file_exists)
        throw Error("Cannot write the workbook: cannot create a temporary folder (" + ec.message() +
                    ").");
      continue;
    }
    fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace, ec);
    if (ec) {
      fs::remove(candidate, ec);
      throw Error("Cannot write the workbook: cannot make the temporary folder private.");
    }
    path_ = candidate;
    return;
  }
  throw Error("Cannot write the workbook: cannot create a temporary folder.");
}

PrivateFolder::~PrivateFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
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

}  // namespace spreadsheet::xlsx
