#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/Link.h"

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
    using SetLink = bool (Calculus::*)(Link *);
    using SetArg = bool (Calculus::*)(Calculus *);
    const SetLink setLink[] = {&Calculus::setLink1, &Calculus::setLink2, &Calculus::setLink3,
                               &Calculus::setLink4};
    const SetArg setArg[] = {&Calculus::setArg1, &Calculus::setArg2, &Calculus::setArg3,
                             &Calculus::setArg4};
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
    void initTestCase() { qsrand(1234); }
    void acceptance_data();
    void acceptance();
    void deletingLinkClearsArgument();
    void changeOrig();
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
    Link *link = linkAs(slot, from.get(), to.get());
    QCOMPARE(link != nullptr, accepted);
    Calculus *const args[4] = {to->arg1, to->arg2, to->arg3, to->arg4};
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(to->isLinked(k), accepted && k == slot);
        QCOMPARE(args[k - 1] == from.get(), accepted && k == slot);
    }
    QCOMPARE(from->links.size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(link->getArgNo(), slot);
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
    InvariantProbe first, second, third;
    OperatorProbe target;
    for (Calculus *c : {static_cast<Calculus *>(&first), static_cast<Calculus *>(&second),
                        static_cast<Calculus *>(&target)})
        c->setGraph(&g);
    Link *link = linkAs(2, &first, &target);
    QVERIFY(link);
    QVERIFY(link->changeOrig(&second));
    QVERIFY(target.setArg2(&second));
    QCOMPARE(link->from(), static_cast<Calculus *>(&second));
    QCOMPARE(target.link2, link);
    QVERIFY(first.links.isEmpty());
    QCOMPARE(second.links, QList<Link *>{link});
    // The old source no longer holds it: a second move reports that.
    second.links.clear();
    QVERIFY(!link->changeOrig(&third));
    QCOMPARE(third.links, QList<Link *>{link});
    delete link;
    QVERIFY(third.links.isEmpty());
    QVERIFY(!target.arg2);
}

QTEST_MAIN(tst_Link)
#include "tst_Link.moc"
