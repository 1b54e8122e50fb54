// A manual check of the print window, for looking at it and taking screenshots: opens it on
// a generated master timetable. Not part of the program and not run by CTest.
//   print-window-demo [CLASSES] [DAYS] [PERIODS]
#include "timetablegrid.h"

#include "platform/translation.h"
#include "print/printcommand.h"
#include "windows/printwindow.h"

#include <QApplication>
#include <array>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orve::ui::installQtChineseTranslation(app);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC")});
    app.setFont(font);

    const QStringList args = app.arguments();
    const int classes = args.size() > 1 ? args.at(1).toInt() : 30;
    const int days = args.size() > 2 ? args.at(2).toInt() : 5;
    const int periods = args.size() > 3 ? args.at(3).toInt() : 8;

    orve::model::Grid master;
    QStringList names;
    for (int i = 1; i <= classes; ++i)
        names.append(QStringLiteral(u"初一(%1)").arg(i));
    orve::test::layOutTimetable(master, names, days, periods);
    static const std::array<const char16_t*, 8> courses = {u"语文", u"数学", u"英语", u"物理",
                                                           u"历史", u"地理", u"体育", u"音乐"};
    static const std::array<const char16_t*, 6> teachers = {u"王芳", u"李强", u"张伟",
                                                            u"刘洋", u"陈静", u"杨帆"};
    for (int r = 2; r < master.rowCount(); ++r)
        for (int c = 1; c < master.columnCount(); ++c)
            if ((r * 7 + c * 3) % 11 != 0)
                master.setText({r, c}, orve::model::lessonText(
                                   QString::fromUtf16(courses[std::size_t((r + c) % 8)]),
                                   QString::fromUtf16(teachers[std::size_t((r * c) % 6)])));

    orve::ui::PrintWindow window;
    orve::print::printMasterTimetable(window, master, days, periods,
                                   QStringLiteral(u"2024-2025学年第一学期 总课表"),
                                   [] { QCoreApplication::processEvents(); });
    return QApplication::exec();
}
