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

namespace
{
/// A board maximising the Wiener index, with its title and description.
struct WienerBoard {
    BuildCalculus catalogue;
    Graph graph{"graph", true};
    Problem board{&graph, "Problem", true};
    WienerBoard()
    {
        board.addInvariantItem(catalogue.makeCalculus("WIENER", true));
        board.addZItem(catalogue.makeCalculus("MAXIMIZE", true));
        board.link1(board.getItems().first(), board.getObjectives().first());
        board.slot_set_title("Wiener index");
        board.slot_set_description("Largest Wiener index");
    }
};
} // namespace

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
    WienerBoard b;
    Report report(&b.board, &b.catalogue);
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
    QVERIFY(text.contains(b.catalogue.Documentation("InvariantsFam").section('\n', 0, 0)));
}

void tst_Report::pdf()
{
    PresetPrompts prompts;
    WienerBoard b;
    Report report(&b.board, &b.catalogue);
    report.rebuild(QString());
    QTemporaryDir dir;
    const QString name = dir.filePath("report.pdf");
    prompts.files << name;
    report.slot_save_pdf();
    QVERIFY(prompts.messages.isEmpty());
    // The first page, rendered by an independent reader, holds ink.
    QProcess render;
    render.start("pdftoppm", {"-r", "30", "-singlefile", "-png", name, dir.filePath("page")});
    QVERIFY(render.waitForFinished(60000));
    const QImage page(dir.filePath("page.png"));
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
