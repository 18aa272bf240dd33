#include "PresetPrompts.h"
#include "PrintTargets.h"

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
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

    Board()
    {
        g.randomGraph(5);
        p.setSceneRect(-1000, -1000, 2000, 2000);
        p.resize(900, 700);
        p.show();
        p.centerOn(0, 0);
    }
    /// Adds an unselected invariant, or a constraint for ">=", at `at`.
    Calculus *add(const char *keyword, QPointF at, double z = 1)
    {
        Calculus *c = BuildCalculus().makeCalculus(keyword, true);
        if (QByteArray(keyword) == ">=")
            p.addConstraintItem(c);
        else
            p.addInvariantItemLoadMode(c);
        c->setPos(at);
        c->setZ(z);
        c->select(false);
        return c;
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
    void click(QPointF s) { press(s), release(s); }
    void drag(QPointF from, QPointF to) { press(from), move(to), release(to); }
    void key(int k, bool ctrl = false) // the board follows the Control key itself
    {
        if (ctrl)
            QTest::keyPress(&p, Qt::Key_Control);
        QTest::keyClick(&p, Qt::Key(k));
        if (ctrl)
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
    void clickAndDoubleClick();
    void dragAndRubberBand();
    void keyTables_data();
    void keyTables();
    void zoomBounds();
    void deleteWithConfirmation();
    void printFailureIsReported_data() { addPrintTargetRows(); }
    void printFailureIsReported();
};

void tst_ProblemInput::clickAndDoubleClick()
{
    Board b;
    Calculus *a = b.add("ORDER", {0, 0}, 1), *over = b.add("SIZE", {0, 0}, 2);
    Calculus *c = b.add("DEGMAX", {300, 0});
    b.click({10, 5}); // of two overlapping items, the lower one
    QVERIFY(a->selected && !over->selected);
    b.click({300, 0});
    QVERIFY(a->selected && c->selected);
    b.click({-10, 0});
    QVERIFY(!a->selected);
    // Empty space: no selection changes, and no item stays under the mouse.
    b.click({-600, 400});
    QVERIFY(c->selected);
    QCOMPARE(Calculus::calculusUnderMouse(), nullptr);
    // A double click shows, then hides, the dialogs of every item under the mouse, and
    // toggles the lower item's selection once.
    for (bool shown : {true, false}) {
        b.click({-10, 0});
        b.mouse(QEvent::MouseButtonDblClick, {-10, 0});
        b.release({-10, 0});
        QCOMPARE(a->getCalculusDisplay()->isVisible(), shown);
        QCOMPARE(over->getCalculusDisplay()->isVisible(), shown);
        QVERIFY(!c->getCalculusDisplay()->isVisible() && !b.p.getRubberBand()->isVisible());
    }
    QVERIFY(!a->selected);
}

void tst_ProblemInput::dragAndRubberBand()
{
    Board b;
    Calculus *a = b.add("ORDER", {0, 0}), *c = b.add("SIZE", {300, 100});
    // Exactly 5 units away at the farthest: neither a drag nor a click.
    b.drag({0, 0}, {3, 4});
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
    b.drag({10, 5}, {110, 55});
    QCOMPARE(a->pos(), QPointF(110, 55));
    QCOMPARE(c->pos(), QPointF(410, 155));
    QVERIFY(a->selected && c->selected);

    // Rubber band: selects what it covers, never what is not selectable, never deselects.
    a->setPos(0, 0);
    c->select(false);
    Calculus *locked = b.add("DEGMIN", {150, 0}), *far = b.add("RADIUS", {600, 400});
    Calculus *outside = b.add("DEGMAX", {600, 0});
    locked->setSelectable(false);
    a->select(false);
    outside->select(true);
    b.press({-100, -100});
    QVERIFY(b.p.getRubberBand()->isVisible());
    b.move({200, 50});
    QCOMPARE(b.p.getRubberBand()->rect(), QRectF(-100, -100, 300, 150));
    b.release({200, 50});
    QVERIFY(!b.p.getRubberBand()->isVisible());
    QVERIFY(a->selected && !locked->selected && outside->selected && !far->selected);
    b.press({700, 500}); // drawn backwards: the same rectangle
    b.move({500, 300});
    QCOMPARE(b.p.getRubberBand()->rect(), QRectF(500, 300, 200, 200));
    b.release({500, 300});
    QVERIFY(far->selected && a->selected);
}

void tst_ProblemInput::keyTables_data()
{
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect");
    const QStringList rows{
        "X=aligned", "Ctrl+X=deleted", "Del=deleted", "Backspace=deleted", "A=spaced",
        "Ctrl+A=all selected", "Ctrl+U=none selected", "Ctrl+I=inverted", "Y=aligned y",
        "V=spaced y", "+=zoom in", "-=zoom out", "Ctrl++=nothing", "Ctrl+-=nothing",
        "1=linked 1", "2=linked 2", "Ctrl+1=nothing", "R=start", "H=stop", "Ctrl+R=nothing",
        "Up=selected by 0,-5", "Down=selected by 0,5", "Right=selected by 5,0",
        "Left=selected by -5,0", "Ctrl+Up=all by 0,-5", "Ctrl+Left=all by -5,0", "Q=nothing"};
    for (const QString &r : rows) {
        const int sep = r.indexOf('=', 1);
        const int k = QKeySequence::fromString(r.left(sep), QKeySequence::PortableText)[0];
        QTest::newRow(qPrintable(r)) << bool(k & Qt::ControlModifier)
                                     << (k & ~int(Qt::KeyboardModifierMask)) << r.mid(sep + 1);
    }
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
    Calculus *order = b.add("ORDER", {40, 0}), *size = b.add("SIZE", {300, 90});
    Calculus *dmax = b.add("DEGMAX", {100, 90}), *ge = b.add(">=", {-200, 30}, 501);
    for (Calculus *c : {order, dmax, ge})
        c->select(true);
    Calculus *colours = b.p.getColors();
    const QPointF colours0 = colours->pos();
    QSignalSpy start(&b.p, &Problem::signal_start_vns), stop(&b.p, &Problem::signal_stop_vns);
    const double scale0 = b.scale();
    b.key(key, ctrl);

    QSet<QString> seen;
    auto expect = [&](const QString &what, bool happened) {
        seen << what;
        QVERIFY2(happened == (effect == what), qPrintable(what));
    };
    auto at = [&](QPointF o, QPointF g, QPointF d) {
        return order->pos() == o && ge->pos() == g && dmax->pos() == d;
    };
    const bool gone = b.p.getItems().size() == 1 && b.p.getConstraints().isEmpty();
    QVERIFY(!gone || b.p.getItems()[0] == size);
    expect("deleted", gone);
    if (gone)
        return;
    expect("aligned", at({-200, 0}, {-200, 30}, {-200, 90}));
    expect("spaced", at({-50, 0}, {-200, 30}, {100, 90}));
    expect("aligned y", at({40, 0}, {-200, 0}, {100, 0}));
    expect("spaced y", at({40, 0}, {-200, 45}, {100, 90}));
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
        expect("selected by " + by, at(QPointF(40, 0) + d, QPointF(-200, 30) + d,
                                       QPointF(100, 90) + d) && size->pos() == QPointF(300, 90));
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
    QVERIFY(b.scale() <= 100 && b.scale() * 1.1 > 100);
    for (int i = 0; i < 50; ++i)
        wheel(-120);
    QVERIFY(b.scale() <= 100);
}

void tst_ProblemInput::deleteWithConfirmation()
{
    for (bool answer : {true, false}) {
        Board b;
        Calculus *order = b.add("ORDER", {0, 0}), *size = b.add("SIZE", {100, 0});
        Calculus *ge = b.add(">=", {200, 0}, 501);
        b.p.link1(order, ge);
        b.p.link2(size, ge);
        order->select(true);
        b.p.getColors()->select(true);
        PresetPrompts prompts;
        prompts.answers << answer;
        const int id = b.g.getID();
        b.p.slot_delete_items();
        QCOMPARE(prompts.asked, QStringList({"question: About to delete items"}));
        QVERIFY(b.g.getID() != id && b.p.getColors()->selected);
        QCOMPARE(b.p.getItems(),
                 answer ? QVector<Calculus *>({size}) : QVector<Calculus *>({order, size}));
        // The remaining constraint was recomputed without its argument.
        QCOMPARE(ge->formula(), QString(answer ? "MISSING ARGUMENT" : "ORDER(G) >= SIZE(G)"));
        QCOMPARE(ge->getError(), answer);
    }
}

void tst_ProblemInput::printFailureIsReported()
{
    Board b;
    b.add("ORDER", {0, 0});
    b.add(">=", {200, 100});
    checkPrintTarget([&] { b.p.slot_print(); }, "Failed to print white board.");
}

QTEST_MAIN(tst_ProblemInput)
#include "tst_ProblemInput.moc"
