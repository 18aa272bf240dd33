#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
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
    void missingArgument();
    void argumentShapes_data();
    void argumentShapes();
    void scaledCopy();
    void argumentInError();
    void keywords_data();
    void keywords();
    void dialogDirections();
    void paintSetsFactor_data();
    void paintSetsFactor();
};

void tst_Z::missingArgument()
{
    Graph g(QStringLiteral("g"), false);
    Z z(false);
    z.setGraph(&g);
    z.bestBackup();
    QCOMPARE(z.formula(), QStringLiteral("MISSING ARGUMENT"));
    QVERIFY(z.getError());
    QCOMPARE(z.savedTooltip, QStringLiteral("Missing argument"));
    QCOMPARE(z.rows, 0);
    QCOMPARE(z.getSRows(), QStringLiteral("NA"));
    QVERIFY(!z.setLinkTo(nullptr));
    QVERIFY(!z.setArg2(&z));
}

void tst_Z::argumentShapes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("value") << 1 << 1 << true;
    QTest::newRow("vector of 7") << 7 << 1 << true;
    QTest::newRow("matrix 5 x 5") << 5 << 5 << false;
    QTest::newRow("row vector") << 1 << 3 << false;
    QTest::newRow("empty column") << 0 << 1 << false;
}

void tst_Z::argumentShapes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, accepted);
    Graph g(QStringLiteral("g"), false);
    InvariantProbe arg;
    arg.shapeRows = rows;
    arg.shapeCols = cols;
    arg.sRows = QStringLiteral("n");
    arg.setGraph(&g);
    arg.compute(true); // as the board does before its objectives
    Z z(false);
    z.setGraph(&g);
    z.setArg1(&arg);
    QCOMPARE(z.getError(), !accepted);
    if (accepted) {
        QCOMPARE(z.rows, rows);
        QCOMPARE(z.cols, 1);
        QCOMPARE(z.getSRows(), QStringLiteral("n"));
        QCOMPARE(z.getSCols(), QStringLiteral("1"));
        QCOMPARE(z.savedTooltip, QStringLiteral("Objective value"));
        for (int i = 0; i < rows; ++i)
            QCOMPARE((*z.getZ())[i][0], 100.0 * i + 0.5);
    } else {
        QCOMPARE(z.rows, 0);
        QCOMPARE(z.cols, 0);
        QCOMPARE(z.getSRows(), QStringLiteral("NA"));
        if (cols != 1)
            QCOMPARE(z.savedTooltip, QStringLiteral("Argument should be a column vector"));
    }
}

void tst_Z::scaledCopy()
{
    Graph g(QStringLiteral("g"), false);
    InvariantProbe arg;
    arg.shapeRows = 2;
    arg.setGraph(&g);
    arg.compute(true); // as the board does before its objectives
    Z z(false);
    z.setGraph(&g);
    z.setOptFactor(-1.0);
    z.setArg1(&arg);
    // The probe's column is 0.5 + 100 i.
    QCOMPARE(z.M[0][0], 0.5);
    QCOMPARE(z.M[1][0], 100.5);
    QCOMPARE((*z.getZ())[0][0], -0.5);
    QCOMPARE((*z.getZ())[1][0], -100.5);
    QCOMPARE(z.formula(), QStringLiteral("PROBE"));
    // A new factor is at once in the scaled copy.
    z.setOptFactor(2.0);
    QCOMPARE((*z.getZ())[1][0], 201.0);
    QCOMPARE(z.M[1][0], 100.5);
}

void tst_Z::argumentInError()
{
    Graph g(QStringLiteral("g"), false);
    InvariantProbe arg;
    arg.setGraph(&g);
    arg.compute(true); // as the board does before its objectives
    Z z(false);
    z.setGraph(&g);
    z.setArg1(&arg);
    QVERIFY(!z.getError());
    arg.failNext = true;
    g.addNode();
    arg.compute(true);
    z.compute(true);
    QVERIFY(z.getError());
    QCOMPARE(z.rows, 0);
}

void tst_Z::keywords_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("graphical");
    QTest::addColumn<int>("obj");
    QTest::addColumn<QString>("tail");
    for (bool graphical : {false, true}) {
        const char *suffix = graphical ? " shown" : " bare";
        QTest::newRow(qPrintable(QString("MAXMIN") + suffix))
            << "MAXMIN" << graphical << 0 << "\tmaxmin";
        QTest::newRow(qPrintable(QString("MAXIMIZE") + suffix))
            << "MAXIMIZE" << graphical << -1 << "\tmax";
        QTest::newRow(qPrintable(QString("MINIMIZE") + suffix))
            << "MINIMIZE" << graphical << 1 << "\tmin";
        QTest::newRow(qPrintable(QString("Z") + suffix)) << "Z" << graphical << 1 << "\tmin";
        QTest::newRow(qPrintable(QString("OBJECTIVE") + suffix))
            << "OBJECTIVE" << graphical << 1 << "\tmin";
    }
}

void tst_Z::keywords()
{
    QFETCH(QString, keyword);
    QFETCH(bool, graphical);
    QFETCH(int, obj);
    QFETCH(QString, tail);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(keyword), 5);
    std::unique_ptr<Calculus> z(catalogue.makeCalculus(keyword, graphical));
    QVERIFY(z);
    QCOMPARE(z->getObj(), obj);
    QCOMPARE(z->specificInformationToSave(), tail);
    QCOMPARE(z->getType(), QStringLiteral("Z"));
    QCOMPARE(z->name, QStringLiteral("Z"));
    if (graphical) {
        auto *dialog = qobject_cast<ZDisplay *>(z->getCalculusDisplay());
        QVERIFY(dialog);
        QCOMPARE(dialog->getObjMin(), obj >= 0);
        QCOMPARE(dialog->getObjMax(), obj <= 0);
        // The only ticked box is disabled.
        QCOMPARE(dialog->minBox()->isEnabled(), obj == 0 || obj == -1);
        QCOMPARE(dialog->maxBox()->isEnabled(), obj == 0 || obj == 1);
    }
}

void tst_Z::dialogDirections()
{
    Graph g(QStringLiteral("g"), false);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> z(catalogue.makeCalculus(QStringLiteral("MAXMIN"), true));
    auto *dialog = qobject_cast<ZDisplay *>(z->getCalculusDisplay());
    dialog->minBox()->click(); // untick Minimization, Maximization stays ticked
    QVERIFY(!dialog->maxBox()->isEnabled());
    QVERIFY(dialog->minBox()->isEnabled());
    z->setGraph(&g);
    z->compute(true);
    QCOMPARE(z->getObj(), -1);
    QCOMPARE(z->specificInformationToSave(), QStringLiteral("\tmax"));
    dialog->minBox()->click();
    QVERIFY(dialog->maxBox()->isEnabled());
    QVERIFY(dialog->minBox()->isEnabled());
    g.addNode();
    z->compute(true);
    QCOMPARE(z->getObj(), 0);
}

void tst_Z::paintSetsFactor_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::newRow("maximise") << "MAXIMIZE" << 1.0 << -1.0;
    QTest::newRow("minimise") << "MINIMIZE" << -1.0 << 1.0;
    QTest::newRow("both keeps") << "MAXMIN" << -1.0 << -1.0;
}

void tst_Z::paintSetsFactor()
{
    QFETCH(QString, keyword);
    QFETCH(double, before);
    QFETCH(double, after);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, true));
    auto *z = static_cast<Z *>(item.get());
    z->setOptFactor(before);
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(100, 100);
    z->paint(&painter, nullptr, nullptr);
    painter.end();
    QCOMPARE(z->optFactor(), after);
    // The arrow's body was filled.
    QVERIFY(image.pixel(100, 100) != QColor(Qt::white).rgb());
}

QTEST_MAIN(tst_Z)
#include "tst_Z.moc"
