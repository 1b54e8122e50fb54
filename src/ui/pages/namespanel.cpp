#include "namespanel.h"

#include "workspace.h"

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

constexpr std::array<const char*, 4> listNames = {"List1", "List10", "List11", "List2"};

QPushButton* makeButton(const char16_t* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf16(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
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
      label8_(new QLabel(QStringLiteral(u" 学校总班级一览表"), this)),
      label11_(new QLabel(QStringLiteral(u"班级名称"), this)), stack_(new QStackedWidget(this)),
      text6_(new QLineEdit(this)), command1_(makeButton(u"确定", "Command1", this)),
      command3_(makeButton(u"插入", "Command3", this)),
      command11_(makeButton(u"重命名", "Command11", this)),
      command2_(makeButton(u"删除", "Command2", this))
{
    label8_->setObjectName(QStringLiteral("Label8"));
    label11_->setObjectName(QStringLiteral("Label11"));
    text6_->setObjectName(QStringLiteral("Text6"));
    label11_->setBuddy(text6_);
    QFont headingFont = label8_->font();
    headingFont.setBold(true);
    label8_->setFont(headingFont);

    for (school::NameList kind : school::AllNameLists) {
        auto* widget = new QListWidget(stack_);
        widget->setObjectName(QString::fromLatin1(listNames.at(std::size_t(kind))));
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
    for (QPushButton* button : {command1_, command3_, command11_, command2_})
        buttons->addWidget(button);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(label11_);
    entryRow->addWidget(text6_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label8_);
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
    label8_->setText(ws.editor.names.heading);
    label11_->setText(ws.editor.names.listTitle);
    if (text6_->text() != ws.editor.names.entry)
        text6_->setText(ws.editor.names.entry);
}

} // namespace orve::ui
