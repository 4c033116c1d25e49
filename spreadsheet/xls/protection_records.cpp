#include "spreadsheet/xls/protection_records.h"

namespace spreadsheet::xls {

namespace {
void writeFlag(RecordWriter& out, std::uint16_t id, unsigned v) {
  out.record(id, 2, [&](ByteWriter& b) { b.u16(v); });
}
}  // namespace

void writeSheetProtection(RecordWriter& out) {
  writeFlag(out, kProtect, 1);
  writeFlag(out, kScenProtect, 1);
  writeFlag(out, kObjProtect, 1);
  writeFlag(out, kPassword, 0);  // the hash of no password
}

bool readProtectFlag(ByteReader in) {
  const unsigned v = in.u16();
  if (v > 1) in.fail("a protection flag must be 0 or 1");
  in.expectEnd();
  return v == 1;
}

void readPassword(ByteReader in) {
  if (in.u16() != 0) in.fail("a sheet protected with a password cannot be opened here");
  in.expectEnd();
}

}  // namespace spreadsheet::xls
