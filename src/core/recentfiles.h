// The files last opened or saved, newest first, as the file menu offers them again.
#pragma once

#include <QStringList>

namespace orve {

class RecentFiles
{
public:
    static constexpr int Capacity = 4;

    RecentFiles() = default;
    // Keeps the first Capacity distinct, non-empty paths.
    explicit RecentFiles(const QStringList& paths);

    const QStringList& paths() const { return paths_; }
    bool isEmpty() const { return paths_.isEmpty(); }

    // Puts a path first; the oldest beyond Capacity drops off. False when nothing changed.
    bool add(const QString& path);
    // False when the path was not in the list.
    bool remove(const QString& path);

private:
    QStringList paths_;
};

} // namespace orve
