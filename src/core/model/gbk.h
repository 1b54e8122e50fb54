// Code page 936 (GBK), the encoding of the course-settings file. The combined-lesson separator
// U+F8F5 is the single byte 0xFF there; ICU's GBK table maps it both ways.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orve::model {

// False when some character has no GBK form (nothing is ever turned into '?').
bool encodeGbk(QStringView text, QByteArray& out);

// False when the bytes are not GBK text.
bool decodeGbk(QByteArrayView bytes, QString& out);

// The distinct characters of `text` that GBK cannot hold, in order of first appearance
// (a character outside the BMP counts as one).
QString charactersOutsideGbk(QStringView text);

} // namespace orve::model
