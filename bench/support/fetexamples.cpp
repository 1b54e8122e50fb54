#include "fetexamples.h"

#include "fileio/savedata.h"
#include "model/numbers.h"
#include "school/teachingplan.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <algorithm>
#include <vector>

namespace orve::bench {

QStringList fetFiles(const QDir& examples)
{
    QStringList files;
    QDirIterator found(examples.path(), {QStringLiteral("*.fet")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    files.sort();
    return files;
}

void markMainCourses(model::School& school)
{
    constexpr int MainCourses = 3;
    const int mornings = school.week.morningPeriods() * school.week.daysPerWeek();
    model::Grid& plan = school.plan;
    const auto periods = [&plan](int row) {
        return model::leadingInteger(plan.text({row, school::PeriodsColumn}), 0, 9999);
    };
    const int courses = int(school.courses.size());
    for (int c = 0; c < school.classes.size(); ++c) {
        std::vector<int> rows;
        for (int k = 0; k < courses; ++k)
            if (const int row = c * courses + k + 1; row < plan.rowCount() && periods(row) > 0)
                rows.push_back(row);
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return periods(a) > periods(b); });
        int taken = 0;
        for (int i = 0; i < int(rows.size()) && i < MainCourses; ++i) {
            taken += periods(rows[std::size_t(i)]);
            if (taken > mornings)
                break;
            plan.setText({rows[std::size_t(i)], school::MainMarkColumn}, school::MainCourseMark);
        }
    }
}

QByteArray contentKey(model::School school)
{
    school.title.clear();
    return QCryptographicHash::hash(fileio::settingsText(school).toUtf8(),
                                    QCryptographicHash::Sha1);
}

} // namespace orve::bench
