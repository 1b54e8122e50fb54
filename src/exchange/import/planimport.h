// Applying records read from a sheet to a draft school: each record checked (its names, its
// periods, its main-course mark, its combined group), the records of one sheet row refused
// together, the groups checked as a whole, new names added in sheet order, then the plan rows
// set where the sheet has a value and the groups formed. One result per sheet row.
#pragma once

#include "importpreview.h"
#include "planrecords.h"

#include "draft/schooldraft.h"

namespace orve::exchange {

enum class RecordKind {
    PlanRows, // a class and a course with their values: the plan and the 任课表
    Names,    // names for the lists only: the name-list sheet
};

std::vector<RowResult> importRecords(SchoolDraft& draft, std::vector<PlanRecord> records,
                                     RecordKind kind);

} // namespace orve::exchange
