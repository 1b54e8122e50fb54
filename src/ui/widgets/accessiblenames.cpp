#include "accessiblenames.h"

#include "platform/programinfo.h"
#include "spinbuttons.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace orve::ui {

namespace {

// Qt's own controls, by the object names Qt gives them: the arrows of a tab bar too narrow for
// its tabs.
const QHash<QString, QString>& namesOfQtControls()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("ScrollLeftButton"), QStringLiteral(u"向左滚动选项卡")},
        {QStringLiteral("ScrollRightButton"), QStringLiteral(u"向右滚动选项卡")},
    };
    return names;
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Han; });
}

// A name given where the control is made stays; Qt's own English names are replaced. A label
// is read as the text it shows, so its role goes into the description instead.
void name(QWidget* widget, const QString& text)
{
    if (text.isEmpty())
        return;
    if (qobject_cast<QLabel*>(widget)) {
        if (widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(text);
    } else if (!hasChinese(widget->accessibleName())) {
        widget->setAccessibleName(text);
    }
}

} // namespace

void nameControl(QWidget* control, const char* objectName, const QString& spoken)
{
    control->setObjectName(QString::fromLatin1(objectName));
    name(control, spoken);
}

void setSpinBoxName(QAbstractSpinBox* spin, const QString& spoken)
{
    spin->setAccessibleName(spoken);
    if (auto* entry = spin->findChild<QLineEdit*>())
        entry->setAccessibleName(spoken);
}

void nameForScreenReaders(QWidget* root)
{
    const QHash<QString, QString>& names = namesOfQtControls();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        name(widget, names.value(widget->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            name(button, plainCaption(button->text()));
    }
    // What is built from named parts takes its parts' names.
    for (auto* spin : root->findChildren<SpinButtons*>()) {
        name(spin->upButton(), QStringLiteral(u"增加") + spin->accessibleName());
        name(spin->downButton(), QStringLiteral(u"减少") + spin->accessibleName());
    }
    for (auto* combo : root->findChildren<QComboBox*>()) {
        name(combo->view(), combo->accessibleName());
        if (QLineEdit* edit = combo->lineEdit())
            name(edit, combo->accessibleName());
    }
    for (auto* tabs : root->findChildren<QTabWidget*>())
        name(tabs->tabBar(), tabs->accessibleName());
}

} // namespace orve::ui
