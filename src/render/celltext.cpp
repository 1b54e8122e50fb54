#include "celltext.h"

#include "model/lessoncell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

namespace orve::render {

namespace {

constexpr double SizeStep = 0.5;
// How many points a lesson's text may lose to keep its course above its teacher.
constexpr double CourseAboveAllowance = 1;

struct Word
{
    QString text;
    bool spaceBefore = false;
};

bool breaksAfter(QChar c)
{
    return c == u'、' || c == u'，' || c == u',' || c == u'；' || c == u';';
}

// A paragraph's words: broken at spaces (which go) and after a list's punctuation (which stays).
std::vector<Word> wordsOf(const QString& paragraph)
{
    std::vector<Word> words;
    Word word;
    bool space = false;
    for (const QChar c : paragraph) {
        if (c.isSpace()) {
            space = true;
            if (!word.text.isEmpty())
                words.push_back(std::exchange(word, {}));
            continue;
        }
        if (word.text.isEmpty())
            word.spaceBefore = space && !words.empty();
        space = false;
        word.text += c;
        if (breaksAfter(c))
            words.push_back(std::exchange(word, {}));
    }
    if (!word.text.isEmpty())
        words.push_back(word);
    return words;
}

// Greedy lines of whole words; false when a word alone is wider than the box.
bool wrapWords(const std::vector<std::vector<Word>>& paragraphs, const QFontMetricsF& metrics,
               double width, QStringList& lines)
{
    lines.clear();
    for (const std::vector<Word>& words : paragraphs) {
        QString line;
        for (const Word& word : words) {
            if (metrics.horizontalAdvance(word.text) > width)
                return false;
            const QString longer = line.isEmpty()
                                       ? word.text
                                       : line + (word.spaceBefore ? QStringLiteral(" ") : QString()) +
                                             word.text;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.append(line);
                line = word.text;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty())
            lines.append(line);
    }
    return true;
}

// Lines broken wherever the width ends: the last resort.
QStringList wrapAnywhere(const QStringList& paragraphs, const QFontMetricsF& metrics,
                         double width)
{
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        QString line;
        for (const QChar c : paragraph.simplified()) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
                lines.append(line);
                line.clear();
            }
            line += c;
        }
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

// The largest size from the font's own down to MinimumTextPoints at which the words fit.
std::optional<FittedText> largestFit(const std::vector<std::vector<Word>>& words, const QFont& font,
                                     QSizeF box, const QPaintDevice* device)
{
    FittedText fitted{font, {}, true};
    const double own = font.pointSizeF();
    for (double size = own; size > 0; size -= SizeStep) {
        fitted.font.setPointSizeF(std::max(size, std::min(own, MinimumTextPoints)));
        const QFontMetricsF metrics(fitted.font, device);
        if (wrapWords(words, metrics, box.width(), fitted.lines) &&
            fitted.lines.size() * metrics.lineSpacing() <= box.height())
            return fitted;
        if (size <= MinimumTextPoints)
            break;
    }
    return std::nullopt;
}

} // namespace

QStringList paragraphsOf(const QString& text, Lessons lessons)
{
    QStringList paragraphs;
    for (const QString& line : text.split(u'\n')) {
        const QStringList parts =
            lessons == Lessons::CourseAbove
                ? line.split(model::LessonSeparator.toString(), Qt::SkipEmptyParts)
                : QStringList{line};
        for (const QString& part : parts)
            if (!part.trimmed().isEmpty())
                paragraphs.append(part.trimmed());
    }
    return paragraphs;
}

double widestWord(const QString& text, const QFont& font, const QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const QString& paragraph : paragraphsOf(text, Lessons::CourseAbove))
        for (const Word& word : wordsOf(paragraph))
            widest = std::max(widest, metrics.horizontalAdvance(word.text));
    return widest;
}

FittedText fitText(const QString& text, const QFont& font, QSizeF box,
                   const QPaintDevice* device)
{
    const auto words = [&text](Lessons lessons) {
        std::vector<std::vector<Word>> result;
        for (const QString& paragraph : paragraphsOf(text, lessons))
            result.push_back(wordsOf(paragraph));
        return result;
    };
    const std::optional<FittedText> above =
        largestFit(words(Lessons::CourseAbove), font, box, device);
    if (above && above->font.pointSizeF() >= font.pointSizeF())
        return *above;
    const std::optional<FittedText> runOn = largestFit(words(Lessons::RunOn), font, box, device);
    // The course above its teacher reads best, unless running on lets the text be much larger.
    if (above && (!runOn || above->font.pointSizeF() + CourseAboveAllowance >=
                                runOn->font.pointSizeF()))
        return *above;
    if (runOn)
        return *runOn;
    FittedText fitted{font, {}, false};
    fitted.font.setPointSizeF(std::min(font.pointSizeF(), MinimumTextPoints));
    fitted.lines = wrapAnywhere(paragraphsOf(text, Lessons::RunOn),
                                QFontMetricsF(fitted.font, device), box.width());
    return fitted;
}

void drawFittedText(QPainter& painter, const QRectF& box, const FittedText& fitted,
                    Qt::Alignment alignment)
{
    painter.save();
    painter.setFont(fitted.font);
    painter.setClipRect(box, Qt::IntersectClip);
    const double lineHeight = QFontMetricsF(fitted.font, painter.device()).lineSpacing();
    const double height = lineHeight * double(fitted.lines.size());
    double top = box.top() + (box.height() - height) / 2;
    // What does not fit is cut off at the bottom, so the beginning always shows.
    if ((alignment & Qt::AlignTop) || height > box.height())
        top = box.top();
    else if (alignment & Qt::AlignBottom)
        top = box.bottom() - height;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    for (const QString& line : fitted.lines) {
        painter.drawText(QRectF(box.left(), top, box.width(), lineHeight),
                         int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), line);
        top += lineHeight;
    }
    painter.restore();
}

} // namespace orve::render
