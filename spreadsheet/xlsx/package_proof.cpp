#include "spreadsheet/xlsx/package_proof.h"

#include <zip.h>

#include <memory>
#include <vector>

namespace spreadsheet::xlsx {

namespace {

bool blank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool isXmlPart(std::string_view name) {
  return name.ends_with(".xml") || name.ends_with(".rels") || name.ends_with(".vml");
}

// The end of the markup that starts at `lt` (one past its '>'), or npos when it
// is cut off. Quoted attribute values may hold '>'.
std::size_t markupEnd(std::string_view xml, std::size_t lt) {
  for (const auto& [open, close] : {std::pair{"<?", "?>"}, {"<!--", "-->"}, {"<![CDATA[", "]]>"}})
    if (xml.substr(lt).starts_with(open)) {
      const std::size_t end = xml.find(close, lt);
      return end == std::string_view::npos ? end : end + std::string_view(close).size();
    }
  char quote = 0;
  for (std::size_t at = lt + 1; at < xml.size(); ++at) {
    const char c = xml[at];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return at + 1;
    }
  }
  return std::string_view::npos;
}

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// The entry's bytes, or nullopt when they cannot all be read back; libzip
// checks the declared checksum as the last byte is read.
std::optional<std::string> entryBytes(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
  std::unique_ptr<zip_file_t, EntryCloser> file(zip_fopen_index(archive, index, 0));
  if (!file) return std::nullopt;
  std::string bytes(size, '\0');
  const zip_int64_t read = zip_fread(file.get(), bytes.data(), size);
  char beyond = 0;
  if (read < 0 || static_cast<zip_uint64_t>(read) != size || zip_fread(file.get(), &beyond, 1) != 0)
    return std::nullopt;
  return bytes;
}

}  // namespace

bool completeXml(std::string_view xml) {
  std::vector<std::string_view> open;
  bool rootClosed = false;
  std::size_t at = 0;
  for (;;) {
    const std::size_t lt = xml.find('<', at);
    if (open.empty() && !blank(xml.substr(at, lt == std::string_view::npos ? lt : lt - at)))
      return false;  // text outside the root
    if (lt == std::string_view::npos) break;
    const std::size_t end = markupEnd(xml, lt);
    if (end == std::string_view::npos) return false;
    at = end;
    const std::string_view tag = xml.substr(lt + 1, end - lt - 2);
    if (tag.starts_with('?') || tag.starts_with('!')) continue;
    if (tag.starts_with('/')) {
      const std::string_view name = tag.substr(1, tag.find_last_not_of(" \t\r\n"));
      if (open.empty() || open.back() != name) return false;
      open.pop_back();
      rootClosed = open.empty();
      continue;
    }
    const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
    if (name.empty() || (rootClosed && open.empty())) return false;  // no name, or a second root
    if (tag.ends_with('/'))
      rootClosed = open.empty();
    else
      open.push_back(name);
  }
  return rootClosed && open.empty();
}

std::optional<std::string> packageFault(std::span<const std::uint8_t> package) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
  std::unique_ptr<zip_t, ArchiveCloser> archive(
      source ? zip_open_from_source(source, ZIP_CHECKCONS | ZIP_RDONLY, &error) : nullptr);
  if (!archive) {
    if (source) zip_source_free(source);
    const std::string why = zip_error_strerror(&error);
    zip_error_fini(&error);
    return "the package cannot be opened (" + why + ")";
  }
  zip_error_fini(&error);
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    const auto index = static_cast<zip_uint64_t>(i);
    if (zip_stat_index(archive.get(), index, 0, &st) != 0)
      return "entry " + std::to_string(i) + " of the package cannot be read";
    const std::string name = st.name;
    const std::optional<std::string> bytes = entryBytes(archive.get(), index, st.size);
    if (!bytes) return name + " does not read back as the package declares it";
    if (isXmlPart(name) && !completeXml(*bytes)) return name + " is cut short";
  }
  return std::nullopt;
}

}  // namespace spreadsheet::xlsx
