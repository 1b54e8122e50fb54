// The program orve: sets up Qt (Chinese translation, a Chinese font) and starts the main window.
#include "fileio/systemerror.h"
#include "mainwindow.h"
#include "translation.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// Fallback fonts may choose the Japanese variant of the CJK glyphs; ask for the Chinese one.
void useChineseFont(QApplication& app)
{
    const QString family = QStringLiteral("Noto Sans CJK SC");
    if (QFontDatabase::hasFamily(family)) {
        QFont font = app.font();
        font.setFamilies({family});
        app.setFont(font);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orve::fileio::reportFileSizeLimitAsError();
    QApplication::setApplicationName(QStringLiteral("orve"));
    QApplication::setApplicationVersion(QStringLiteral(ORVE_VERSION));

    orve::ui::installQtChineseTranslation(app);
    useChineseFont(app);

    orve::ui::MainWindow window;
    window.startUp();
    return QApplication::exec();
}
