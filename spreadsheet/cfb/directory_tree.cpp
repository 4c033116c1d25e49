#include "spreadsheet/cfb/directory_tree.h"

#include <algorithm>
#include <map>

#include "spreadsheet/cfb/entry_name.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

namespace {

struct Folder {
  std::map<std::string, Folder> folders;
  std::map<std::string, const std::vector<std::uint8_t>*> streams;
};

// Stored names hold at most 31 UTF-8 bytes, so at most 31 UTF-16 units.
constexpr std::size_t kMaxNameBytes = kMaxNameUnits;

Folder folderTree(const StreamMap& streams) {
  Folder root;
  for (const auto& [path, data] : streams) {
    const auto invalid = [&path = path] {
      return Error("The stream path \"" + path + "\" is not valid.");
    };
    if (!utf16Name(path)) throw invalid();
    Folder* f = &root;
    std::size_t start = 0;
    for (std::size_t slash; (slash = path.find('/', start)) != std::string::npos;
         start = slash + 1) {
      if (slash == start) throw invalid();
      f = &f->folders[path.substr(start, slash - start)];
    }
    std::string leaf = path.substr(start);
    if (leaf.empty() || leaf.size() > kMaxNameBytes) throw invalid();
    f->streams[leaf] = &data;
  }
  return root;
}

class DirectoryBuilder {
 public:
  std::vector<DirectoryEntry> build(const Folder& root) {
    entries_.push_back({u"Root Entry", kRootType});
    addChildren(0, root);
    return std::move(entries_);
  }

 private:
  void addChildren(std::uint32_t parent, const Folder& folder) {
    std::vector<std::uint32_t> children;
    for (const auto& [name, sub] : folder.folders) {
      if (name.size() > kMaxNameBytes || folder.streams.count(name))
        throw Error("The storage \"" + name + "\" is not valid.");
      children.push_back(add(name, kStorageType, nullptr));
      addChildren(children.back(), sub);
    }
    for (const auto& [name, data] : folder.streams)
      children.push_back(add(name, kStreamType, data));
    link(parent, children);
  }

  std::uint32_t add(const std::string& name, std::uint8_t type,
                    const std::vector<std::uint8_t>* data) {
    entries_.push_back({*utf16Name(name), type, data});
    return static_cast<std::uint32_t>(entries_.size() - 1);
  }

  // Siblings in name order; of two equal names, the later made comes first.
  void link(std::uint32_t parent, std::vector<std::uint32_t>& children) {
    std::sort(children.begin(), children.end(), [&](std::uint32_t a, std::uint32_t b) {
      const int order = compareEntryNames(entries_[a].name, entries_[b].name);
      return order != 0 ? order < 0 : a > b;
    });
    if (!children.empty()) entries_[parent].child = children.front();
    for (std::size_t i = 1; i < children.size(); ++i) entries_[children[i - 1]].right = children[i];
  }

  std::vector<DirectoryEntry> entries_;
};

}  // namespace

std::vector<DirectoryEntry> buildDirectory(const StreamMap& streams) {
  return DirectoryBuilder().build(folderTree(streams));
}

}  // namespace spreadsheet::cfb
