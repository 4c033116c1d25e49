#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kMsoDrawingGroup = 0x00EB;
inline constexpr std::uint16_t kMsoDrawing = 0x00EC;
inline constexpr std::uint16_t kObj = 0x005D;
inline constexpr std::uint16_t kTxo = 0x01B6;

// One drawing (a sheet's shapes): its id and how many shapes it holds
// besides the group shape.
struct DrawingCount {
  std::uint32_t drawingId = 1;
  std::uint32_t shapes = 0;
};
void writeMsoDrawingGroup(RecordWriter& out, const std::vector<DrawingCount>& drawings);

// A button's place: cell and offset of the top-left and bottom-right corners
// (offsets in 1/1024 of the column width and 1/256 of the row height), 0-based.
struct ClientAnchor {
  std::uint16_t col1 = 0, dx1 = 0, row1 = 0, dy1 = 0, col2 = 0, dx2 = 0, row2 = 0, dy2 = 0;
  bool operator==(const ClientAnchor&) const = default;
};

// The shape data of one button, as stored in MSODRAWING records.
struct ButtonShape {
  std::uint32_t shapeId = 0;
  std::string name;
  ClientAnchor anchor;
};

// The first MSODRAWING of a sheet: the drawing and group containers, the
// group shape, and the first button's shape. `buttons` are all shapes of the
// sheet, whose sizes the containers count.
void writeFirstDrawing(RecordWriter& out, std::uint32_t drawingId,
                       const std::vector<ButtonShape>& buttons);
// The MSODRAWING of each later button.
void writeButtonDrawing(RecordWriter& out, const ButtonShape& button);
// The MSODRAWING holding the text box that the TXO after it fills.
void writeTextboxDrawing(RecordWriter& out);

// What a reader finds in an MSODRAWING record: shapes as they start.
struct DrawingFind {
  enum Kind { Shape, Anchor, Name } kind;
  std::uint16_t shapeType = 0;
  ClientAnchor anchor;
  std::string name;
};
std::vector<DrawingFind> readDrawing(ByteReader in);

// OBJ of a button: its id, and the macro it runs as EXTERNSHEET entry + NAME index.
struct ButtonObj {
  std::uint16_t objectType = 7;
  std::uint16_t id = 1;
  std::optional<std::pair<std::uint16_t, std::uint32_t>> macro;  // ixti, 1-based NAME index
  bool operator==(const ButtonObj&) const = default;
};
void writeObj(RecordWriter& out, const ButtonObj& obj);
ButtonObj readObj(ByteReader in);

// A text box's text with its font runs (character index, FONT index); the
// TXO record is followed by one CONTINUE with the characters and one with the runs.
struct TextboxText {
  std::string text;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> runs;
};
void writeTxo(RecordWriter& out, const TextboxText& t);
// `continuations` are the CONTINUE records after the TXO.
TextboxText readTxo(const RawRecord& txo, const std::vector<RawRecord>& continuations);

}  // namespace spreadsheet::xls
