// The program orve [FILE.rve]: sets up Qt (Chinese translation, a Chinese font), starts the
// main window and opens the course-settings file it is given (a double click in a file manager).
#include "fileio/filecommands.h"
#include "fileio/systemerror.h"
#include "formats/timetableformats.h"
#include "mainwindow.h"
#include "platform/translation.h"
#include "workbook/sheetworkbook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
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
    orve::exchange::setWorkbookWriter(orve::exchange::xlsxOf);
    // The settings (recent files) live in ~/.config/orve/orve.conf.
    QApplication::setOrganizationName(QStringLiteral("orve"));
    QApplication::setApplicationName(QStringLiteral("orve"));
    QApplication::setApplicationVersion(QStringLiteral(ORVE_VERSION));

    orve::ui::installQtChineseTranslation(app);
    useChineseFont(app);

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral(u"ORVE智能排课系统"));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("file"),
                                    QStringLiteral(u"要打开的课程设置文件 (.rve)"),
                                    QStringLiteral("[FILE.rve]"));
    arguments.process(app);

    orve::ui::MainWindow window;
    window.startUp();
    // A file that cannot be read is told as Open tells it; the program goes on without it.
    if (!arguments.positionalArguments().isEmpty())
        orve::fileio::openSchoolPath(
            window.workspace(), window.uiPort(),
            QFileInfo(arguments.positionalArguments().constFirst()).absoluteFilePath());
    return QApplication::exec();
}
