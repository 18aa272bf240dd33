#include "PresetPrompts.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "problem/Problem.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

namespace
{

/// A shown board over a fixed scene rectangle, so that view and scene differ by a whole
/// translation at scale 1.
struct Board {
    Graph g{"G", false};
    Problem p{&g, "board", true};
    BuildCalculus catalogue;

    Board()
    {
        g.randomGraph(5);
        p.setSceneRect(-1000, -1000, 2000, 2000);
        p.resize(900, 700);
        p.show();
        p.centerOn(0, 0);
    }
    Calculus *invariant(const char *keyword, QPointF at, double z = 1)
    {
        Calculus *c = catalogue.makeCalculus(keyword, true);
        p.addInvariantItemLoadMode(c);
        place(c, at, z);
        return c;
    }
    Calculus *constraint(const char *keyword, QPointF at)
    {
        Calculus *c = catalogue.makeCalculus(keyword, true);
        p.addConstraintItem(c);
        place(c, at, 501);
        return c;
    }
    void place(Calculus *c, QPointF at, double z)
    {
        c->setPos(at);
        c->setZ(z);
        c->select(false);
    }
    void mouse(QEvent::Type type, QPointF scenePoint)
    {
        const QPoint at = p.mapFromScene(scenePoint);
        QMouseEvent e(type, at, p.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(p.viewport(), &e);
    }
    void press(QPointF s) { mouse(QEvent::MouseButtonPress, s); }
    void move(QPointF s) { mouse(QEvent::MouseMove, s); }
    void release(QPointF s) { mouse(QEvent::MouseButtonRelease, s); }
    void click(QPointF s)
    {
        press(s);
        release(s);
    }
    void key(int k) { QTest::keyClick(&p, Qt::Key(k)); }
    void ctrlKey(int k)
    {
        QTest::keyPress(&p, Qt::Key_Control);
        QTest::keyClick(&p, Qt::Key(k));
        QTest::keyRelease(&p, Qt::Key_Control);
    }
    double scale() const { return p.transform().m11(); }
};

} // namespace

class tst_ProblemInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void click();
    void drag();
    void rubberBand();
    void doubleClick();
    void keyTables_data();
    void keyTables();
    void zoomBounds();
    void deleteWithConfirmation_data();
    void deleteWithConfirmation();
};

void tst_ProblemInput::click()
{
    Board b;
    Calculus *a = b.invariant("ORDER", {0, 0}, 1);
    Calculus *over = b.invariant("SIZE", {0, 0}, 2);
    Calculus *c = b.invariant("DEGMAX", {300, 0});
    b.click({10, 5}); // of two overlapping items, the lower one
    QVERIFY(a->selected);
    QVERIFY(!over->selected);
    b.click({300, 0});
    QVERIFY(a->selected && c->selected);
    b.click({-10, 0});
    QVERIFY(!a->selected);
    // Empty space: no selection changes, and no item stays under the mouse.
    b.click({-600, 400});
    QVERIFY(c->selected);
    QCOMPARE(Calculus::calculusUnderMouse(), nullptr);
}

void tst_ProblemInput::drag()
{
    Board b;
    Calculus *a = b.invariant("ORDER", {0, 0});
    Calculus *c = b.invariant("SIZE", {300, 100});
    // Exactly 5 units away at the farthest: neither a drag nor a click.
    b.press({0, 0});
    b.move({3, 4});
    b.release({3, 4});
    QCOMPARE(a->pos(), QPointF(0, 0));
    QVERIFY(!a->selected);
    // An unselected item moves alone; back near the press point, the drag goes on.
    c->select(true);
    b.press({10, 5});
    b.move({40, 45});
    QCOMPARE(a->pos(), QPointF(40, 45));
    b.move({12, 5});
    b.release({12, 5});
    QCOMPARE(a->pos(), QPointF(12, 5));
    QVERIFY(!a->selected);
    QCOMPARE(c->pos(), QPointF(300, 100));
    // A selected item takes the selection along.
    a->setPos(0, 0);
    a->select(true);
    b.press({10, 5});
    b.move({110, 55});
    b.release({110, 55});
    QCOMPARE(a->pos(), QPointF(110, 55));
    QCOMPARE(c->pos(), QPointF(410, 155));
    QVERIFY(a->selected && c->selected);
}

void tst_ProblemInput::rubberBand()
{
    Board b;
    Calculus *a = b.invariant("ORDER", {0, 0});
    Calculus *locked = b.invariant("SIZE", {150, 0});
    Calculus *outside = b.invariant("DEGMAX", {600, 0});
    Calculus *far = b.invariant("DEGMIN", {600, 400});
    locked->setSelectable(false);
    outside->select(true);
    b.press({-100, -100});
    QVERIFY(b.p.getRubberBand()->isVisible());
    b.move({200, 50});
    QCOMPARE(b.p.getRubberBand()->rect(), QRectF(-100, -100, 300, 150));
    b.release({200, 50});
    QVERIFY(!b.p.getRubberBand()->isVisible());
    QVERIFY(a->selected);
    QVERIFY(!locked->selected);
    QVERIFY(outside->selected);
    QVERIFY(!far->selected);
    // A band drawn backwards spans the same rectangle, and never deselects.
    b.press({700, 500});
    b.move({500, 300});
    QCOMPARE(b.p.getRubberBand()->rect(), QRectF(500, 300, 200, 200));
    b.release({500, 300});
    QVERIFY(far->selected);
    QVERIFY(a->selected);
}

void tst_ProblemInput::doubleClick()
{
    Board b;
    Calculus *a = b.invariant("ORDER", {0, 0}, 1);
    Calculus *c = b.invariant("SIZE", {20, 0}, 2);
    Calculus *apart = b.invariant("DEGMAX", {400, 0});
    for (bool shown : {true, false}) {
        b.press({10, 0});
        b.release({10, 0});
        b.mouse(QEvent::MouseButtonDblClick, {10, 0});
        b.release({10, 0});
        QCOMPARE(a->getCalculusDisplay()->isVisible(), shown);
        QCOMPARE(c->getCalculusDisplay()->isVisible(), shown);
        QVERIFY(!apart->getCalculusDisplay()->isVisible());
        QVERIFY(!b.p.getRubberBand()->isVisible());
    }
    // Each double click toggled the lower item's selection once.
    QVERIFY(!a->selected);
}

void tst_ProblemInput::keyTables_data()
{
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect");
    QTest::newRow("X aligns") << false << int(Qt::Key_X) << "aligned";
    QTest::newRow("Control X deletes") << true << int(Qt::Key_X) << "deleted";
    QTest::newRow("Delete deletes") << false << int(Qt::Key_Delete) << "deleted";
    QTest::newRow("Backspace deletes") << false << int(Qt::Key_Backspace) << "deleted";
    QTest::newRow("A spaces") << false << int(Qt::Key_A) << "spaced";
    QTest::newRow("Control A selects all") << true << int(Qt::Key_A) << "all selected";
    QTest::newRow("Control U unselects") << true << int(Qt::Key_U) << "none selected";
    QTest::newRow("Control I inverts") << true << int(Qt::Key_I) << "inverted";
    QTest::newRow("Y aligns") << false << int(Qt::Key_Y) << "aligned y";
    QTest::newRow("V spaces") << false << int(Qt::Key_V) << "spaced y";
    QTest::newRow("plus zooms") << false << int(Qt::Key_Plus) << "zoom in";
    QTest::newRow("minus zooms") << false << int(Qt::Key_Minus) << "zoom out";
    QTest::newRow("Control plus") << true << int(Qt::Key_Plus) << "nothing";
    QTest::newRow("Control minus") << true << int(Qt::Key_Minus) << "nothing";
    QTest::newRow("1 links") << false << int(Qt::Key_1) << "linked 1";
    QTest::newRow("2 links") << false << int(Qt::Key_2) << "linked 2";
    QTest::newRow("Control 1") << true << int(Qt::Key_1) << "nothing";
    QTest::newRow("R starts") << false << int(Qt::Key_R) << "start";
    QTest::newRow("H stops") << false << int(Qt::Key_H) << "stop";
    QTest::newRow("Control R") << true << int(Qt::Key_R) << "nothing";
    QTest::newRow("Up") << false << int(Qt::Key_Up) << "selected by 0,-5";
    QTest::newRow("Down") << false << int(Qt::Key_Down) << "selected by 0,5";
    QTest::newRow("Right") << false << int(Qt::Key_Right) << "selected by 5,0";
    QTest::newRow("Left") << false << int(Qt::Key_Left) << "selected by -5,0";
    QTest::newRow("Control Up") << true << int(Qt::Key_Up) << "all by 0,-5";
    QTest::newRow("Control Left") << true << int(Qt::Key_Left) << "all by -5,0";
    QTest::newRow("key without entry") << false << int(Qt::Key_Q) << "nothing";
}

void tst_ProblemInput::keyTables()
{
    QFETCH(bool, ctrl);
    QFETCH(int, key);
    QFETCH(QString, effect);
    Board b;
    PresetPrompts prompts;
    prompts.answers << true;
    // Three selected items (two invariants and a constraint) and one unselected item.
    Calculus *order = b.invariant("ORDER", {40, 0});
    Calculus *size = b.invariant("SIZE", {300, 90});
    Calculus *dmax = b.invariant("DEGMAX", {100, 90});
    Calculus *ge = b.constraint(">=", {-200, 30});
    for (Calculus *c : {order, dmax, ge})
        c->select(true);
    Calculus *colours = b.p.getColors();
    const QPointF colours0 = colours->pos();
    QSignalSpy start(&b.p, &Problem::signal_start_vns), stop(&b.p, &Problem::signal_stop_vns);
    const double scale0 = b.scale();
    if (ctrl)
        b.ctrlKey(key);
    else
        b.key(key);

    QSet<QString> seen;
    auto expect = [&](const QString &what, bool happened) {
        seen << what;
        QVERIFY2(happened == (effect == what), qPrintable(what));
    };
    const bool gone = b.p.getItems().size() == 1 && b.p.getConstraints().isEmpty();
    QVERIFY(!gone || b.p.getItems()[0] == size);
    expect("deleted", gone);
    if (gone)
        return;
    expect("aligned", order->pos() == QPointF(-200, 0) && ge->pos() == QPointF(-200, 30) &&
                          dmax->pos() == QPointF(-200, 90));
    expect("spaced", order->pos() == QPointF(-50, 0) && ge->pos() == QPointF(-200, 30) &&
                         dmax->pos() == QPointF(100, 90));
    expect("aligned y", order->pos() == QPointF(40, 0) && ge->pos() == QPointF(-200, 0) &&
                            dmax->pos() == QPointF(100, 0));
    expect("spaced y", order->pos() == QPointF(40, 0) && ge->pos() == QPointF(-200, 45) &&
                           dmax->pos() == QPointF(100, 90));
    expect("all selected", order->selected && size->selected && ge->selected && dmax->selected &&
                               colours->selected && b.p.getEHilights()->selected);
    expect("none selected", !order->selected && !size->selected && !ge->selected);
    expect("inverted", !order->selected && size->selected && !ge->selected && !dmax->selected &&
                           colours->selected);
    expect("zoom in", qFuzzyCompare(b.scale(), scale0 * 1.1));
    expect("zoom out", qFuzzyCompare(b.scale(), scale0 / 1.1));
    // The selected invariants link in turn; the last one holds the slot.
    expect("linked 1", ge->arg1 == dmax && !ge->arg2);
    expect("linked 2", ge->arg2 == dmax && !ge->arg1);
    expect("start", start.count() == 1);
    expect("stop", stop.count() == 1);
    for (QPointF d : {QPointF(0, -5), QPointF(0, 5), QPointF(5, 0), QPointF(-5, 0)}) {
        const QString by = QString("%1,%2").arg(d.x()).arg(d.y());
        expect("selected by " + by,
               order->pos() == QPointF(40, 0) + d && ge->pos() == QPointF(-200, 30) + d &&
                   dmax->pos() == QPointF(100, 90) + d && size->pos() == QPointF(300, 90));
        expect("all by " + by, order->pos() == QPointF(40, 0) + d &&
                                   size->pos() == QPointF(300, 90) + d &&
                                   colours->pos() == colours0 + d);
    }
    if (effect == "nothing")
        QVERIFY(order->selected && !size->selected && ge->selected && scale0 == b.scale());
    QVERIFY(effect == "nothing" || seen.contains(effect));
}

void tst_ProblemInput::zoomBounds()
{
    Board b;
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(b.p.viewport(), &e);
    };
    wheel(120);
    QVERIFY(qFuzzyCompare(b.scale(), std::sqrt(0.5)));
    wheel(-240);
    QVERIFY(qFuzzyCompare(b.scale(), std::sqrt(2.0)));
    wheel(0);
    QVERIFY(qFuzzyCompare(b.scale(), std::sqrt(2.0)));

    b.p.setTransform(QTransform::fromScale(0.075, 0.075));
    b.key(Qt::Key_Minus);
    QCOMPARE(b.scale(), 0.075);
    for (int i = 0; i < 200; ++i)
        b.key(Qt::Key_Plus);
    QVERIFY(b.scale() <= 100);
    QVERIFY(b.scale() * 1.1 > 100);
    for (int i = 0; i < 50; ++i)
        wheel(-120);
    QVERIFY(b.scale() <= 100);
}

void tst_ProblemInput::deleteWithConfirmation_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void tst_ProblemInput::deleteWithConfirmation()
{
    QFETCH(bool, answer);
    Board b;
    Calculus *order = b.invariant("ORDER", {0, 0});
    Calculus *size = b.invariant("SIZE", {100, 0});
    Calculus *ge = b.constraint(">=", {200, 0});
    b.p.link1(order, ge);
    b.p.link2(size, ge);
    order->select(true);
    b.p.getColors()->select(true);
    PresetPrompts prompts;
    prompts.answers << answer;
    const int id = b.g.getID();
    b.p.slot_delete_items();
    QCOMPARE(prompts.asked, QStringList({"question: About to delete items"}));
    QVERIFY(b.g.getID() != id);
    QVERIFY(b.p.getColors()->selected);
    if (answer) {
        QCOMPARE(b.p.getItems(), QVector<Calculus *>({size}));
        QCOMPARE(ge->arg1, nullptr);
        QCOMPARE(ge->formula(), QString("MISSING ARGUMENT"));
        // The remaining constraint was recomputed without its argument.
        QVERIFY(ge->getError());
    } else {
        QCOMPARE(b.p.getItems(), QVector<Calculus *>({order, size}));
        QCOMPARE(ge->formula(), QString("ORDER(G) >= SIZE(G)"));
    }
}

QTEST_MAIN(tst_ProblemInput)
#include "tst_ProblemInput.moc"
