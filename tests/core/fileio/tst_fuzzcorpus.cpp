// Replays the fuzzer's committed corpus through the reader, as the fuzz target reads it: every
// input ends without a crash; the hand-made ones end as their names say ("ok-" files are read
// whole, "bad-" files stop at a line, "refused-" files are refused as a whole).
#include "readerfuzzentry.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(ORVE_FUZZ_CORPUS_DIR));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 8);
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int errorLine = orve::fuzz::readCourseSettings(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        const QString name = QFileInfo(path).fileName();
        if (name.startsWith(QStringLiteral("ok-")))
            QCOMPARE(errorLine, 0);
        else if (name.startsWith(QStringLiteral("bad-")))
            QVERIFY(errorLine > 0);
        else if (name.startsWith(QStringLiteral("refused-")))
            QCOMPARE(errorLine, -1);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
