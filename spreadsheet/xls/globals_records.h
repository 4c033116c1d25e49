#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kWindow1 = 0x003D;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kSupBook = 0x01AE;
inline constexpr std::uint16_t kExternSheet = 0x0017;
inline constexpr std::uint16_t kName = 0x0018;
inline constexpr std::uint16_t kCodeName = 0x01BA;
inline constexpr std::uint16_t kObjProj = 0x00D3;

enum class SubstreamType : std::uint16_t { Globals = 0x0005, Worksheet = 0x0010 };

void writeBof(RecordWriter& out, SubstreamType type);
SubstreamType readBof(ByteReader in);  // Error for anything but a BIFF8 globals or worksheet BOF
void writeEof(RecordWriter& out);

void writeCodePage(RecordWriter& out);  // UTF-16
void writeWindow1(RecordWriter& out);
void writeDateMode(RecordWriter& out);  // the 1900 date system

// Returns the stream position of the substream offset, patched once the sheet is written.
std::size_t writeBoundSheet(RecordWriter& out, const std::string& name);
struct BoundSheet {
  std::uint32_t offset = 0;
  std::string name;
  std::size_t recordOffset = 0;  // where the BOUNDSHEET itself stands, for error messages
};
BoundSheet readBoundSheet(ByteReader in);

// The SUPBOOK that stands for this workbook itself.
void writeSelfSupBook(RecordWriter& out, unsigned sheetCount);
void readSupBook(ByteReader in);  // Error for links to other workbooks

// One EXTERNSHEET entry: a SUPBOOK and a sheet span (0xFFFE: the workbook itself).
struct Xti {
  std::uint16_t supBook = 0;
  std::uint16_t firstSheet = 0;
  std::uint16_t lastSheet = 0;
  bool operator==(const Xti&) const = default;
};
inline constexpr std::uint16_t kWorkbookLevel = 0xFFFE;
void writeExternSheet(RecordWriter& out, const std::vector<Xti>& entries);
std::vector<Xti> readExternSheet(ByteReader in);

// A NAME record. Built-in names keep their one-character code as text.
inline constexpr std::uint16_t kNameBuiltIn = 0x0020;
inline constexpr std::uint16_t kNameMacro = 0x000C;  // a VBA procedure: fProc + fOB
inline constexpr char kPrintAreaCode = 0x06;
struct NameRecord {
  std::uint16_t flags = 0;
  std::uint16_t sheet = 0;  // 1-based sheet of a local name, 0 for the workbook
  std::string text;
  std::vector<std::uint8_t> tokens;
  std::size_t tokensOffset = 0;  // stream offset of the tokens, for error messages
};
void writeName(RecordWriter& out, const NameRecord& name);
NameRecord readName(ByteReader in);

void writeCodeName(RecordWriter& out, const std::string& name);
std::string readCodeName(ByteReader in);
void writeObjProj(RecordWriter& out);

}  // namespace spreadsheet::xls
