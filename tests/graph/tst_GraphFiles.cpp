#include "graph/Graph.h"
#include "graph/Node.h"

#include "StderrCapture.h"
#include "CommonTest.h"
#include "FileSizeLimit.h"
#include "PresetPrompts.h"
#include "PrintTargets.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

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

// The graph file (export file when exported) as the format defines it, written from the test's
// own description.
QByteArray fileOf(const Spec &s, const QString &counterLine = QString(), bool exported = false)
{
    QString vertices, cells, edges;
    int m = 0;
    for (int i = 0; i < s.n; ++i) {
        vertices += s.names[i] +
                    QString("\t%1\t%2\n").arg(s.pos[i].x(), 0, 'g', 6).arg(s.pos[i].y(), 0, 'g', 6);
        for (int j = 0; j < s.n; ++j) {
            cells += QString(s.adj[i][j] ? "1" : "0") + "\t";
            if (s.adj[i][j])
                edges += s.names[i] + "\t" + s.names[j] + "\t1\t0\n";
            m += s.adj[i][j] && i < j;
        }
    }
    const QString head =
        QString::number(s.n) + "\n" + (counterLine.isNull() ? "" : counterLine + "\n");
    return (exported ? head + QString::number(m) + "\n" + vertices + edges
                     : head + vertices + cells)
        .toLatin1();
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
        t += QString("|%1,%2,%3")
                 .arg(g.getNode(k)->nodeName())
                 .arg(g.getNode(k)->pos().x())
                 .arg(g.getNode(k)->pos().y()) +
             (g.getNode(k)->isSelected() ? "s" : "");
    return t;
}

// Non-white pixels of the first page of a PDF, rendered by poppler; -1 when it cannot be read.
int inkOfPdf(const QString &pdf, const QString &dir)
{
    QProcess p;
    p.start("pdftoppm",
            {"-png", "-r", "30", "-f", "1", "-l", "1", "-singlefile", pdf, dir + "/page"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return -1;
    const QImage img(dir + "/page.png");
    int ink = img.isNull() ? -1 : 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ink += qGray(img.pixel(x, y)) < 200;
    return ink;
}

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
    void fieldsNotNumbersReadAsZero_data();
    void fieldsNotNumbersReadAsZero();
    void malformedKeepsGraph_data();
    void malformedKeepsGraph();
    void failuresAreReported();
    void chosenNamesWrittenUnchanged_data();
    void chosenNamesWrittenUnchanged();
    void failedWriteKeepsOldFile();
    void pdfIsDrawn();
    void printFailureIsReported_data() { addPrintTargetRows(); }
    void printFailureIsReported();
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
    QTest::newRow("empty") << QVector<QPointF>() << QByteArray("0\n") << QByteArray("0\n0\n");
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
    for (int i = 0; i < s.n; ++i) {
        s.names << QString("Node %1").arg(i + 1);
        s.adj[i][i + 1] = s.adj[i + 1][i] = i + 1 < s.n;
    }
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
        QCOMPARE(readAll(path("a.cg")), fileOf(s, QString(), true));
        h.getNode(n % 32)->setSelected(true);
        QSignalSpy changed(&h, &Graph::signal_best_graph_changed);
        // A file holding the very counter an item may have cached must not bring it back.
        const int cached = h.getID();
        QVERIFY(n % 2 ? h.open(path("a.gmvx3"))
                      : writeRaw(h.autosaveFileName(), fileOf(s, QString::number(cached))) &&
                            h.autoload());
        const quint32 moved = quint32(h.getID()) - quint32(cached);
        QVERIFY2(moved > 0 && moved < 65536 && h.getBestID() == h.getID(),
                 qPrintable(QString::number(moved)));
        QCOMPARE(changed.count(), 1);
        // The file read whole, into the current graph as well, selection cleared.
        QVERIFY(h.save(path("b.gmvx3")));
        QCOMPARE(h.currentGraphData(), h.graphData());
        QCOMPARE(h.getNbNodes(), n);
        for (int k = 0; k < n; ++k)
            QVERIFY(!h.getNode(k)->isSelected());
        QCOMPARE(readAll(path("b.gmvx3")), first);
    }
    // Only the graph file reader announces the count.
    QCOMPARE(console.count(), 16);
    QCOMPARE(console.last().at(0).toString(), QString("Graph:31"));
    QCOMPARE(console.last().at(2).toInt(), 1);
}

void tst_GraphFiles::fieldsNotNumbersReadAsZero_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("word") << "abc";
    QTest::newRow("nan") << "nan";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("minus infinity") << "-inf";
}

void tst_GraphFiles::fieldsNotNumbersReadAsZero()
{
    QFETCH(QString, field);
    Graph g("graph", true);
    g.setWD(tmp.path());
    // The field as A's x, B's y and both cells of the pair.
    const QByteArray body = QString("A\t%1\t5\nB\t3\t%1\n0\t%1\t%1\t0\t").arg(field).toLatin1();
    QVERIFY(writeRaw(path("fields.gmvx3"), "2\n" + body));
    QVERIFY(writeRaw(g.autosaveFileName(), "2\n815\n" + body));
    for (bool autosaved : {false, true}) {
        g.clear();
        QVERIFY(autosaved ? g.autoload() : g.open(path("fields.gmvx3")));
        QCOMPARE(g.getNode(0)->pos(), QPointF(0, 5));
        QCOMPARE(g.getNode(1)->pos(), QPointF(3, 0));
        QCOMPARE(g.graphData(), QString("2 0"));
    }
}

void tst_GraphFiles::malformedKeepsGraph_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("autosaveFile");
    QTest::newRow("second vertex short") << QByteArray("2\nA\t1\t2\nB\t0\n0\t1\t1\t0\t") << false;
    QTest::newRow("vertex lines missing") << QByteArray("3\nA\t1\t2\n") << false;
    QTest::newRow("adjacency missing") << QByteArray("2\nA\t1\t2\nB\t0\t0") << false;
    QTest::newRow("adjacency short") << QByteArray("2\nA\t1\t2\nB\t0\t0\n0\t1\t1") << false;
    QTest::newRow("count above 32") << QByteArray("33\n") << false;
    QTest::newRow("count a word") << QByteArray("hello\n") << false;
    QTest::newRow("count negative") << QByteArray("-3\n") << false;
    QTest::newRow("count with a fraction") << QByteArray("3.7\n") << false;
    QTest::newRow("count beyond int") << QByteArray("4294967296\n") << false;
    QTest::newRow("autosave count a word") << QByteArray("hello\n815\n") << true;
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
    QVERIFY(writeRaw(path("plain"), "x"));
    const QString bad = path("plain/g.gmvx3"); // below a file: never writable
    QVERIFY(!g.save(bad) && !g.export_graph(bad) && !g.printToFile(bad));
    g.setWD(path("plain"));
    QVERIFY(!g.autosave() && !g.autoload());
    prompts.files << bad << bad;
    g.slot_save();
    g.slot_export_graph();
    QCOMPARE(prompts.asked,
             (QStringList{"message: Opening", "save: Save graph as", "message: Warning",
                          "save: Export graph as", "message: Warning"}));
    QCOMPARE(prompts.messages, (QStringList{"Cannot open graph", "Failed to save graph.",
                                            "Failed to export graph."}));
    QCOMPARE(readAll(path("plain")), QByteArray("x"));
    QCOMPARE(state(g), before);
}

void tst_GraphFiles::chosenNamesWrittenUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no suffix") << "graph";
    QTest::newRow("trailing dot") << "graph.";
}

void tst_GraphFiles::chosenNamesWrittenUnchanged()
{
    QFETCH(QString, name);
    QTemporaryDir saved, exported;
    Graph g("graph", true);
    const Spec s = randomSpec(5);
    build(g, s);
    PresetPrompts prompts;
    prompts.files << saved.filePath(name) << exported.filePath(name);
    g.slot_save();
    g.slot_export_graph();
    QCOMPARE(prompts.messages, QStringList());
    QCOMPARE(readAll(saved.filePath(name)), fileOf(s));
    QCOMPARE(readAll(exported.filePath(name)), fileOf(s, QString(), true));
    for (const QTemporaryDir *dir : {&saved, &exported})
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void tst_GraphFiles::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/old.gmvx3";
    QVERIFY(writeRaw(target, "old content"));
    Graph g("graph", true);
    build(g, randomSpec(32));
    // A file size limit makes the write itself fail, whoever runs the test.
    bool written[3];
    {
        FileSizeLimit limit(256);
        QVERIFY(limit.ok);
        written[0] = g.save(target);
        written[1] = g.export_graph(target);
        written[2] = g.printToFile(target);
    }
    QVERIFY(!written[0] && !written[1] && !written[2]);
    QCOMPARE(readAll(target), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.gmvx3"});
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
    QTemporaryDir out;
    QVERIFY(g.printToFile(out.path() + "/g.pdf"));
    QVERIFY(readAll(out.path() + "/g.pdf").startsWith("%PDF"));
    QVERIFY(inkOfPdf(out.path() + "/g.pdf", out.path()) > 50);
}

void tst_GraphFiles::printFailureIsReported()
{
    Graph g("graph", true);
    build(g, randomSpec(12));
    checkPrintTarget([&] { g.slot_print(); }, "Failed to print graph.");
}

void tst_GraphFiles::scaleCoords()
{
    Graph g("graph", true);
    Spec s = randomSpec(5);
    s.pos = {{-300, 1}, {0, 3}, {999, -4}, {-1000, 50}, {1000, -50}};
    build(g, s);
    g.scaleCoords(400, 300);
    // The extremes land on the box, the middle of the spread on its centre.
    const QPointF expected[5] = {{-60, 3}, {0, 9}, {199.8, -12}, {-200, 150}, {200, -150}};
    for (int i = 0; i < 5; ++i)
        QVERIFY(QPointF(g.getNode(i)->getCoordX() - expected[i].x(),
                        g.getNode(i)->getCoordY() - expected[i].y())
                    .manhattanLength() < 1e-9);
    // No spread at all: no division by zero, every vertex on the box's edge.
    s.pos.fill(QPointF(42, 42));
    build(g, s);
    g.scaleCoords(400, 300);
    for (int i = 0; i < 5; ++i)
        QVERIFY(g.getNode(i)->getCoordX() == -200 && g.getNode(i)->getCoordY() == -150);
}

QTEST_MAIN(tst_GraphFiles)
#include "tst_GraphFiles.moc"
