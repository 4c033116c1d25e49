// PNG encoders side by side on the largest template's used-range picture
// (7 days, 4 weeks, 20 shifts): mostly white, with grid lines, thin borders,
// a few fills and anti-aliased text. Each reports the file size it makes.
//   BM_PngQt          QImage::save, as the picture file was written before
//   BM_PngSpng        libspng at zlib level 1, Sub and Up filters
//   BM_PngZlibRle     our filter choice, compressed whole by zlib (runs only)
//   BM_PngLibdeflate  our filter choice, compressed whole by libdeflate level 1
//   BM_PngOurs        picture::pngBytes: our filter choice, our run-only
//                     deflate that never scans the rows it knows are zeros
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <spng.h>
#include <zlib.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/largest_choices.h"
#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "spreadsheet/picture/image_bytes.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

const QImage& largestPicture() {
  static const QImage image = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_png";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath("largest.xls").toStdString();
    generator::GenerateWorkbook(largestChoices(), path);
    auto book = spreadsheet::xls::openWorkbook(path);
    const spreadsheet::Worksheet& sheet = book->sheet(0);
    return spreadsheet::picture::renderRange(sheet, *sheet.usedRange());
  }();
  return image;
}

void report(benchmark::State& state, std::size_t bytes) {
  const QImage& image = largestPicture();
  state.counters["megapixels"] = image.width() * image.height() / 1e6;
  state.counters["kilobytes"] = static_cast<double>(bytes) / 1024;
}

void BM_PngQt(benchmark::State& state) {
  const QImage& image = largestPicture();
  qsizetype size = 0;
  for (auto _ : state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    size = bytes.size();
  }
  report(state, static_cast<std::size_t>(size));
}
BENCHMARK(BM_PngQt)->Unit(benchmark::kMillisecond);

void BM_PngSpng(benchmark::State& state) {
  const QImage& image = largestPicture();
  std::size_t size = 0;
  for (auto _ : state) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER),
                                                            spng_ctx_free);
    spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, 1);
    spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_SUB | SPNG_FILTER_CHOICE_UP);
    spng_ihdr ihdr{};
    ihdr.width = static_cast<std::uint32_t>(rgb.width());
    ihdr.height = static_cast<std::uint32_t>(rgb.height());
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
    spng_set_ihdr(ctx.get(), &ihdr);
    // Rows of an RGB888 QImage are padded to 4 bytes; libspng wants them packed.
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(rgb.width()) * 3 * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
      std::memcpy(packed.data() + static_cast<std::size_t>(y) * rgb.width() * 3,
                  rgb.constScanLine(y), static_cast<std::size_t>(rgb.width()) * 3);
    if (spng_encode_image(ctx.get(), packed.data(), packed.size(), SPNG_FMT_PNG,
                          SPNG_ENCODE_FINALIZE) != 0)
      state.SkipWithError("libspng failed");
    int error = 0;
    void* png = spng_get_png_buffer(ctx.get(), &size, &error);
    free(png);
  }
  report(state, size);
}
BENCHMARK(BM_PngSpng)->Unit(benchmark::kMillisecond);

// The filtered rows only, laid out as the zlib stream's input, for a
// compressor that needs its whole input at once.
std::vector<std::uint8_t> filteredRows(const QImage& image) {
  const int width = image.width();
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3 + 1;
  std::vector<std::uint8_t> rows(rowBytes * image.height());
  const QRgb* previous = nullptr;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* out = rows.data() + rowBytes * y;
    if (previous && std::memcmp(row, previous, static_cast<std::size_t>(width) * 4) == 0) {
      out[0] = 2;  // Up; the rest stays zero
    } else {
      out[0] = 1;  // Sub
      QRgb left = 0;
      for (int x = 0; x < width; ++x) {
        out[1 + 3 * x] = static_cast<std::uint8_t>(qRed(row[x]) - qRed(left));
        out[2 + 3 * x] = static_cast<std::uint8_t>(qGreen(row[x]) - qGreen(left));
        out[3 + 3 * x] = static_cast<std::uint8_t>(qBlue(row[x]) - qBlue(left));
        left = row[x];
      }
    }
    previous = row;
  }
  return rows;
}

void BM_PngZlibRle(benchmark::State& state) {
  const QImage& image = largestPicture();
  std::size_t size = 0;
  for (auto _ : state) {
    std::vector<std::uint8_t> rows = filteredRows(image);
    z_stream stream{};
    deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE);
    std::vector<std::uint8_t> out(deflateBound(&stream, rows.size()));
    stream.next_in = rows.data();
    stream.avail_in = static_cast<uInt>(rows.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END) state.SkipWithError("zlib failed");
    size = stream.total_out;
    deflateEnd(&stream);
  }
  report(state, size);  // the IDAT data only
}
BENCHMARK(BM_PngZlibRle)->Unit(benchmark::kMillisecond);

void BM_PngLibdeflate(benchmark::State& state) {
  const QImage& image = largestPicture();
  std::size_t size = 0;
  std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
      libdeflate_alloc_compressor(1), libdeflate_free_compressor);
  for (auto _ : state) {
    const std::vector<std::uint8_t> rows = filteredRows(image);
    std::vector<std::uint8_t> out(libdeflate_zlib_compress_bound(compressor.get(), rows.size()));
    size = libdeflate_zlib_compress(compressor.get(), rows.data(), rows.size(), out.data(),
                                    out.size());
    if (size == 0) state.SkipWithError("libdeflate failed");
  }
  report(state, size);  // the IDAT data only; the chunks around it add 57 bytes
}
BENCHMARK(BM_PngLibdeflate)->Unit(benchmark::kMillisecond);

void BM_PngOurs(benchmark::State& state) {
  const QImage& image = largestPicture();
  std::size_t size = 0;
  for (auto _ : state) size = spreadsheet::picture::pngBytes(image).size();
  report(state, size);
}
BENCHMARK(BM_PngOurs)->Unit(benchmark::kMillisecond);

}  // namespace
