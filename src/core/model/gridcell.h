// One cell of a timetable grid: its text and the formats the program uses as markers.
#pragma once

#include <QString>
#include <QtGlobal>

namespace orve::model {

// Colours are stored as 0x00BBGGRR; 0 stands for the grid's standard colour, not black.
using Colour = quint32;
inline constexpr Colour StandardColour = 0;

enum class TextStyle : quint8 {
    Flat = 0,
    Raised = 1,
    Inset = 2,
    RaisedLight = 3, // also the fixed mark of the scheduler
    InsetLight = 4,
};

// The nine placements of a flex grid plus "general" (text left, numbers right).
enum class CellAlignment : quint8 {
    LeftTop = 0,
    LeftCenter = 1,
    LeftBottom = 2,
    CenterTop = 3,
    CenterCenter = 4,
    CenterBottom = 5,
    RightTop = 6,
    RightCenter = 7,
    RightBottom = 8,
    General = 9,
};

struct GridCell
{
    QString text;
    Colour backColour = StandardColour;
    Colour textColour = StandardColour;
    TextStyle style = TextStyle::Flat;
    CellAlignment alignment = CellAlignment::General;
    quint8 fontSize = 0; // points; 0 = the grid's font size

    bool hasFormat() const
    {
        return backColour != StandardColour || textColour != StandardColour ||
               style != TextStyle::Flat || alignment != CellAlignment::General || fontSize != 0;
    }
};

inline constexpr quint8 redOf(Colour c) { return quint8(c & 0xFF); }
inline constexpr quint8 greenOf(Colour c) { return quint8((c >> 8) & 0xFF); }
inline constexpr quint8 blueOf(Colour c) { return quint8((c >> 16) & 0xFF); }
inline constexpr Colour rgbColour(quint8 r, quint8 g, quint8 b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

} // namespace orve::model
