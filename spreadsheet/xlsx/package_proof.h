#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace spreadsheet::xlsx {

// What is wrong with a zip package of XML parts, or nullopt when it is whole:
// the archive consistent, every entry read back in full with the size and
// checksum the archive declares, and every XML part (.xml, .rels, .vml) a
// complete document. A writer that does not notice its own short writes
// leaves parts that fail here.
std::optional<std::string> packageFault(std::span<const std::uint8_t> package);

// Whether `text` is one complete XML element tree: every tag closed in order,
// one root, nothing but markup and blanks around it. Not a validating parser:
// it proves that nothing was cut off or left out.
bool completeXml(std::string_view text);

}  // namespace spreadsheet::xlsx
