// Names from another program made fit for a list of this one: what the course-settings file
// cannot carry is replaced (spaces in class and course names by "_", an English comma by a
// Chinese one, letters outside GBK by their plain form or "_"), a word the program keeps for
// itself gets a "_", and a name that would then equal an earlier one gets a number. Every
// change is told.
#pragma once

#include "school/namelist.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace orve::exchange {

// The text with every character GBK lacks as its letter without accents ("ő" to "o"), or
// "_" when it has none.
QString withinGbk(const QString& text);

class NameFitter
{
public:
    explicit NameFitter(school::NameList list) : list_(list) {}

    // The name as the list can hold it, distinct from every other name fitted; the same name
    // always gives the same result.
    QString fit(const QString& name);
    // The names fitted so far, in the order they were first asked for.
    const QStringList& names() const { return names_; }
    // One line per name changed: "班级“5 a”改为“5_a”".
    const QStringList& changes() const { return changes_; }

private:
    QString fitted(const QString& name) const;

    school::NameList list_;
    QHash<QString, QString> fitted_;
    QSet<QString> taken_;
    QStringList names_;
    QStringList changes_;
};

} // namespace orve::exchange
