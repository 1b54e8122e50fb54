// make-school OUT [CLASSES]: writes a generated school (15 courses, 7 days x 10 periods) as a
// course-settings file, for timing orve-cli on a large school.
#include "fileio/savedata.h"
#include "school/startup.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "workspace.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("usage: make-school OUT [CLASSES]\n", stderr);
        return 2;
    }
    orve::Workspace ws;
    orve::SilentUiPort ui;
    orve::school::startUp(ws, ui);
    orve::bench::SchoolShape shape;
    if (arguments.size() == 3)
        shape.classes = arguments.at(2).toInt();
    orve::bench::generateSchool(ws, shape);
    ws.session.ioPath = arguments.at(1);
    return orve::fileio::writeSchoolFile(ws.school, ws.session.ioPath).written() ? 0 : 1;
}
