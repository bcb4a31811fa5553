#include "raster/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <limits>
#include <memory>
#include <vector>

#include "int128.h"

namespace raster {
namespace fonts {
extern const unsigned char LiberationSansRegular[], MenuSansSerif[], Fixed8x13[];
extern const std::size_t LiberationSansRegularSize, MenuSansSerifSize, Fixed8x13Size;
}  // namespace fonts

namespace {

using detail::Int128;

constexpr int kMinSize = 1;
constexpr int kMaxSize = 1000;

// Windows-1252 code points for bytes 0x80..0x9F; the five unassigned bytes stay controls.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return byte;
}

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// One rendered glyph; its 1-bit rows live in the owning SizedFont's `bits`.
struct Glyph {
  bool ready = false;
  int advance = 0;
  int left = 0;  // from the pen position to the bitmap's first column
  int top = 0;   // from the baseline up to the bitmap's first row
  int width = 0;
  int rows = 0;
  int pitch = 0;
  std::size_t offset = 0;
  // A small glyph's set pixels also as a list, (row << 8) | column each, in the font's
  // `points`: painted whole, with no branch per bit.
  bool listed = false;
  std::size_t firstPoint = 0;
  std::size_t pointCount = 0;
};

struct SizedFont {
  FontMetrics metrics;
  std::array<Glyph, 256> glyphs;
  std::vector<unsigned char> bits;
  std::vector<std::uint16_t> points;
};

// A scalable face keeps one SizedFont per pixel size; a bitmap face has one size, kept at 0.
struct FaceSlot {
  bool tried = false;
  FT_Face face = nullptr;
  std::array<std::unique_ptr<SizedFont>, kMaxSize + 1> sizes;
};

constexpr std::size_t kFaceCount = 3;

struct TextState {
  bool libraryTried = false;
  FT_Library library = nullptr;
  std::array<FaceSlot, kFaceCount> faces;
};

TextState& State() {
  static TextState state;
  return state;
}

int ClampSize(int size) {
  if (size == 0) return DefaultTextSize;
  return std::clamp(size, kMinSize, kMaxSize);
}

// The faces of fonts/, turned into arrays by EmbedFile.cmake.
struct EmbeddedFace {
  const unsigned char* bytes;
  std::size_t size;
};

EmbeddedFace BytesOf(Face face) {
  switch (face) {
    case Face::Menu:
      return {fonts::MenuSansSerif, fonts::MenuSansSerifSize};
    case Face::Fixed:
      return {fonts::Fixed8x13, fonts::Fixed8x13Size};
    case Face::Sans:
      break;
  }
  return {fonts::LiberationSansRegular, fonts::LiberationSansRegularSize};
}

// A bitmap face is set to its one size here, once; a face without a Unicode character map (the
// menu face's map is its own 8-bit code page, which is ours) gets the map it has.
FT_Face OpenFace(FT_Library library, Face face) {
  const EmbeddedFace file = BytesOf(face);
  FT_Face result = nullptr;
  if (FT_New_Memory_Face(library, file.bytes, static_cast<FT_Long>(file.size), 0, &result) != 0) {
    return nullptr;
  }
  const bool ready =
      (result->charmap != nullptr ||
       (result->num_charmaps > 0 && FT_Set_Charmap(result, result->charmaps[0]) == 0)) &&
      (FT_IS_SCALABLE(result) || (result->num_fixed_sizes > 0 && FT_Select_Size(result, 0) == 0));
  if (!ready) {
    FT_Done_Face(result);
    return nullptr;
  }
  return result;
}

FaceSlot& SlotOf(Face face) {
  return State().faces[static_cast<std::size_t>(face) % kFaceCount];
}

// The face, loaded on first use; nullptr when none can be had.
FT_Face LoadedFace(Face face) {
  TextState& state = State();
  FaceSlot& slot = SlotOf(face);
  if (!slot.tried) {
    slot.tried = true;
    if (!state.libraryTried) {
      state.libraryTried = true;
      if (FT_Init_FreeType(&state.library) != 0) state.library = nullptr;
    }
    if (state.library != nullptr) slot.face = OpenFace(state.library, face);
  }
  return slot.face;
}

}  // namespace

pz417::Status LoadBuiltInFaces() {
  for (const Face face : {Face::Sans, Face::Menu, Face::Fixed}) {
    if (LoadedFace(face) == nullptr) {
      return pz417::Failure("a built-in font cannot be loaded; its text is not drawn");
    }
  }
  return {};
}

namespace {

int RoundedPixels(FT_Pos v) {
  return static_cast<int>((v + 32) >> 6);
}

// The classic average width: the face's own figure where it has one; a fixed-pitch bitmap face's
// cell width otherwise.
int AverageCharWidth(FT_Face face, int size) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && face->units_per_EM != 0) {
    return (os2->xAvgCharWidth * size + face->units_per_EM / 2) / face->units_per_EM;
  }
  FT_WinFNT_HeaderRec header;
  if (FT_Get_WinFNT_Header(face, &header) == 0) return header.avg_width;
  return RoundedPixels(face->size->metrics.max_advance);
}

FontMetrics MetricsOf(FT_Face face, int size) {
  const FT_Size_Metrics& m = face->size->metrics;
  FontMetrics metrics;
  metrics.ascent = RoundedPixels(m.ascender);
  metrics.height = metrics.ascent + RoundedPixels(-m.descender);
  metrics.externalLeading = std::max(0, RoundedPixels(m.height) - metrics.height);
  metrics.averageCharWidth = AverageCharWidth(face, size);
  return metrics;
}

// Metrics of a plausible cell, for when no face is available.
FontMetrics FallbackMetrics(int size) {
  FontMetrics metrics;
  metrics.height = (size * 115 + 50) / 100;
  metrics.ascent = (size * 90 + 50) / 100;
  metrics.averageCharWidth = (size * 6 + 5) / 10;
  return metrics;
}

// Bitmap faces have the one size OpenFace selected; scalable ones are set to `size` before use.
bool UseSize(FT_Face ft, int size) {
  return !FT_IS_SCALABLE(ft) || FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(size)) == 0;
}

// `size` is clamped; for a bitmap face it becomes 0, the one size it has.
SizedFont* FontFor(Face face, int* size) {
  FT_Face ft = LoadedFace(face);
  if (ft == nullptr) return nullptr;
  if (!FT_IS_SCALABLE(ft)) *size = 0;
  std::unique_ptr<SizedFont>& font = SlotOf(face).sizes[static_cast<std::size_t>(*size)];
  if (!font) {
    if (!UseSize(ft, *size)) return nullptr;
    font = std::make_unique<SizedFont>();
    font->metrics = MetricsOf(ft, *size);
  }
  return font.get();
}

bool BitAt(const FT_Bitmap& bitmap, unsigned row, unsigned col) {
  const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (line[col >> 3] & (0x80u >> (col & 7))) != 0;
  return line[col] >= 128;
}

// Copies FreeType's rendered bitmap into the font's 1-bit store.
void StoreBitmap(const FT_GlyphSlot slot, SizedFont& font, Glyph& glyph) {
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.pitch = (glyph.width + 7) / 8;
  glyph.offset = font.bits.size();
  font.bits.resize(font.bits.size() + static_cast<std::size_t>(glyph.pitch) * bitmap.rows);
  unsigned char* out = font.bits.data() + glyph.offset;
  for (unsigned r = 0; r < bitmap.rows; ++r, out += glyph.pitch) {
    for (unsigned c = 0; c < bitmap.width; ++c) {
      if (BitAt(bitmap, r, c))
        out[c >> 3] = static_cast<unsigned char>(out[c >> 3] | (0x80u >> (c & 7)));
    }
  }
}

// A face without a Unicode map is indexed by the byte itself: the menu face's own code page is
// Windows-1252, as our text is.
FT_UInt GlyphIndex(FT_Face ft, unsigned char byte) {
  const char32_t code = CodePointOf(byte);
  if (IsControl(code)) return 0;
  return FT_Get_Char_Index(ft, ft->charmap->encoding == FT_ENCODING_UNICODE ? code : byte);
}

// Lists the set pixels of a glyph that fits the list's 8-bit rows and columns; a glyph with
// more than a menu's worth of them keeps to its bitmap, so large sizes cost no memory here.
void ListPoints(SizedFont& font, Glyph& glyph) {
  constexpr int MaxSide = 256;
  constexpr std::size_t MaxPoints = 1024;
  if (glyph.width > MaxSide || glyph.rows > MaxSide) return;
  const std::size_t first = font.points.size();
  const unsigned char* bits = font.bits.data() + glyph.offset;
  for (int r = 0; r < glyph.rows; ++r) {
    for (int c = 0; c < glyph.width; ++c) {
      if ((bits[r * glyph.pitch + (c >> 3)] & (0x80u >> (c & 7))) == 0) continue;
      if (font.points.size() - first == MaxPoints) {
        font.points.resize(first);
        return;
      }
      font.points.push_back(static_cast<std::uint16_t>((r << 8) | c));
    }
  }
  glyph.listed = true;
  glyph.firstPoint = first;
  glyph.pointCount = font.points.size() - first;
}

bool RenderGlyph(FT_Face ft, FT_UInt index) {
  return FT_Load_Glyph(ft, index, FT_LOAD_TARGET_MONO) == 0 &&
         FT_Render_Glyph(ft->glyph, FT_RENDER_MODE_MONO) == 0;
}

const Glyph& GlyphFor(Face face, int size, SizedFont& font, unsigned char byte) {
  Glyph& glyph = font.glyphs[byte];
  if (glyph.ready) return glyph;
  glyph.ready = true;
  FT_Face ft = SlotOf(face).face;
  if (!UseSize(ft, size)) return glyph;
  const FT_UInt index = GlyphIndex(ft, byte);
  if (!RenderGlyph(ft, index) && !RenderGlyph(ft, 0)) return glyph;
  glyph.advance = RoundedPixels(ft->glyph->advance.x);
  StoreBitmap(ft->glyph, font, glyph);
  ListPoints(font, glyph);
  return glyph;
}

// The glyph byte whose first column is `base`, without the columns outside [first, end).
unsigned ClippedByte(unsigned char bits, int base, int first, int end) {
  unsigned kept = bits;
  if (base < first) kept &= 0xFFu >> (first - base);
  if (base + 8 > end) kept &= 0xFFu << (base + 8 - end);
  return kept & 0xFFu;
}

// Visits only the set bits: most of a glyph's bytes are blank or nearly so.
void PaintByte(Color* out, unsigned bits, Color color) {
  while (bits != 0) {
    const int column = std::countl_zero(bits) - (std::numeric_limits<unsigned>::digits - 8);
    out[column] = color;
    bits &= ~(0x80u >> column);
  }
}

// Paints a listed glyph whose pixels all lie on the bitmap, its top-left at `origin`.
void PaintPoints(Color* origin, std::ptrdiff_t stride, const std::uint16_t* points,
                 std::size_t count, Color color) {
  for (std::size_t i = 0; i < count; ++i)
    origin[(points[i] >> 8) * stride + (points[i] & 0xFF)] = color;
}

// Paints the set bits of a glyph whose bitmap's top-left lands at (gx, gy).
void Blit(Bitmap& target, const SizedFont& font, const Glyph& glyph, Int128 gx, Int128 gy,
          Color color) {
  const Int128 r0 = std::max<Int128>(0, -gy);
  const Int128 r1 = std::min<Int128>(glyph.rows, target.height() - gy);
  const Int128 c0 = std::max<Int128>(0, -gx);
  const Int128 c1 = std::min<Int128>(glyph.width, target.width() - gx);
  if (r0 >= r1 || c0 >= c1) return;
  if (glyph.listed && r0 == 0 && r1 == glyph.rows && c0 == 0 && c1 == glyph.width) {
    PaintPoints(target.row(static_cast<int>(gy)) + static_cast<std::ptrdiff_t>(gx), target.width(),
                font.points.data() + glyph.firstPoint, glyph.pointCount, color);
    return;
  }
  const unsigned char* bits = font.bits.data() + glyph.offset;
  const auto first = static_cast<int>(c0), end = static_cast<int>(c1);
  for (auto r = static_cast<int>(r0); r < r1; ++r) {
    const unsigned char* src = bits + static_cast<std::ptrdiff_t>(r) * glyph.pitch;
    Color* out = target.row(static_cast<int>(gy + r)) + static_cast<std::ptrdiff_t>(gx);
    for (int byte = first >> 3; byte <= (end - 1) >> 3; ++byte) {
      PaintByte(out + byte * 8, ClippedByte(src[byte], byte * 8, first, end), color);
    }
  }
}

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::min<std::int64_t>(v, INT_MAX));
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  const Int128 sum = Int128{a} + b;
  return static_cast<std::int64_t>(std::clamp<Int128>(sum, std::numeric_limits<std::int64_t>::min(),
                                                      std::numeric_limits<std::int64_t>::max()));
}

}  // namespace

FontMetrics GetFontMetrics(Face face, int size) {
  size = ClampSize(size);
  const SizedFont* font = FontFor(face, &size);
  return font != nullptr ? font->metrics : FallbackMetrics(size);
}

TextExtent MeasureText(Face face, int size, std::string_view text) {
  size = ClampSize(size);
  SizedFont* font = FontFor(face, &size);
  if (font == nullptr) {
    const FontMetrics metrics = FallbackMetrics(size);
    const auto width = static_cast<std::int64_t>(text.size()) * metrics.averageCharWidth;
    return TextExtent{ClampToInt(width), metrics.height};
  }
  std::int64_t width = 0;
  for (char c : text) width += GlyphFor(face, size, *font, static_cast<unsigned char>(c)).advance;
  return TextExtent{ClampToInt(width), font->metrics.height};
}

int DrawText(Bitmap& target, Face face, int size, std::int64_t x, std::int64_t y,
             std::string_view text, Color color) {
  size = ClampSize(size);
  SizedFont* font = FontFor(face, &size);
  if (font == nullptr) return MeasureText(face, size, text).width;
  const Int128 baseline = Int128{y} + font->metrics.ascent;
  std::int64_t advance = 0;
  for (char c : text) {
    const Glyph& glyph = GlyphFor(face, size, *font, static_cast<unsigned char>(c));
    Blit(target, *font, glyph, Int128{x} + advance + glyph.left, baseline - glyph.top, color);
    advance += glyph.advance;
  }
  return ClampToInt(advance);
}

int DrawTextOpaque(Bitmap& target, Face face, int size, std::int64_t x, std::int64_t y,
                   std::string_view text, Color color, Color background) {
  const TextExtent extent = MeasureText(face, size, text);
  target.fillRect(Rect{x, y, SaturatingAdd(x, extent.width), SaturatingAdd(y, extent.height)},
                  background);
  return DrawText(target, face, size, x, y, text, color);
}

}  // namespace raster
