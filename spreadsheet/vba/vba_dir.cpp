#include "spreadsheet/vba/vba_dir.h"

#include <algorithm>
#include <string_view>

#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::vba {
namespace {

// Record ids of the dir stream.
constexpr std::uint16_t kSysKind = 0x0001;
constexpr std::uint16_t kLcid = 0x0002;
constexpr std::uint16_t kCodePage = 0x0003;
constexpr std::uint16_t kName = 0x0004;
constexpr std::uint16_t kDocString = 0x0005;
constexpr std::uint16_t kHelpFilePath = 0x0006;
constexpr std::uint16_t kHelpContext = 0x0007;
constexpr std::uint16_t kLibFlags = 0x0008;
constexpr std::uint16_t kVersion = 0x0009;
constexpr std::uint16_t kConstants = 0x000C;
constexpr std::uint16_t kReferenceRegistered = 0x000D;
constexpr std::uint16_t kModules = 0x000F;
constexpr std::uint16_t kEnd = 0x0010;
constexpr std::uint16_t kProjectCookie = 0x0013;
constexpr std::uint16_t kLcidInvoke = 0x0014;
constexpr std::uint16_t kReferenceName = 0x0016;
constexpr std::uint16_t kModuleName = 0x0019;
constexpr std::uint16_t kModuleStreamName = 0x001A;
constexpr std::uint16_t kModuleDocString = 0x001C;
constexpr std::uint16_t kModuleHelpContext = 0x001E;
constexpr std::uint16_t kModuleStandard = 0x0021;
constexpr std::uint16_t kModuleDocument = 0x0022;
constexpr std::uint16_t kModuleEnd = 0x002B;
constexpr std::uint16_t kModuleCookie = 0x002C;
constexpr std::uint16_t kModuleOffset = 0x0031;
constexpr std::uint16_t kModuleStreamNameUnicode = 0x0032;
constexpr std::uint16_t kConstantsUnicode = 0x003C;
constexpr std::uint16_t kHelpFilePath2 = 0x003D;
constexpr std::uint16_t kReferenceNameUnicode = 0x003E;
constexpr std::uint16_t kDocStringUnicode = 0x0040;
constexpr std::uint16_t kModuleNameUnicode = 0x0047;
constexpr std::uint16_t kModuleDocStringUnicode = 0x0048;

constexpr std::uint32_t kWin32 = 1;
constexpr std::uint16_t kNoCookie = 0xFFFF;

class RecordWriter {
 public:
  void u16(std::uint16_t v) { out_.u16(v); }
  void u32(std::uint32_t v) { out_.u32(v); }
  void bytes(std::string_view s) { out_.text(s); }

  void record16(std::uint16_t id, std::uint16_t value) {
    u16(id);
    u32(2);
    u16(value);
  }
  void record32(std::uint16_t id, std::uint32_t value) {
    u16(id);
    u32(4);
    u32(value);
  }
  void text(std::uint16_t id, std::string_view s) {
    u16(id);
    u32(static_cast<std::uint32_t>(s.size()));
    bytes(s);
  }
  // Names here are plain ASCII, so their UTF-16 form is each byte plus a zero.
  void unicodeText(std::uint16_t id, std::string_view s) {
    u16(id);
    u32(static_cast<std::uint32_t>(s.size() * 2));
    for (char c : s) u16(static_cast<std::uint8_t>(c));
  }
  void textPair(std::uint16_t id, std::uint16_t unicodeId, std::string_view s) {
    text(id, s);
    unicodeText(unicodeId, s);
  }
  void marker(std::uint16_t id) {
    u16(id);
    u32(0);
  }
  std::vector<std::uint8_t> take() { return out_.take(); }

 private:
  bytes::Writer out_;
};

void writeInformation(RecordWriter& w, const DirInfo& info) {
  w.record32(kSysKind, kWin32);
  w.record32(kLcid, info.lcid);
  w.record32(kLcidInvoke, info.lcid);
  w.record16(kCodePage, info.codePage);
  w.text(kName, info.projectName);
  w.textPair(kDocString, kDocStringUnicode, "");
  w.textPair(kHelpFilePath, kHelpFilePath2, "");
  w.record32(kHelpContext, 0);
  w.record32(kLibFlags, 0);
  // The version record's size field is fixed at 4 although 6 bytes follow.
  w.u16(kVersion);
  w.u32(4);
  w.u32(1);
  w.u16(0);
  w.textPair(kConstants, kConstantsUnicode, "");
}

void writeReference(RecordWriter& w, const DirReference& ref) {
  w.textPair(kReferenceName, kReferenceNameUnicode, ref.name);
  w.u16(kReferenceRegistered);
  w.u32(static_cast<std::uint32_t>(4 + ref.libid.size() + 4 + 2));
  w.u32(static_cast<std::uint32_t>(ref.libid.size()));
  w.bytes(ref.libid);
  w.u32(0);
  w.u16(0);
}

void writeModule(RecordWriter& w, const DirModule& m) {
  w.text(kModuleName, m.name);
  w.unicodeText(kModuleNameUnicode, m.name);
  w.textPair(kModuleStreamName, kModuleStreamNameUnicode, m.streamName);
  w.textPair(kModuleDocString, kModuleDocStringUnicode, "");
  w.record32(kModuleOffset, m.textOffset);
  w.record32(kModuleHelpContext, 0);
  w.record16(kModuleCookie, kNoCookie);
  w.marker(m.document ? kModuleDocument : kModuleStandard);
  w.marker(kModuleEnd);
}

struct Record {
  std::uint16_t id;
  std::span<const std::uint8_t> data;
};

[[noreturn]] void dirFailure(std::uint32_t, std::size_t offset, std::string_view) {
  throw Error("Malformed dir stream: record runs past the end at offset " +
              std::to_string(offset));
}

class RecordReader {
 public:
  explicit RecordReader(std::span<const std::uint8_t> in) : in_(in, 0, &dirFailure) {}
  bool atEnd() const { return in_.atEnd(); }
  std::size_t offset() const { return in_.offset(); }

  Record next() {
    if (in_.remaining() < 6) in_.fail("");  // the failure names the record's start
    const std::uint16_t id = in_.u16();
    std::uint32_t size = in_.u32();
    // The version record's size field says 4 although 6 bytes follow.
    if (id == kVersion) size = 6;
    return {id, in_.take(size)};
  }

 private:
  bytes::Reader in_;
};

// A record's value: its first bytes as a number, however few it has.
std::uint32_t number(const Record& r) {
  std::uint8_t value[4] = {};
  std::copy_n(r.data.begin(), std::min<std::size_t>(r.data.size(), 4), value);
  return bytes::Reader(value).u32();
}

std::string text(const Record& r) {
  return std::string(r.data.begin(), r.data.end());
}

// The registered library text sits after its own 4-byte length.
std::string libidOf(const Record& r) {
  const std::uint32_t size = number(r);
  if (r.data.size() < 4 || r.data.size() - 4 < size)
    throw Error("Malformed dir stream: reference longer than its record");
  return std::string(r.data.begin() + 4, r.data.begin() + 4 + size);
}

}  // namespace

std::vector<std::uint8_t> encodeDirRecords(const DirInfo& info) {
  RecordWriter w;
  writeInformation(w, info);
  for (const DirReference& ref : info.references) writeReference(w, ref);
  w.record16(kModules, static_cast<std::uint16_t>(info.modules.size()));
  w.record16(kProjectCookie, kNoCookie);
  for (const DirModule& m : info.modules) writeModule(w, m);
  w.marker(kEnd);
  return w.take();
}

DirInfo decodeDirRecords(std::span<const std::uint8_t> records) {
  DirInfo info;
  info.references.clear();
  RecordReader reader(records);
  std::string pendingReference;
  while (!reader.atEnd()) {
    const Record r = reader.next();
    switch (r.id) {
      case kLcid:
        info.lcid = number(r);
        break;
      case kCodePage:
        info.codePage = static_cast<std::uint16_t>(number(r));
        break;
      case kName:
        info.projectName = text(r);
        break;
      case kReferenceName:
        pendingReference = text(r);
        break;
      case kReferenceRegistered:
        info.references.push_back({pendingReference, libidOf(r)});
        pendingReference.clear();
        break;
      case kModuleName:
        info.modules.push_back({text(r), "", false, 0});
        break;
      case kModuleStreamName:
        if (!info.modules.empty()) info.modules.back().streamName = text(r);
        break;
      case kModuleOffset:
        if (!info.modules.empty()) info.modules.back().textOffset = number(r);
        break;
      case kModuleDocument:
        if (!info.modules.empty()) info.modules.back().document = true;
        break;
      case kEnd:
        return info;
      default:
        break;
    }
  }
  throw Error("Malformed dir stream: no terminator before offset " +
              std::to_string(reader.offset()));
}

}  // namespace spreadsheet::vba
