#include "../items/StderrCapture.h"

#include "BoardFixtures.h"
#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/Link.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "items/invConstant.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include <QSignalSpy>
#include <QtTest>

namespace
{

/// One item record with the usual eight leading fields.
QString line(const QString &name, const QStringList &args, const QStringList &tail = {},
             const QString &flags = QStringLiteral("0\t0\t0\t0"))
{
    QString s = name + QStringLiteral("\t\t") + flags + QStringLiteral("\t10\t20");
    for (const QString &a : args)
        s += QLatin1Char('\t') + a;
    for (const QString &t : tail)
        s += QLatin1Char('\t') + t;
    return s;
}

const QStringList kNoArgs{"NULL", "NULL", "NULL", "NULL"};

} // namespace

class tst_ProblemText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void roundTrip_data();
    void roundTrip();
    void failures_data();
    void failures();
    void settingsBeforeFirstComputation();
    void constantLimits_data();
    void constantLimits();
    void fuzzReader();
};

void tst_ProblemText::roundTrip_data()
{
    QTest::addColumn<bool>("display");
    QTest::newRow("display board") << true;
    QTest::newRow("board without display") << false;
}

void tst_ProblemText::roundTrip()
{
    QFETCH(bool, display);
    Graph g(QStringLiteral("g"), false);
    makePath(g, 5);
    BuildCalculus catalogue;
    Problem board(&g, QStringLiteral("b"), display);
    board.setTitle(QStringLiteral("A title"));
    board.setDescription(QStringLiteral("first line\nsecond line"));

    Calculus *size = catalogue.makeCalculus(QStringLiteral("SIZE"), display);
    Calculus *degrees = catalogue.makeCalculus(QStringLiteral("DEGREES"), display);
    board.addInvariantItemLoadMode(size);
    board.addInvariantItemLoadMode(degrees);
    degrees->setGivenName(QStringLiteral("my degrees"));
    degrees->setInvertGraph(true);
    size->setInReport(true);
    auto *constant = static_cast<invConstant *>(catalogue.makeConstant(display));
    QVERIFY(constant->loadData(2, 3, {1.5, -2, 3.14159265, 0, 1e-7, 42}));
    board.addOperatorItem(constant);
    constant->setGivenName(QStringLiteral("table"));
    Calculus *matrix = catalogue.makeCalculus(QStringLiteral("ADJACENCY"), display);
    board.addInvariantItemLoadMode(matrix);
    board.addFamilyItem(catalogue.makeCalculus(QStringLiteral("TREE"), display));
    Calculus *ge = catalogue.makeCalculus(QStringLiteral(">="), display);
    board.addConstraintItem(ge);
    board.link1(size, ge);
    board.link2(size, ge);
    Calculus *z = catalogue.makeCalculus(QStringLiteral("MAXMIN"), display);
    board.addZItem(z);
    board.link1(size, z);
    z->setGivenName(QStringLiteral("objective"));
    Calculus *z2 = catalogue.makeCalculus(QStringLiteral("MAXIMIZE"), display);
    board.addZItem(z2);
    board.link1(degrees, z2);
    board.link1(degrees, board.getColors());
    board.link1(degrees, board.getLabels());
    board.link1(matrix, board.getELabels());
    board.getLabels()->setGivenName(QStringLiteral("vertex labels"));

    const QString first = board.saveString();
    Problem second(&g, QStringLiteral("second"), display);
    // As the application wires it: every accepted argument republishes the board.
    connect(&g, &Graph::signal_best_graph_changed, &second, &Problem::slot_best_backup);
    QSignalSpy console(&second, &Problem::signal_console);
    QSignalSpy titles(&second, &Problem::signal_problem_title);
    QVERIFY(second.openString(first));
    QCOMPARE(console.last().at(0).toString(), QStringLiteral("Problem loaded"));
    QCOMPARE(titles.last().at(0).toString(), QStringLiteral("A title"));
    const QString secondText = second.saveString();
    Problem third(&g, QStringLiteral("third"), display);
    QVERIFY(third.openString(secondText));
    QCOMPARE(third.saveString(), secondText);

    // What the text carried, checked on the board read back.
    QCOMPARE(second.getDescription(), QStringLiteral("first line\nsecond line"));
    QCOMPARE(second.getOptimizationPattern(), (QVector<int>{0, -1}));
    Calculus *readDegrees = second.getItems().at(1);
    QCOMPARE(readDegrees->givenName, QStringLiteral("my degrees"));
    QVERIFY(readDegrees->invertGraphFlag);
    QVERIFY(second.getItems().at(0)->inReport());
    auto *readConstant = static_cast<invConstant *>(second.getItems().at(2));
    QCOMPARE(readConstant->M[0][2], 3.14159);
    QCOMPARE(readConstant->M[1][2], 42.0);
    QCOMPARE(second.getObjectives().at(1)->arg1, readDegrees);
    QCOMPARE(second.getColors()->arg1, readDegrees);
    QCOMPARE(second.getFamilies().size(), 1);
    QCOMPARE(second.getConstraints().at(0)->formula(), QStringLiteral("SIZE(G) >= SIZE(G)"));

    // The same evaluation on the same graph (factors as a worker would set them).
    board.setOptFactors({1.0, -1.0});
    second.setOptFactors({1.0, -1.0});
    Eval a, b;
    board.eval(&a);
    second.eval(&b);
    QCOMPARE(b.display(), a.display());
    QCOMPARE(a.zvalue(0), 4.0);
}

void tst_ProblemText::failures_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("standardError");
    // Most failures say the same on the console and on standard error.
    auto row = [](const char *name, const QString &record, const QString &console,
                  const QString &err = QString()) {
        QTest::newRow(name) << record << console << (err.isNull() ? console + "\n" : err);
    };
    const QStringList fields{"SIZE", "", "0", "0", "0", "0", "10", "20"};
    for (int k = 2; k <= 9; ++k)
        QTest::newRow(qPrintable(QStringLiteral("ends before field %1").arg(k)))
            << QStringList(fields.mid(0, k - 1)).join(QLatin1Char('\t'))
            << "Critical error, missing argument."
            << "Critical error, missing argument" + QString(k - 1, QLatin1Char('.')) + "\n";
    row("empty text", QString(), "Critical error, missing argument.");

    const QString wrongZ = QStringLiteral("Critical error, wrong argument for Z");
    row("index beyond the items read", line("Z", {"1", "NULL", "NULL", "NULL"}, {"min"}), wrongZ);
    row("negative index", line("Z", {"-1", "NULL", "NULL", "NULL"}, {"min"}), wrongZ);
    row("index in slot 4", line("Z", {"NULL", "NULL", "NULL", "7"}, {"min"}), wrongZ);
    row("ends before argument 2", line("Z", {"0"}), wrongZ);
    row("ends before argument 4", line("Z", {"0", "NULL", "NULL"}), wrongZ);
    row("objective without direction", line("Z", {"0", "NULL", "NULL", "NULL"}), wrongZ);
    row("invariant ends before argument 3", line("SIZE", {"NULL", "NULL"}),
        "Critical error, wrong argument for SIZE");

    const QString wrongC = QStringLiteral("Critical error, wrong argument for CONSTANT");
    row("constant ends before argument 2", line("CONSTANT", {"NULL"}), "*" + wrongC);
    row("constant ends before argument 3", line("CONSTANT", {"NULL", "NULL"}), "*" + wrongC);
    row("constant ends before argument 4", line("CONSTANT", {"NULL", "NULL", "NULL"}), wrongC,
        "*" + wrongC + "\n");
    row("constant bad argument 1",
        line("CONSTANT", {"5", "NULL", "NULL", "NULL"}, {"1", "1", "0"}), "*" + wrongC);
    row("constant bad argument 3",
        line("CONSTANT", {"NULL", "NULL", "1", "NULL"}, {"1", "1", "0"}), "*" + wrongC);
    row("constant bad argument 4",
        line("CONSTANT", {"NULL", "NULL", "NULL", "1"}, {"1", "1", "0"}), wrongC,
        "*" + wrongC + "\n");
    const QString loading = QStringLiteral("Problem : ERROR LOADING CONSTANT");
    row("constant without dimensions", line("CONSTANT", kNoArgs), loading);
    row("constant with one dimension", line("CONSTANT", kNoArgs, {"1"}), loading);
    row("fewer values", line("CONSTANT", kNoArgs, {"2", "2", "1", "2", "3"}), loading,
        loading + ".\n");
    row("more values", line("CONSTANT", kNoArgs, {"1", "2", "1", "2", "3"}), loading,
        loading + ".\n");
    const QString invalid = QStringLiteral("Critical error, invalid value in loading constant");
    row("33 rows", line("CONSTANT", kNoArgs, {"33", "1"}), invalid + ".", invalid + "\n");
    row("-1 rows", line("CONSTANT", kNoArgs, {"-1", "1"}), invalid + ".", invalid + "\n");
    row("33 columns", line("CONSTANT", kNoArgs, {"1", "33"}), invalid + ".");
    row("unknown name", line("NOSUCHITEM", kNoArgs),
        "NOSUCHITEM is not a valid name in problem description.",
        "NOSUCHITEM unknown!!\nNOSUCHITEM is not a valid name in problem description.\n");
}

void tst_ProblemText::failures()
{
    QFETCH(QString, record);
    QFETCH(QString, console);
    QFETCH(QString, standardError);

    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    const QString good =
        line("SIZE", kNoArgs) + "<NEW>" + line("DEGREES", kNoArgs, {}, "1\t1\t0\t1") + "<NEW>" +
        line("Colors", {"1", "NULL", "NULL", "NULL"}) + "<NEW>DESC\told title\told description";
    QVERIFY(board.openString(good));
    const QString before = board.saveString();
    QCOMPARE(board.getColors()->arg1, board.getItems().at(1));

    // The failing record comes after a good one, so a half-read board would show.
    const QString text = line("ORDER", kNoArgs) + "<NEW>" + record + "<NEW>DESC\tnew\tnew";
    QSignalSpy spy(&board, &Problem::signal_console);
    bool ok = true;
    const QByteArray err = captureStderr([&] { ok = board.openString(text); });
    QVERIFY(!ok);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), console);
    QCOMPARE(spy.at(0).at(1).toBool(), false);
    QCOMPARE(spy.at(0).at(2).toInt(), 0);
    QCOMPARE(spy.at(0).at(3).value<QColor>(), QColor(Qt::red));
    QCOMPARE(QString::fromLocal8Bit(err), standardError);

    QCOMPARE(board.saveString(), before);
    QCOMPARE(board.getColors()->arg1, board.getItems().at(1));
    Eval e;
    board.eval(&e);
    QCOMPARE(e.value(0), 0.0);
}

void tst_ProblemText::settingsBeforeFirstComputation()
{
    // SIZE on the complement of P5 has 10 - 4 = 6 edges, already at the first evaluation.
    Graph g(QStringLiteral("g"), false);
    makePath(g, 5);
    Problem board(&g, QStringLiteral("b"), false);
    QVERIFY(board.openString(line("SIZE", kNoArgs, {}, "0\t0\t0\t1") + "<NEW>" +
                             line("Z", {"0", "NULL", "NULL", "NULL"}, {"min"}) + "<NEW>" +
                             line("DEGREES", kNoArgs) + "<NEW>" +
                             line("Colors", {"1", "NULL", "NULL", "NULL"}, {}, "0\t0\t0\t1") +
                             "<NEW>DESC\t\t"));
    Eval e;
    board.eval(&e);
    QCOMPARE(e.zvalue(0), 6.0);
    // Colors on the complement of the degree vector's graph: the degrees of P5's complement.
    const QVector<double> colors = board.getColors()->getFirstCol();
    QCOMPARE(colors, (QVector<double>{1, 2, 2, 2, 1}));
    QVERIFY(board.getColors()->invertGraphFlag);
}

void tst_ProblemText::constantLimits_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("display");
    QTest::newRow("32 x 32 shown") << 32 << 32 << true;
    QTest::newRow("0 x 3 shown") << 0 << 3 << true;
    QTest::newRow("1 x 0 copy") << 1 << 0 << false;
}

void tst_ProblemText::constantLimits()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, display);
    QStringList tail{QString::number(rows), QString::number(cols)};
    for (int i = 0; i < rows * cols; ++i)
        tail << QString::number(i * 0.5 - 7);
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), display);
    const QString text = line("CONSTANT", kNoArgs, tail) + "<NEW>DESC\t\t";
    QVERIFY(board.openString(text));
    auto *c = static_cast<invConstant *>(board.getItems().at(0));
    QCOMPARE(c->rows, rows);
    QCOMPARE(c->cols, cols);
    QCOMPARE(c->getError(), rows == 0 || cols == 0);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            QCOMPARE(c->M[i][j], (i * cols + j) * 0.5 - 7);
    QVERIFY(board.saveString().startsWith(text.left(text.indexOf("<NEW>"))));
}

void tst_ProblemText::fuzzReader()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 6);
    BuildCalculus catalogue;
    Problem source(&g, QStringLiteral("s"), false);
    QVERIFY(source.openString(
        line("SIZE", kNoArgs) + "<NEW>" + line("DEGREES", kNoArgs, {}, "1\t1\t0\t1") + "<NEW>" +
        line("CONSTANT", {"1", "NULL", "NULL", "NULL"}, {"2", "3", "1", "2", "3", "4", "5", "6"}) +
        "<NEW>" + line("Z", {"0", "NULL", "NULL", "NULL"}, {"maxmin"}) + "<NEW>" +
        line("Colors", {"1", "NULL", "NULL", "NULL"}) + "<NEW>" +
        line("E_Labels", {"2", "NULL", "NULL", "NULL"}) + "<NEW>DESC\tfuzz\ttext"));
    const QString seed = source.saveString();
    const QStringList fragments{"NULL",  "33",       "-1", "2147483648", "99999999999999999999",
                             "1e308", "nan",      "",   "\t",         "<NEW>",
                             "DESC",  "CONSTANT", "Z",  "Colors",     QString(QChar(0)),
                             "0",     "1",        "32", "min"};

    Problem board(&g, QStringLiteral("b"), false);
    QVERIFY(board.openString(seed));
    int accepted = 0;
    const QByteArray noise = captureStderr([&] {
        for (int round = 0; round < 3000; ++round) {
            QStringList records = seed.split(QStringLiteral("<NEW>"));
            const int edits = 1 + qrand() % 4;
            for (int e = 0; e < edits; ++e) {
                const int r = qrand() % records.size();
                QStringList f = records[r].split(QLatin1Char('\t'));
                const int i = qrand() % f.size();
                switch (qrand() % 7) {
                case 0:
                    f.removeAt(i);
                    break;
                case 1:
                    f.swapItemsAt(i, qrand() % f.size());
                    break;
                case 2:
                    f[i] = fragments[qrand() % fragments.size()];
                    break;
                case 3:
                    f.insert(i, fragments[qrand() % fragments.size()]);
                    break;
                case 4:
                    f = f.mid(0, i);
                    break;
                case 5:
                    records.swapItemsAt(r, qrand() % records.size());
                    break;
                default:
                    records.insert(r, records[qrand() % records.size()]);
                    break;
                }
                if (r < records.size())
                    records[r] = f.join(QLatin1Char('\t'));
            }
            QString text = records.join(QStringLiteral("<NEW>"));
            if (qrand() % 10 == 0)
                text.truncate(qrand() % (text.size() + 1));
            const QString before = board.saveString();
            if (board.openString(text)) {
                ++accepted;
                // Whatever was accepted reads back to itself.
                const QString written = board.saveString();
                Problem again(&g, QStringLiteral("a"), false);
                QVERIFY(again.openString(written));
                QCOMPARE(again.saveString(), written);
                Eval e;
                board.eval(&e);
            } else {
                QCOMPARE(board.saveString(), before);
            }
            if (round % 50 == 0) {
                QVERIFY(board.openString(seed)); // back to a rich board now and then
                g.randomGraph(qrand() % 33);
            }
        }
    });
    QVERIFY(!noise.isEmpty());
    QVERIFY(accepted > 50);
    QVERIFY(accepted < 2950);
}

QTEST_MAIN(tst_ProblemText)
#include "tst_ProblemText.moc"
