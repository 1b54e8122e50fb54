// How a cell's text is set in its box, on paper and in the class and teacher timetable window,
// so that names are read whole: lines broken only at spaces and after "、" or a comma, and the
// font made smaller step by step, down to MinimumTextPoints, until every line fits, a lesson's
// course above its teacher (or classes), or run on where that cannot fit even at the least
// size. Only when neither fits, words are broken wherever they must be and what is left over is
// cut off below.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

namespace orve::render {

// The least size a printed or shown lesson is set in.
inline constexpr double MinimumTextPoints = 6;

struct FittedText
{
    QFont font;
    QStringList lines;
    bool whole = true; // false: at the least size words had to be broken
};

enum class Lessons { CourseAbove, RunOn };

// The paragraphs a cell's text is set in: its lines, each lesson split after its course when
// the course goes above.
QStringList paragraphsOf(const QString& text, Lessons lessons);

// The widest word of the text in `font` on `device` (null: the screen), in device units.
double widestWord(const QString& text, const QFont& font, const QPaintDevice* device);

// The largest size from the font's own down to MinimumTextPoints at which the text fits the
// box (in the device's units), with its lines.
FittedText fitText(const QString& text, const QFont& font, QSizeF box,
                   const QPaintDevice* device);

// Draws the fitted lines in the box, aligned as asked, clipped to it.
void drawFittedText(QPainter& painter, const QRectF& box, const FittedText& fitted,
                    Qt::Alignment alignment);

} // namespace orve::render
