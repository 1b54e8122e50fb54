// The headers the import understands: the plan's columns in Chinese or English, and the name
// lists' columns. Headers are compared after cleaning, English ones without regard to case.
#pragma once

#include "school/namelist.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace orve::exchange {

// A column of the plan sheet: one row per class and course.
enum class PlanField { Class, Course, Teacher, Periods, Main, Combined, Venue };

inline constexpr int PlanFieldCount = 7;

std::optional<PlanField> planFieldOf(QStringView header);
// The header the program writes for the field: "班级", "课程", "任课教师", "周课时", "主课",
// "合班", "教学场地".
QString planFieldHeader(PlanField field);

// A column of the name-list sheet: "班级", "课程", "教师", "场地", the lists' own titles
// ("班级名单", "开课课程", "教师姓名", "公用场地") or English words.
std::optional<school::NameList> nameListOf(QStringView header);

// Headers only the plan has: periods, main course, combined group, "任课教师".
bool isPlanOnlyHeader(QStringView header);

} // namespace orve::exchange
