// Puts the numeric guard on line edits: the text before a key press comes back on the key's
// release when the key left a text that is not a number.
#pragma once

#include "model/numericguard.h"

#include <QObject>

class QLineEdit;

namespace orve::ui {

class NumericGuardFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void guard(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    model::NumericGuard guard_;
};

} // namespace orve::ui
