// The reader of compound files, through libgsf.
#include "spreadsheet/cfb/compound_file.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

namespace {

struct Unref {
  void operator()(void* p) const {
    if (p) g_object_unref(p);
  }
};
template <class T>
using GPtr = std::unique_ptr<T, Unref>;

void initGsf() {
  static std::once_flag once;
  std::call_once(once, [] { gsf_init(); });
}

// While alive, the library's log messages (warnings, failed assertions on a
// malformed file) are kept here instead of going to standard error: the
// reader's own error tells the user what is wrong.
class GsfMessages {
 public:
  GsfMessages() : previous_(g_log_set_default_handler(&GsfMessages::keep, this)) {}
  ~GsfMessages() { g_log_set_default_handler(previous_, nullptr); }
  GsfMessages(const GsfMessages&) = delete;
  GsfMessages& operator=(const GsfMessages&) = delete;
  bool assertionFailed() const { return assertionFailed_; }
  const std::string& first() const { return first_; }

 private:
  static void keep(const gchar*, GLogLevelFlags level, const gchar* message, gpointer self) {
    auto* me = static_cast<GsfMessages*>(self);
    if (me->first_.empty() && message) me->first_ = message;
    if (level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR)) me->assertionFailed_ = true;
  }
  GLogFunc previous_;
  std::string first_;
  bool assertionFailed_ = false;
};

void readFolder(GsfInfile* in, const std::string& prefix, std::size_t limit, StreamMap& out,
                int depth) {
  if (depth > 32) throw Error("The compound file nests its storages too deeply.");
  int n = gsf_infile_num_children(in);
  for (int i = 0; i < n; ++i) {
    const char* rawName = gsf_infile_name_by_index(in, i);
    GPtr<GsfInput> child(gsf_infile_child_by_index(in, i));
    if (!rawName || !child) throw Error("The compound file has an unreadable directory entry.");
    std::string path = prefix + rawName;
    // Storages report a child count; streams report -1.
    if (GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0) {
      readFolder(GSF_INFILE(child.get()), path + "/", limit, out, depth + 1);
      continue;
    }
    gsf_off_t size = gsf_input_size(child.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > limit)
      throw Error("The stream \"" + path + "\" is larger than the file.");
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    if (size > 0 && !gsf_input_read(child.get(), data.size(), data.data()))
      throw Error("The stream \"" + path + "\" could not be read.");
    out[path] = std::move(data);
  }
}

}  // namespace

StreamMap readCompoundFile(std::span<const std::uint8_t> bytes) {
  static const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  if (bytes.size() < 512 || !std::equal(signature, signature + 8, bytes.begin()))
    throw Error("The file is not an Excel 97-2003 workbook: it is not a compound file.");
  initGsf();
  const GsfMessages messages;
  GPtr<GsfInput> input(
      gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE));
  GError* err = nullptr;
  GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &err));
  if (!ole) {
    std::string why = err && err->message ? err->message : "unknown reason";
    if (err) g_error_free(err);
    throw Error("The compound file could not be read: " + why);
  }
  StreamMap streams;
  readFolder(ole.get(), "", bytes.size(), streams, 0);
  // A failed assertion inside the library means what it gave back is not to be trusted.
  if (messages.assertionFailed())
    throw Error("The compound file could not be read: " + messages.first());
  return streams;
}

}  // namespace spreadsheet::cfb
