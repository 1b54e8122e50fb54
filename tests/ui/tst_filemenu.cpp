// The file menu in the main window: a scripted port picks the file, the week fields and the
// title field show what Open read, failures come up as message boxes; the title field keeps
// to texts that the file gives back unchanged.
#include "commands/filemenu.h"
#include "fakeuiport.h"
#include "fileio/systemerror.h"
#include "mainwindow.h"
#include "pages/basicspage.h"
#include "pages/combinedclassesbox.h"
#include "pages/conditionspage.h"
#include "pages/namespanel.h"
#include "pages/schedulingpage.h"
#include "pages/weekfieldsbox.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

#include <sys/resource.h>

using orve::ui::MainWindow;

namespace {

// Answers every modal dialog that comes up while it lives: a file dialog with `fileName`, a
// message box by closing it; remembers what the box said. It keeps watching until it goes, so
// a dialog that did not close at the first try (a slow machine) is answered again.
struct ModalAnswer
{
    QString fileName;
    QString message;
    bool answered = false;
    std::unique_ptr<QTimer> timer;

    void arm()
    {
        timer = std::make_unique<QTimer>();
        timer->setInterval(10);
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->selectFile(fileName);
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides accept()
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                message = box->text();
                box->done(0);
            } else {
                return;
            }
            answered = true;
        });
        timer->start();
    }
};

QString dataFile(const char* name)
{
    return QStringLiteral(ORVE_TEST_DATA_DIR "/") + QLatin1String(name);
}

// The child process of a save under a file-size limit: the window's Save of a small school
// to `path`; prints what the message box said and exits 0 when one came up.
int saveThroughTheWindow(const QString& path)
{
    MainWindow window;
    window.startUp();
    window.workspace().school.classes =
        QStringList{QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)")};
    window.workspace().session.documentPath = path;
    ModalAnswer answer;
    answer.arm();
    window.actions().saveSchool->trigger();
    std::fputs(answer.message.toUtf8().constData(), stdout);
    return answer.answered ? 0 : 1;
}

} // namespace

class TestFileMenu : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void titleFieldSitsAboveTheTimetable()
    {
        MainWindow window;
        QLineEdit* title = window.schedulingPage()->titleField();
        QCOMPARE(title->objectName(), QStringLiteral("timetableTitle"));
        auto* label = window.schedulingPage()->findChild<QLabel*>(QStringLiteral("titleLabel"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral(u"标题："));
        QCOMPARE(window.tabs()->indexOf(window.schedulingPage()), 3);
    }

    void titleFieldTurnsCommasAndLeadingBlanksAway()
    {
        MainWindow window;
        window.show();
        QLineEdit* title = window.schedulingPage()->titleField();
        QTest::keyClicks(title, QStringLiteral(" a,b"));
        QCOMPARE(title->text(), QStringLiteral(u"a，b"));
        QCOMPARE(window.workspace().school.title, QStringLiteral(u"a，b"));
        QTest::keyClicks(title, QStringLiteral("c"));
        QCOMPARE(title->text(), QStringLiteral(u"a，bc")); // the cursor stayed at the end
    }

    void openThroughTheMenuShowsTheFile()
    {
        orve::test::FakeUiPort answers;
        answers.fileNames = {dataFile("six-days.rve")};
        MainWindow window(&answers);
        window.startUp();
        QSignalSpy replaced(&window.workspace().notifier, &orve::Notifier::schoolReplaced);
        window.actions().openSchool->trigger();
        QCOMPARE(answers.fileDialogs.size(), 1);
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(window.workspace().school.classes, QStringList{QStringLiteral(u"高一")});
        QCOMPARE(window.basicsPage()->weekFields()->field(1)->text(), QStringLiteral("1"));
        QCOMPARE(window.basicsPage()->weekFields()->field(3)->text(), QStringLiteral("6"));
        QCOMPARE(window.schedulingPage()->titleField()->text(), QStringLiteral(u"高一课表"));
        QListWidget* classes =
            window.basicsPage()->namesPanel()->list(orve::school::NameList::Classes);
        QCOMPARE(classes->count(), 1);
        QCOMPARE(classes->item(0)->text(), QStringLiteral(u"高一"));
        // The file holds the root alone.
        const QTreeWidget* tree = window.conditionsPage()->combinedClasses()->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
        QCOMPARE(window.tabs()->currentIndex(), 0);

        // Save writes to the opened file without a dialog.
        const QString copy = dir_.filePath(QStringLiteral("copy.rve"));
        QFile::copy(dataFile("six-days.rve"), copy);
        window.workspace().session.documentPath = copy;
        window.workspace().school.title = QStringLiteral(u"新");
        window.actions().saveSchool->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QByteArray("\xd0\xc2"
                                                   "bt, , \r\n")));
    }

    void newThroughTheMenuEmptiesTheLists()
    {
        MainWindow window;
        window.startUp();
        window.workspace().school.classes = QStringList{QStringLiteral(u"一班")};
        window.tabs()->setCurrentIndex(3);
        window.actions().newSchool->trigger();
        QVERIFY(window.workspace().school.classes.isEmpty());
        QCOMPARE(window.tabs()->currentIndex(), 0);
    }

    void failedSaveComesUpAsAMessage()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        window.workspace().session.documentPath = dir_.path(); // a folder, not a file
        window.actions().saveSchool->trigger();
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.prompts().last().contains(QStringLiteral(u"没有保存")),
                 qPrintable(answers.prompts().last()));
    }

    // As on a full disk: the write fails part-way; the old file stays, the user is told.
    void saveUnderAFileSizeLimitKeepsTheOldFile()
    {
        const QString target = dir_.filePath(QStringLiteral("limited.rve"));
        const QByteArray old("old school\r\n");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();

        QProcess child;
        child.setChildProcessModifier([] {
            const rlimit size{100, 100};
            setrlimit(RLIMIT_FSIZE, &size);
        });
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-into"), target});
        QVERIFY(child.waitForFinished());
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(said.contains(QStringLiteral(u"没有保存：文件超过了系统允许的大小")), qPrintable(said));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("limited*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("limited.rve")});
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save-into") == 0) {
        orve::fileio::reportFileSizeLimitAsError(); // as the program does
        return saveThroughTheWindow(QString::fromLocal8Bit(argv[2]));
    }
    TestFileMenu test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_filemenu.moc"
