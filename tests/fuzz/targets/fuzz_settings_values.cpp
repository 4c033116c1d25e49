// libFuzzer entry: the stored choices as the settings file gives them back.
// The input is the text of each key in turn, one line per key; any text loads
// or is refused with a ChoiceError, never a crash.
#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string_view>

#include "generator/options.h"
#include "platform/settings_store.h"

namespace {

// A store whose n-th key read gets the n-th line of the input.
class LineStore : public platform::SettingsStore {
 public:
  explicit LineStore(std::string_view text) : text_(text) {}
  QString read(const QString&, const QString&, const QString&, const QString& def) override {
    if (text_.empty()) return def;
    const auto end = text_.find('\n');
    const std::string_view line = text_.substr(0, end);
    text_ = end == std::string_view::npos ? std::string_view{} : text_.substr(end + 1);
    if (line == "\x01") return def;  // the key is absent
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  }
  void write(const QString&, const QString&, const QString&, const QString&) override {}

 private:
  std::string_view text_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    generator::truthFromText(text);
  } catch (const generator::ChoiceError&) {
  }
  try {
    generator::numberFromText(text);
  } catch (const generator::ChoiceError&) {
  }
  LineStore store(text);
  generator::ChoiceState controls;
  try {
    generator::LoadChoices(controls, store);
  } catch (const std::runtime_error&) {
  }
  return 0;
}
