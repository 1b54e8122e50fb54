// CSV files as spreadsheet programs save them: UTF-8 with or without a byte-order mark (WPS,
// LibreOffice, Excel's "CSV UTF-8"), GBK (Excel's plain "CSV" on a Chinese Windows) or UTF-16
// with its mark (Excel's "Unicode text", separated by tabs). Fields in double quotes may hold
// commas, quotes doubled and line breaks.
#pragma once

#include "table.h"

#include <QByteArray>
#include <QString>

namespace orve::exchange {

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    QString error; // the bytes are not text in that encoding
};

// The bytes as text: in `encoding` when given, else in the encoding of their byte-order mark,
// else UTF-8 when they are valid UTF-8, else GBK.
DecodedText decodeText(const QByteArray& bytes, std::optional<TextEncoding> encoding);

// The rows of CSV text. Fields are separated by commas, or by tabs when the first line holds a
// tab and no comma.
SheetRead parseCsv(QStringView text);

// decodeText, then parseCsv.
SheetRead readCsv(const QByteArray& bytes, std::optional<TextEncoding> encoding);

} // namespace orve::exchange
