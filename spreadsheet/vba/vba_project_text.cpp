#include "spreadsheet/vba/vba_project_text.h"

#include <cstdint>
#include <string>

#include "spreadsheet/vba/vba_obfuscation.h"

namespace spreadsheet::vba {
namespace {

// Fixed seeds keep the output deterministic; any seed is valid.
constexpr std::uint8_t kProtectionSeed = 0x1A;
constexpr std::uint8_t kPasswordSeed = 0x2C;
constexpr std::uint8_t kVisibilitySeed = 0x3E;

std::string scrambled(std::vector<std::uint8_t> data, std::uint8_t seed) {
  return hexText(obfuscate(data, kProjectClassId, seed));
}

}  // namespace

std::vector<unsigned char> projectStreamText(const std::vector<MacroModule>& modules) {
  std::string text = "ID=\"" + std::string(kProjectClassId) + "\"\r\n";
  for (const MacroModule& m : modules)
    text += m.document ? "Document=" + m.name + "/&H00000000\r\n" : "Module=" + m.name + "\r\n";
  text += "Name=\"VBAProject\"\r\n";
  text += "HelpContextID=\"0\"\r\n";
  text += "VersionCompatible32=\"393222000\"\r\n";
  // No protection (four zero bytes), no password (one zero byte), visible (0xFF).
  text += "CMG=\"" + scrambled({0, 0, 0, 0}, kProtectionSeed) + "\"\r\n";
  text += "DPB=\"" + scrambled({0}, kPasswordSeed) + "\"\r\n";
  text += "GC=\"" + scrambled({0xFF}, kVisibilitySeed) + "\"\r\n";
  text += "\r\n[Host Extender Info]\r\n";
  text += "&H00000001={3832D640-CF90-11CF-8E43-00A0C911005A};VBE;&H00000000\r\n";
  text += "\r\n[Workspace]\r\n";
  for (const MacroModule& m : modules) text += m.name + "=0, 0, 0, 0, C\r\n";
  return {text.begin(), text.end()};
}

std::vector<unsigned char> projectNameMap(const std::vector<MacroModule>& modules) {
  std::vector<unsigned char> out;
  for (const MacroModule& m : modules) {
    out.insert(out.end(), m.name.begin(), m.name.end());
    out.push_back(0);
    for (char c : m.name) {
      out.push_back(static_cast<unsigned char>(c));
      out.push_back(0);
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

}  // namespace spreadsheet::vba
