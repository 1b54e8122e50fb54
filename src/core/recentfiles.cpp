#include "recentfiles.h"

#include <QDir>

namespace orve {

namespace {
// One spelling per file, so that a file opened by two paths appears once.
QString normalised(const QString& path)
{
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path
                                                      : QDir::current().absoluteFilePath(path));
}
} // namespace

RecentFiles::RecentFiles(const QStringList& paths)
{
    for (auto it = paths.crbegin(); it != paths.crend(); ++it)
        if (!it->isEmpty())
            add(*it);
}

bool RecentFiles::add(const QString& path)
{
    const QString clean = normalised(path);
    if (!paths_.isEmpty() && paths_.first() == clean)
        return false;
    paths_.removeAll(clean);
    paths_.prepend(clean);
    while (paths_.size() > Capacity)
        paths_.removeLast();
    return true;
}

bool RecentFiles::remove(const QString& path)
{
    return paths_.removeAll(normalised(path)) > 0;
}

} // namespace orve
