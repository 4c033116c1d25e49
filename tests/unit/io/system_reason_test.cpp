// The words every message gives for a failure of the system.
#include "spreadsheet/io/system_reason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <stdexcept>

namespace spreadsheet::io {
namespace {

TEST(SystemReason, EachErrnoHasTheUsersWordsAndAnyOtherTheSystemsText) {
  const struct {
    int errnoValue;
    const char* words;
  } cases[] = {
      {ENAMETOOLONG, "File name too long"},
      {EMFILE, "Too many open files"},
      {EFBIG, "File too large"},
      {ENOMEM, "Out of memory"},  // not the C library's "Cannot allocate memory"
      {ENOSPC, "No space left on device"},
      {EDQUOT, "No space left on device"},
      {EACCES, "Permission denied"},
      {EPERM, "Permission denied"},
      {EROFS, "Read-only file system"},
      {ENOENT, "No such file or directory"},
      {EISDIR, "Is a directory"},
      {ELOOP, "Too many levels of symbolic links"},
  };
  for (const auto& c : cases) EXPECT_EQ(systemReasonText(c.errnoValue), c.words) << c.errnoValue;
}

TEST(SystemReason, AFailureIsNamedInOneLineWithItsFile) {
  EXPECT_EQ(failureReasonText(std::bad_alloc()), "Out of memory");
  EXPECT_EQ(failureReasonText(std::runtime_error("first\nsecond")), "first");
  EXPECT_EQ(fileFailureText("Cannot write", "/t/a.xls", EFBIG),
            "Cannot write \"/t/a.xls\": File too large.");
  EXPECT_EQ(fileFailureText("Cannot read", "/t/a\nb\x7f\tc.xls", "it is empty"),
            "Cannot read \"/t/a\\nb\\x7F\\tc.xls\": it is empty.");
  EXPECT_EQ(oneLineText("caf\xC3\xA9\r"), "caf\xC3\xA9\\x0D");  // UTF-8 kept as it is
  // Values are cut after 80 characters, not inside one.
  std::string e81, e80;
  for (int i = 0; i < 81; ++i) (i < 80 ? e80 : e81) += "\xC3\xA9";
  EXPECT_EQ(shownValueText(e80 + e81), e80 + "... (162 bytes)");
  EXPECT_EQ(shownValueText(e80), e80);
}

}  // namespace
}  // namespace spreadsheet::io
