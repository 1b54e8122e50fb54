#include "commandcontext.h"

#include <QTabBar>
#include <QTabWidget>

namespace orve::ui {

void bindTabClick(const WindowViews& views, int tab, QObject* owner, std::function<void()> command)
{
    QObject::connect(views.tabs->tabBar(), &QTabBar::tabBarClicked, owner,
                     [tab, command = std::move(command)](int index) {
                         if (index == tab)
                             command();
                     });
}

} // namespace orve::ui
