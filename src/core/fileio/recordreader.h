// Reads the course-settings file three fields at a time. Blanks and tabs before a field are
// skipped; a field ends at a comma or at the end of the line, and the third field of a read
// runs to the end of its line; a field that begins with a double quote ends at the next double
// quote on its line. A read whose first or second field ends a line takes its next field from
// the following line, so a short line pulls the lines after it out of step.
#pragma once

#include "readerror.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orve::fileio {

struct Record
{
    QString first;
    QString second;
    QString third;
    int line = 0; // line of the first field, from 1
};

class RecordReader
{
public:
    explicit RecordReader(const QByteArray& bytes);

    // The next three fields. False at the end of the file, or on an error (then error() is
    // set): a line that is not GBK text, or the file ending before the third field.
    bool next(Record& record);
    const ReadError& error() const { return error_; }
    // The last line when it holds text but no line end, as a file cut short leaves it; 0
    // otherwise. Every line the program writes ends in CR LF.
    int unendedLastLine() const { return unendedLastLine_; }

private:
    bool readField(QString& field, bool toEndOfLine, int recordLine);
    void nextLine();

    std::size_t lineCount_ = 0;
    std::vector<QString> decoded_; // the lines up to the first one that is not GBK text
    std::size_t contentEnd_ = 0;   // lines from here on are blank
    std::size_t lineIndex_ = 0;
    qsizetype position_ = 0;
    int unendedLastLine_ = 0;
    ReadError error_;
};

} // namespace orve::fileio
