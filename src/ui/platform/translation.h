// Qt's own Chinese translation, so that standard buttons, file dialogs and the print preview
// speak Chinese like the rest of the program.
#pragma once

class QCoreApplication;

namespace orve::ui {

// False when the translation is not installed on this machine.
bool installQtChineseTranslation(QCoreApplication& app);

} // namespace orve::ui
