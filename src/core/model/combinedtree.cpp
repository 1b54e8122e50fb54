#include "combinedtree.h"

namespace orve::model {

void CombinedTree::reset()
{
    clear();
    addRoot(rootKey(), rootText());
}

void CombinedTree::clear()
{
    nodes_.clear();
    indexOfKey_.clear();
    children_.clear();
}

int CombinedTree::findKey(const QString& key) const
{
    return indexOfKey_.value(key, -1);
}

int CombinedTree::findText(const QString& text) const
{
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].text == text)
            return int(i);
    return -1;
}

const QList<int>& CombinedTree::children(int index) const
{
    static const QList<int> none;
    return index >= 0 && index < nodeCount() ? children_[std::size_t(index)] : none;
}

int CombinedTree::append(TreeNode node)
{
    const int index = nodeCount();
    indexOfKey_.insert(node.key, index);
    if (node.parent >= 0)
        children_[std::size_t(node.parent)].append(index);
    nodes_.push_back(std::move(node));
    children_.emplace_back();
    return index;
}

void CombinedTree::reindex()
{
    indexOfKey_.clear();
    children_.assign(nodes_.size(), {});
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        indexOfKey_.insert(nodes_[i].key, int(i));
        if (nodes_[i].parent >= 0)
            children_[std::size_t(nodes_[i].parent)].append(int(i));
    }
}

int CombinedTree::addRoot(const QString& key, const QString& text)
{
    if (findKey(key) >= 0)
        return -1;
    return append({key, text, -1});
}

int CombinedTree::addChild(int parent, const QString& key, const QString& text)
{
    if (parent < 0 || parent >= nodeCount() || findKey(key) >= 0)
        return -1;
    return append({key, text, parent});
}

bool CombinedTree::setKey(int index, const QString& key)
{
    const int holder = findKey(key);
    if (index < 0 || index >= nodeCount() || (holder >= 0 && holder != index))
        return false;
    TreeNode& node = nodes_[std::size_t(index)];
    indexOfKey_.remove(node.key);
    node.key = key;
    indexOfKey_.insert(key, index);
    return true;
}

bool CombinedTree::isDescendant(int index, int ancestor) const
{
    for (int at = index; at >= 0; at = nodes_[std::size_t(at)].parent)
        if (at == ancestor)
            return true;
    return false;
}

void CombinedTree::remove(int index)
{
    if (index < 0 || index >= nodeCount())
        return;
    // New position of every node that stays, so parents can be renumbered.
    std::vector<int> moved(nodes_.size(), -1);
    std::vector<TreeNode> kept;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (isDescendant(int(i), index))
            continue;
        moved[i] = int(kept.size());
        kept.push_back(nodes_[i]);
    }
    for (TreeNode& node : kept)
        if (node.parent >= 0)
            node.parent = moved[std::size_t(node.parent)];
    nodes_ = std::move(kept);
    reindex();
}

bool CombinedTree::operator==(const CombinedTree& other) const
{
    if (nodes_.size() != other.nodes_.size())
        return false;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].key != other.nodes_[i].key || nodes_[i].text != other.nodes_[i].text ||
            nodes_[i].parent != other.nodes_[i].parent)
            return false;
    return true;
}

} // namespace orve::model
