#include "spreadsheet/xlsx/package_parts.h"

#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xlsx {

namespace {

[[noreturn]] void failed(const std::string& what) {
  throw Error("Cannot write the workbook: " + what + ".");
}

struct SourceFree {
  void operator()(zip_source_t* s) const { zip_source_free(s); }
};

std::string readEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t size,
                      const std::string& name) {
  std::string text(size, '\0');
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  const zip_int64_t read = file ? zip_fread(file, text.data(), size) : -1;
  if (file) zip_fclose(file);
  if (read < 0 || static_cast<zip_uint64_t>(read) != size) failed("cannot read " + name);
  return text;
}

// Replaces one part of the open archive; the new text must outlive the archive.
void replacePart(zip_t* archive, const std::string& name, const PartRewrite& rewrite,
                 std::deque<std::string>& texts) {
  zip_stat_t st;
  const zip_int64_t index = zip_name_locate(archive, name.c_str(), 0);
  if (index < 0 || zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st) != 0)
    failed("the package has no " + name);
  texts.push_back(rewrite(readEntry(archive, st.index, st.size, name)));
  zip_source_t* data = zip_source_buffer(archive, texts.back().data(), texts.back().size(), 0);
  if (!data || zip_file_replace(archive, st.index, data, 0) != 0 ||
      zip_file_set_mtime(archive, st.index, st.mtime, 0) != 0) {
    if (data) zip_source_free(data);
    failed("cannot replace " + name);
  }
}

}  // namespace

std::vector<std::uint8_t> rewriteParts(
    const std::vector<std::uint8_t>& package,
    const std::vector<std::pair<std::string, PartRewrite>>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  // The rewrite frees the data it started from, so it gets a malloc'd copy of its own.
  void* copy = std::malloc(package.size());
  if (!copy) failed("out of memory");
  std::memcpy(copy, package.data(), package.size());
  std::unique_ptr<zip_source_t, SourceFree> buffer(
      zip_source_buffer_create(copy, package.size(), 1, &error));
  if (!buffer) std::free(copy);
  zip_t* archive = buffer ? zip_open_from_source(buffer.get(), 0, &error) : nullptr;
  if (!archive) failed("cannot reopen the package");
  zip_source_keep(buffer.get());
  std::deque<std::string> texts;  // alive until the archive is closed
  try {
    for (const auto& [name, rewrite] : parts) replacePart(archive, name, rewrite, texts);
  } catch (...) {
    zip_discard(archive);
    throw;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    failed("cannot finish the package");
  }
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_stat(buffer.get(), &st) != 0 || zip_source_open(buffer.get()) != 0)
    failed("cannot read the finished package");
  std::vector<std::uint8_t> out(static_cast<std::size_t>(st.size));
  const zip_int64_t read = zip_source_read(buffer.get(), out.data(), st.size);
  zip_source_close(buffer.get());
  if (read < 0 || static_cast<zip_uint64_t>(read) != st.size)
    failed("cannot read the finished package");
  return out;
}

}  // namespace spreadsheet::xlsx
