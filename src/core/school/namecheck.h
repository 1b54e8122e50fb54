// Which names the course-settings file and the entries built from names can carry. The file
// splits lines at commas, skips blanks before a field, reads a leading double quote as a
// quoted field and is stored in GBK; fixed-lesson entries and the combined-class tree split at
// spaces and at U+F8F5; "空", "空课" and "全体班级" mean something of their own. A name that
// breaks one of these is refused when it is entered, not corrupted later.
#pragma once

#include "namelist.h"

#include <QString>
#include <QStringView>

namespace orve::school {

// The message that refuses a name for the list, naming the offending character; empty when
// the name can be stored.
QString nameRefusal(NameList list, QStringView name);

// The same for the name of a combined-class group: the tree records that hold it split at
// spaces, like a fixed-lesson entry's class and course.
QString groupNameRefusal(QStringView name);

} // namespace orve::school
