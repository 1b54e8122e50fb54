#include "recordreader.h"

#include "model/gbk.h"

#include <QByteArrayView>
#include <algorithm>

namespace orve::fileio {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

char16_t code(QChar c)
{
    return c.unicode();
}

char16_t code(char c)
{
    return char16_t(static_cast<unsigned char>(c));
}

// Splits at CR LF, and at a lone CR or LF, which hand-edited files may hold. A line end at
// the very end of the text starts no further line.
template <typename Text, typename AddLine> void splitLines(const Text& text, AddLine addLine)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = code(text.at(i));
        if (c != u'\r' && c != u'\n')
            continue;
        addLine(start, i - start);
        if (c == u'\r' && i + 1 < size && code(text.at(i + 1)) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        addLine(start, size - start);
}

} // namespace

RecordReader::RecordReader(const QByteArray& bytes)
{
    // GBK trail bytes are never CR, LF, comma, quote or blank, so the byte lines are the text
    // lines, and one decoder for the whole file is enough unless some line is not GBK.
    QString text;
    if (model::decodeGbk(bytes, text)) {
        splitLines(text, [&](qsizetype at, qsizetype length) {
            decoded_.push_back(text.mid(at, length));
        });
        lineCount_ = decoded_.size();
    } else {
        bool good = true;
        splitLines(bytes, [&](qsizetype at, qsizetype length) {
            QString line;
            good = good && model::decodeGbk(QByteArrayView(bytes).sliced(at, length), line);
            if (good)
                decoded_.push_back(line);
            ++lineCount_;
        });
    }

    // Blank lines at the end hold no record (past a line that is not GBK nothing is known).
    contentEnd_ = lineCount_;
    const auto blank = [](const QString& line) {
        return std::all_of(line.begin(), line.end(), [](QChar c) { return isBlank(c.unicode()); });
    };
    if (decoded_.size() == lineCount_)
        while (contentEnd_ > 0 && blank(decoded_[contentEnd_ - 1]))
            --contentEnd_;
    const bool ended = bytes.endsWith('\n') || bytes.endsWith('\r');
    if (!ended && contentEnd_ > 0 && contentEnd_ == lineCount_)
        unendedLastLine_ = int(lineCount_);
}

bool RecordReader::next(Record& record)
{
    if (error_.failed() || lineIndex_ >= contentEnd_)
        return false;
    record.line = int(lineIndex_ + 1);
    return readField(record.first, false, record.line) &&
           readField(record.second, false, record.line) &&
           readField(record.third, true, record.line);
}

void RecordReader::nextLine()
{
    ++lineIndex_;
    position_ = 0;
}

bool RecordReader::readField(QString& field, bool toEndOfLine, int recordLine)
{
    if (lineIndex_ >= lineCount_) {
        error_ = {recordLine, reasons::missingFields()};
        return false;
    }
    if (lineIndex_ >= decoded_.size()) {
        error_ = {int(lineIndex_ + 1), reasons::notGbk()};
        return false;
    }
    const QString& line = decoded_[lineIndex_];
    const qsizetype size = line.size();
    qsizetype at = position_;
    while (at < size && isBlank(line.at(at).unicode()))
        ++at;

    const bool quoted = at < size && line.at(at) == u'"';
    qsizetype end = size;   // where the field's text ends
    qsizetype after = size; // where the comma that ends the field may follow
    if (quoted) {
        ++at;
        end = line.indexOf(u'"', at);
        if (end < 0)
            end = size;
        after = std::min(end + 1, size);
    } else if (!toEndOfLine) {
        end = line.indexOf(u',', at);
        if (end < 0)
            end = size;
        after = end;
    }
    field = line.mid(at, end - at);

    const qsizetype comma = toEndOfLine ? -1 : line.indexOf(u',', after);
    if (comma < 0)
        nextLine();
    else
        position_ = comma + 1;
    return true;
}

} // namespace orve::fileio
