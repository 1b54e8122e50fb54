// Where the program looks for its help document: beside itself first (a build folder or a
// copied folder), then in the data folder of an installed tree.
#include "platform/programinfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool createFile(const QString& path)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
           && file.write("<html></html>") > 0;
}

} // namespace

class TestProgramInfo : public QObject
{
    Q_OBJECT

private slots:
    void helpIsFoundBesideTheProgramOrInTheInstalledDataFolder()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString programDir = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(programDir));
        const QString beside = QDir(programDir).filePath(QStringLiteral("orve-help.html"));
        const QString installed = QDir::cleanPath(
            programDir + QStringLiteral("/" ORVE_DATA_FROM_PROGRAM "/orve-help.html"));
        QVERIFY(installed.startsWith(root.path()));
        QVERIFY(!installed.contains(QStringLiteral("..")));

        // Missing everywhere: the message names the place beside the program.
        QCOMPARE(orve::ui::helpFilePathFor(programDir), beside);

        QVERIFY(createFile(installed));
        QCOMPARE(orve::ui::helpFilePathFor(programDir), installed);

        QVERIFY(createFile(beside));
        QCOMPARE(orve::ui::helpFilePathFor(programDir), beside);
    }
};

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "tst_programinfo.moc"
