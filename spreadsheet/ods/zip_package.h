#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace spreadsheet::ods {

// A zip package built in memory: entries in the order added, each stored or
// deflated, all with one fixed time so equal contents give equal bytes.
class ZipPackage {
 public:
  enum class Compression { Stored, Deflated };
  void add(std::string path, std::string bytes, Compression compression);
  // The whole package. Throws spreadsheet::Error when the zip library fails.
  std::vector<std::uint8_t> bytes() const;

 private:
  struct Entry {
    std::string path;
    std::string bytes;
    Compression compression;
  };
  std::deque<Entry> entries_;
};

}  // namespace spreadsheet::ods
