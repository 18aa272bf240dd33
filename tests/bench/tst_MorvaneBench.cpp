#include "../optimizer/Boards.h"
#include "Patience.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

struct Outcome {
    int code = -1;
    QStringList lines; // standard output, line by line
};

/// Runs the driver to its end; standard output goes to `outputFile` when one is given.
Outcome drive(const QStringList &args, const QString &outputFile = QString())
{
    QProcess process;
    process.setProgram(QStringLiteral(MORVANE_BENCH_PATH));
    process.setArguments(args);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start();
    Outcome o;
    if (!process.waitForFinished(kPatienceMs) || process.exitStatus() != QProcess::NormalExit)
        return o;
    o.code = process.exitCode();
    o.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    if (o.lines.last().isEmpty())
        o.lines.removeLast();
    return o;
}

/// Writes `text` to a file of the directory and returns its path.
QString write(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) != text.toLatin1().size())
        return QString();
    return file.fileName();
}

/// The problem text of a board built by `fill`.
template <class Fill> QString problemText(Fill fill)
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    fill(board);
    return board.saveString();
}

/// Reports ORDER, the vector "deg" of DEGREES and AVDIST.
void reportBoard(Problem &board)
{
    BuildCalculus catalogue;
    for (const char *keyword : {"ORDER", "DEGREES", "AVDIST"}) {
        Calculus *c = catalogue.makeCalculus(keyword, false);
        board.addInvariantItemLoadMode(c);
        c->setInReport(true);
        if (QByteArray(keyword) == "DEGREES") {
            c->setGivenName(QStringLiteral("deg"));
            c->setVecInReport(true);
        }
    }
}

/// "minimise ORDER": every graph of a job ties with the first, which the archive keeps alone.
void constantBoard(Problem &board)
{
    addObjectives(board, QStringLiteral("ORDER"), {QStringLiteral("MINIMIZE")});
}

/// "maximise DOMINATION subject to DEGMIN >= 1".
void dominationNoIsolated(Problem &board)
{
    BuildCalculus catalogue;
    addObjectives(board, QStringLiteral("DOMINATION"), {QStringLiteral("MAXIMIZE")});
    Calculus *degmin = catalogue.makeCalculus(QStringLiteral("DEGMIN"), false);
    board.addInvariantItemLoadMode(degmin);
    auto *one = static_cast<invConstant *>(catalogue.makeConstant(false));
    one->loadData(1, 1, {1.0});
    board.addOperatorItem(one);
    Calculus *atLeast = catalogue.makeCalculus(QStringLiteral(">="), false);
    board.addConstraintItem(atLeast);
    board.link1(degmin, atLeast);
    board.link2(one, atLeast);
}

/// The graphs of the archive lines of a search ("n=..\tpattern=..\tgraph\trecord").
QStringList archived(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("n=")))
            out << line.section('\t', 2, 2);
    return out;
}

} // namespace

class tst_MorvaneBench : public QObject
{
    Q_OBJECT

private slots:
    /// The header covers the largest order of the list, shorter rows leave its cells empty,
    /// and an item in error shows the undefined value.
    void evalTable_data()
    {
        QTest::addColumn<QStringList>("graphs");
        QTest::addColumn<QStringList>("expected");
        const QString head3 = "graph\tORDER\tdeg[1]\tdeg[2]\tdeg[3]\tAVDIST";
        // "3 110" is the star with centre 0; "3 100" the edge 0-1 and the isolated vertex 2.
        QTest::newRow("largest last")
            << QStringList{"2 1", "3 110"}
            << QStringList{head3, "2 1\t2\t1\t1\t\t1", "3 110\t3\t2\t1\t1\t1.33333"};
        QTest::newRow("largest first")
            << QStringList{"3 110", "2 1"}
            << QStringList{head3, "3 110\t3\t2\t1\t1\t1.33333", "2 1\t2\t1\t1\t\t1"};
        QTest::newRow("disconnected after connected")
            << QStringList{"3 110", "3 100", "3 011"}
            << QStringList{head3, "3 110\t3\t2\t1\t1\t1.33333", "3 100\t3\t1\t1\t0\t1e+12",
                           "3 011\t3\t1\t1\t2\t1.33333"};
        QTest::newRow("unreadable line left out of the header")
            << QStringList{"4 11", "2 1"}
            << QStringList{"graph\tORDER\tdeg[1]\tdeg[2]\tAVDIST", "2 1\t2\t1\t1\t1"};
        QTest::newRow("four columns for order 4")
            << QStringList{"2 0", "4 100001", "3 111"}
            << QStringList{"graph\tORDER\tdeg[1]\tdeg[2]\tdeg[3]\tdeg[4]\tAVDIST",
                           "2 0\t2\t0\t0\t\t\t1e+12", "4 100001\t4\t1\t1\t1\t1\t1e+12",
                           "3 111\t3\t2\t2\t2\t\t1"};
    }
    void evalTable()
    {
        QFETCH(QStringList, graphs);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&reportBoard));
        const QString list = write(dir, "list.dmvx3", graphs.join('\n') + '\n');
        const Outcome o = drive({"eval", problem, list});
        QCOMPARE(o.code, 0);
        QCOMPARE(o.lines, expected);
    }

    /// Output that cannot be written fails the run.
    void unwritableOutput_data()
    {
        QTest::addColumn<bool>("search");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("code");
        QTest::newRow("eval to a full device") << false << "/dev/full" << 2;
        QTest::newRow("search to a full device") << true << "/dev/full" << 2;
        QTest::newRow("eval to a file") << false << "out.txt" << 0;
        QTest::newRow("search to a file") << true << "out.txt" << 0;
    }
    void unwritableOutput()
    {
        QFETCH(bool, search);
        QFETCH(QString, output);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&constantBoard));
        const QString list = write(dir, "list.dmvx3", "3 110\n2 1\n");
        const QString target = output.startsWith('/') ? output : dir.filePath(output);
        const QStringList args =
            search ? QStringList{"search",      problem,     "--nmin", "5",         "--nmax",
                                 "5",           "--seconds", "600",    "--threads", "1",
                                 "--max-evals", "50",        "--seed", "3"}
                   : QStringList{"eval", problem, list};
        QCOMPARE(drive(args, target).code, code);
        if (code == 0) {
            QFile written(target);
            QVERIFY(written.open(QIODevice::ReadOnly) && written.size() > 0);
        }
    }

    /// A job of the first order starts from a random main graph of that order, not from one
    /// padded with isolated vertices; --start-random starts it from a graph of its own.
    void searchStartGraph()
    {
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&constantBoard));
        const QStringList args{"search",      problem,     "--nmin", "12",        "--nmax",
                               "12",          "--seconds", "600",    "--threads", "1",
                               "--max-evals", "200",       "--seed", "7"};
        QStringList first;
        for (const QStringList &extra : {QStringList{}, QStringList{}, {"--start-random"}}) {
            const Outcome o = drive(args + extra);
            QCOMPARE(o.code, 0);
            const QStringList graphs = archived(o.lines);
            QCOMPARE(graphs.size(), 1);
            Graph g(QStringLiteral("start"), false);
            QVERIFY(g.loadCurrentGraph(graphs[0]) && g.getNbNodes() == 12);
            const QVector<int> degrees = degreesOf(g);
            QVERIFY2(degrees[10] + degrees[11] > 0, qPrintable(graphs[0]));
            first << graphs[0];
        }
        QCOMPARE(first[1], first[0]); // the seed fixes the main graph
        QVERIFY(first[2] != first[0]);
    }

    /// From a random start a constrained search is feasible at once.
    void constrainedSearchFeasible()
    {
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&dominationNoIsolated));
        const Outcome o = drive({"search", problem, "--nmin", "16", "--nmax", "16", "--seconds",
                                 "600", "--threads", "1", "--max-evals", "100", "--seed", "11"});
        QCOMPARE(o.code, 0);
        const QStringList graphs = archived(o.lines);
        QVERIFY(!graphs.isEmpty());
        for (const QString &text : graphs) {
            Graph g(QStringLiteral("found"), false);
            QVERIFY(g.loadCurrentGraph(text) && g.getNbNodes() == 16);
            const QVector<int> degrees = degreesOf(g);
            QVERIFY2(!degrees.contains(0), qPrintable(text));
        }
    }
};

QTEST_MAIN(tst_MorvaneBench)
#include "tst_MorvaneBench.moc"
