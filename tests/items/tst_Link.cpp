#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/Link.h"

#include <QGraphicsScene>
#include <QtTest>

#include <memory>

static Calculus *makeOf(const QString &category)
{
    if (category == "Invariant")
        return new InvariantProbe;
    if (category == "Family")
        return new FamilyProbe;
    if (category == "Operator")
        return new OperatorProbe;
    return new ConstraintProbe;
}

/// Links `source` into slot k of `target` as the board does: offer the link to both ends,
/// drop it when either refuses, else hand the argument over. Returns the link or null.
static Link *linkAs(int k, Calculus *source, Calculus *target)
{
    auto *link = new Link(source, target, false);
    bool accepted = false;
    switch (k) {
    case 1:
        accepted = target->setLink1(link);
        break;
    case 2:
        accepted = target->setLink2(link);
        break;
    case 3:
        accepted = target->setLink3(link);
        break;
    case 4:
        accepted = target->setLink4(link);
        break;
    }
    if (!accepted || !source->setLinkTo(link)) {
        delete link;
        return nullptr;
    }
    switch (k) {
    case 1:
        target->setArg1(source);
        break;
    case 2:
        target->setArg2(source);
        break;
    case 3:
        target->setArg3(source);
        break;
    case 4:
        target->setArg4(source);
        break;
    }
    return link;
}

class tst_Link : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void acceptance_data();
    void acceptance();
    void formulaOfCategories();
    void argumentRefreshMovesCounter();
    void deletingLinkClearsArgument();
    void changeOrig();
    void layout();
    void selfLinkIsEmpty();
};

void tst_Link::acceptance_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("accepted");
    // Who serves as an argument, and which slots each category takes.
    const QStringList categories = {"Invariant", "Family", "Operator", "Constraint"};
    const QMap<QString, bool> servesAsArgument = {
        {"Invariant", true}, {"Family", false}, {"Operator", true}, {"Constraint", false}};
    const QMap<QString, int> slotsTaken = {
        {"Invariant", 0}, {"Family", 0}, {"Operator", 4}, {"Constraint", 2}};
    for (const QString &s : categories)
        for (const QString &t : categories)
            for (int k = 1; k <= 4; ++k)
                QTest::newRow(qPrintable(QString("%1 into %2 slot %3").arg(s, t).arg(k)))
                    << s << t << k << (servesAsArgument[s] && k <= slotsTaken[t]);
}

void tst_Link::acceptance()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(int, slot);
    QFETCH(bool, accepted);
    Graph g("G", false);
    std::unique_ptr<Calculus> from(makeOf(source));
    std::unique_ptr<Calculus> to(makeOf(target));
    from->setGraph(&g);
    to->setGraph(&g);
    from->select(true);
    Link *link = linkAs(slot, from.get(), to.get());
    QCOMPARE(link != nullptr, accepted);
    Calculus *const args[4] = {to->arg1, to->arg2, to->arg3, to->arg4};
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(to->isLinked(k), accepted && k == slot);
        QCOMPARE(args[k - 1] == from.get(), accepted && k == slot);
    }
    QCOMPARE(from->links.size(), accepted ? 1 : 0);
    if (accepted) {
        QCOMPARE(link->getArgNo(), slot);
        QCOMPARE(link->from(), from.get());
        QCOMPARE(link->to(), to.get());
        QVERIFY(!from->selected); // an item used as an argument is drawn unselected
    }
}

void tst_Link::formulaOfCategories()
{
    struct PlainInvariant : Invariant {
        void recompute() override {}
    } invariant;
    invariant.name = QStringLiteral("ORDER");
    QCOMPARE(invariant.formula(), QStringLiteral("ORDER(G)"));
    invariant.setInvertGraph(true);
    QCOMPARE(invariant.formula(), QStringLiteral("ORDER(GBAR)"));
    struct PlainFamily : Family {
        void recompute() override {}
    } family;
    family.name = QStringLiteral("TREE");
    QCOMPARE(family.formula(), QStringLiteral("TREE"));
}

void tst_Link::argumentRefreshMovesCounter()
{
    Graph g("G", false);
    InvariantProbe source;
    OperatorProbe target;
    source.setGraph(&g);
    target.setGraph(&g);
    const int id = g.getID();
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    QVERIFY(linkAs(1, &source, &target));
    QVERIFY(g.getID() != id);
    QCOMPARE(published.count(), 1);
    QCOMPARE(target.calls, 1); // computed once; the backup found the value current
}

void tst_Link::deletingLinkClearsArgument()
{
    Graph g("G", false);
    InvariantProbe source;
    OperatorProbe target;
    source.setGraph(&g);
    target.setGraph(&g);
    Link *link = linkAs(3, &source, &target);
    QVERIFY(link);
    delete link;
    QVERIFY(!target.arg3);
    QVERIFY(!target.isLinked(3));
    QVERIFY(source.links.isEmpty());
}

void tst_Link::changeOrig()
{
    Graph g("G", false);
    InvariantProbe first, second;
    OperatorProbe target;
    for (Calculus *c : {static_cast<Calculus *>(&first), static_cast<Calculus *>(&second),
                        static_cast<Calculus *>(&target)})
        c->setGraph(&g);
    Link *link = linkAs(2, &first, &target);
    QVERIFY(link);
    QVERIFY(link->changeOrig(&second));
    QVERIFY(target.setArg2(&second));
    QCOMPARE(link->from(), static_cast<Calculus *>(&second));
    QCOMPARE(link->getArgNo(), 2);
    QCOMPARE(target.link2, link);
    QCOMPARE(target.arg2, static_cast<Calculus *>(&second));
    QVERIFY(first.links.isEmpty());
    QCOMPARE(second.links, QList<Link *>{link});
    // The old source no longer holds it: a second move reports that.
    InvariantProbe third;
    second.links.clear();
    QVERIFY(!link->changeOrig(&third));
    QCOMPARE(third.links, QList<Link *>{link});
    delete link;
    QVERIFY(third.links.isEmpty());
    QVERIFY(!target.arg2);
}

void tst_Link::layout()
{
    QGraphicsScene scene;
    auto *source = new InvariantProbe(true);
    auto *target = new OperatorProbe(true);
    scene.addItem(source);
    scene.addItem(target);
    source->setPos(0, 0);
    target->setPos(0, 200);
    auto *link = new Link(source, target, true);
    scene.addItem(link);
    QVERIFY(link->isVisible());
    QCOMPARE(link->zValue(), -1.0);
    QCOMPARE(link->sourcePoint(), QPointF(0, 30));
    QCOMPARE(link->destPoint(), QPointF(0, 170));
    QCOMPARE(link->boundingRect(), QRectF(-1.5, 28.5, 3, 143));

    // Moving an end re-lays the line through itemChange.
    target->setLink1(link);
    source->setLinkTo(link);
    target->setPos(100, 200);
    QCOMPARE(link->destPoint(), QPointF(100, 170));
    // Within 5.0 the link collapses to the source point.
    target->setPos(3, 62);
    QCOMPARE(link->destPoint(), link->sourcePoint());
    QCOMPARE(link->length(), 0.0);
    target->setPos(0, 200);
    QCOMPARE(link->length(), 140.0);
    // A hidden end hides the link at its next placement.
    target->setVisible(false);
    link->adjust();
    QVERIFY(!link->isVisible());
    delete target; // takes its incoming link with it
    QVERIFY(source->links.isEmpty());
    delete source;
}

void tst_Link::selfLinkIsEmpty()
{
    OperatorProbe item;
    Link link(&item, &item, true);
    QVERIFY(link.boundingRect().isEmpty());
    QCOMPARE(link.getArgNo(), -1);
    link.adjust();
    QVERIFY(!link.isVisible());
}

QTEST_MAIN(tst_Link)
#include "tst_Link.moc"
