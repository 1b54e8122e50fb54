// A school being filled from another program's data. Names join their lists as the name-list
// commands add them (a class or a course brings its plan rows, one per class and course, class
// by class), plan rows are found by class and course at once, and combined groups are formed as
// the combined-class commands form them. The draft is a copy: nothing reaches the open school
// until the caller takes the finished value.
#pragma once

#include "model/school.h"
#include "school/namelist.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>

namespace orve::exchange {

class SchoolDraft
{
public:
    explicit SchoolDraft(model::School school);

    const model::School& school() const { return school_; }
    model::School take() { return std::move(school_); }

    bool contains(school::NameList list, const QString& name) const;
    // Why the name may not join the list: what the file cannot hold, or a list or plan beyond
    // the school's limits. Empty when it may, or when it is there already.
    QString refusal(school::NameList list, const QString& name) const;
    // Appends the name (nothing happens when it is there already). Adding the courses before
    // the classes spares inserting rows into every class block.
    void addName(school::NameList list, const QString& name);

    // The plan row of the class and course; -1 when there is none.
    int planRow(const QString& className, const QString& course) const;
    const QString& planText(int row, int column) const;
    // Periods go into the periods column and its backup, as the count chooser writes them.
    void setPlanText(int row, int column, const QString& text);

    // The members the group "合班课" + `group` has already: their classes and courses.
    std::vector<std::pair<QString, QString>> groupMembers(const QString& group) const;

    // The class and course of the plan row become a member of the group "合班课" + `group`:
    // the row's combined mark, its combined-lesson entry and the tree member. False when it
    // was one already.
    bool combine(const QString& group, int row);

private:
    void indexPlan() const;

    model::School school_;
    std::array<QSet<QString>, school::AllNameLists.size()> names_;
    QSet<QString> combinedLessons_;
    mutable QHash<QString, int> planRows_; // "class U+F8F5 course" -> row
    mutable bool planIndexed_ = false;
};

} // namespace orve::exchange
