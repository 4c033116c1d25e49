// libgsf's MS-OLE writer and reader driven as the engine drove them before it
// had a compound file of its own: the reference our writer must match.
#include "gsf_oracle.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb::oracle {

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

// The folder tree of the stream paths, so each storage is made once.
struct Folder {
  std::map<std::string, Folder> folders;
  std::map<std::string, const std::vector<std::uint8_t>*> streams;
};

Folder buildTree(const StreamMap& streams) {
  Folder root;
  for (const auto& [path, data] : streams) {
    Folder* f = &root;
    std::size_t start = 0;
    for (std::size_t slash; (slash = path.find('/', start)) != std::string::npos;
         start = slash + 1) {
      std::string part = path.substr(start, slash - start);
      if (part.empty()) throw Error("The stream path \"" + path + "\" is not valid.");
      f = &f->folders[part];
    }
    std::string leaf = path.substr(start);
    if (leaf.empty() || leaf.size() > 31)
      throw Error("The stream path \"" + path + "\" is not valid.");
    f->streams[leaf] = &data;
  }
  return root;
}

void writeFolder(GsfOutfile* out, const Folder& folder) {
  for (const auto& [name, sub] : folder.folders) {
    if (name.size() > 31 || folder.streams.count(name))
      throw Error("The storage \"" + name + "\" is not valid.");
    GPtr<GsfOutput> child(gsf_outfile_new_child(out, name.c_str(), TRUE));
    if (!child) throw Error("The storage \"" + name + "\" could not be created.");
    writeFolder(GSF_OUTFILE(child.get()), sub);
    gsf_output_close(child.get());
  }
  for (const auto& [name, data] : folder.streams) {
    GPtr<GsfOutput> child(gsf_outfile_new_child(out, name.c_str(), FALSE));
    if (!child) throw Error("The stream \"" + name + "\" could not be created.");
    bool ok = data->empty() || gsf_output_write(child.get(), data->size(), data->data());
    if (!gsf_output_close(child.get()) || !ok)
      throw Error("The stream \"" + name + "\" could not be written.");
  }
}

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

std::vector<std::uint8_t> gsfWrite(const StreamMap& streams, unsigned sectorSize) {
  initGsf();
  Folder root = buildTree(streams);
  GPtr<GsfOutput> sink(gsf_output_memory_new());
  {
    GPtr<GsfOutfile> ole(gsf_outfile_msole_new_full(sink.get(), sectorSize, 64));
    if (!ole) throw Error("The compound file could not be created.");
    writeFolder(ole.get(), root);
    if (!gsf_output_close(GSF_OUTPUT(ole.get())))
      throw Error("The compound file could not be written.");
  }
  gsf_off_t size = gsf_output_size(sink.get());
  const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
  return std::vector<std::uint8_t>(data, data + size);  // closing the compound file closed the sink
}

StreamMap gsfRead(std::span<const std::uint8_t> bytes) {
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

}  // namespace spreadsheet::cfb::oracle
