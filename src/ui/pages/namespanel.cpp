#include "namespanel.h"

#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orve::ui {

namespace {

struct ListName
{
    const char* object;
    const char16_t* spoken;
};

constexpr std::array<ListName, 4> listNames = {{{"classNames", u"班级名单"},
                                                {"courseNames", u"开课课程名单"},
                                                {"teacherNames", u"教师名单"},
                                                {"venueNames", u"公用场地名单"}}};

QPushButton* makeButton(const char16_t* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf16(caption), parent);
    nameControl(button, name);
    button->setAutoDefault(false);
    return button;
}

void showEntries(QListWidget* widget, const QStringList& names, int selected)
{
    const QSignalBlocker blocker(widget);
    bool same = widget->count() == names.size();
    for (int i = 0; same && i < names.size(); ++i)
        same = widget->item(i)->text() == names.at(i);
    if (!same) {
        widget->clear();
        widget->addItems(names);
    }
    if (selected >= 0 && selected < widget->count())
        widget->setCurrentRow(selected);
    else
        widget->setCurrentRow(-1);
}

} // namespace

NamesPanel::NamesPanel(QWidget* parent)
    : QGroupBox(QStringLiteral(u"学校名单"), parent),
      heading_(new QLabel(QStringLiteral(u" 学校总班级一览表"), this)),
      listTitle_(new QLabel(QStringLiteral(u"班级名称"), this)), stack_(new QStackedWidget(this)),
      entry_(new QLineEdit(this)), addButton_(makeButton(u"确定", "addName", this)),
      insertButton_(makeButton(u"插入", "insertName", this)),
      renameButton_(makeButton(u"重命名", "renameName", this)),
      deleteButton_(makeButton(u"删除", "deleteName", this))
{
    nameControl(heading_, "namesHeading");
    nameControl(listTitle_, "listTitle");
    nameControl(entry_, "nameEntry", QStringLiteral(u"名称输入框"));
    listTitle_->setBuddy(entry_);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    heading_->setFont(headingFont);

    for (school::NameList kind : school::AllNameLists) {
        auto* widget = new QListWidget(stack_);
        const ListName& name = listNames.at(std::size_t(kind));
        nameControl(widget, name.object, QString::fromUtf16(name.spoken));
        widget->setSelectionMode(QAbstractItemView::SingleSelection);
        stack_->addWidget(widget);
        lists_.at(std::size_t(kind)) = widget;
        // A click on the current entry copies it again; keys move the selection like clicks.
        connect(widget, &QListWidget::itemClicked, this,
                [this, kind, widget](QListWidgetItem* item) {
                    emit entryPicked(kind, widget->row(item));
                });
        connect(widget, &QListWidget::currentRowChanged, this, [this, kind](int row) {
            if (row >= 0)
                emit entryPicked(kind, row);
        });
    }

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addButton_, insertButton_, renameButton_, deleteButton_})
        buttons->addWidget(button);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(listTitle_);
    entryRow->addWidget(entry_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(stack_, 1);
    layout->addLayout(entryRow);
    layout->addLayout(buttons);
}

QListWidget* NamesPanel::list(school::NameList list) const
{
    return lists_.at(std::size_t(list));
}

void NamesPanel::refresh(const Workspace& ws)
{
    for (school::NameList kind : school::AllNameLists)
        showEntries(list(kind), school::names(ws, kind), school::selectedEntry(ws, kind));
    if (const std::optional<school::NameList> active = school::activeList(ws))
        stack_->setCurrentWidget(list(*active));
    heading_->setText(ws.editor.names.heading);
    listTitle_->setText(ws.editor.names.listTitle);
    if (entry_->text() != ws.editor.names.entry)
        entry_->setText(ws.editor.names.entry);
}

} // namespace orve::ui
