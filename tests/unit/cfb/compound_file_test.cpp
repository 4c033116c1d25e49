// Our compound file against libgsf's: the same bytes written, the same
// streams read back; and malformed files refused with an error.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "gsf_oracle.h"
#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t size, unsigned seed) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 31 + seed + i / 251);
  return b;
}

Bytes fileBytes(const std::string& name) {
  std::ifstream in(std::string(TALLYLOOM_SOURCE_DIR) + "/tests/fuzz/corpus/xls_reader/" + name,
                   std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The streams of the macro project storage, moved to the root as the .xlsm's
// vbaProject.bin holds them.
StreamMap projectStreams(const StreamMap& workbook) {
  const std::string storage = "_VBA_PROJECT_CUR/";
  StreamMap out;
  for (const auto& [path, data] : workbook)
    if (path.rfind(storage, 0) == 0) out[path.substr(storage.size())] = data;
  return out;
}

std::size_t firstDifference(const Bytes& a, const Bytes& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return i;
}

struct Case {
  const char* what;
  StreamMap streams;
};

std::vector<Case> cases() {
  std::vector<Case> out = {{"no stream", {}}, {"an empty stream", {{"Empty", {}}}}};
  for (std::size_t size : {1, 63, 64, 65, 4095, 4096, 4097, 100000})
    out.push_back({"one stream", {{"Workbook", pattern(size, static_cast<unsigned>(size))}}});
  out.push_back({"more than 109 FAT sectors", {{"Workbook", pattern(7500000, 1)}}});
  out.push_back({"two DIFAT sectors", {{"Workbook", pattern(16000000, 2)}}});
  StreamMap shortOnes;
  for (unsigned i = 0; i < 40; ++i) shortOnes["short" + std::to_string(i)] = pattern(4000 - i, i);
  out.push_back({"a mini FAT of many sectors", shortOnes});
  StreamMap many;
  for (std::size_t size : {0, 1, 63, 64, 65, 700, 4095, 4096, 4097, 9000, 100000})
    many["s" + std::to_string(size)] = pattern(size, static_cast<unsigned>(size) + 3);
  out.push_back({"many streams", many});
  out.push_back({"storages three deep",
                 {{"a/b/c/deep", pattern(5000, 4)},
                  {"a/b/c/Deeper", pattern(10, 5)},
                  {"a/b/middle", pattern(100, 6)},
                  {"a/top", {}},
                  {"a/B/other", pattern(70, 7)},
                  {"root", pattern(4100, 8)}}});
  StreamMap siblings;
  for (const char* name : {"b",
                           "B2",
                           "a",
                           "AB",
                           "Ab",
                           "aB",
                           "zz",
                           "_x",
                           "Z",
                           "x",
                           "X",
                           "~",
                           "\x05SummaryInformation",
                           "\x01"
                           "CompObj",
                           "Workbook",
                           "WORKBOOK2",
                           "\xC3\xA9t\xC3\xA9",
                           "\xC3\x89T\xC3\x89",
                           "\xC3\xBF",
                           "\xC3\x9F",
                           "\xD1\x8F\xD0\x91",
                           "\xCE\xB1\xCF\x82",
                           "\xF0\x9F\x98\x80"})
    siblings[name] = pattern(siblings.size() * 37, 9);
  out.push_back({"siblings of many lengths and cases", siblings});
  out.push_back({"names of 31 characters",
                 {{std::string(31, 'n') + "/" + std::string(31, 'M'), pattern(40, 10)},
                  {std::string(30, 'n') + "z", pattern(5000, 11)}}});
  const StreamMap xls = oracle::gsfRead(fileBytes("template.xls"));
  out.push_back({"the template workbook", xls});
  out.push_back({"a workbook without macros", oracle::gsfRead(fileBytes("default.xls"))});
  out.push_back({"the macro project", projectStreams(xls)});
  return out;
}

TEST(CompoundFile, WritesLibgsfsBytesAndReadsAsLibgsfReads) {
  const std::vector<Case> all = cases();
  EXPECT_GT(all.back().streams.size(), 3u);  // the template's macro project was found
  for (const Case& c : all) {
    SCOPED_TRACE(c.what);
    const Bytes ours = writeCompoundFile(c.streams);
    const Bytes theirs = oracle::gsfWrite(c.streams);
    EXPECT_EQ(ours.size(), theirs.size());
    EXPECT_EQ(firstDifference(ours, theirs), theirs.size());
    EXPECT_NO_THROW(EXPECT_EQ(readCompoundFile(ours), c.streams));
    EXPECT_EQ(oracle::gsfRead(ours), c.streams);
    // 4096-byte sectors, which only the reader meets. (For the 7.5 MB stream
    // libgsf lists one FAT sector more than it writes, past the file's end.)
    if (theirs.size() < 1000000) {
      EXPECT_NO_THROW(EXPECT_EQ(readCompoundFile(oracle::gsfWrite(c.streams, 4096)), c.streams));
    }
  }
}

// Offsets below are of this file: "Big" in sectors 0-9, the mini stream
// ("S", two mini sectors) in 10, the mini FAT in 11, the directory in 12
// (Root Entry, Big, S), the FAT in 13; sector n starts at 512 * (n + 1).
Bytes base() {
  return writeCompoundFile({{"Big", pattern(5000, 1)}, {"S", pattern(100, 2)}});
}

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(CompoundFile, RefusesMalformedFiles) {
  constexpr std::size_t kDir = 512 * 13, kFat = 512 * 14;
  constexpr std::size_t kRoot = kDir, kBig = kDir + 128, kShort = kDir + 256;
  StreamMap deep;
  std::string path;
  for (int i = 0; i < 33; ++i) path += "d/";
  deep[path + "s"] = {1};
  struct Malformed {
    const char* what;
    Bytes file;
    const char* message;
  };
  auto patched = [](std::size_t at, std::uint32_t v) {
    Bytes b = base();
    put32(b, at, v);
    return b;
  };
  Bytes truncatedHeader = base();
  truncatedHeader.resize(300);
  Bytes cutInFat = base();
  cutInFat.resize(cutInFat.size() - 100);
  Bytes unknownType = base();
  unknownType[kShort + 0x42] = 3;
  const Malformed cases[] = {
      {"truncated header", truncatedHeader, "it is not a compound file"},
      {"no signature", patched(0, 0), "it is not a compound file"},
      {"sector size", patched(0x1E, 10), "sector size"},
      {"FAT cycle in the directory's chain", patched(kFat + 4 * 12, 12), "loops or crosses"},
      {"two chains share a sector", patched(kFat + 4 * 8, 3), "loops or crosses"},
      {"chain past the end of the file", cutInFat, "past the end of the file"},
      {"sector index out of range", patched(kFat, 1000), "out of range"},
      {"directory start out of range", patched(0x30, 0xFFFFFF), "out of range"},
      {"FAT larger than the file", patched(0x2C, 500), "FAT does not fit"},
      {"directory loop", patched(kBig + 0x48, 2), "directory loops"},
      {"entry index out of range", patched(kBig + 0x48, 40), "entry index is out of range"},
      {"chain shorter than the size", patched(kBig + 0x78, 5200), "shorter than its size"},
      {"stream larger than the file", patched(kBig + 0x78, 0x7FFFFFFF),
       "The stream \"Big\" is larger than the file."},
      {"mini stream past its container", patched(kRoot + 0x78, 64),
       "past the end of the mini stream"},
      {"mini sector out of range", patched(512 * 12, 5000), "mini sector index is out of range"},
      {"neither storage nor stream", unknownType, "neither a storage nor a stream"},
      {"name with a slash", patched(kShort, '/'), "name is not valid"},
      {"storages too deep", writeCompoundFile(deep),
       "The compound file nests its storages too deeply."},
  };
  EXPECT_EQ(readCompoundFile(base()).size(), 2u);
  Bytes narrowName = patched(kShort, 'T' | 'u' << 8);  // "Tu" as 8-bit text
  narrowName[kShort + 0x40] = 3;
  EXPECT_EQ(readCompoundFile(narrowName).count("Tu"), 1u);
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      readCompoundFile(c.file);
      ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace spreadsheet::cfb
