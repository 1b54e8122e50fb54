#include "teacherindex.h"

#include "doublebookings.h"
#include "timetablerules.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::scheduler {

TeacherIndex::TeacherIndex(model::Grid& timetable, CellReading reading)
    : grid_(timetable), reading_(reading), rows_(timetable.rowCount()), columns_(timetable.columnCount()),
      cellTeachers_(std::size_t(rows_) * std::size_t(columns_), -1),
      rowVersions_(std::size_t(rows_), 0), columnVersions_(std::size_t(columns_), 0)
{
    addTeacher(QString()); // Nobody
    for (int c = 0; c < columns_; ++c)
        for (int r = model::FirstClassRow; r < rows_; ++r)
            place({r, c}, teacherOfText(grid_.text({r, c})));
}

int TeacherIndex::teacherOfText(const QString& text)
{
    if (reading_ == CellReading::Bookings && !booksTeacher(text))
        return Nobody;
    return teacherId(model::teacherPart(text));
}

int TeacherIndex::teacherId(QStringView teacher)
{
    // Empty cells are most of a new timetable, and a stage writes one teacher's lessons one
    // after the other: neither needs the name copied and hashed.
    if (teacher.isEmpty())
        return Nobody;
    if (lastId_ != Nobody && teacher == lastName_)
        return lastId_;
    const QString name = teacher.toString();
    const auto found = ids_.constFind(name);
    lastId_ = found != ids_.constEnd() ? found.value() : addTeacher(name);
    lastName_ = name;
    return lastId_;
}

int TeacherIndex::addTeacher(const QString& name)
{
    const int id = int(ids_.size());
    ids_.insert(name, id);
    counts_.resize(counts_.size() + std::size_t(columns_), 0);
    teacherVersions_.push_back(0);
    return id;
}

int TeacherIndex::teacherAt(model::CellRef at) const
{
    if (at.row < 0 || at.row >= rows_ || at.column < 0 || at.column >= columns_)
        return -1;
    return cellTeachers_[std::size_t(at.column) * std::size_t(rows_) + std::size_t(at.row)];
}

int TeacherIndex::holders(int teacher, int column) const
{
    if (teacher < 0 || std::size_t(teacher) >= teacherVersions_.size() || column < 0 ||
        column >= columns_)
        return 0;
    return counts_[std::size_t(teacher) * std::size_t(columns_) + std::size_t(column)];
}

bool TeacherIndex::busy(int teacher, int column, int skipRow) const
{
    if (isNobody(teacher))
        return false;
    return holders(teacher, column) - (teacherAt({skipRow, column}) == teacher ? 1 : 0) > 0;
}

std::optional<int> TeacherIndex::firstRow(int teacher, int column, int skipRow) const
{
    if (!busy(teacher, column, skipRow))
        return std::nullopt;
    const int* cells = cellTeachers_.data() + std::size_t(column) * std::size_t(rows_);
    for (int r = model::FirstClassRow; r < rows_; ++r)
        if (r != skipRow && cells[r] == teacher)
            return r;
    return std::nullopt;
}

int TeacherIndex::swapConflict(model::CellRef a, model::CellRef b) const
{
    const int teacher1 = teacherAt(a);
    const int teacher2 = teacherAt(b);
    if (teacher1 == teacher2)
        return 0;
    return (busy(teacher1, b.column, a.row) ? 2 : 0) + (busy(teacher2, a.column, a.row) ? 1 : 0);
}

bool TeacherIndex::isFixed(model::CellRef at) const
{
    return model::hasFixedMark(grid_.cell(at).style);
}

void TeacherIndex::place(model::CellRef at, int teacher)
{
    const int row = at.row;
    const int column = at.column;
    int& slot = cellTeachers_[std::size_t(column) * std::size_t(rows_) + std::size_t(row)];
    if (slot >= 0) {
        --count(slot, column);
        ++teacherVersions_[std::size_t(slot)];
    }
    slot = teacher;
    ++count(teacher, column);
    ++teacherVersions_[std::size_t(teacher)];
    ++rowVersions_[std::size_t(row)];
    ++columnVersions_[std::size_t(column)];
}

void TeacherIndex::attachRules(TimetableRules& rules)
{
    rules_ = &rules;
    rules.countAll();
}

void TeacherIndex::write(model::CellRef at, const QString& text, model::TextStyle style)
{
    if (at.row < model::FirstClassRow || at.row >= rows_ || at.column < 0 || at.column >= columns_)
        return;
    grid_.setText(at, text);
    grid_.setTextStyle(at, style);
    place(at, teacherOfText(text));
    if (rules_)
        rules_->enter(at);
}

void TeacherIndex::reread(model::CellRef at)
{
    if (at.row < model::FirstClassRow || at.row >= rows_ || at.column < 0 || at.column >= columns_)
        return;
    const int teacher = teacherOfText(grid_.text(at));
    if (teacher != teacherAt(at))
        place(at, teacher);
    if (rules_)
        rules_->enter(at);
}

void TeacherIndex::swapCells(model::CellRef a, model::CellRef b)
{
    const int teacher1 = teacherAt(a);
    const int teacher2 = teacherAt(b);
    if (teacher1 < 0 || teacher2 < 0)
        return;
    grid_.swapCells(a, b);
    place(a, teacher2);
    place(b, teacher1);
    if (rules_) {
        rules_->enter(a);
        rules_->enter(b);
    }
    if (journal_)
        journal_->push_back({a, b});
}

} // namespace orve::scheduler
