#include "spreadsheet/ods/zip_package.h"

#include <zip.h>

#include <memory>

#include "spreadsheet/model/error.h"

namespace spreadsheet::ods {

namespace {

// 2000-01-01 00:00 local time in the entries' DOS time fields.
constexpr time_t kFixedTime = 946684800;

[[noreturn]] void failed(const std::string& what, const char* reason) {
  throw Error("Cannot write the workbook: " + what + " (" + (reason ? reason : "zip error") + ").");
}

struct SourceFree {
  void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

}  // namespace

void ZipPackage::add(std::string path, std::string bytes, Compression compression) {
  entries_.push_back({std::move(path), std::move(bytes), compression});
}

std::vector<std::uint8_t> ZipPackage::bytes() const {
  zip_error_t error;
  zip_error_init(&error);
  SourceHandle buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!buffer) failed("cannot start the zip package", zip_error_strerror(&error));
  zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
  if (!archive) failed("cannot start the zip package", zip_error_strerror(&error));
  // The archive's close would free the source; the bytes are read after it.
  zip_source_keep(buffer.get());
  for (const Entry& e : entries_) {
    zip_source_t* data =
        zip_source_buffer(archive, e.bytes.data(), static_cast<zip_uint64_t>(e.bytes.size()), 0);
    const zip_int64_t index =
        data ? zip_file_add(archive, e.path.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (data) zip_source_free(data);
      const std::string reason = zip_strerror(archive);
      zip_discard(archive);
      failed("cannot add " + e.path, reason.c_str());
    }
    const auto i = static_cast<zip_uint64_t>(index);
    const zip_int32_t method = e.compression == Compression::Stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    if (zip_set_file_compression(archive, i, method, 0) != 0 ||
        zip_file_set_mtime(archive, i, kFixedTime, 0) != 0) {
      const std::string reason = zip_strerror(archive);
      zip_discard(archive);
      failed("cannot add " + e.path, reason.c_str());
    }
  }
  if (zip_close(archive) != 0) {
    const std::string reason = zip_strerror(archive);
    zip_discard(archive);
    failed("cannot finish the zip package", reason.c_str());
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0)
    failed("cannot read the zip package", zip_error_strerror(zip_source_error(buffer.get())));
  std::vector<std::uint8_t> out(static_cast<std::size_t>(stat.size));
  const zip_int64_t read = zip_source_read(buffer.get(), out.data(), stat.size);
  zip_source_close(buffer.get());
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
    failed("cannot read the zip package", nullptr);
  return out;
}

}  // namespace spreadsheet::ods
