#pragma once
#include <cstdio>
#include <string>

namespace spreadsheet::xlsx {

// While one lives, what libxlsxwriter prints to standard error (its own
// "[ERROR][file.c:123]: ..." lines) is kept here instead: our own message says
// what failed, in words of the program. One thread writes workbooks at a time.
class LibraryMessages {
 public:
  LibraryMessages();
  ~LibraryMessages();
  LibraryMessages(const LibraryMessages&) = delete;
  LibraryMessages& operator=(const LibraryMessages&) = delete;

  // The system's reason the library gave, such as "No space left on device",
  // or "" when it gave none.
  std::string systemError();

 private:
  FILE* before_ = nullptr;
  FILE* kept_ = nullptr;
  char* text_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace spreadsheet::xlsx
