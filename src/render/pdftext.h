// Making the text of a PDF that Qt wrote read back as it was drawn. Qt's PDF engine tells
// readers which character each glyph stands for through a ToUnicode map built from the font's
// cmap, taking the lowest code point that maps to the glyph. CJK fonts give one glyph to an
// ideograph and to its Kangxi-radical twin (U+2F00-U+2FDF, U+2E80-U+2EFF), so text extraction,
// search and copy gave "星期⼀" for 星期一 and "⻚" for 页. The maps are corrected here.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace orve::render {

// The radical twins of the printing faces: each radical code point whose glyph is also an
// ideograph's, with that ideograph.
const QHash<char16_t, char16_t>& radicalTwins();

// The PDF with each ToUnicode map that names a radical twin written again with the ideograph
// instead, appended as an incremental update (the bytes Qt wrote stay as they are). The same
// bytes when no map needs it or the file is not laid out as Qt writes it.
QByteArray withIdeographsForRadicals(const QByteArray& pdf);

} // namespace orve::render
