#include "helpwindow.h"

#include "platform/programinfo.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orve::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(programTitle() + QStringLiteral(u"帮助"));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(QStringLiteral(u"帮助文档"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

bool HelpWindow::open(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return !browser_->toPlainText().isEmpty();
}

void showHelp(QWidget* parent, const QString& path)
{
    auto* window = new HelpWindow(parent);
    if (!window->open(path)) {
        delete window;
        QMessageBox::warning(
            parent, defaultMessageTitle(),
            QStringLiteral(u"找不到帮助文件：\n%1\n请确认它和本程序放在同一个文件夹中。")
                .arg(path));
        return;
    }
    window->show();
}

} // namespace orve::ui
