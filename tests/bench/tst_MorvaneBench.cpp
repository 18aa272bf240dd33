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
    QString errors;    // standard error
};

/// Runs the driver to its end; standard output goes to `outputFile` when one is given.
Outcome drive(const QStringList &args, const QString &outputFile = QString())
{
    QProcess process;
    process.setProgram(QStringLiteral(MORVANE_BENCH_PATH));
    process.setArguments(args);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start();
    Outcome o;
    if (!process.waitForFinished(kPatienceMs) || process.exitStatus() != QProcess::NormalExit)
        return o;
    o.code = process.exitCode();
    o.errors = QString::fromUtf8(process.readAllStandardError());
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
    addObjectives(board, QStringLiteral("DOMINATION"), {QStringLiteral("MAXIMIZE")});
    addBound(board, QStringLiteral("DEGMIN"), QStringLiteral(">="), 1.0);
}

/// The graphs that a search of one job, of order n on one worker with a fixed seed, keeps.
QStringList searchGraphs(const QString &problem, int n, int evals, const QStringList &extra)
{
    const Outcome o = drive(QStringList{"search", problem, "--nmin", QString::number(n), "--nmax",
                                        QString::number(n), "--seconds", "600", "--threads", "1",
                                        "--max-evals", QString::number(evals), "--seed", "7"} +
                            extra);
    QStringList graphs; // from the lines "n=..\tpattern=..\tgraph\trecord"
    for (const QString &line : o.lines)
        if (o.code == 0 && line.startsWith(QLatin1String("n=")))
            graphs << line.section('\t', 2, 2);
    return graphs;
}

} // namespace

class tst_MorvaneBench : public QObject
{
    Q_OBJECT

private slots:
    /// The header covers the largest order of the list wherever it stands, shorter rows leave
    /// its cells empty, and an item in error shows the undefined value. A refused line is named
    /// on standard error, the rows of the others printed, and the run fails.
    void evalTable_data()
    {
        QTest::addColumn<QStringList>("graphs");
        QTest::addColumn<QStringList>("expected"); // empty for the header alone
        QTest::addColumn<QList<int>>("refusedLines");
        QTest::addColumn<int>("code");
        // "3 110" is the star with centre 0; "3 100" the edge 0-1 and the isolated vertex 2.
        QTest::newRow("disconnected after connected")
            << QStringList{"3 110", "3 100", "3 011"}
            << QStringList{"graph\tORDER\tdeg[1]\tdeg[2]\tdeg[3]\tAVDIST",
                           "3 110\t3\t2\t1\t1\t1.33333", "3 100\t3\t1\t1\t0\t1e+12",
                           "3 011\t3\t1\t1\t2\t1.33333"}
            << QList<int>() << 0;
        for (const QString &refused : {QString("4 11"), QString("3 110") + QChar(0) + "1"})
            QTest::newRow(refused.contains(QChar(0)) ? "line with a NUL byte left out"
                                                     : "unreadable line left out of the header")
                << QStringList{refused, "2 1"}
                << QStringList{"graph\tORDER\tdeg[1]\tdeg[2]\tAVDIST", "2 1\t2\t1\t1\t1"}
                << QList<int>{1} << 2;
        const QString order33 = "33 " + QString(33 * 32 / 2, '0');
        QTest::newRow("every line refused: a 33-vertex graph and junk")
            << QStringList{order33, "junk"} << QStringList() << QList<int>{1, 2} << 2;
        QTest::newRow("largest in the middle: four columns")
            << QStringList{"2 0", "4 100001", "3 111"}
            << QStringList{"graph\tORDER\tdeg[1]\tdeg[2]\tdeg[3]\tdeg[4]\tAVDIST",
                           "2 0\t2\t0\t0\t\t\t1e+12", "4 100001\t4\t1\t1\t1\t1\t1e+12",
                           "3 111\t3\t2\t2\t2\t\t1"}
            << QList<int>() << 0;
    }
    void evalTable()
    {
        QFETCH(QStringList, graphs);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, refusedLines);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&reportBoard));
        const QString list = write(dir, "list.dmvx3", graphs.join('\n') + '\n');
        const Outcome o = drive({"eval", problem, list});
        QCOMPARE(o.code, code);
        if (expected.isEmpty()) // no graph read: the header alone, of the driver's own graph
            QVERIFY2(o.lines.size() == 1 && o.lines[0].startsWith("graph\tORDER\tdeg[1]\t"),
                     qPrintable(o.lines.join('\n')));
        else
            QCOMPARE(o.lines, expected);
        QStringList named;
        for (int line : refusedLines)
            named << QStringLiteral("morvane-bench: line %1: cannot read graph").arg(line);
        // Qt may have its own say on standard error (a runtime folder missing, say).
        QCOMPARE(o.errors.split('\n').filter(QRegularExpression("^morvane-bench: ")), named);
    }

    /// Output that cannot be written fails the run, and so does a search with no order.
    void unwritableOutput()
    {
        QTemporaryDir dir;
        const QString problem = write(dir, "p.mvx3", problemText(&constantBoard));
        const QString list = write(dir, "list.dmvx3", "3 110\n2 1\n");
        QCOMPARE(drive({"eval", problem, list}, "/dev/full").code, 2);
        const QStringList search{"search", problem, "--seconds", "600", "--max-evals", "50"};
        QCOMPARE(drive(search + QStringList{"--nmin", "5", "--nmax", "5"}, "/dev/full").code, 2);
        const Outcome backwards = drive(search + QStringList{"--nmin", "6", "--nmax", "5"});
        QVERIFY(backwards.code == 2 && backwards.lines.isEmpty());
    }

    /// A problem without an objective gives the manager no job: refused, not a run of nothing.
    void noObjectiveRefused_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty board") << problemText([](Problem &) {});
        QTest::newRow("constraint alone") << problemText([](Problem &board) {
            addBound(board, QStringLiteral("DEGMIN"), QStringLiteral(">="), 1.0);
        });
    }
    void noObjectiveRefused()
    {
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const Outcome o = drive({"search", write(dir, "p.mvx3", problem), "--nmin", "4", "--nmax",
                                 "5", "--seconds", "600", "--max-evals", "50"});
        QCOMPARE(o.code, 2);
        QVERIFY2(o.lines.isEmpty(), qPrintable(o.lines.join('\n')));
    }

    /// Jobs start from a random main graph of the first order, never from one padded with
    /// isolated vertices, so that a constrained search is feasible at once; --start-random
    /// starts them from a graph of their own. With a constant objective the archive keeps the
    /// start graph alone.
    void searchStart_data()
    {
        QTest::addColumn<bool>("constrained");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("main graph") << false << 12 << QStringList{};
        QTest::newRow("random start") << false << 12 << QStringList{"--start-random"};
        QTest::newRow("DEGMIN >= 1") << true << 16 << QStringList{};
    }
    void searchStart()
    {
        QFETCH(bool, constrained);
        QFETCH(int, order);
        QFETCH(QStringList, flags);
        QTemporaryDir dir;
        const QString problem =
            write(dir, "p.mvx3", problemText(constrained ? &dominationNoIsolated : &constantBoard));
        const QStringList graphs = searchGraphs(problem, order, 100, flags);
        QVERIFY(constrained ? !graphs.isEmpty() : graphs.size() == 1);
        for (const QString &text : graphs) {
            Graph g(QStringLiteral("found"), false);
            QVERIFY(g.loadCurrentGraph(text) && g.getNbNodes() == order);
            QVERIFY2(!degreesOf(g).contains(0), qPrintable(text));
        }
        if (!constrained) // the flag decides the start; the seed fixes each
            QVERIFY(searchGraphs(problem, order, 100, flags) == graphs &&
                    searchGraphs(problem, order, 100,
                                 flags.isEmpty() ? QStringList{"--start-random"} : QStringList{}) !=
                        graphs);
    }
};

QTEST_MAIN(tst_MorvaneBench)
#include "tst_MorvaneBench.moc"
