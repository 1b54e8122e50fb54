// The teachers of the master timetable indexed by slot column, kept in step with the grid
// while a scheduling run, a repair or an optimiser changes it. It answers whether a teacher
// is busy in a column, and where, as the column scans of the placement tests do (same
// answers, same first row), in constant time or one scan of integers, so that the random
// searches can afford their thousands of draws. Every change of a class-row cell made while
// an index is in use goes through it (or is read again with reread); exchanges may be
// journalled, so that they can be undone.
#pragma once

#include "model/cellref.h"
#include "model/exchangehistory.h"
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

class TimetableRules;
using model::CellExchange;

// How cells are read. The scheduling run's tests take every cell's teacher part, so an empty
// cell is "busy" wherever another class has a free period. Read by bookings, a cell that books
// no teacher (a free period, "空课", a lesson without a teacher; see doublebookings.h) holds
// nobody: the number 0, which is never busy.
enum class CellReading { TeacherParts, Bookings };

class TeacherIndex
{
public:
    static constexpr int Nobody = 0;

    // Reads every class-row cell of the grid once.
    explicit TeacherIndex(model::Grid& timetable, CellReading reading = CellReading::TeacherParts);

    model::Grid& grid() { return grid_; }
    const model::Grid& grid() const { return grid_; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // The number standing for a teacher part; the empty part is 0. New names get a number.
    int teacherId(QStringView teacher);
    // The teacher part of a cell as a number; -1 outside the class rows.
    int teacherAt(model::CellRef at) const;
    // How many numbers have been given out.
    int teacherCount() const { return int(teacherVersions_.size()); }
    // True for the number of nobody when cells are read by bookings.
    bool isNobody(int teacher) const
    {
        return reading_ == CellReading::Bookings && teacher == Nobody;
    }
    // How many class rows hold the teacher in the column.
    int holders(int teacher, int column) const;

    // Whether another class row (not skipRow) has the teacher in the column, and the first
    // such row from the first class row down.
    bool busy(int teacher, int column, int skipRow = -1) const;
    std::optional<int> firstRow(int teacher, int column, int skipRow = -1) const;

    // The swap-conflict code of exchanging cell a with cell b (of a's row): 0 when both hold
    // one teacher or neither exchange double-books anyone; else 2 when a's teacher is busy at
    // b's column, plus 1 when b's teacher is busy at a's column, both tested without a's row.
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
    // Text, colours and style of two cells change places.
    void swapCells(model::CellRef a, model::CellRef b);
    // Takes a cell's teacher from the grid again after the grid was changed without the index.
    void reread(model::CellRef at);

    // Every exchange from now on is appended to `journal` (none: not journalled).
    void setJournal(std::vector<CellExchange>* journal) { journal_ = journal; }

    // Counts every class-row cell into `rules` now and keeps them counted through every
    // change made through the index; `rules` must outlive the index or be detached.
    void attachRules(TimetableRules& rules);
    TimetableRules* rules() const { return rules_; }

private:
    int addTeacher(const QString& name);
    int teacherOfText(const QString& text);
    void place(model::CellRef at, int teacher);
    static quint64 versionAt(const std::vector<quint64>& versions, int index)
    {
        return index >= 0 && std::size_t(index) < versions.size() ? versions[std::size_t(index)]
                                                                  : 0;
    }
    int& count(int teacher, int column)
    {
        return counts_[std::size_t(teacher) * std::size_t(columns_) + std::size_t(column)];
    }

    model::Grid& grid_;
    CellReading reading_;
    int rows_;
    int columns_;
    QHash<QString, int> ids_;
    QString lastName_; // the name last looked up, and its number
    int lastId_ = Nobody;
    // Teacher number of every cell, column by column (rows 0 and 1 hold -1).
    std::vector<int> cellTeachers_;
    // How many class rows hold each teacher in each column, teacher by teacher.
    std::vector<int> counts_;
    std::vector<quint64> rowVersions_;
    std::vector<quint64> columnVersions_;
    std::vector<quint64> teacherVersions_;
    std::vector<CellExchange>* journal_ = nullptr;
    TimetableRules* rules_ = nullptr;
};

} // namespace orve::scheduler
