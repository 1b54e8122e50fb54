// The course-settings file byte by byte: the GBK code page with U+F8F5 as 0xFF, the field
// reading rules, the tag tests and the tree records, and the writer's lines.
#include "fakeuiport.h"
#include "fileio/opendata.h"
#include "fileio/recordreader.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/gbk.h"
#include "school/startup.h"
#include "workspace.h"

#include <QTest>

using namespace orve;
using namespace orve::fileio;
using orve::model::charactersOutsideGbk;
using orve::model::decodeGbk;
using orve::model::encodeGbk;

namespace {

QByteArray gbk(const QString& text)
{
    QByteArray bytes;
    encodeGbk(text, bytes);
    return bytes;
}

QList<Record> readAll(const QByteArray& bytes, ReadError* error = nullptr)
{
    RecordReader reader(bytes);
    QList<Record> records;
    Record record;
    while (reader.next(record))
        records.append(record);
    if (error)
        *error = reader.error();
    return records;
}

} // namespace

class TestFileFormat : public QObject
{
    Q_OBJECT

private slots:
    // The combined-lesson separator must stay the single byte 0xFF both ways.
    void separatorIsByteFF()
    {
        QByteArray bytes;
        QVERIFY(encodeGbk(QStringLiteral(u"初一(1)\uF8F5语文"), bytes));
        QCOMPARE(bytes.toHex(), QByteArray("b3f5d2bb283129ffd3efcec4"));
        QCOMPARE(bytes.count('\xff'), 1);
        QString text;
        QVERIFY(decodeGbk(QByteArray("\xff"), text));
        QCOMPARE(text, QString(QChar(0xF8F5)));
    }

    void charactersOutsideGbkAreFoundNotReplaced()
    {
        QByteArray bytes;
        QVERIFY(!encodeGbk(QStringLiteral(u"语文😀ก"), bytes));
        QCOMPARE(charactersOutsideGbk(QStringLiteral(u"a😀bก😀c")), QStringLiteral(u"😀ก"));
        QVERIFY(charactersOutsideGbk(QStringLiteral(u"初一(1) 张三·€")).isEmpty());
        QString text;
        QVERIFY(!decodeGbk(QByteArray("\x81"), text)); // a lead byte without its trail byte
    }

    void fieldRules_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("fields"); // three per record

        QTest::newRow("tagged value")
            << QStringLiteral(u"一班1l, , \r\n") << QStringList{u"一班1l"_qs, {}, {}};
        QTest::newRow("blanks and tabs before a field")
            << QStringLiteral(" \t a , \tb,  c \r\n") << QStringList{u"a "_qs, u"b"_qs, u"c "_qs};
        QTest::newRow("third field runs to the end of the line")
            << QStringLiteral(u"3,2,语文  张三,李四kczb\r\n")
            << QStringList{u"3"_qs, u"2"_qs, u"语文  张三,李四kczb"_qs};
        QTest::newRow("quoted field ends at the next quote")
            << QStringLiteral("\"a,b\"x,\"c\", \"d\"e,f\r\n")
            << QStringList{u"a,b"_qs, u"c"_qs, u"d"_qs};
        QTest::newRow("quote without its partner runs to the end of the line")
            << QStringLiteral("\"abc, d\r\n1,2,3\r\n")
            << QStringList{u"abc, d"_qs, u"1"_qs, u"2,3"_qs};
        QTest::newRow("comma in a name shifts the fields")
            << QStringLiteral(u"甲,乙1l, , \r\n") << QStringList{u"甲"_qs, u"乙1l"_qs, u", "_qs};
        QTest::newRow("short line takes the next line's fields")
            << QStringLiteral("a\r\nb,c\r\nd,e,f\r\n")
            << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs};
        QTest::newRow("lone LF and lone CR end lines too")
            << QStringLiteral("a,b,c\nd,e,f\rg,h,i")
            << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs,
                           u"f"_qs, u"g"_qs, u"h"_qs, u"i"_qs};
        QTest::newRow("blank lines at the end")
            << QStringLiteral("a,b,c\r\n\r\n  \r\n") << QStringList{u"a"_qs, u"b"_qs, u"c"_qs};
    }

    void fieldRules()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, fields);
        ReadError error;
        const QList<Record> records = readAll(gbk(file), &error);
        QVERIFY2(!error.failed(), qPrintable(error.reason));
        QStringList read;
        for (const Record& record : records)
            read << record.first << record.second << record.third;
        QCOMPARE(read, fields);
    }

    void readErrorsNameTheLine()
    {
        ReadError error;
        QCOMPARE(readAll(gbk(QStringLiteral("a,b,c\r\nd,e\r\n")), &error).size(), 1);
        QCOMPARE(error.line, 2);
        QVERIFY(error.failed());

        QByteArray bytes = gbk(QStringLiteral(u"一班1l, , \r\n二班1l, , \r\n"));
        bytes += QByteArray("\x81\x20x1l, , \r\n"); // not GBK
        QCOMPARE(readAll(bytes, &error).size(), 2);
        QCOMPARE(error.line, 3);
        QVERIFY(error.failed());
    }

    // readTaggedValues tests the tags in order and takes the value without its tag.
    void openDataTakesEveryTaggedValue()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        ws.school.classes = QStringList{u"旧班"_qs};
        ws.session.timetableLoaded = true;
        OpenedSchool opened = openingFrom(ws);
        const QString file =
            QStringLiteral(u"一班1l, , \r\n操场2l, , \r\n语文lp, , \r\n张三lq, , \r\n"
                           u"一班 语文 1 29l, , \r\n4t8, , \r\n1t9, , \r\n2tb, , \r\n"
                           u"6tz, , \r\nbt, , \r\n一班\uF8F5语文cmb3, , \r\n"
                           u"甲,乙1l, , \r\n未知xx, , \r\n1,2,语文kczb\r\n");
        const ReadError error = readTaggedValues(opened, gbk(file));
        QVERIFY(!error.failed());
        QCOMPARE(opened.school.classes, QStringList{u"一班"_qs}); // "甲" lost its tag to the comma
        QCOMPARE(opened.school.venues, QStringList{u"操场"_qs});
        QCOMPARE(opened.school.courses, QStringList{u"语文"_qs});
        QCOMPARE(opened.school.teachers, QStringList{u"张三"_qs});
        QCOMPARE(opened.school.fixedLessons, QStringList{u"一班 语文 1 2"_qs});
        QCOMPARE(opened.school.combinedLessons, QStringList{u"一班\uF8F5语文"_qs});
        QCOMPARE(opened.school.week.morning, u"4"_qs);
        QCOMPARE(opened.school.week.afternoon, u"1"_qs);
        QCOMPARE(opened.school.week.evening, u"2"_qs);
        QCOMPARE(opened.school.week.days, u"6"_qs);
        QCOMPARE(opened.school.title, QString());
        QCOMPARE(opened.school.combinedGroups.nodeCount(), 0);
        QVERIFY(!opened.timetableLoaded); // grid cells are readGridCells's
    }

    void treeRecords()
    {
        OpenedSchool opened;
        const QString longText(300, u'长');
        const QString file = QStringLiteral(u"goot 合班课组合设置 Roottre3, , \r\n"
                                            u"合班课组合设置 合班课1 合班课1tre3, , \r\n"
                                            u"合班课1 ") +
                             longText + QStringLiteral(u" 7nkeytre3, , \r\n");
        QVERIFY(!readTaggedValues(opened, gbk(file)).failed());
        QCOMPARE(opened.school.combinedGroups.nodeCount(), 3);
        QCOMPARE(opened.school.combinedGroups.node(0).key,
                 u"合班课组合设置"_qs); // the root's key becomes its text
        QCOMPARE(opened.school.combinedGroups.node(0).text, u"合班课组合设置"_qs);
        QCOMPARE(opened.school.combinedGroups.node(1).parent, 0);
        QCOMPARE(opened.school.combinedGroups.node(2).parent, 1);
        QCOMPARE(opened.school.combinedGroups.node(2).text,
                 longText); // its second space lies past 255 characters
        QCOMPARE(opened.school.combinedGroups.node(2).key, u"7nkey"_qs);
    }

    void badTreeRecords_data()
    {
        QTest::addColumn<QString>("second");
        QTest::newRow("without two spaces") << QStringLiteral(u"合班课组合设置 合班课1tre3, , ");
        QTest::newRow("parent not read yet") << QStringLiteral(u"合班课9 甲 1nkeytre3, , ");
        QTest::newRow("duplicate key") << QStringLiteral(u"合班课组合设置 乙 合班课组合设置tre3, , ");
        QTest::newRow("second root") << QStringLiteral(u"goot 乙 乙tre3, , ");
    }

    void badTreeRecords()
    {
        QFETCH(QString, second);
        OpenedSchool opened;
        const ReadError error = readTaggedValues(
            opened, gbk(QStringLiteral(u"goot 根 Roottre3, , \r\n") + second + u"\r\n"_qs));
        QVERIFY(error.failed());
        QCOMPARE(error.line, 2);
    }

    void writerLines()
    {
        Workspace ws;
        ws.school.week.morning = QStringLiteral("4");
        const QString text = settingsText(ws.school);
        // No nodes, no lists: the five fields (the empty title as its tag alone), then the
        // plan's cells column by column.
        QVERIFY(text.startsWith(QStringLiteral("4t8, , \r\n2t9, , \r\n0tb, , \r\n5tz, , \r\n"
                                               "bt, , \r\n")));
        ws.school.plan.setSize(3, 9);
        ws.school.plan.setText({2, 0}, QStringLiteral("b"));
        ws.school.plan.setText({1, 1}, QStringLiteral("c"));
        ws.school.plan.setText({0, 1}, QStringLiteral("a"));
        ws.school.masterTimetable.setSize(4, 3);
        ws.school.masterTimetable.setText({0, 1}, QStringLiteral("header"));
        ws.school.masterTimetable.setText({2, 0}, QStringLiteral("class"));
        ws.school.masterTimetable.setText({3, 1}, QStringLiteral("y"));
        ws.school.masterTimetable.setText({2, 2}, QStringLiteral("z"));
        ws.school.masterTimetable.setText({2, 1}, QStringLiteral("x"));
        QVERIFY(settingsText(ws.school).endsWith(
            QStringLiteral("bt, , \r\n1,2,xkczb\r\n1,3,ykczb\r\n2,2,zkczb\r\n"
                           "0,2,bjhb\r\n1,0,ajhb\r\n1,1,cjhb\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestFileFormat)
#include "tst_fileformat.moc"
