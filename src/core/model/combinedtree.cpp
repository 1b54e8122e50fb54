#include "combinedtree.h"

namespace orve::model {

void CombinedTree::reset()
{
    nodes_.clear();
    addRoot(rootKey(), rootText());
}

int CombinedTree::findKey(const QString& key) const
{
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].key == key)
            return int(i);
    return -1;
}

int CombinedTree::findText(const QString& text) const
{
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].text == text)
            return int(i);
    return -1;
}

QList<int> CombinedTree::children(int index) const
{
    QList<int> result;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].parent == index)
            result.append(int(i));
    return result;
}

int CombinedTree::addRoot(const QString& key, const QString& text)
{
    if (findKey(key) >= 0)
        return -1;
    nodes_.push_back({key, text, -1});
    return nodeCount() - 1;
}

int CombinedTree::addChild(int parent, const QString& key, const QString& text)
{
    if (parent < 0 || parent >= nodeCount() || findKey(key) >= 0)
        return -1;
    nodes_.push_back({key, text, parent});
    return nodeCount() - 1;
}

bool CombinedTree::setKey(int index, const QString& key)
{
    const int holder = findKey(key);
    if (index < 0 || index >= nodeCount() || (holder >= 0 && holder != index))
        return false;
    nodes_[std::size_t(index)].key = key;
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
