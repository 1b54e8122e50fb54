#include "combinedclassesbox.h"

#include "conditions/combinedclasses.h"
#include "model/combinedlesson.h"
#include "widgets/numericguardfilter.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <vector>

namespace orve::ui {

namespace {
constexpr int NodeRole = Qt::UserRole; // index of the tree node an item shows
}

CombinedClassesBox::CombinedClassesBox(Workspace& ws, UiPort& ui, NumericGuardFilter* guard,
                                       QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(ui), tree_(new QTreeWidget(this)),
      combinedLessons_(new QComboBox(this)), groupNumber_(new QLineEdit(QStringLiteral("1"), this)),
      addButton_(new QPushButton(QStringLiteral(u"确定"), this)),
      removeButton_(new QPushButton(QStringLiteral(u"删除"), this))
{
    nameControl(tree_, "combinedGroups", QStringLiteral(u"合班课组合"));
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameControl(combinedLessons_, "combinedLessons", QStringLiteral(u"合班课列表"));
    combinedLessons_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    nameControl(groupNumber_, "groupNumber", QStringLiteral(u"合班课组号"));
    groupNumber_->setFixedWidth(50);
    guard->guard(groupNumber_);
    nameControl(addButton_, "addToGroup");
    nameControl(removeButton_, "removeFromGroup");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 0, 0, 1, 4);
    layout->addWidget(combinedLessons_, 1, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral(u"合班课"), this), 2, 0);
    layout->addWidget(groupNumber_, 2, 1);
    layout->addWidget(addButton_, 2, 2);
    layout->addWidget(removeButton_, 2, 3);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);

    connect(addButton_, &QPushButton::clicked, this, [this] {
        conditions::addLessonToGroup(ws_, ui_, groupNumber_->text(),
                                     combinedLessons_->currentData().toString());
    });
    connect(removeButton_, &QPushButton::clicked, this,
            [this] { conditions::removeGroupNode(ws_, selectedNode()); });
    for (const auto signal : {&Notifier::conditionsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &CombinedClassesBox::refresh);
}

void CombinedClassesBox::refresh()
{
    refreshTree();
    refreshList();
}

void CombinedClassesBox::refreshTree()
{
    const model::CombinedTree& tree = ws_.school.combinedGroups;
    tree_->clear();
    std::vector<QTreeWidgetItem*> items(std::size_t(tree.nodeCount()), nullptr);
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const model::TreeNode& node = tree.node(i);
        QTreeWidgetItem* parent =
            node.parent >= 0 && node.parent < i ? items[std::size_t(node.parent)] : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, model::combinedLessonCaption(node.text));
        item->setData(0, NodeRole, i);
        items[std::size_t(i)] = item;
    }
    tree_->expandAll();
}

void CombinedClassesBox::refreshList()
{
    // The entries stay the items' data; the user sees them with a visible separator.
    const QVariant shown = combinedLessons_->currentData();
    const QSignalBlocker blocked(combinedLessons_);
    combinedLessons_->clear();
    for (const QString& entry : ws_.school.combinedLessons)
        combinedLessons_->addItem(model::combinedLessonCaption(entry), entry);
    const int at = combinedLessons_->findData(shown);
    combinedLessons_->setCurrentIndex(at >= 0 ? at
                                              : (ws_.school.combinedLessons.isEmpty() ? -1 : 0));
}

int CombinedClassesBox::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, NodeRole).toInt();
}

} // namespace orve::ui
