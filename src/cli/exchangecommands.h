// orve-cli's data exchange: a spreadsheet imported into a course-settings file (the window's
// 文件 → 导入...), FET files read into and written from course-settings files (导入 FET 文件...,
// 导出 FET 文件...). Each prints one JSON line: the counts, and the lines of the report.
#pragma once

#include <QCommandLineOption>
#include <QList>

namespace orve::cli {

struct Call;

// import SCHOOL.rve SHEET OUT.rve [--shape names|plan|grid] [--sheet NAME]
// [--encoding utf-8|gbk|utf-16]: the refused rows are left out, the others imported.
int importSheet(const Call& call);
QList<QCommandLineOption> importOptions();

// import-fet IN.fet OUT.rve
int importFet(const Call& call);

// export-fet IN.rve OUT.fet
int exportFet(const Call& call);

} // namespace orve::cli
