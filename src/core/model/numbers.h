// How the program reads numbers out of texts: the leading number of a text, the whole-text
// numeric test of the number fields, and rounding half to even.
#pragma once

#include <QStringView>

namespace orve::model {

// The number a text starts with; blanks anywhere are ignored, 0 when there is none.
double leadingNumber(QStringView text);

// True when the whole text reads as one decimal number (blanks around it, a sign, a decimal
// point and an exponent allowed). The empty text is not numeric.
bool isNumeric(QStringView text);

// Rounds to the nearest integer, halves to even, and keeps the result within [low, high].
int roundHalfEven(double value, int low, int high);

// roundHalfEven(leadingNumber(text)) within [low, high].
int leadingInteger(QStringView text, int low, int high);

} // namespace orve::model
