// The combined-class tree: keyed nodes in the order they were added (their index order),
// each with a parent and children in the order of their addition. The root is a node like
// any other; groups are its children and members the groups' children.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

namespace orve::model {

struct TreeNode
{
    QString key;
    QString text;
    int parent = -1; // index of the parent node; -1 for a root
};

class CombinedTree
{
public:
    static QString rootKey() { return QStringLiteral("Root"); }
    static QString rootText() { return QStringLiteral(u"合班课组合设置"); }

    // The tree as start-up and New leave it: the root alone.
    void reset();
    // No nodes at all.
    void clear();

    // Nodes are indexed from 0 in the order they were added (the first node is the root).
    int nodeCount() const { return int(nodes_.size()); }
    const TreeNode& node(int index) const { return nodes_.at(std::size_t(index)); }
    int findKey(const QString& key) const;
    int findText(const QString& text) const;
    // Children of a node, in the order they were added (none for an index outside the tree).
    const QList<int>& children(int index) const;

    // Each fails (returns -1) on a key that is already in the tree or a parent that is not.
    int addRoot(const QString& key, const QString& text);
    int addChild(int parent, const QString& key, const QString& text);
    // False when another node has the key already.
    bool setKey(int index, const QString& key);
    // Removes the node with everything below it; the nodes after it move up.
    void remove(int index);

    bool operator==(const CombinedTree& other) const;

private:
    bool isDescendant(int index, int ancestor) const;
    int append(TreeNode node);
    void reindex();

    std::vector<TreeNode> nodes_;
    // Kept with the nodes, so that a file of many nodes reads in linear time.
    QHash<QString, int> indexOfKey_;
    std::vector<QList<int>> children_;
};

} // namespace orve::model
