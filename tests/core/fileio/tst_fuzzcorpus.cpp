// Replays the fuzzers' committed corpora as the fuzz targets run them: every input ends
// without a crash. Through the reader, the hand-made ones end as their names say ("ok-" files
// are read whole, "bad-" files stop at a line, "refused-" files are refused as a whole).
// Through the pipeline (the reader's corpus and the pipeline's own), no saved file fails to
// read back the same, and the "ok-" files of the pipeline's corpus go through all of it.
#include "pipelinefuzzentry.h"
#include "readerfuzzentry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void addFiles(const char* folder)
{
    const QDir corpus(QString::fromUtf8(folder));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 4);
    for (const QString& name : names)
        QTest::newRow(qPrintable(corpus.dirName() + u'/' + name)) << corpus.filePath(name);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void reader_data()
    {
        QTest::addColumn<QString>("path");
        addFiles(ORVE_FUZZ_CORPUS_DIR);
    }

    void reader()
    {
        QFETCH(QString, path);
        const QByteArray bytes = bytesOf(path);
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

    void pipeline_data()
    {
        QTest::addColumn<QString>("path");
        addFiles(ORVE_FUZZ_CORPUS_DIR);
        addFiles(ORVE_PIPELINE_CORPUS_DIR);
    }

    void pipeline()
    {
        QFETCH(QString, path);
        const QByteArray bytes = bytesOf(path);
        using orve::fuzz::PipelineOutcome;
        QString fault;
        const PipelineOutcome outcome =
            orve::fuzz::runPipeline(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size()), &fault);
        QVERIFY2(!orve::fuzz::isFault(outcome), qPrintable(fault));
        if (path.startsWith(QStringLiteral(ORVE_PIPELINE_CORPUS_DIR "/ok-")))
            QCOMPARE(outcome, PipelineOutcome::ReadBack);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
