#pragma once
// Text through FreeType, drawn crisp (no anti-aliasing) as the classic desktop does.
// The faces are built into the library (see fonts/README.md), so every machine draws the same
// pixels; glyphs are cached per face and size.
// Strings are 8-bit text in the Windows-1252 ("ANSI") character set.

#include <string_view>

#include "pz417/status.h"
#include "raster/bitmap.h"

namespace raster {

enum class Face {
  Sans,   // scalable proportional: the canvas text
  Menu,   // the classic 8-point menu face: a bitmap of one size, 13-pixel cell
  Fixed,  // fixed pitch, 8 x 13 cells: the console; a bitmap of one size
};

// Size 0 asks for the default size; bitmap faces have one size and ignore it.
constexpr int DefaultTextSize = 16;

struct FontMetrics {
  int height = 0;           // ascent + descent: the height of a character cell
  int ascent = 0;           // baseline below the cell's top
  int externalLeading = 0;  // extra space the font suggests between lines
  int averageCharWidth = 0;
};

struct TextExtent {
  int width = 0;
  int height = 0;  // always the font's cell height, also for an empty string
};

// Loads the faces, or says that one cannot be loaded: text in it is not drawn. Programs' entries
// call it before the program runs, to tell the user; drawing loads a face on first use anyway.
pz417::Status LoadBuiltInFaces();

// `size` is the character (em) height in pixels.
FontMetrics GetFontMetrics(Face face, int size);
TextExtent MeasureText(Face face, int size, std::string_view text);

// Draws one line with the top-left of its first character cell at (x, y); only glyph pixels
// are painted. Returns the advance width.
int DrawText(Bitmap& target, Face face, int size, std::int64_t x, std::int64_t y,
             std::string_view text, Color color);

// As DrawText, but first fills the text's extent with `background`.
int DrawTextOpaque(Bitmap& target, Face face, int size, std::int64_t x, std::int64_t y,
                   std::string_view text, Color color, Color background);

}  // namespace raster
