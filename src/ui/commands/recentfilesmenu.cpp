#include "recentfilesmenu.h"

#include "commandcontext.h"

#include "fileio/filecommands.h"
#include "workspace.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace orve::ui {

namespace {
const QString RecentFilesKey = QStringLiteral("recentFiles");
const QString LastFolderKey = QStringLiteral("lastFolder");
} // namespace

RecentFilesMenu::RecentFilesMenu(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui)
{
    QMenu* menu = context.actions.fileMenu;
    QAction* before = context.actions.exit;
    for (int i = 0; i < RecentFiles::Capacity; ++i) {
        auto* item = new QAction(menu);
        item->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        menu->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, i] { open(i); });
        items_[std::size_t(i)] = item;
    }
    separator_ = menu->insertSeparator(before);
    load();
    refresh();
    connect(&ws_.notifier, &Notifier::fileHistoryChanged, this, [this] {
        refresh();
        store();
    });
}

void RecentFilesMenu::load()
{
    const QSettings settings;
    ws_.session.recentFiles = RecentFiles(settings.value(RecentFilesKey).toStringList());
    ws_.session.lastFolder = settings.value(LastFolderKey).toString();
}

void RecentFilesMenu::store() const
{
    QSettings settings;
    settings.setValue(RecentFilesKey, ws_.session.recentFiles.paths());
    settings.setValue(LastFolderKey, ws_.session.lastFolder);
}

void RecentFilesMenu::refresh()
{
    const QStringList& paths = ws_.session.recentFiles.paths();
    for (int i = 0; i < RecentFiles::Capacity; ++i) {
        QAction* item = items_[std::size_t(i)];
        const bool used = i < paths.size();
        item->setVisible(used);
        if (!used)
            continue;
        // "&" in a file name is shown, not taken for a key.
        QString name = QFileInfo(paths.at(i)).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name));
        item->setStatusTip(QDir::toNativeSeparators(paths.at(i)));
        item->setToolTip(item->statusTip());
    }
    separator_->setVisible(!paths.isEmpty());
}

void RecentFilesMenu::open(int index)
{
    const QStringList& paths = ws_.session.recentFiles.paths();
    if (index < paths.size())
        fileio::openSchoolPath(ws_, ui_, QString(paths.at(index)));
}

} // namespace orve::ui
