#pragma once
// Internal: the text of a button as runs of characters sharing one font.
#include <functional>
#include <string>

#include "spreadsheet/model/sheet_parts.h"

namespace spreadsheet::api {

// Characters [from, to) of the text (0-based, clamped to the text).
struct CharSpan {
  int from = 0;
  int to = 0;
};
CharSpan spanOf(const spreadsheet::Button& b, int start,
                int length);  // start 1-based, length -1: to the end

// The font of the character at `index` (the default Arial 10 before any run).
FontRun runAt(const spreadsheet::Button& b, int index);

// Changes the font of the characters of `span`.
void editRuns(spreadsheet::Button& b, CharSpan span, const std::function<void(FontRun&)>& edit);

// Replaces the characters of `span` by `text`; the new characters take the
// font of the first one replaced.
void replaceText(spreadsheet::Button& b, CharSpan span, const std::string& text);

}  // namespace spreadsheet::api
