#include "spreadsheet/xls/protection_records.h"

#include "spreadsheet/xls/sheet_records.h"

namespace spreadsheet::xls {

void writeSheetProtection(RecordWriter& out) {
  writeU16Record(out, kProtect, 1);
  writeU16Record(out, kScenProtect, 1);
  writeU16Record(out, kObjProtect, 1);
  writeU16Record(out, kPassword, 0);  // the hash of no password
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
