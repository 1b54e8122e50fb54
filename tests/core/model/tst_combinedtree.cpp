// The keyed tree of combined-class groups: index order, children order and removal.
#include "model/combinedtree.h"

#include <QTest>

using orve::model::CombinedTree;

class TestCombinedTree : public QObject
{
    Q_OBJECT

private slots:
    void resetLeavesTheRootAlone()
    {
        CombinedTree tree;
        tree.reset();
        QCOMPARE(tree.nodeCount(), 1);
        QCOMPARE(tree.node(0).key, QStringLiteral("Root"));
        QCOMPARE(tree.node(0).parent, -1);
    }

    void keysAreUnique()
    {
        CombinedTree tree;
        tree.reset();
        QCOMPARE(tree.addChild(0, QStringLiteral("g"), QStringLiteral("g")), 1);
        QCOMPARE(tree.addChild(0, QStringLiteral("g"), QStringLiteral("other")), -1);
        QCOMPARE(tree.addChild(7, QStringLiteral("h"), QStringLiteral("h")), -1);
        QVERIFY(!tree.setKey(0, QStringLiteral("g")));
        QVERIFY(tree.setKey(0, CombinedTree::rootText()));
        QCOMPARE(tree.findKey(CombinedTree::rootText()), 0);
        // The old key is free again.
        QCOMPARE(tree.findKey(QStringLiteral("Root")), -1);
        QCOMPARE(tree.addChild(1, QStringLiteral("Root"), QStringLiteral("m")), 2);
    }

    void removingANodeTakesItsSubtreeAndRenumbers()
    {
        CombinedTree tree;
        tree.reset();
        const int g1 = tree.addChild(0, QStringLiteral("g1"), QStringLiteral("g1"));
        tree.addChild(g1, QStringLiteral("1nkey"), QStringLiteral("a"));
        const int g2 = tree.addChild(0, QStringLiteral("g2"), QStringLiteral("g2"));
        tree.addChild(g1, QStringLiteral("3nkey"), QStringLiteral("b"));
        tree.addChild(g2, QStringLiteral("4nkey"), QStringLiteral("c"));
        QCOMPARE(tree.children(g1), (QList<int>{2, 4}));
        tree.remove(g1);
        QCOMPARE(tree.nodeCount(), 3);
        QCOMPARE(tree.node(1).key, QStringLiteral("g2"));
        QCOMPARE(tree.node(2).key, QStringLiteral("4nkey"));
        QCOMPARE(tree.node(2).parent, 1);
        QCOMPARE(tree.children(0), (QList<int>{1}));
        QCOMPARE(tree.children(1), (QList<int>{2}));
        // The keys follow the renumbered nodes; the removed ones are free.
        QCOMPARE(tree.findKey(QStringLiteral("4nkey")), 2);
        QCOMPARE(tree.findKey(QStringLiteral("3nkey")), -1);
        QCOMPARE(tree.addChild(1, QStringLiteral("1nkey"), QStringLiteral("a")), 3);
        QCOMPARE(tree.children(1), (QList<int>{2, 3}));
        tree.remove(0);
        QCOMPARE(tree.nodeCount(), 0);
        QVERIFY(tree.children(0).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCombinedTree)
#include "tst_combinedtree.moc"
