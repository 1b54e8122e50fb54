#include "csvtable.h"

#include "model/gbk.h"

#include <QStringDecoder>

#include <utility>

namespace orve::exchange {

namespace {

const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Utf16LeMark = QByteArrayLiteral("\xFF\xFE");
const QByteArray Utf16BeMark = QByteArrayLiteral("\xFE\xFF");

bool decodeStrictly(QStringConverter::Encoding encoding, QByteArrayView bytes, QString& out)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    out = decoder.decode(bytes);
    return !decoder.hasError();
}

QString notInEncoding(TextEncoding encoding)
{
    return QStringLiteral(u"文件中有不是 %1 编码的文字，请选择其他编码，"
                          u"或在电子表格程序中另存为 CSV（UTF-8）后再导入。")
        .arg(encodingName(encoding));
}

std::optional<TextEncoding> markedEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(Utf8Mark))
        return TextEncoding::Utf8;
    if (bytes.startsWith(Utf16LeMark) || bytes.startsWith(Utf16BeMark))
        return TextEncoding::Utf16;
    return std::nullopt;
}

DecodedText decodeAs(const QByteArray& bytes, TextEncoding encoding)
{
    DecodedText decoded{{}, encoding, {}};
    bool ok = false;
    switch (encoding) {
    case TextEncoding::Utf8:
        ok = decodeStrictly(QStringConverter::Utf8,
                            bytes.startsWith(Utf8Mark) ? bytes.mid(Utf8Mark.size()) : bytes,
                            decoded.text);
        break;
    case TextEncoding::Gbk:
        ok = model::decodeGbk(bytes, decoded.text);
        break;
    case TextEncoding::Utf16: {
        // Without a mark Excel's "Unicode text" is little-endian.
        const bool bigEndian = bytes.startsWith(Utf16BeMark);
        const bool marked = bigEndian || bytes.startsWith(Utf16LeMark);
        ok = decodeStrictly(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                            marked ? bytes.mid(2) : bytes, decoded.text);
        break;
    }
    }
    if (!ok)
        decoded.error = notInEncoding(encoding);
    return decoded;
}

// One field at `pos`, which moves past the field and its separator. `rowEnds` tells whether
// the field ended its row.
QString nextField(QStringView text, qsizetype& pos, QChar separator, bool& rowEnds)
{
    QString field;
    rowEnds = false;
    if (pos < text.size() && text[pos] == u'"') {
        ++pos;
        while (pos < text.size()) {
            if (text[pos] == u'"') {
                if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                    field.append(u'"');
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            field.append(text[pos++]);
        }
    }
    // Unquoted text, or whatever follows a closing quote, runs to the separator or line end.
    while (pos < text.size() && text[pos] != separator && text[pos] != u'\n' && text[pos] != u'\r')
        field.append(text[pos++]);
    if (pos >= text.size()) {
        rowEnds = true;
    } else if (text[pos] == separator) {
        ++pos;
    } else {
        rowEnds = true;
        if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
            ++pos;
        ++pos;
    }
    return field;
}

QChar separatorOf(QStringView text)
{
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QStringView firstLine = lineEnd < 0 ? text : text.left(lineEnd);
    return firstLine.contains(u'\t') && !firstLine.contains(u',') ? QChar(u'\t') : QChar(u',');
}

} // namespace

DecodedText decodeText(const QByteArray& bytes, std::optional<TextEncoding> encoding)
{
    if (encoding)
        return decodeAs(bytes, *encoding);
    if (const std::optional<TextEncoding> marked = markedEncoding(bytes))
        return decodeAs(bytes, *marked);
    DecodedText utf8 = decodeAs(bytes, TextEncoding::Utf8);
    if (utf8.error.isEmpty())
        return utf8;
    DecodedText gbk = decodeAs(bytes, TextEncoding::Gbk);
    if (gbk.error.isEmpty())
        return gbk;
    gbk.error = QStringLiteral(u"文件既不是 UTF-8 编码也不是 GBK 编码的文字，"
                               u"请在电子表格程序中另存为 CSV（UTF-8）后再导入。");
    return gbk;
}

SheetRead parseCsv(QStringView text)
{
    SheetRead read;
    if (text.startsWith(u'\uFEFF'))
        text = text.mid(1);
    const QChar separator = separatorOf(text);
    qsizetype pos = 0;
    QStringList row;
    while (pos < text.size()) {
        bool rowEnds = false;
        row.append(nextField(text, pos, separator, rowEnds));
        if (row.size() > MaxTableColumns || read.table.rowCount() >= MaxTableRows) {
            read.error = tableTooLarge();
            read.table = {};
            return read;
        }
        if (rowEnds)
            read.table.rows.push_back(std::exchange(row, {}));
    }
    // The text ended right after a separator: the row's last field is empty.
    if (!row.isEmpty()) {
        row.append(QString());
        read.table.rows.push_back(row);
    }
    return read;
}

SheetRead readCsv(const QByteArray& bytes, std::optional<TextEncoding> encoding)
{
    DecodedText decoded = decodeText(bytes, encoding);
    if (!decoded.error.isEmpty()) {
        SheetRead failed;
        failed.encoding = decoded.encoding;
        failed.error = decoded.error;
        return failed;
    }
    SheetRead read = parseCsv(decoded.text);
    read.encoding = decoded.encoding;
    return read;
}

} // namespace orve::exchange
