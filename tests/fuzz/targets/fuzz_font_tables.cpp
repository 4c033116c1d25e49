// libFuzzer entry: a font file as a printed page opens it. Any input gives a
// face or throws Error; a face shapes and sizes any text without a bad read.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/shaping_face.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace spreadsheet;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  try {
    const pdf::ShapingFace face(bytes);
    for (int pixels : {1, 200, 480}) {
      (void)face.metrics(pixels);
      (void)face.shape(QStringLiteral("AVA To 11 Heures prévues € Всего"), pixels);
      (void)face.shape(QStringLiteral("0.00"), pixels);
    }
    (void)face.font()->subset({0, 1, 2, 3, 36, 55, 65535});
  } catch (const Error&) {
  }
  return 0;
}
