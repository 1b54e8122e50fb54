#include "combinedclassesbox.h"

#include "conditions/combinedclasses.h"
#include "model/combinedlesson.h"
#include "numericguardfilter.h"
#include "workspace.h"

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

CombinedClassesBox::CombinedClassesBox(Workspace& ws, FixedLessonsBox::UiPortSource ui,
                                       NumericGuardFilter* guard, QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(std::move(ui)), tree_(new QTreeWidget(this)),
      combo3_(new QComboBox(this)), text7_(new QLineEdit(QStringLiteral("1"), this)),
      command5_(new QPushButton(QStringLiteral(u"确定"), this)),
      command6_(new QPushButton(QStringLiteral(u"删除"), this))
{
    tree_->setObjectName(QStringLiteral("Tr3"));
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    combo3_->setObjectName(QStringLiteral("Combo3"));
    combo3_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    text7_->setObjectName(QStringLiteral("Text7"));
    text7_->setFixedWidth(50);
    guard->guard(text7_);
    command5_->setObjectName(QStringLiteral("Command5"));
    command6_->setObjectName(QStringLiteral("Command6"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 0, 0, 1, 4);
    layout->addWidget(combo3_, 1, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral(u"合班课"), this), 2, 0);
    layout->addWidget(text7_, 2, 1);
    layout->addWidget(command5_, 2, 2);
    layout->addWidget(command6_, 2, 3);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);

    connect(command5_, &QPushButton::clicked, this, [this] {
        conditions::addLessonToGroup(ws_, ui_(), text7_->text(), combo3_->currentData().toString());
    });
    connect(command6_, &QPushButton::clicked, this,
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
    const QVariant shown = combo3_->currentData();
    const QSignalBlocker blocked(combo3_);
    combo3_->clear();
    for (const QString& entry : ws_.school.combinedLessons)
        combo3_->addItem(model::combinedLessonCaption(entry), entry);
    const int at = combo3_->findData(shown);
    combo3_->setCurrentIndex(at >= 0 ? at : (ws_.school.combinedLessons.isEmpty() ? -1 : 0));
}

int CombinedClassesBox::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, NodeRole).toInt();
}

} // namespace orve::ui
