#include "spreadsheet/pdf/shaping_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include <hb.h>

#include <QChar>
#include <algorithm>
#include <string>

#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

namespace {

// What HarfBuzz asks FreeType about one size of the face.
struct SizeHandle {
  FT_Face face = nullptr;
  FT_Size size = nullptr;
};

// A glyph's advance as the desktop's engine takes it from FreeType for a
// scalable face: the linear (unhinted) advance in 16.16, cut to 26.6.
hb_position_t unhintedAdvance(const SizeHandle& handle, hb_codepoint_t glyph) {
  FT_Fixed advance = 0;
  if (FT_Activate_Size(handle.size) != 0 ||
      FT_Get_Advance(handle.face, glyph, FT_LOAD_NO_HINTING, &advance) != 0)
    return 0;
  return static_cast<hb_position_t>(advance >> 10);
}

hb_position_t advanceOfGlyph(hb_font_t*, void* data, hb_codepoint_t glyph, void*) {
  return unhintedAdvance(*static_cast<const SizeHandle*>(data), glyph);
}

// Advances from FreeType; everything else (the character map, the layout
// tables) from the parent font HarfBuzz reads from the file itself.
hb_font_funcs_t* freeTypeAdvances() {
  static hb_font_funcs_t* const funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_glyph_h_advance_func(f, advanceOfGlyph, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

// A stretch of a line in one script, shaped on its own.
struct ScriptRun {
  qsizetype from = 0, to = 0;
  hb_script_t script = HB_SCRIPT_COMMON;
};

bool isMark(QChar::Category category) {
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing;
}

hb_script_t scriptOf(QChar::Script script, char32_t c) {
  return script <= QChar::Script_Common ? HB_SCRIPT_COMMON
                                        : hb_unicode_script(hb_unicode_funcs_get_default(), c);
}

// The line cut where its script changes, as the desktop's engine itemizes
// it: common and inherited characters (spaces, digits, signs) belong to the
// run before them, or to the first run when they lead, and a combining mark
// never leaves its base. Nullopt for a line this face alone cannot lay out
// in order: a control or format character, or right-to-left text.
std::optional<std::vector<ScriptRun>> scriptRuns(QStringView text) {
  std::vector<ScriptRun> runs;
  qsizetype start = 0;
  QChar::Script current = QChar::Script_Common;
  char32_t first = 0;  // the character that set `current`
  for (qsizetype i = 0, next = 0; i < text.size(); i = next) {
    char32_t c = text[i].unicode();
    next = i + 1;
    if (QChar::isHighSurrogate(c) && next < text.size() && text[next].isLowSurrogate())
      c = QChar::surrogateToUcs4(text[i], text[next++]);
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Other_Control || category == QChar::Other_Format ||
        category == QChar::Other_Surrogate)
      return std::nullopt;
    const QChar::Direction direction = QChar::direction(c);
    if (direction == QChar::DirR || direction == QChar::DirAL) return std::nullopt;
    const QChar::Script script = QChar::script(c);
    if (script == current || script <= QChar::Script_Common) continue;
    if (current > QChar::Script_Common) {
      if (isMark(category)) continue;
      runs.push_back({start, i, scriptOf(current, first)});
      start = i;
    }
    current = script;
    first = c;
  }
  runs.push_back({start, text.size(), scriptOf(current, first)});
  return runs;
}

}  // namespace

struct ShapingFace::Sized {
  SizeHandle handle;
  SizedMetrics metrics;
  std::unique_ptr<hb_font_t, Release> font;
};

void ShapingFace::Release::operator()(FT_LibraryRec_* library) const {
  FT_Done_FreeType(library);
}
void ShapingFace::Release::operator()(FT_FaceRec_* face) const {
  FT_Done_Face(face);
}
void ShapingFace::Release::operator()(hb_face_t* face) const {
  hb_face_destroy(face);
}
void ShapingFace::Release::operator()(hb_font_t* font) const {
  hb_font_destroy(font);
}
void ShapingFace::Release::operator()(hb_buffer_t* buffer) const {
  hb_buffer_destroy(buffer);
}
void ShapingFace::Release::operator()(hb_shape_plan_t* plan) const {
  hb_shape_plan_destroy(plan);
}

ShapingFace::ShapingFace(QByteArray file) : file_(std::move(file)) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw Error("FreeType cannot be started.");
  library_.reset(library);
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(file_.constData()),
                         static_cast<FT_Long>(file_.size()), 0, &face) != 0)
    throw Error("FreeType cannot read the font.");
  face_.reset(face);
  if (!FT_IS_SFNT(face) || !FT_IS_SCALABLE(face) || face->units_per_EM == 0)
    throw Error("The font is not a scalable OpenType font.");
  // The tables a PDF embeds, as FreeType finds them in the file.
  font_ = std::make_shared<const TrueTypeFont>([face](const char* tag) {
    const FT_ULong t = FT_MAKE_TAG(tag[0], tag[1], tag[2], tag[3]);
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face, t, 0, nullptr, &length) != 0 || length == 0) return QByteArray();
    QByteArray table(static_cast<qsizetype>(length), Qt::Uninitialized);
    if (FT_Load_Sfnt_Table(face, t, 0, reinterpret_cast<FT_Byte*>(table.data()), &length) != 0)
      return QByteArray();
    return table;
  });
  hb_blob_t* blob = hb_blob_create(file_.constData(), static_cast<unsigned>(file_.size()),
                                   HB_MEMORY_MODE_READONLY, nullptr, nullptr);
  hbFace_.reset(hb_face_create(blob, 0));
  hb_blob_destroy(blob);
  unscaled_.reset(hb_font_create(hbFace_.get()));
  buffer_.reset(hb_buffer_create());
  if (!hb_buffer_allocation_successful(buffer_.get()))
    throw Error("There is not enough memory to lay text out.");
}

ShapingFace::~ShapingFace() = default;

ShapingFace::Sized& ShapingFace::sized(int pixelSize) const {
  auto& slot = sizes_[pixelSize];
  if (slot) return *slot;
  FT_Face face = face_.get();
  FT_Size size = nullptr;
  if (pixelSize < 1 || FT_New_Size(face, &size) != 0 || FT_Activate_Size(size) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    sizes_.erase(pixelSize);
    throw Error("The font cannot be sized at " + std::to_string(pixelSize) + " pixels.");
  }
  auto s = std::make_unique<Sized>();
  s->handle = {face, size};
  // The face's design sizes scaled as FreeType scales them, unrounded.
  const FT_Fixed scale = size->metrics.y_scale;
  SizedMetrics& m = s->metrics;
  m.ascent = FT_MulFix(face->ascender, scale);
  m.descent = -FT_MulFix(face->descender, scale);
  // FreeType gives the underline's centre; it is drawn from its top.
  m.lineThickness = FT_MulFix(face->underline_thickness, scale);
  m.underlinePosition = -FT_MulFix(face->underline_position, scale) - m.lineThickness / 2;
  m.lineThickness = std::max<std::int64_t>(m.lineThickness, 64);  // at least a pixel
  s->font.reset(hb_font_create_sub_font(unscaled_.get()));
  hb_font_set_funcs(s->font.get(), freeTypeAdvances(), &s->handle, nullptr);
  hb_font_set_scale(s->font.get(), pixelSize * 64, pixelSize * 64);
  hb_font_set_ppem(s->font.get(), static_cast<unsigned>(pixelSize),
                   static_cast<unsigned>(pixelSize));
  slot = std::move(s);
  return *slot;
}

hb_shape_plan_t* ShapingFace::plan(unsigned script) const {
  auto& slot = plans_[script];
  if (!slot) {
    hb_segment_properties_t props = HB_SEGMENT_PROPERTIES_DEFAULT;
    props.direction = HB_DIRECTION_LTR;
    props.script = static_cast<hb_script_t>(script);
    slot.reset(hb_shape_plan_create_cached(hbFace_.get(), &props, nullptr, 0, nullptr));
  }
  return slot.get();
}

SizedMetrics ShapingFace::metrics(int pixelSize) const {
  const std::lock_guard lock(guard_);
  return sized(pixelSize).metrics;
}

std::int64_t ShapingFace::advance(std::uint32_t glyph, int pixelSize) const {
  const std::lock_guard lock(guard_);
  return unhintedAdvance(sized(pixelSize).handle, glyph);
}

std::uint32_t ShapingFace::glyphOf(char32_t c) const {
  const std::lock_guard lock(guard_);
  return FT_Get_Char_Index(face_.get(), c);
}

std::optional<ShapedLine> ShapingFace::shape(QStringView text, int pixelSize) const {
  ShapedLine line;
  if (text.isEmpty()) return line;
  const auto runs = scriptRuns(text);
  if (!runs) return std::nullopt;
  const std::lock_guard lock(guard_);
  hb_font_t* font = sized(pixelSize).font.get();
  hb_buffer_t* buffer = buffer_.get();
  const auto* utf16 = reinterpret_cast<const std::uint16_t*>(text.utf16());
  for (const ScriptRun& run : *runs) {
    // Each run alone, without the text around it, as the desktop shapes an item.
    hb_buffer_clear_contents(buffer);
    const int length = static_cast<int>(run.to - run.from);
    hb_buffer_add_utf16(buffer, utf16 + run.from, length, 0, length);
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, run.script);
    hb_buffer_set_flags(
        buffer, static_cast<hb_buffer_flags_t>((run.from == 0 ? HB_BUFFER_FLAG_BOT : 0) |
                                               (run.to == text.size() ? HB_BUFFER_FLAG_EOT : 0)));
    hb_buffer_set_cluster_level(buffer, HB_BUFFER_CLUSTER_LEVEL_MONOTONE_CHARACTERS);
    if (!hb_shape_plan_execute(plan(run.script), font, buffer, nullptr, 0))
      throw Error("The text cannot be laid out: there is not enough memory.");
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    for (unsigned i = 0; i < count; ++i) {
      if (infos[i].codepoint == 0) return std::nullopt;  // a character the face lacks
      line.glyphs.push_back(infos[i].codepoint);
      line.x.push_back(line.width + positions[i].x_offset);
      line.clusters.push_back(static_cast<std::uint32_t>(run.from) + infos[i].cluster);
      line.width += positions[i].x_advance;
    }
  }
  return line;
}

}  // namespace spreadsheet::pdf
