#include "spreadsheet/xls/workbook_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/compound_file.h"
#include "spreadsheet/xls/writer_context.h"

namespace spreadsheet::xls {

namespace {

const char* const kWorkbookStream = "Workbook";
constexpr std::size_t kMinimumStream = 4096;

std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string leafOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void saveFailed(const std::string& path, int err) {
  throw Error("Cannot save the workbook as \"" + path + "\": " + std::strerror(err) + ".");
}

// A new file beside the target that no one else is using.
int createTemporary(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folderOf(path) + "/." + leafOf(path) + "." + std::to_string(::getpid()) + "." +
               std::to_string(counter++) + ".tmp";
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> writeWorkbook(const Workbook& book) {
  if (book.sheetCount() == 0)
    throw Error("A workbook must contain at least one visible worksheet.");
  checkFileLimits(book);
  WriterContext ctx(book);
  RecordWriter out;
  std::vector<std::size_t> offsetFields;
  writeGlobals(out, ctx, offsetFields);
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    out.patchU32(offsetFields[i], static_cast<std::uint32_t>(out.position()));
    writeSheet(out, ctx, i);
  }
  StreamMap streams;
  std::vector<std::uint8_t>& stream = streams[kWorkbookStream] = out.takeBytes();
  // A short Workbook stream would go to the compound file's mini stream, which
  // some readers handle badly; zeros after the last EOF are never read.
  if (stream.size() < kMinimumStream) stream.resize(kMinimumStream, 0);
  if (book.macroProject()) {
    for (const auto& [path, data] : book.macroProject()->streams) {
      if (streams.count(path))
        throw Error("The macro project holds a stream named \"" + path + "\", which is taken.");
      streams[path] = data;
    }
  }
  return writeCompoundFile(streams);
}

void saveWorkbook(const Workbook& book, const std::string& path) {
  if (path.empty() || path.back() == '/')
    throw Error("Cannot save the workbook: the file name is missing.");
  std::vector<std::uint8_t> bytes = writeWorkbook(book);  // refuses before the disk is touched
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) saveFailed(path, EISDIR);
  std::string temp;
  int fd = createTemporary(path, temp);
  if (fd < 0) saveFailed(path, errno);
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    saveFailed(path, err);
  }
}

std::unique_ptr<Workbook> openWorkbook(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0)
    throw Error("'" + path +
                "' could not be found. Check the spelling of the file name, and verify that the "
                "file location is correct.");
  if (S_ISDIR(st.st_mode)) throw Error("'" + path + "' is a folder, not a workbook.");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("Cannot open '" + path + "': " + std::strerror(errno) + ".");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw Error("Cannot read '" + path + "'.");
  if (bytes.empty()) throw Error("'" + path + "' is empty and is not an Excel 97-2003 workbook.");
  return readWorkbook(bytes);
}

}  // namespace spreadsheet::xls
