#include "ItemProbes.h"

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Z.h"
#include "items/ZDisplay.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>

class tst_Z : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void argumentShapes_data();
    void argumentShapes();
    void keywords_data();
    void keywords();
};

void tst_Z::argumentShapes_data()
{
    QTest::addColumn<int>("rows"); // -1: no argument, -2: argument in error
    QTest::addColumn<int>("cols");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("value") << 1 << 1 << "Objective value";
    QTest::newRow("vector of 7") << 7 << 1 << "Objective value";
    QTest::newRow("matrix 5 x 5") << 5 << 5 << "Argument should be a column vector";
    QTest::newRow("row vector") << 1 << 3 << "Argument should be a column vector";
    QTest::newRow("empty column") << 0 << 1 << "";
    QTest::newRow("missing argument") << -1 << 1 << "Missing argument";
    QTest::newRow("argument in error") << -2 << 1 << "";
}

void tst_Z::argumentShapes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QString, tooltip);
    const bool accepted = rows > 0 && cols == 1;
    Graph g("g", false);
    InvariantProbe arg;
    arg.shapeRows = rows;
    arg.shapeCols = cols;
    arg.sRows = "n";
    arg.failNext = rows == -2;
    arg.setGraph(&g);
    arg.compute(true); // as the board does before its objectives
    Z z(false);
    z.setGraph(&g);
    if (rows != -1)
        z.setArg1(&arg);
    z.bestBackup();
    QCOMPARE(z.getError(), !accepted);
    if (!tooltip.isEmpty())
        QCOMPARE(z.savedTooltip, tooltip);
    QCOMPARE(z.rows, accepted ? rows : 0);
    QCOMPARE(z.getSRows(), QString(accepted ? "n" : "NA"));
    // The item keeps its argument's column (100 i + 0.5); the copy is scaled, at once.
    for (double factor : {1.0, -1.0, 2.0}) {
        z.setOptFactor(factor);
        for (int i = 0; accepted && i < rows; ++i)
            QVERIFY(z.M[i][0] == 100.0 * i + 0.5 && (*z.getZ())[i][0] == factor * z.M[i][0]);
    }
    if (rows == -1)
        QCOMPARE(z.formula(), QStringLiteral("MISSING ARGUMENT"));
}

void tst_Z::keywords_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("graphical");
    QTest::addColumn<int>("obj");
    const QStringList keywords{"MAXMIN", "MAXIMIZE", "MINIMIZE", "Z", "OBJECTIVE"};
    const int objs[] = {0, -1, 1, 1, 1};
    for (bool graphical : {false, true})
        for (int i = 0; i < keywords.size(); ++i)
            QTest::newRow(qPrintable(keywords[i] + (graphical ? " shown" : " bare")))
                << keywords[i] << graphical << objs[i];
}

void tst_Z::keywords()
{
    QFETCH(QString, keyword);
    QFETCH(bool, graphical);
    QFETCH(int, obj);
    std::unique_ptr<Calculus> item(BuildCalculus().makeCalculus(keyword, graphical));
    auto *z = static_cast<Z *>(item.get());
    QCOMPARE(z->getObj(), obj);
    const QString tails[] = {"\tmax", "\tmaxmin", "\tmin"};
    QCOMPARE(z->specificInformationToSave(), tails[obj + 1]);
    if (!graphical)
        return;
    auto *dialog = qobject_cast<ZDisplay *>(z->getCalculusDisplay());
    QCOMPARE(dialog->getObjMin(), obj >= 0);
    QCOMPARE(dialog->getObjMax(), obj <= 0);
    // The only ticked box is disabled.
    QCOMPARE(dialog->minBox()->isEnabled(), obj <= 0);
    QCOMPARE(dialog->maxBox()->isEnabled(), obj >= 0);
    // Painting sets the factor from the direction; both directions keep the one set.
    z->setOptFactor(-obj);
    if (obj == 0)
        z->setOptFactor(-1.0);
    QImage image(200, 200, QImage::Format_ARGB32);
    QPainter painter(&image);
    z->paint(&painter, nullptr, nullptr);
    painter.end();
    QCOMPARE(z->optFactor(), obj == 0 ? -1.0 : double(obj));
    if (obj != 0)
        return;
    dialog->minBox()->click(); // untick Minimization, Maximization stays ticked
    QVERIFY(!dialog->maxBox()->isEnabled());
    Graph g("g", false);
    z->setGraph(&g);
    z->compute(true);
    QCOMPARE(z->getObj(), -1);
    QCOMPARE(z->specificInformationToSave(), QStringLiteral("\tmax"));
}

QTEST_MAIN(tst_Z)
#include "tst_Z.moc"
