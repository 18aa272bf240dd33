#include "FileSizeLimit.h"
#include "PresetPrompts.h"
#include "PrintTargets.h"

#include "app/Report.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/invConstant.h"
#include "problem/Problem.h"

#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
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
    void pictureFollowsBoard();
    void pdf();
    void printFailureIsReported_data() { addPrintTargetRows(); }
    void printFailureIsReported();
};

void tst_Report::sectionsInOrder()
{
    WienerBoard b;
    Report report(&b.board, &b.catalogue);
    QString relations = "A <= B\n";
    report.setConjectureSource([&] { return relations; });
    report.show(); // opened, whatever way, it is built
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

    // "Update" reads the relations again.
    relations = "C >= D\n";
    for (QPushButton *button : report.findChildren<QPushButton *>())
        if (button->text() == "Update")
            QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(report.toPlainText().contains("C >= D") && !report.toPlainText().contains("A <= B"));
}

/// The picture shows the board's values when the report is built, also after the board's own
/// view has repainted the changed items.
void tst_Report::pictureFollowsBoard()
{
    WienerBoard b;
    auto *constant = static_cast<invConstant *>(b.catalogue.makeCalculus("CONSTANT", true));
    b.board.addOperatorItem(constant);
    b.board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.board));
    Report report(&b.board, &b.catalogue);
    auto picture = [&] {
        // The board's own view shows the change first, as on screen.
        QCoreApplication::processEvents();
        b.board.viewport()->repaint();
        report.rebuild();
        return report.findChild<QTextBrowser *>()
            ->document()
            ->resource(QTextDocument::ImageResource, QUrl("board.png"))
            .value<QImage>();
    };
    auto setConstant = [&](double v) {
        constant->loadData(1, 1, {v});
        b.graph.changeBest(); // as the constant's "Apply" does
        b.board.slot_refresh();
    };
    setConstant(3.0);
    const QImage three = picture();
    QVERIFY(!three.isNull());
    setConstant(7.0);
    QVERIFY(picture() != three);
    setConstant(3.0);
    QCOMPARE(picture(), three);
}

void tst_Report::pdf()
{
    PresetPrompts prompts;
    WienerBoard b;
    Report report(&b.board, &b.catalogue);
    report.rebuild();
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

    // So is one that a full disk or a size limit cuts short; the previous file stays.
    const QByteArray complete = printTargets::readAll(name);
    QVERIFY(complete.trimmed().endsWith("%%EOF"));
    QVERIFY(printTargets::writeAll(name, "old report"));
    {
        FileSizeLimit limit(complete.size() / 2);
        QVERIFY(limit.ok);
        QVERIFY(!report.printToFile(name));
        prompts.files << name;
        report.slot_save_pdf();
    }
    QCOMPARE(prompts.messages.last(), QString("Failed to save the report."));
    QCOMPARE(prompts.messages.size(), 2);
    QCOMPARE(printTargets::readAll(name), QByteArray("old report"));
}

void tst_Report::printFailureIsReported()
{
    WienerBoard b;
    Report report(&b.board, &b.catalogue);
    report.rebuild();
    checkPrintTarget([&] { report.slot_print(); }, "Failed to print the report.");
}

QTEST_MAIN(tst_Report)
#include "tst_Report.moc"
