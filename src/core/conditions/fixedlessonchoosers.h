// The choosers of the fixed-lesson editor as the core keeps them: the class chooser Combo4
// (classes, then "全体班级") with its index mirrored in Text10, the course chooser Combo11
// (courses, then "空课") and whether it is shown, and the text box of the list Combo6.
#pragma once

#include <QString>
#include <QStringList>

namespace orve::conditions {

inline const QString AllClassesText = QStringLiteral(u"全体班级");

struct FixedLessonChoosers
{
    QStringList Combo4;
    int classIndex = -1; // current item of Combo4; -1: no current text
    QString Text10;      // the number box of UpDown9
    QStringList Combo11;
    bool courseChooserShown = false;
    QString Combo6Text; // what the list's text box shows

    QString classText() const
    {
        return classIndex >= 0 && classIndex < Combo4.size() ? Combo4.at(classIndex) : QString();
    }
};

} // namespace orve::conditions
