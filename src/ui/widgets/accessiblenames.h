// The names a screen reader announces for the controls of the program's windows, in Chinese:
// given where each control is made, and for what is built of parts (buttons, spin buttons,
// the lists of combo boxes, tab bars) taken from the parts.
#pragma once

#include <QString>

class QAbstractSpinBox;
class QWidget;

namespace orve::ui {

// Gives a control its object name (for tests and docs/commands.md) and the name a screen reader
// announces; a label is read as the text it shows, so `spoken` goes into its description.
void nameControl(QWidget* control, const char* objectName, const QString& spoken = {});

// Names a spin box whose name follows what it stands for, and its entry field, which takes the
// focus, by the same name.
void setSpinBoxName(QAbstractSpinBox* spin, const QString& spoken);

// Names every control under `root` that has no accessible name yet: a button by its caption,
// spin buttons by the field they step ("增加" / "减少" and the field's name), a combo box's
// list and field and a tab bar by their owner's name.
void nameForScreenReaders(QWidget* root);

} // namespace orve::ui
