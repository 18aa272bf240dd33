#include "graph/Graph.h"
#include "graph/Node.h"

#include "../items/StderrCapture.h"
#include "CommonTest.h"
#include "PresetPrompts.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace
{

// What a test means a graph to be: the oracle side of every comparison.
struct Spec {
    int n = 0;
    bool adj[32][32] = {};
    QStringList names;
    QVector<QPointF> pos;
};

Spec randomSpec(int n)
{
    static const QString letters = QString::fromLatin1("abc XYZ-_.\xe9\xfc#0123456789");
    Spec s;
    s.n = n;
    for (int i = 0; i < n; ++i) {
        QString name;
        const int len = qrand() % 12;
        for (int k = 0; k < len; ++k)
            name += letters.at(qrand() % letters.size());
        s.names << name;
        const double scale = std::pow(10.0, qrand() % 13 - 4);
        s.pos << QPointF((qrand() % 2000001 - 1000000) / 1e6 * scale,
                         (qrand() % 2000001 - 1000000) / 1e6 * scale);
        for (int j = 0; j < i; ++j)
            s.adj[i][j] = s.adj[j][i] = qrand() % 2;
    }
    return s;
}

void build(Graph &g, const Spec &s)
{
    g.clear();
    for (int i = 0; i < s.n; ++i)
        g.addNode();
    for (int i = 0; i < s.n; ++i) {
        if (i < s.names.size())
            g.getNode(i)->setNodeName(s.names[i]);
        g.getNode(i)->setPosition(s.pos[i].x(), s.pos[i].y());
        for (int j = 0; j < i; ++j)
            if (s.adj[i][j])
                g.addEdge(i, j);
    }
    g.best_backup();
    g.update_display();
}

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

// The graph file as the format defines it, written from the test's own description.
QByteArray fileOf(const Spec &s, const QString &counterLine = QString())
{
    QString t = QString::number(s.n) + "\n";
    if (!counterLine.isNull())
        t += counterLine + "\n";
    for (int i = 0; i < s.n; ++i)
        t += s.names[i] + "\t" + num(s.pos[i].x()) + "\t" + num(s.pos[i].y()) + "\n";
    for (int i = 0; i < s.n; ++i)
        for (int j = 0; j < s.n; ++j)
            t += QString(s.adj[i][j] ? "1" : "0") + "\t";
    return t.toLatin1();
}

QByteArray exportOf(const Spec &s)
{
    int m = 0;
    QString edges;
    for (int i = 0; i < s.n; ++i)
        for (int j = 0; j < s.n; ++j)
            if (s.adj[i][j]) {
                m += i < j;
                edges += s.names[i] + "\t" + s.names[j] + "\t1\t0\n";
            }
    QString t = QString::number(s.n) + "\n" + QString::number(m) + "\n";
    for (int i = 0; i < s.n; ++i)
        t += s.names[i] + "\t" + num(s.pos[i].x()) + "\t" + num(s.pos[i].y()) + "\n";
    return (t + edges).toLatin1();
}

// Mismatch between a graph's best graph and drawing and the description, empty when none.
QString differs(const Graph &g, const Spec &s)
{
    if (g.getNbBestNodes() != s.n || g.getNbNodes() != s.n)
        return QString("count %1").arg(g.getNbBestNodes());
    for (int i = 0; i < s.n; ++i) {
        const Node *node = g.getNode(i);
        if (node->nodeName() != s.names[i])
            return QString("name %1: %2").arg(i).arg(node->nodeName());
        // Six significant digits are what the file keeps.
        if (!fuzzyCompare(node->pos().x(), num(s.pos[i].x()).toDouble(), 1e-12) ||
            !fuzzyCompare(node->pos().y(), num(s.pos[i].y()).toDouble(), 1e-12))
            return QString("position %1").arg(i);
        if (node->isSelected())
            return QString("selected %1").arg(i);
        for (int j = 0; j < s.n; ++j)
            if (i != j && (g.bestEdge(i, j) != s.adj[i][j] || g.edge(i, j) != s.adj[i][j]))
                return QString("pair %1 %2").arg(i).arg(j);
    }
    return QString();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Everything a failed read must leave as it was.
QString state(const Graph &g)
{
    QString t = g.graphData() + "|" + g.currentGraphData() + "|" + QString::number(g.getID());
    for (int k = 0; k < 32; ++k)
        t += QString("|%1,%2,%3,%4")
                 .arg(g.getNode(k)->nodeName())
                 .arg(g.getNode(k)->pos().x())
                 .arg(g.getNode(k)->pos().y())
                 .arg(g.getNode(k)->isSelected());
    return t;
}

// Non-white pixels of the first page of a PDF, rendered by poppler; -1 when it cannot be read.
int inkOfPdf(const QString &pdf, const QString &dir)
{
    QProcess p;
    p.start("pdftoppm", {"-png", "-r", "30", "-f", "1", "-l", "1", pdf, dir + "/page"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return -1;
    const QStringList pages = QDir(dir).entryList({"page*.png"});
    if (pages.isEmpty())
        return -1;
    const QImage img(dir + "/" + pages.first());
    if (img.isNull())
        return -1;
    int ink = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ink += qGray(img.pixel(x, y)) < 200;
    return ink;
}

// Accepts the print dialog and points the printer at a PDF file.
class PrintToPdf : public PresetPrompts
{
public:
    QString target;
    bool print(QWidget *parent, QPrinter *printer) override
    {
        PresetPrompts::print(parent, printer);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(target);
        return true;
    }
};

} // namespace

class tst_GraphFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Node::initColors();
        QVERIFY(tmp.isValid());
    }
    void init() { qsrand(1234); }
    void examples_data();
    void examples();
    void roundTrip();
    void reads_data();
    void reads();
    void malformedKeepsGraph_data();
    void malformedKeepsGraph();
    void failuresAreReported();
    void failedWriteKeepsOldFile();
    void counterMovesForward();
    void pdfIsDrawn();
    void scaleCoords();

private:
    QTemporaryDir tmp;
    QString path(const QString &name) const { return tmp.path() + "/" + name; }
};

void tst_GraphFiles::examples_data()
{
    QTest::addColumn<QVector<QPointF>>("pos"); // a path through the vertices
    QTest::addColumn<QByteArray>("graphFile");
    QTest::addColumn<QByteArray>("exportFile");
    QTest::newRow("path of three")
        << QVector<QPointF>{{0, 0}, {12.5, -3}, {250, 1000000}}
        << QByteArray("3\nNode 1\t0\t0\nNode 2\t12.5\t-3\nNode 3\t250\t1e+06\n"
                      "0\t1\t0\t1\t0\t1\t0\t1\t0\t")
        << QByteArray("3\n2\nNode 1\t0\t0\nNode 2\t12.5\t-3\nNode 3\t250\t1e+06\n"
                      "Node 1\tNode 2\t1\t0\nNode 2\tNode 1\t1\t0\nNode 2\tNode 3\t1\t0\n"
                      "Node 3\tNode 2\t1\t0\n");
    QTest::newRow("one edge") << QVector<QPointF>{{10, 20}, {30.5, -4}}
                              << QByteArray("2\nNode 1\t10\t20\nNode 2\t30.5\t-4\n0\t1\t1\t0\t")
                              << QByteArray("2\n1\nNode 1\t10\t20\nNode 2\t30.5\t-4\n"
                                            "Node 1\tNode 2\t1\t0\nNode 2\tNode 1\t1\t0\n");
    QTest::newRow("empty") << QVector<QPointF>() << QByteArray("0\n") << QByteArray("0\n0\n");
    QTest::newRow("rounded") << QVector<QPointF>{{3.14159265, -0.000012345678}}
                             << QByteArray("1\nNode 1\t3.14159\t-1.23457e-05\n0\t")
                             << QByteArray("1\n0\nNode 1\t3.14159\t-1.23457e-05\n");
}

void tst_GraphFiles::examples()
{
    QFETCH(QVector<QPointF>, pos);
    QFETCH(QByteArray, graphFile);
    QFETCH(QByteArray, exportFile);
    Graph g("graph", true);
    Spec s;
    s.n = pos.size();
    s.pos = pos;
    for (int i = 0; i < s.n; ++i)
        s.names << QString("Node %1").arg(i + 1);
    for (int i = 0; i + 1 < s.n; ++i)
        s.adj[i][i + 1] = s.adj[i + 1][i] = true;
    build(g, s);
    QVERIFY(g.save(path("example.gmvx3")));
    QCOMPARE(readAll(path("example.gmvx3")), graphFile);
    QVERIFY(g.export_graph(path("example.cg")));
    QCOMPARE(readAll(path("example.cg")), exportFile);
    QCOMPARE(g.autosaveFileName(), QString(".mvxgr"));
    g.setWD(tmp.path());
    QCOMPARE(g.autosaveFileName(), tmp.path() + "/.mvxgr");
    QVERIFY(g.autosave());
    QByteArray autosaved = graphFile;
    autosaved.insert(graphFile.indexOf('\n') + 1, QByteArray::number(g.getID()) + "\n");
    QCOMPARE(readAll(path(".mvxgr")), autosaved);
}

void tst_GraphFiles::roundTrip()
{
    Graph g("graph", true), h("graph", true);
    h.setWD(tmp.path());
    QSignalSpy console(&h, &Graph::signal_console);
    for (int n = 0; n <= 32; ++n) {
        const Spec s = randomSpec(n);
        build(g, s);
        // The current graph may differ: the best graph is what is written.
        g.addEdge(0, n - 1);
        g.remNode();
        QVERIFY(g.save(path("a.gmvx3")));
        const QByteArray first = readAll(path("a.gmvx3"));
        QCOMPARE(first, fileOf(s));
        QVERIFY(g.export_graph(path("a.cg")));
        QCOMPARE(readAll(path("a.cg")), exportOf(s));
        h.getNode(n % 32)->setSelected(true);
        QSignalSpy changed(&h, &Graph::signal_best_graph_changed);
        QVERIFY(n % 2 ? h.open(path("a.gmvx3"))
                      : writeRaw(h.autosaveFileName(), fileOf(s, "-7")) && h.autoload());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(differs(h, s), QString());
        QVERIFY(h.save(path("b.gmvx3")));
        QCOMPARE(readAll(path("b.gmvx3")), first);
    }
    // Only the graph file reader announces the count.
    QCOMPARE(console.count(), 16);
    QCOMPARE(console.last().at(0).toString(), QString("Graph:31"));
    QCOMPARE(console.last().at(2).toInt(), 1);
}

void tst_GraphFiles::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QVector<QPointF>>("pos");
    QTest::addColumn<QVector<int>>("edges");
    QTest::newRow("count not a number")
        << QByteArray("abc\n") << QStringList() << QVector<QPointF>() << QVector<int>();
    QTest::newRow("negative count")
        << QByteArray("-4\nx\t1\t2\n") << QStringList() << QVector<QPointF>() << QVector<int>();
    QTest::newRow("lower triangle ignored")
        << QByteArray("2\nA\t1\t2\nB\t3\t4\n0\t0\t1\t0\t") << QStringList{"A", "B"}
        << QVector<QPointF>{{1, 2}, {3, 4}} << QVector<int>();
    QTest::newRow("nonzero cell is an edge")
        << QByteArray("2\nA\t1\t2\nB\t3\t4\n0\t5\t0\t0") << QStringList{"A", "B"}
        << QVector<QPointF>{{1, 2}, {3, 4}} << QVector<int>{0, 1};
    QTest::newRow("extra fields, empty name, bad numbers")
        << QByteArray("3\n\t1e+06\tq\tz\nNode 9\tnan\t-inf\nC\t-2.5\t7\n0\t1\tx\t1\t0\t1\t0\t1\t0"
                      "\tmore\nlines\n")
        << QStringList{"", "Node 9", "C"} << QVector<QPointF>{{1e6, 0}, {0, 0}, {-2.5, 7}}
        << QVector<int>{0, 1, 1, 2};
}

void tst_GraphFiles::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QVector<QPointF>, pos);
    QFETCH(QVector<int>, edges);
    Spec s;
    s.n = names.size();
    s.names = names;
    s.pos = pos;
    for (int k = 0; k + 1 < edges.size(); k += 2)
        s.adj[edges[k]][edges[k + 1]] = s.adj[edges[k + 1]][edges[k]] = true;
    QVERIFY(writeRaw(path("r.gmvx3"), file));
    Graph g("graph", true);
    QVERIFY(g.open(path("r.gmvx3")));
    QCOMPARE(differs(g, s), QString());
}

void tst_GraphFiles::malformedKeepsGraph_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("autosaveFile");
    QTest::newRow("two fields") << QByteArray("2\nA\t1\nB\t0\t0\n0\t1\t1\t0\t") << false;
    QTest::newRow("second vertex short") << QByteArray("2\nA\t1\t2\nB\t0\n0\t1\t1\t0\t") << false;
    QTest::newRow("vertex lines missing") << QByteArray("3\nA\t1\t2\n") << false;
    QTest::newRow("ends after count") << QByteArray("3") << false;
    QTest::newRow("adjacency missing") << QByteArray("2\nA\t1\t2\nB\t0\t0") << false;
    QTest::newRow("adjacency short") << QByteArray("2\nA\t1\t2\nB\t0\t0\n0\t1\t1") << false;
    QTest::newRow("count above 32") << QByteArray("33\n") << false;
    QTest::newRow("count beyond int") << QByteArray("99999999999\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("autosave without counter") << QByteArray("2") << true;
    QTest::newRow("autosave short vertex")
        << QByteArray("2\n815\nA\t1\t2\nB\t0\n0\t1\t1\t0\t") << true;
}

void tst_GraphFiles::malformedKeepsGraph()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, autosaveFile);
    PresetPrompts prompts;
    Graph g("graph", true);
    g.setWD(tmp.path());
    g.getNode(2)->setSelected(true);
    const QString before = state(g);
    const QString name = autosaveFile ? g.autosaveFileName() : path("bad.gmvx3");
    QVERIFY(writeRaw(name, file));
    QSignalSpy changed(&g, &Graph::signal_best_graph_changed);
    bool ok = true;
    const QByteArray err = captureStderr([&] { ok = autosaveFile ? g.autoload() : g.open(name); });
    QVERIFY(!ok);
    QVERIFY(err.contains("ERROR IN FILE FORMAT"));
    QCOMPARE(state(g), before);
    QCOMPARE(changed.count(), 0);
    prompts.files << name;
    captureStderr([&] { g.slot_open(); });
    QCOMPARE(prompts.messages, QStringList{"Failed to load graph."});
    QCOMPARE(state(g), before);
}

void tst_GraphFiles::failuresAreReported()
{
    PresetPrompts prompts;
    Graph g("graph", true);
    const QString before = state(g);
    QVERIFY(!g.open(path("no such file.gmvx3")));
    g.slot_open(); // cancelled
    QCOMPARE(prompts.asked, (QStringList{"message: Opening", "open: Choose graph to load",
                                         "message: Opening", "message: Warning"}));
    QCOMPARE(prompts.messages,
             (QStringList{"Cannot open graph", "Cannot open graph", "Failed to load graph."}));
    prompts.asked.clear();
    prompts.messages.clear();
    QVERIFY(writeRaw(path("plain"), "x"));
    const QString bad = path("plain/g.gmvx3"); // below a file: never writable
    QVERIFY(!g.save(bad));
    QVERIFY(!g.export_graph(bad));
    QVERIFY(!g.printToFile(bad));
    g.setWD(path("plain"));
    QVERIFY(!g.autosave());
    QVERIFY(!g.autoload());
    prompts.files << bad << bad;
    g.slot_save();
    g.slot_export_graph();
    g.slot_save(); // cancelled
    QCOMPARE(prompts.asked,
             (QStringList{"save: Save graph as", "message: Warning", "save: Export graph as",
                          "message: Warning", "save: Save graph as", "message: Warning"}));
    QCOMPARE(prompts.messages, (QStringList{"Failed to save graph.", "Failed to export graph.",
                                            "Failed to save graph."}));
    QCOMPARE(readAll(path("plain")), QByteArray("x"));
    QCOMPARE(state(g), before);
}

void tst_GraphFiles::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/old.gmvx3";
    QVERIFY(writeRaw(target, "old content"));
    Graph g("graph", true);
    build(g, randomSpec(32));
    // A file size limit makes the write itself fail, whoever runs the test.
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written[3] = {g.save(target), g.export_graph(target), g.printToFile(target)};
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!written[0] && !written[1] && !written[2]);
    QCOMPARE(readAll(target), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.gmvx3"});
}

void tst_GraphFiles::counterMovesForward()
{
    Graph g("graph", true);
    g.setWD(tmp.path());
    const Spec s = randomSpec(7);
    build(g, s);
    // A file holding the very value an item may have cached must not bring it back.
    for (int round = 0; round < 2; ++round) {
        const int cached = g.getID();
        QVERIFY(round == 0 ? writeRaw(g.autosaveFileName(), fileOf(s, QString::number(cached))) &&
                                 g.autoload()
                           : writeRaw(path("c.gmvx3"), fileOf(s)) && g.open(path("c.gmvx3")));
        const quint32 moved = quint32(g.getID()) - quint32(cached);
        QVERIFY2(moved > 0 && moved < 65536, qPrintable(QString::number(moved)));
        QCOMPARE(g.getBestID(), g.getID());
    }
}

void tst_GraphFiles::pdfIsDrawn()
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    Graph g("graph", true);
    g.resize(640, 480);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    Spec s = randomSpec(6);
    for (int i = 0; i < 6; ++i)
        s.pos[i] = QPointF(100 * std::cos(i), 100 * std::sin(i));
    build(g, s);
    g.centerOn(0, 0);
    QTemporaryDir out, blank, printed;
    QVERIFY(g.printToFile(out.path() + "/g.pdf"));
    QVERIFY(readAll(out.path() + "/g.pdf").startsWith("%PDF"));
    QVERIFY(inkOfPdf(out.path() + "/g.pdf", out.path()) > 50);
    {
        PrintToPdf prompts;
        prompts.target = printed.path() + "/p.pdf";
        g.slot_print();
        QCOMPARE(prompts.asked, QStringList{"print"});
        QVERIFY(inkOfPdf(prompts.target, printed.path()) > 50);
    }
    // Without vertices the page stays blank: the ink above is the graph's.
    build(g, Spec());
    QVERIFY(g.printToFile(blank.path() + "/b.pdf"));
    QCOMPARE(inkOfPdf(blank.path() + "/b.pdf", blank.path()), 0);
}

void tst_GraphFiles::scaleCoords()
{
    Graph g("graph", true);
    Spec s = randomSpec(9);
    const double xs[9] = {-300, 20, 0, 999, -1000, 5, -7, 1000, 640};
    const double ys[9] = {1, -2, 3, -4, 50, 6, -7, -50, 0.5};
    for (int i = 0; i < 9; ++i)
        s.pos[i] = QPointF(xs[i], ys[i]);
    build(g, s);
    g.scaleCoords(400, 300);
    // The extremes land on the box, the middle of the spread on its centre.
    FUZZY_COMPARE(g.getNode(4)->getCoordX(), -200.0, 1e-9);
    FUZZY_COMPARE(g.getNode(7)->getCoordX(), 200.0, 1e-9);
    FUZZY_COMPARE(g.getNode(4)->getCoordY(), 150.0, 1e-9);
    FUZZY_COMPARE(g.getNode(7)->getCoordY(), -150.0, 1e-9);
    FUZZY_COMPARE(g.getNode(2)->getCoordX(), 0.0, 1e-9);
    for (int i = 0; i < 9; ++i)
        QVERIFY(qAbs(g.getNode(i)->getCoordX()) <= 200 && qAbs(g.getNode(i)->getCoordY()) <= 150);
    for (int i = 0; i < 9; ++i)
        s.pos[i].setX(42);
    build(g, s);
    g.scaleCoords(400, 300);
    for (int i = 0; i < 9; ++i)
        FUZZY_COMPARE(g.getNode(i)->getCoordX(), -200.0, 1e-9);
}

QTEST_MAIN(tst_GraphFiles)
#include "tst_GraphFiles.moc"
