// The numeric guard of the number fields: a key press remembers the field's text, and if the
// text is no longer numeric when the key is released, the remembered text comes back. One
// remembered text serves all guarded fields, as only one key is pressed at a time.
#pragma once

#include <QString>

namespace orve::model {

class NumericGuard
{
public:
    void keyPressed(const QString& text) { remembered_ = text; }
    // The text the field should hold after the key's release.
    QString keyReleased(const QString& text) const;

private:
    QString remembered_;
};

} // namespace orve::model
