// 文件 → 导入... in the main window: the chosen sheet's preview (each row's outcome and reason,
// the counts, the shape found) before anything changes, and 导入 applying it as one change.
#include "fakeuiport.h"
#include "mainwindow.h"
#include "windows/importdialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using orve::ui::ImportDialog;
using orve::ui::MainWindow;

class TestImportDialog : public QObject
{
    Q_OBJECT

private slots:
    void previewShowsEachRowBeforeImport()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(u"班级,课程,任课教师,周课时\n"
                                  u"初一(1),语文,张三,5\n"
                                  u"初一(1),数学,李四,很多\n")
                       .toUtf8());
        file.close();
        orve::test::FakeUiPort answers;
        answers.fileNames = {path};
        MainWindow window(&answers);
        window.startUp();
        orve::Workspace& ws = window.workspace();
        QVERIFY(!ws.session.modified);

        bool previewed = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            // A failed check below must not leave the dialog waiting for a click.
            const auto closeOnFailure = qScopeGuard([&] {
                if (!previewed)
                    dialog->reject();
            });
            // Nothing is imported while the preview shows.
            QVERIFY(ws.school.classes.isEmpty());
            QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("importShape"))->currentText(),
                     QStringLiteral(u"教学计划"));
            QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("importEncoding"))->currentText(),
                     QStringLiteral(u"自动识别（UTF-8）"));
            const QAbstractItemModel* rows = dialog->previewTable()->model();
            QCOMPARE(rows->rowCount(), 2);
            QCOMPARE(rows->index(0, 2).data().toString(), QStringLiteral(u"新增"));
            QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("3"));
            QCOMPARE(rows->index(1, 2).data().toString(), QStringLiteral(u"拒绝"));
            QVERIFY(rows->index(1, 3).data().toString().contains(QStringLiteral(u"周课时")));
            QVERIFY(dialog->summary()->text().contains(QStringLiteral(u"新增 1 行")));
            QVERIFY(dialog->summary()->text().contains(QStringLiteral(u"拒绝 1 行")));
            QVERIFY(dialog->importButton()->isEnabled());
            previewed = true;
            dialog->importButton()->click();
        });
        poll.start();
        QSignalSpy planChanged(&ws.notifier, &orve::Notifier::planChanged);
        window.actions().importSheet->trigger();
        QVERIFY(previewed);
        QCOMPARE(answers.fileDialogs.size(), 1);
        QCOMPARE(planChanged.count(), 1);
        QCOMPARE(ws.school.classes, QStringList{QStringLiteral(u"初一(1)")});
        QCOMPARE(ws.school.courses, QStringList{QStringLiteral(u"语文")});
        QVERIFY(ws.session.modified);
    }
};

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
