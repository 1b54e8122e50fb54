#include "pdftext.h"

#include "sheetpainter.h"

#include <QRawFont>
#include <QRegularExpression>
#include <map>
#include <vector>

namespace orve::render {

namespace {

bool isRadical(char16_t c)
{
    return (c >= 0x2E80 && c <= 0x2EFF) || (c >= 0x2F00 && c <= 0x2FDF);
}

// The ideographs of the unified block sharing a glyph with each radical of one face.
void addTwinsOf(const QRawFont& font, QHash<char16_t, char16_t>& twins)
{
    QString ideographs;
    for (char16_t c = 0x4E00; c <= 0x9FFF; ++c)
        ideographs.append(QChar(c));
    const QList<quint32> ideographGlyphs = font.glyphIndexesForString(ideographs);
    QHash<quint32, char16_t> ideographOfGlyph;
    for (qsizetype i = 0; i < ideographGlyphs.size() && i < ideographs.size(); ++i)
        if (ideographGlyphs.at(i) != 0 && !ideographOfGlyph.contains(ideographGlyphs.at(i)))
            ideographOfGlyph.insert(ideographGlyphs.at(i), ideographs.at(i).unicode());
    QString radicals;
    for (char16_t c = 0x2E80; c <= 0x2FDF; ++c)
        if (isRadical(c))
            radicals.append(QChar(c));
    const QList<quint32> radicalGlyphs = font.glyphIndexesForString(radicals);
    for (qsizetype i = 0; i < radicalGlyphs.size() && i < radicals.size(); ++i) {
        const auto twin = ideographOfGlyph.constFind(radicalGlyphs.at(i));
        if (radicalGlyphs.at(i) != 0 && twin != ideographOfGlyph.constEnd())
            twins.insert(radicals.at(i).unicode(), *twin);
    }
}

// Four hex digits as PDF strings write them.
QByteArray hex4(uint value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

// The UTF-16 code units a hex string token names ("<4E00>" gives 一).
QString unitsOf(QStringView token)
{
    const QStringView hex = token.mid(1, token.size() - 2);
    QString units;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        units.append(QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16))));
    return units;
}

uint numberOf(QStringView token)
{
    return token.mid(1, token.size() - 2).toUInt(nullptr, 16);
}

// The glyph-to-text pairs of a ToUnicode CMap, from its bfrange and bfchar sections.
std::map<uint, QString> readCMap(const QByteArray& cmap)
{
    static const QRegularExpression section(
        QStringLiteral(R"((beginbfrange|beginbfchar)(.*?)end(bfrange|bfchar))"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression token(QStringLiteral(R"(<([0-9A-Fa-f]*)>|\[|\])"));
    std::map<uint, QString> map;
    const QString text = QString::fromLatin1(cmap);
    for (auto sections = section.globalMatch(text); sections.hasNext();) {
        const QRegularExpressionMatch found = sections.next();
        const bool ranges = found.captured(1) == u"beginbfrange";
        std::vector<QString> tokens;
        for (auto all = token.globalMatch(found.captured(2)); all.hasNext();)
            tokens.push_back(all.next().captured(0));
        for (std::size_t i = 0; i < tokens.size();) {
            const uint first = numberOf(tokens[i]);
            if (!ranges) {
                if (i + 1 < tokens.size())
                    map[first] = unitsOf(tokens[i + 1]);
                i += 2;
                continue;
            }
            if (i + 2 >= tokens.size())
                break;
            const uint last = numberOf(tokens[i + 1]);
            i += 2;
            if (tokens[i] == u"[") {
                for (uint glyph = first; ++i < tokens.size() && tokens[i] != u"]"; ++glyph)
                    map[glyph] = unitsOf(tokens[i]);
                ++i;
                continue;
            }
            QString units = unitsOf(tokens[i]);
            for (uint glyph = first; glyph <= last && !units.isEmpty(); ++glyph) {
                map[glyph] = units;
                units.back() = QChar(char16_t(units.back().unicode() + 1));
            }
            ++i;
        }
    }
    return map;
}

QByteArray writeCMap(const std::map<uint, QString>& map)
{
    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n"
                      "12 dict begin\n"
                      "begincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n"
                      "/CMapType 2 def\n"
                      "1 begincodespacerange\n"
                      "<0000> <FFFF>\n"
                      "endcodespacerange\n";
    // A CMap section holds at most 100 entries.
    constexpr std::size_t PerSection = 100;
    auto entry = map.begin();
    for (std::size_t left = map.size(); left > 0;) {
        const std::size_t count = std::min(left, PerSection);
        cmap += QByteArray::number(qulonglong(count)) + " beginbfchar\n";
        for (std::size_t k = 0; k < count; ++k, ++entry) {
            cmap += '<' + hex4(entry->first) + "> <";
            for (const QChar unit : entry->second)
                cmap += hex4(unit.unicode());
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
        left -= count;
    }
    cmap += "endcmap\n"
            "CMapName currentdict /CMap defineresource pop\n"
            "end\n"
            "end\n";
    return cmap;
}

// The offsets of the objects a classic cross-reference table lists.
std::map<int, qsizetype> objectOffsets(const QByteArray& pdf, qsizetype xref)
{
    std::map<int, qsizetype> offsets;
    if (!pdf.mid(xref, 4).startsWith("xref"))
        return offsets;
    qsizetype at = pdf.indexOf('\n', xref) + 1;
    while (at > 0 && at < pdf.size() && !pdf.mid(at, 7).startsWith("trailer")) {
        const qsizetype lineEnd = pdf.indexOf('\n', at);
        const QList<QByteArray> header = pdf.mid(at, lineEnd - at).trimmed().split(' ');
        if (lineEnd < 0 || header.size() != 2)
            return {};
        const int first = header.at(0).toInt();
        const int count = header.at(1).toInt();
        at = lineEnd + 1;
        for (int k = 0; k < count; ++k, at += 20)
            if (pdf.mid(at + 17, 1) == "n")
                offsets[first + k] = pdf.mid(at, 10).toLongLong();
    }
    return offsets;
}

// The stream of object `number` when it is a plain stream with a direct length.
QByteArray plainStream(const QByteArray& pdf, qsizetype offset, int number)
{
    if (!pdf.mid(offset).startsWith(QByteArray::number(number) + " 0 obj"))
        return {};
    const qsizetype start = pdf.indexOf("stream", offset);
    const QByteArray dictionary = pdf.mid(offset, start - offset);
    static const QRegularExpression length(QStringLiteral(R"(/Length\s+(\d+)\s*(?:>>|/))"));
    const QRegularExpressionMatch found = length.match(QString::fromLatin1(dictionary));
    if (start < 0 || dictionary.contains("/Filter") || !found.hasMatch())
        return {};
    qsizetype data = start + 6;
    if (pdf.mid(data, 2) == "\r\n")
        data += 2;
    else if (pdf.at(data) == '\n' || pdf.at(data) == '\r')
        data += 1;
    return pdf.mid(data, found.captured(1).toLongLong());
}

} // namespace

const QHash<char16_t, char16_t>& radicalTwins()
{
    static const QHash<char16_t, char16_t> twins = [] {
        QHash<char16_t, char16_t> found;
        for (const QString& family : printFont(QString(), 12).families()) {
            QFont face(family);
            face.setPixelSize(64);
            const QRawFont font = QRawFont::fromFont(face);
            if (font.isValid())
                addTwinsOf(font, found);
        }
        return found;
    }();
    return twins;
}

QByteArray withIdeographsForRadicals(const QByteArray& pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return pdf;
    const qsizetype previous = pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).toLongLong();
    const std::map<int, qsizetype> offsets = objectOffsets(pdf, previous);
    const qsizetype trailer = pdf.indexOf("trailer", previous);
    static const QRegularExpression reference(QStringLiteral(R"(/(Root|Info)\s+\d+\s+\d+\s+R)"));
    static const QRegularExpression size(QStringLiteral(R"(/Size\s+(\d+))"));
    const QString trailerText = QString::fromLatin1(pdf.mid(trailer, startxref - trailer));
    const QRegularExpressionMatch sizeFound = size.match(trailerText);
    if (offsets.empty() || trailer < 0 || !sizeFound.hasMatch())
        return pdf;

    static const QRegularExpression toUnicode(QStringLiteral(R"(/ToUnicode\s+(\d+)\s+0\s+R)"));
    std::map<int, QByteArray> corrected;
    const QHash<char16_t, char16_t>& twins = radicalTwins();
    for (auto uses = toUnicode.globalMatch(QString::fromLatin1(pdf)); uses.hasNext();) {
        const int number = uses.next().captured(1).toInt();
        const auto offset = offsets.find(number);
        if (corrected.count(number) || offset == offsets.end())
            continue;
        std::map<uint, QString> map = readCMap(plainStream(pdf, offset->second, number));
        bool changed = false;
        for (auto& [glyph, text] : map) {
            const auto twin = text.size() == 1 ? twins.constFind(text.front().unicode())
                                               : twins.constEnd();
            if (twin != twins.constEnd()) {
                text = QChar(*twin);
                changed = true;
            }
        }
        if (changed)
            corrected[number] = writeCMap(map);
    }
    if (corrected.empty())
        return pdf;

    QByteArray result = pdf;
    if (!result.endsWith('\n'))
        result += '\n';
    std::map<int, qsizetype> written;
    for (const auto& [number, cmap] : corrected) {
        written[number] = result.size();
        result += QByteArray::number(number) + " 0 obj\n<< /Length " +
                  QByteArray::number(cmap.size()) + " >>\nstream\n" + cmap +
                  "\nendstream\nendobj\n";
    }
    const qsizetype xref = result.size();
    result += "xref\n";
    for (const auto& [number, offset] : written)
        result += QByteArray::number(number) + " 1\n" +
                  QByteArray::number(qlonglong(offset)).rightJustified(10, '0') + " 00000 n \n";
    result += "trailer\n<< /Size " + sizeFound.captured(1).toLatin1();
    for (auto refs = reference.globalMatch(trailerText); refs.hasNext();)
        result += ' ' + refs.next().captured(0).toLatin1();
    result += " /Prev " + QByteArray::number(qlonglong(previous)) + " >>\nstartxref\n" +
              QByteArray::number(qlonglong(xref)) + "\n%%EOF\n";
    return result;
}

} // namespace orve::render
