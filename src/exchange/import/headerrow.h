// The header row's own outcome: the columns the import leaves out, each with its reason.
#pragma once

#include "importpreview.h"

#include "school/namelist.h"

namespace orve::exchange {

// "第 3 列“备注”不是可以导入的列，这一列没有导入。"
QString unknownColumn(const QString& header, int column);
// "第 4 列“课程”与前面的列重复，这一列没有导入。"
QString repeatedColumn(const QString& header, int column);

// Adds the reason to the header row's refusal, made at the first reason.
void refuseColumn(std::vector<RowResult>& headerResults, int headerRow, const QString& reason);

// What a list is called in a reason: "班级", "课程", "教师", "场地".
QString listWord(school::NameList list);

} // namespace orve::exchange
