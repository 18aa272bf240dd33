#include "PresetPrompts.h"

#include "app/Report.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_Report : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (Node::NodeColor.isEmpty())
            Node::initColors();
    }
    void sectionsInOrder();
    void pdf();
};

void tst_Report::sectionsInOrder()
{
    BuildCalculus catalogue;
    Graph graph("graph", true);
    Problem board(&graph, "Problem", true);
    board.addInvariantItem(catalogue.makeCalculus("WIENER", true));
    board.addZItem(catalogue.makeCalculus("MAXIMIZE", true));
    board.link1(board.getItems().first(), board.getObjectives().first());
    board.slot_set_title("Wiener index");
    board.slot_set_description("Largest Wiener index");
    Report report(&board, &catalogue);
    report.rebuild("A <= B\n");
    const QString text = report.toPlainText();
    const QStringList headings = {"Wiener index",  "Largest Wiener index", "Max\tZ1 = WIENER(G)",
                                  "Values",        "Vectors",              "Matrices",
                                  "Families",      "Operators",            "Constraints",
                                  "Conjectures",   "A <= B"};
    int at = -1;
    for (const QString &h : headings) {
        const int next = text.indexOf(h, at + 1);
        QVERIFY2(next > at, qPrintable(h));
        at = next;
    }
    // Each section holds the catalogue's documentation of its category.
    QVERIFY(text.contains(catalogue.Documentation("InvariantsFam").section('\n', 0, 0)));
}

void tst_Report::pdf()
{
    PresetPrompts prompts;
    BuildCalculus catalogue;
    Graph graph("graph", true);
    Problem board(&graph, "Problem", true);
    board.slot_set_title("Report");
    Report report(&board, &catalogue);
    report.rebuild(QString());
    QTemporaryDir dir;
    const QString name = dir.filePath("report.pdf");
    prompts.files << name;
    report.slot_save_pdf();
    QVERIFY(prompts.messages.isEmpty());
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    // The first page, rendered by an independent reader, holds ink.
    QProcess render;
    render.start("pdftoppm", {"-r", "30", "-f", "1", "-l", "1", "-png", name,
                              dir.filePath("page")});
    QVERIFY(render.waitForFinished(60000));
    QImage page(dir.filePath("page-01.png"));
    if (page.isNull())
        page.load(dir.filePath("page-1.png"));
    QVERIFY(!page.isNull());
    bool ink = false;
    for (int y = 0; y < page.height() && !ink; ++y)
        for (int x = 0; x < page.width() && !ink; ++x)
            ink = qGray(page.pixel(x, y)) < 128;
    QVERIFY(ink);

    // A file that cannot be written is reported.
    prompts.files << dir.filePath("missing/report.pdf");
    report.slot_save_pdf();
    QCOMPARE(prompts.messages, QStringList{"Failed to save the report."});
}

QTEST_MAIN(tst_Report)
#include "tst_Report.moc"
