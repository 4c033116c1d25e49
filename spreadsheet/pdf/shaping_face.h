#pragma once
#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "spreadsheet/pdf/truetype_font.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct hb_face_t;
struct hb_font_t;
struct hb_buffer_t;
struct hb_shape_plan_t;

namespace spreadsheet::pdf {

// A line of text laid out in one face at one pixel size: its glyphs and where
// each starts, in 26.6 fixed point (64ths of a pixel) from the line's origin.
struct ShapedLine {
  std::vector<std::uint32_t> glyphs;
  std::vector<std::int64_t> x;          // one per glyph
  std::vector<std::uint32_t> clusters;  // the text's index of each glyph's first character
  std::int64_t width = 0;               // the pen's position after the last glyph
};

// A face's sizes at one pixel size, in 26.6 fixed point.
struct SizedMetrics {
  std::int64_t ascent = 0, descent = 0;  // above and below the baseline, both positive
  std::int64_t underlinePosition = 0;    // the underline's top below the baseline
  std::int64_t lineThickness = 0;
};

// A TrueType font file opened by FreeType and shaped by HarfBuzz, so that a
// line comes out where the desktop's text engine puts it for a scalable face:
// FreeType's unhinted advances cut to 64ths of a pixel, HarfBuzz's
// substitutions and kerning at 64 units a pixel, one shaping per script run.
// Lines the face alone cannot show (a character it lacks, a control or format
// character, right-to-left text) are refused, for a caller to lay out with
// fallback fonts and bidirectional ordering. Safe to use from several threads.
class ShapingFace {
 public:
  // Opens a font file's bytes; throws spreadsheet::Error when FreeType cannot
  // read them or they are not a TrueType font that a PDF can embed.
  explicit ShapingFace(QByteArray file);
  ~ShapingFace();
  ShapingFace(const ShapingFace&) = delete;
  ShapingFace& operator=(const ShapingFace&) = delete;

  // The tables a PDF embeds the face with.
  const std::shared_ptr<const TrueTypeFont>& font() const { return font_; }
  SizedMetrics metrics(int pixelSize) const;
  // The glyph a character maps to, or 0 when the face has none.
  std::uint32_t glyphOf(char32_t c) const;
  // The line, or nullopt when the face alone cannot show it.
  std::optional<ShapedLine> shape(QStringView text, int pixelSize) const;
  // One glyph's advance, unhinted.
  std::int64_t advance(std::uint32_t glyph, int pixelSize) const;

 private:
  struct Sized;                       // FreeType's size and HarfBuzz's font at one pixel size
  Sized& sized(int pixelSize) const;  // with guard_ held
  // HarfBuzz's plan for left-to-right text in `script`, made once: finding
  // it again for every line costs more than shaping the line.
  hb_shape_plan_t* plan(unsigned script) const;  // with guard_ held

  struct Release {
    void operator()(FT_LibraryRec_* library) const;
    void operator()(FT_FaceRec_* face) const;
    void operator()(hb_face_t* face) const;
    void operator()(hb_font_t* font) const;
    void operator()(hb_buffer_t* buffer) const;
    void operator()(hb_shape_plan_t* plan) const;
  };
  QByteArray file_;  // FreeType and HarfBuzz read it in place
  std::unique_ptr<FT_LibraryRec_, Release> library_;
  std::unique_ptr<FT_FaceRec_, Release> face_;
  std::unique_ptr<hb_face_t, Release> hbFace_;
  std::unique_ptr<hb_font_t, Release> unscaled_;  // the parent of every size's font
  std::unique_ptr<hb_buffer_t, Release> buffer_;
  std::shared_ptr<const TrueTypeFont> font_;
  mutable std::mutex guard_;  // one FreeType face serves every size, one buffer every line
  mutable std::map<int, std::unique_ptr<Sized>> sizes_;
  mutable std::map<unsigned, std::unique_ptr<hb_shape_plan_t, Release>> plans_;  // by script
};

}  // namespace spreadsheet::pdf
