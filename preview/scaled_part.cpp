#include "preview/scaled_part.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace preview {

namespace {

constexpr int kWeightOne = 1 << 14;

// For each target pixel of [lo, hi) on one axis: the source pixels it covers
// (from `first`, `count` of them) and their integer weights. The weights come
// from the pixel's position alone, in whole numbers, so every part of the
// picture computes a pixel the same way.
struct AxisTaps {
  std::vector<int> first, count, offset;
  std::vector<int> weights;
  std::vector<int> total;
  int sourceLo = 0, sourceHi = 0;
};

AxisTaps tapsFor(int lo, int hi, int sourceSize, int targetSize) {
  AxisTaps taps;
  taps.sourceLo = sourceSize;
  const double ratio = double(sourceSize) / targetSize;
  for (int t = lo; t < hi; ++t) {
    const double a = t * ratio, b = (t + 1) * ratio;
    const int s0 = std::clamp(static_cast<int>(std::floor(a)), 0, sourceSize - 1);
    const int s1 = std::clamp(static_cast<int>(std::ceil(b)), s0 + 1, sourceSize);
    taps.first.push_back(s0);
    taps.offset.push_back(static_cast<int>(taps.weights.size()));
    int total = 0, count = 0;
    for (int s = s0; s < s1; ++s) {
      const double covered = std::min(b, s + 1.0) - std::max(a, double(s));
      const int w = static_cast<int>(std::lround(covered / (b - a) * kWeightOne));
      taps.weights.push_back(w);
      total += w;
      ++count;
    }
    if (total == 0) {  // a sliver: the pixel it lies in
      taps.weights[taps.weights.size() - 1] = kWeightOne;
      total = kWeightOne;
    }
    taps.count.push_back(count);
    taps.total.push_back(total);
    taps.sourceLo = std::min(taps.sourceLo, s0);
    taps.sourceHi = std::max(taps.sourceHi, s1);
  }
  return taps;
}

}  // namespace

QImage scaledPart(const spreadsheet::picture::PictureSource& source, QSize whole,
                  const QRect& part) {
  const QSize size = source.size();
  const QRect inside = part.intersected(QRect(QPoint(0, 0), whole));
  if (inside.isEmpty() || size.isEmpty()) return {};
  const AxisTaps xs = tapsFor(inside.left(), inside.right() + 1, size.width(), whole.width());
  const AxisTaps ys = tapsFor(inside.top(), inside.bottom() + 1, size.height(), whole.height());
  const QRect from(xs.sourceLo, ys.sourceLo, xs.sourceHi - xs.sourceLo, ys.sourceHi - ys.sourceLo);
  const QImage pixels = source.draw(from).convertToFormat(QImage::Format_RGB32);
  QImage out(inside.size(), QImage::Format_RGB32);
  if (pixels.size() != from.size() || out.isNull())
    throw std::runtime_error("Not enough memory to show the picture.");

  // Across first: every source row of `from` at the part's columns, each
  // channel in 1/256 steps.
  const int columns = inside.width();
  std::vector<int> across(static_cast<std::size_t>(from.height()) * columns * 3);
  for (int r = 0; r < from.height(); ++r) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(r));
    int* to = &across[static_cast<std::size_t>(r) * columns * 3];
    for (int c = 0; c < columns; ++c) {
      long long red = 0, green = 0, blue = 0;
      const int* w = &xs.weights[static_cast<std::size_t>(xs.offset[c])];
      const QRgb* p = row + (xs.first[c] - from.left());
      for (int k = 0; k < xs.count[c]; ++k) {
        red += static_cast<long long>(w[k]) * qRed(p[k]);
        green += static_cast<long long>(w[k]) * qGreen(p[k]);
        blue += static_cast<long long>(w[k]) * qBlue(p[k]);
      }
      const long long total = xs.total[c];
      to[3 * c] = static_cast<int>((red * 256 + total / 2) / total);
      to[3 * c + 1] = static_cast<int>((green * 256 + total / 2) / total);
      to[3 * c + 2] = static_cast<int>((blue * 256 + total / 2) / total);
    }
  }
  // Then down.
  for (int u = 0; u < inside.height(); ++u) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(u));
    const int* w = &ys.weights[static_cast<std::size_t>(ys.offset[u])];
    const long long total = static_cast<long long>(ys.total[u]) * 256;
    for (int c = 0; c < columns; ++c) {
      long long red = 0, green = 0, blue = 0;
      for (int k = 0; k < ys.count[u]; ++k) {
        const int* v =
            &across[(static_cast<std::size_t>(ys.first[u] - from.top() + k) * columns + c) * 3];
        red += static_cast<long long>(w[k]) * v[0];
        green += static_cast<long long>(w[k]) * v[1];
        blue += static_cast<long long>(w[k]) * v[2];
      }
      const auto channel = [&](long long sum) {
        return std::clamp(static_cast<int>((sum + total / 2) / total), 0, 255);
      };
      row[c] = qRgb(channel(red), channel(green), channel(blue));
    }
  }
  return out;
}

}  // namespace preview
