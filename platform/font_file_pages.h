// The pages of the font files the program has read. The font engine maps each font file whole
// and reads its tables and glyphs through the mapping, and every page it has touched stays in
// the program's memory while the font is open: a few megabytes for the Japanese faces of the
// first two windows, although the toolkit keeps each glyph it has drawn. Pages let go of stay
// in the system's file cache, and a glyph drawn later is read from there again.
#pragma once

#include <cstddef>

namespace vorpo {

// Lets go of the pages of every font file mapped read-only into the program (TrueType,
// OpenType and their collections, Type 1 and PCF fonts); nothing else is touched. Returns the
// number of bytes of the mappings let go of.
std::size_t ReleaseFontFilePages();

}  // namespace vorpo
