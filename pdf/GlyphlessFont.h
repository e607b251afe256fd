#pragma once

// A TrueType font for invisible text: every glyph is empty and 500 units wide, so it costs a
// few hundred bytes once compressed. It maps Latin (with its extensions), Greek, Cyrillic,
// common punctuation and ligatures; anything else falls on the empty .notdef glyph of the same
// width, which is still invisible and still carries its Unicode value in the ToUnicode map.

#include <QByteArray>

// The glyphs' advance in font units (of 1000 per em).
inline constexpr int kGlyphlessAdvance = 500;

// The font file's bytes; the same every call.
QByteArray GlyphlessFontData();

// The ToUnicode map of the font as the text layer uses it: its codes are UTF-16 code units
// (Identity-H), so each code stands for the character of that number. Written as readers
// require: bfrange blocks of at most 100 ranges, each range within one high byte; the
// surrogate halves, which are no characters, are left out.
QByteArray GlyphlessToUnicodeMap();
