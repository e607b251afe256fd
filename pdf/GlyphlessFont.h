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
