#include "savedata.h"

#include "model/gbk.h"
#include "model/school.h"
#include "recordtags.h"
#include "rulerecords.h"
#include "school/schoollimits.h"
#include "systemerror.h"

#include <QSaveFile>

#include <cerrno>

namespace orve::fileio {

namespace {

using model::Grid;

// The decimal digits of a column or row number (never negative).
void appendNumber(QString& to, int number)
{
    char16_t digits[10];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0)
        to += QChar(digits[--count]);
}

// Calls record(prefix, value, tag) for every line of the file in the writer's order. A tagged
// value has no prefix; a grid cell's prefix is "column,row,".
template <typename Record> void visitRecords(const model::School& school, Record&& record)
{
    const QString space = QStringLiteral(" ");
    for (int i = 0; i < school.combinedGroups.nodeCount(); ++i) {
        const model::TreeNode& node = school.combinedGroups.node(i);
        const QString parent = i == 0 || node.parent < 0
                                   ? tags::RootParent.toString()
                                   : school.combinedGroups.node(node.parent).key;
        record(QStringView(), parent + space + node.text + space + node.key, tags::Tree);
    }

    const auto list = [&](const QStringList& entries, QStringView tag) {
        for (const QString& entry : entries)
            record(QStringView(), entry, tag);
    };
    list(school.classes, tags::Classes);
    list(school.venues, tags::Venues);
    list(school.courses, tags::Courses);
    list(school.teachers, tags::Teachers);
    list(school.fixedLessons, tags::FixedLessons);
    record(QStringView(), school.week.morning, tags::Morning);
    record(QStringView(), school.week.afternoon, tags::Afternoon);
    record(QStringView(), school.week.evening, tags::Evening);
    record(QStringView(), school.week.days, tags::Days);
    record(QStringView(), school.title, tags::Title);
    list(school.combinedLessons, tags::CombinedLessons);
    visitRuleRecords(school.rules,
                     [&](const QString& value, QStringView tag) { record(QStringView(), value, tag); });

    // Grid cells column by column, and within a column row by row; the prefix is written into
    // one buffer, a file holding tens of thousands of cells.
    QString prefix;
    const auto cells = [&](const Grid& grid, int firstColumn, int firstRow, QStringView tag) {
        for (int c = firstColumn; c < grid.columnCount(); ++c)
            for (int r = firstRow; r < grid.rowCount(); ++r) {
                const QString& text = grid.text({r, c});
                if (text.isEmpty())
                    continue;
                prefix.resize(0);
                appendNumber(prefix, c);
                prefix += u',';
                appendNumber(prefix, r);
                prefix += u',';
                record(QStringView(prefix), text, tag);
            }
    };
    cells(school.masterTimetable, 1, 2, tags::Timetable);
    cells(school.plan, 0, 0, tags::Plan);
}

bool holdsLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// Whether the reader gives the text back as written: it skips blanks before a field, reads a
// field that starts with a double quote up to the next one, and ends a tagged value (but not
// a cell's text, which runs to the line's end) at a comma.
bool readsBack(QStringView prefix, QStringView value)
{
    if (!value.isEmpty() &&
        (value.front() == u' ' || value.front() == u'\t' || value.front() == u'"'))
        return false;
    return !prefix.isEmpty() || !value.contains(u',');
}

// Appends the characters (a surrogate pair counts as one) of `from` not yet in `to`.
bool addNew(QString& to, QStringView from)
{
    bool added = false;
    for (qsizetype i = 0; i < from.size(); ++i) {
        const qsizetype length = from.at(i).isHighSurrogate() && i + 1 < from.size() ? 2 : 1;
        const QStringView character = from.mid(i, length);
        if (!to.contains(character)) {
            to += character;
            added = true;
        }
        i += length - 1;
    }
    return added;
}

// Finds what the file cannot hold; only run when the whole text failed.
SaveResult unencodable(const model::School& school)
{
    SaveResult result;
    result.status = SaveResult::Status::Unencodable;
    QByteArray bytes;
    visitRecords(school, [&](QStringView, QStringView value, QStringView) {
        QString bad;
        if (!model::encodeGbk(value, bytes))
            bad = model::charactersOutsideGbk(value);
        for (const char16_t lineBreak : {u'\r', u'\n'})
            if (value.contains(QChar(lineBreak)))
                bad += QChar(lineBreak);
        if (addNew(result.characters, bad) && result.sample.isEmpty())
            result.sample = value.toString();
    });
    return result;
}

void appendRecord(QString& text, QStringView prefix, QStringView value, QStringView tag)
{
    text += prefix;
    text += value;
    text += tag;
    if (prefix.isEmpty())
        text += tags::TaggedValueEnd;
    text += tags::LineEnd;
}

} // namespace

QString settingsText(const model::School& school)
{
    QString text;
    text.reserve(64 * 1024);
    visitRecords(school, [&](QStringView prefix, QStringView value, QStringView tag) {
        appendRecord(text, prefix, value, tag);
    });
    return text;
}

SaveResult settingsBytes(const model::School& school, QByteArray& bytes)
{
    // What the reader would refuse is not written.
    const QString refusal = school::sizeRefusal(school);
    if (!refusal.isEmpty()) {
        SaveResult result;
        result.status = SaveResult::Status::TooLarge;
        result.reason = refusal;
        return result;
    }
    bool lineBreak = false;
    SaveResult notReadBack;
    const auto refuse = [&notReadBack](QStringView text) {
        if (notReadBack.sample.isEmpty()) {
            notReadBack.status = SaveResult::Status::NotReadBack;
            notReadBack.sample = text.toString();
        }
    };
    // The text is made in the same pass that checks each value.
    QString text;
    text.reserve(64 * 1024);
    visitRecords(school, [&](QStringView prefix, QStringView value, QStringView tag) {
        lineBreak = lineBreak || holdsLineBreak(value);
        if (!readsBack(prefix, value))
            refuse(value);
        appendRecord(text, prefix, value, tag);
    });
    // A tree record is split at its first two spaces: parent key and text must hold none.
    const model::CombinedTree& tree = school.combinedGroups;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const model::TreeNode& node = tree.node(i);
        if (node.text.contains(u' '))
            refuse(node.text);
        if (i > 0 && node.parent >= 0 && tree.node(node.parent).key.contains(u' '))
            refuse(tree.node(node.parent).key);
    }
    if (lineBreak || !model::encodeGbk(text, bytes))
        return unencodable(school);
    if (!notReadBack.written())
        bytes.clear();
    return notReadBack;
}

SaveResult writeSchoolFile(const model::School& school, const QString& path)
{
    QByteArray bytes;
    const SaveResult encoded = settingsBytes(school, bytes);
    return encoded.written() ? writeSettingsFile(path, bytes) : encoded;
}

SaveResult writeSettingsFile(const QString& path, const QByteArray& bytes)
{
    SaveResult result;
    result.status = SaveResult::Status::WriteFailed;
    result.reason = pathRefusal(path, FileAccess::Write);
    if (!result.reason.isEmpty())
        return result;

    QSaveFile file(path);
    // The error number is taken straight after the call that failed.
    const auto failed = [&](int errorNumber) {
        result.reason = systemErrorReason(errorNumber, FileAccess::Write, file.errorString());
        return result;
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(errno);
    // A small file stays in the device's buffer until commit(), which does not check that
    // last write: flush it here, so a full disk is seen before the old file is replaced.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int errorNumber = errno;
        file.cancelWriting();
        return failed(errorNumber);
    }
    errno = 0;
    if (!file.commit())
        return failed(errno);
    return {};
}

} // namespace orve::fileio
