#include "spreadsheet/picture/row_raster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace spreadsheet::picture {

void paintRows(QImage& image, const std::vector<bool>& lineRows, const std::vector<QRgb>& plain,
               const std::vector<QRgb>& line, const std::vector<RectFill>& fills) {
  const int width = image.width(), height = image.height();
  // The fills inside the image, and the rows where the set crossing a row changes.
  std::vector<RectFill> clipped;
  clipped.reserve(fills.size());
  std::vector<int> edges{0, height};
  for (const RectFill& f : fills) {
    const QRect r = f.rect.intersected(image.rect());
    if (r.isEmpty()) continue;
    clipped.push_back({r, f.color});
    edges.push_back(r.top());
    edges.push_back(r.bottom() + 1);
  }
  for (int y = 1; y < height; ++y)
    if (lineRows[static_cast<std::size_t>(y)] != lineRows[static_cast<std::size_t>(y - 1)])
      edges.push_back(y);
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  // Fills by their first row, then their order (one number each: cheap to
  // sort); those crossing the current band, in their order.
  std::vector<std::uint64_t> starts(clipped.size());
  for (std::size_t i = 0; i < clipped.size(); ++i)
    starts[i] = static_cast<std::uint64_t>(clipped[i].rect.top()) << 32 | i;
  std::sort(starts.begin(), starts.end());
  std::vector<std::size_t> byTop(starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) byTop[i] = starts[i] & 0xFFFFFFFFu;
  std::vector<std::size_t> active;
  std::size_t next = 0;
  std::vector<QRgb> composed(static_cast<std::size_t>(width));
  const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const int top = edges[e], bottom = edges[e + 1];
    std::erase_if(active, [&](std::size_t i) { return clipped[i].rect.bottom() < top; });
    const std::size_t before = active.size();
    for (; next < byTop.size() && clipped[byTop[next]].rect.top() <= top; ++next)
      active.push_back(byTop[next]);
    std::sort(active.begin() + static_cast<std::ptrdiff_t>(before), active.end());
    std::inplace_merge(active.begin(), active.begin() + static_cast<std::ptrdiff_t>(before),
                       active.end());
    const QRgb* row = lineRows[static_cast<std::size_t>(top)] ? line.data() : plain.data();
    if (!active.empty()) {
      std::memcpy(composed.data(), row, bytes);
      for (std::size_t i : active)
        std::fill_n(composed.data() + clipped[i].rect.left(), clipped[i].rect.width(),
                    clipped[i].color);
      row = composed.data();
    }
    for (int y = top; y < bottom; ++y) std::memcpy(bits + y * stride, row, bytes);
  }
}

}  // namespace spreadsheet::picture
