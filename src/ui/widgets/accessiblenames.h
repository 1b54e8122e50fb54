// The names a screen reader announces for the controls of the program's windows, in Chinese:
// one table keyed by the controls' object names (with their window's where two windows use the
// same name), so that every window is named in one place.
#pragma once

class QWidget;

namespace orve::ui {

// Names every control under `root` that has no accessible name yet: from the table, a button
// by its caption, spin buttons by the field they step ("增加" / "减少" and the field's name).
void nameForScreenReaders(QWidget* root);

} // namespace orve::ui
