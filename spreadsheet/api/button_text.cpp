#include "spreadsheet/api/button_text.h"

#include <algorithm>

namespace spreadsheet::api {

namespace {

int textLength(const spreadsheet::Button& b) {
  return static_cast<int>(b.text.size());
}

// Makes sure a run starts at 0 and at `at` (when inside the text).
void splitAt(spreadsheet::Button& b, int at) {
  auto& runs = b.runs;
  if (runs.empty() || runs.front().start > 0) runs.insert(runs.begin(), FontRun{});
  if (at <= 0 || at >= textLength(b)) return;
  auto it = std::find_if(runs.begin(), runs.end(), [&](const FontRun& r) { return r.start >= at; });
  if (it != runs.end() && it->start == at) return;
  FontRun copy = *std::prev(it);
  copy.start = at;
  runs.insert(it, copy);
}

// Drops runs that start at or past the end of the text or repeat the one before.
void tidy(spreadsheet::Button& b) {
  auto& runs = b.runs;
  std::erase_if(runs, [&](const FontRun& r) { return r.start > 0 && r.start >= textLength(b); });
  for (std::size_t i = 1; i < runs.size();) {
    FontRun probe = runs[i];
    probe.start = runs[i - 1].start;
    if (probe == runs[i - 1])
      runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(i));
    else
      ++i;
  }
}

}  // namespace

CharSpan spanOf(const spreadsheet::Button& b, int start, int length) {
  const int n = textLength(b);
  const int from = std::clamp(start - 1, 0, n);
  const int to = length < 0 ? n : std::clamp(from + length, from, n);
  return {from, to};
}

FontRun runAt(const spreadsheet::Button& b, int index) {
  FontRun found;
  for (const FontRun& r : b.runs)
    if (r.start <= index) found = r;
  found.start = index;
  return found;
}

void editRuns(spreadsheet::Button& b, CharSpan span, const std::function<void(FontRun&)>& edit) {
  if (span.from >= span.to) return;
  splitAt(b, span.from);
  splitAt(b, span.to);
  for (FontRun& r : b.runs)
    if (r.start >= span.from && r.start < span.to) edit(r);
  tidy(b);
}

void replaceText(spreadsheet::Button& b, CharSpan span, const std::string& text) {
  const FontRun font = runAt(b, span.from);
  const int delta = static_cast<int>(text.size()) - (span.to - span.from);
  std::vector<FontRun> runs;
  for (FontRun r : b.runs) {
    if (r.start < span.from) {
      runs.push_back(r);
    } else if (r.start >= span.to && r.start > span.from) {
      r.start += delta;
      runs.push_back(r);
    }
  }
  FontRun first = font;
  first.start = span.from;
  runs.push_back(first);
  std::sort(runs.begin(), runs.end(),
            [](const FontRun& x, const FontRun& y) { return x.start < y.start; });
  b.runs = std::move(runs);
  b.text.replace(static_cast<std::size_t>(span.from), static_cast<std::size_t>(span.to - span.from),
                 text);
  tidy(b);
}

}  // namespace spreadsheet::api
