// The last files opened or saved, as items of the file menu above "退出 ": choosing one opens
// it as Open does, without the dialog. The list and the folder where the file dialogs start
// are kept between runs in the program's settings.
#pragma once

#include "recentfiles.h"

#include <QObject>
#include <array>

class QAction;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;

class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    // Puts the items into the file menu before 退出 and takes the stored list into the session.
    RecentFilesMenu(const CommandContext& context, QObject* parent);

    // Item `index` (from 0) of the list; hidden while the list is shorter.
    QAction* item(int index) const { return items_.at(std::size_t(index)); }

private:
    void load();
    void store() const;
    void refresh();
    void open(int index);

    Workspace& ws_;
    UiPort& ui_;
    std::array<QAction*, RecentFiles::Capacity> items_{};
    QAction* separator_;
};

} // namespace orve::ui
