#include "ItemProbes.h"

#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "items/Link.h"

#include <QtTest>

#include <memory>

/// Links `source` into slot k of `target` as the board does: offer the link to both ends,
/// drop it when either refuses, else hand the argument over. Returns the link or null.
static Link *linkAs(int k, Calculus *source, Calculus *target)
{
    bool (Calculus::*const setLink[])(Link *) = {&Calculus::setLink1, &Calculus::setLink2,
                                                 &Calculus::setLink3, &Calculus::setLink4};
    bool (Calculus::*const setArg[])(Calculus *) = {&Calculus::setArg1, &Calculus::setArg2,
                                                    &Calculus::setArg3, &Calculus::setArg4};
    auto *link = new Link(source, target, false);
    if (!(target->*setLink[k - 1])(link) || !source->setLinkTo(link)) {
        delete link;
        return nullptr;
    }
    (target->*setArg[k - 1])(source);
    return link;
}

class tst_Link : public QObject
{
    Q_OBJECT
private slots:
    void acceptance_data();
    void acceptance();
    void deletingAndMovingLinks();
    void graphicsItemTypes_data();
    void graphicsItemTypes();
};

void tst_Link::acceptance_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("accepted");
    // Invariants and operators serve as arguments; operators take 4, constraints 2.
    const char *names[] = {"Invariant", "Family", "Operator", "Constraint"};
    const bool serves[] = {true, false, true, false};
    const int slotsTaken[] = {0, 0, 4, 2};
    for (int s = 0; s < 4; ++s)
        for (int t = 0; t < 4; ++t)
            for (int k = 1; k <= 4; ++k)
                QTest::newRow(
                    qPrintable(QString("%1 into %2 slot %3").arg(names[s], names[t]).arg(k)))
                    << s << t << k << (serves[s] && k <= slotsTaken[t]);
}

void tst_Link::acceptance()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(int, slot);
    QFETCH(bool, accepted);
    auto make = [](int category) -> Calculus * {
        switch (category) {
        case 0: return new InvariantProbe;
        case 1: return new FamilyProbe;
        case 2: return new OperatorProbe;
        default: return new ConstraintProbe;
        }
    };
    Graph g("G", false);
    std::unique_ptr<Calculus> from(make(source)), to(make(target));
    from->setGraph(&g);
    to->setGraph(&g);
    Link *link = linkAs(slot, from.get(), to.get());
    QCOMPARE(link != nullptr, accepted);
    QVector<bool> linked, args, expected;
    for (int k = 1; k <= 4; ++k)
        linked << to->isLinked(k), expected << (accepted && k == slot);
    for (Calculus *a : {to->arg1, to->arg2, to->arg3, to->arg4})
        args << (a == from.get());
    QCOMPARE(linked, expected);
    QCOMPARE(args, expected);
    QCOMPARE(from->links.size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(link->getArgNo(), slot);
}

void tst_Link::deletingAndMovingLinks()
{
    Graph g("G", false);
    InvariantProbe first, second, third;
    OperatorProbe target;
    for (Calculus *c : std::initializer_list<Calculus *>{&first, &second, &third, &target})
        c->setGraph(&g);
    // Deleting a link clears the target's argument and the source's list.
    Link *link = linkAs(3, &first, &target);
    QVERIFY(link);
    delete link;
    QVERIFY(!target.arg3 && !target.isLinked(3) && first.links.isEmpty());
    // changeOrig moves the link to a new source.
    link = linkAs(2, &first, &target);
    QVERIFY(link && link->changeOrig(&second) && target.setArg2(&second));
    QCOMPARE(link->from(), static_cast<Calculus *>(&second));
    QCOMPARE(target.link2, link);
    QVERIFY(first.links.isEmpty());
    QCOMPARE(second.links, QList<Link *>{link});
    // The old source no longer holds it: a second move reports that.
    second.links.clear();
    QVERIFY(!link->changeOrig(&third));
    QCOMPARE(third.links, QList<Link *>{link});
    delete link;
    QVERIFY(third.links.isEmpty() && !target.arg2);
}

// Each graphics class has its own type, so a cast never mistakes one for another.
void tst_Link::graphicsItemTypes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("vertex") << 0;
    QTest::newRow("edge") << 1;
    QTest::newRow("link") << 2;
    QTest::newRow("invariant item") << 3;
    QTest::newRow("operator item") << 4;
}

void tst_Link::graphicsItemTypes()
{
    QFETCH(int, kind);
    Node a(0, 0, 10, 10, "a", false), b(5, 5, 10, 10, "b", false);
    InvariantProbe invariant;
    OperatorProbe op;
    Edge edge(&a, &b);
    Link link(&invariant, &op, false);
    QGraphicsItem *const items[] = {&a, &edge, &link, &invariant, &op};
    QGraphicsItem *item = items[kind];
    QCOMPARE(qgraphicsitem_cast<Node *>(item) != nullptr, kind == 0);
    QCOMPARE(qgraphicsitem_cast<Edge *>(item) != nullptr, kind == 1);
    QCOMPARE(qgraphicsitem_cast<Link *>(item) != nullptr, kind == 2);
    QCOMPARE(qgraphicsitem_cast<Calculus *>(item) != nullptr, kind >= 3);
}

QTEST_MAIN(tst_Link)
#include "tst_Link.moc"
