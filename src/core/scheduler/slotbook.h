// The teachers of the master timetable indexed by slot column, kept in step with the grid
// while a scheduling run or a repair changes it. It answers the busy tests of fhyw and fhyw1
// (same answers, same first row) in constant time or one scan of integers, so the random
// searches can afford their thousands of draws. Every change of a class-row cell during a run
// goes through it.
#pragma once

#include "model/cellref.h"
#include "model/gridcell.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace orve::model {
class Grid;
}

namespace orve::scheduler {

class SlotBook
{
public:
    // Reads every class-row cell of the grid once.
    explicit SlotBook(model::Grid& msgrid);

    model::Grid& grid() { return grid_; }
    const model::Grid& grid() const { return grid_; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // The number standing for a teacher part; the empty part is 0. New names get a number.
    int teacherId(QStringView teacher);
    // The teacher part of a cell as a number; -1 outside the class rows.
    int teacherAt(model::CellRef at) const;

    // fhyw / fhyw1 by number: whether another class row (not skipRow) has the teacher in the
    // column, and the first such row from row 2 down.
    bool busy(int teacher, int column, int skipRow = -1) const;
    std::optional<int> firstRow(int teacher, int column, int skipRow = -1) const;

    // znzz on two cells, by the same rules.
    int swapConflict(model::CellRef a, model::CellRef b) const;

    bool isFixed(model::CellRef at) const;

    // Change counters: every change of a cell advances those of its row, its column and the
    // teachers leaving and entering it. A search whose inputs kept their counters would find
    // what it found before.
    quint64 rowVersion(int row) const { return versionAt(rowVersions_, row); }
    quint64 columnVersion(int column) const { return versionAt(columnVersions_, column); }
    quint64 teacherVersion(int teacher) const { return versionAt(teacherVersions_, teacher); }

    // Writes a cell's text and style; other formats stay.
    void write(model::CellRef at, const QString& text, model::TextStyle style);
    // swapCells: text, colours and style of two cells change places.
    void swapCells(model::CellRef a, model::CellRef b);

private:
    void place(model::CellRef at, int teacher);
    static quint64 versionAt(const std::vector<quint64>& versions, int index)
    {
        return index >= 0 && std::size_t(index) < versions.size() ? versions[std::size_t(index)]
                                                                  : 0;
    }
    int& count(int teacher, int column)
    {
        return counts_[std::size_t(teacher) * columns_ + column];
    }
    int countOf(int teacher, int column) const
    {
        return counts_[std::size_t(teacher) * std::size_t(columns_) + std::size_t(column)];
    }

    model::Grid& grid_;
    int rows_;
    int columns_;
    QHash<QString, int> ids_;
    // Teacher number of every cell, column by column (rows 0 and 1 hold -1).
    std::vector<int> cellTeachers_;
    // How many class rows hold each teacher in each column, teacher by teacher.
    std::vector<int> counts_;
    std::vector<quint64> rowVersions_;
    std::vector<quint64> columnVersions_;
    std::vector<quint64> teacherVersions_;
};

} // namespace orve::scheduler
