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

#include <QDir>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
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

/// The two markers of a board: orange at its left end, purple at its right end, colours that
/// neither the board's items nor their blends with the white page come near.
const QColor kLeftMarker(255, 140, 0), kRightMarker(140, 0, 255);

/// Where the markers lie on the first page, rendered from a PDF, that shows either.
struct Ink {
    QRect left, right;
    QSize pageSize;
};

/// Renders every page of the PDF at `dpi` and finds the markers' pixels.
Ink findInk(const QString &pdf, int dpi)
{
    Ink ink;
    QTemporaryDir dir;
    QProcess render;
    render.start("pdftoppm", {"-r", QString::number(dpi), "-png", pdf, dir.filePath("page")});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return ink;
    const QStringList pages = QDir(dir.path()).entryList({"page*.png"}, QDir::Files, QDir::Name);
    for (const QString &name : pages) {
        const QImage page = QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb p = page.pixel(x, y);
                const int r = qRed(p), g = qGreen(p), b = qBlue(p);
                if (r > 200 && g > 90 && g < 190 && b < 60)
                    ink.left |= QRect(x, y, 1, 1);
                else if (r > 90 && r < 190 && g < 60 && b > 200)
                    ink.right |= QRect(x, y, 1, 1);
            }
        if (!ink.left.isNull() || !ink.right.isNull()) {
            ink.pageSize = page.size();
            break;
        }
    }
    return ink;
}

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
    void pictureFitsThePage_data();
    void pictureFitsThePage();
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
    const QByteArray complete = fileBytes::readAll(name);
    QVERIFY(complete.trimmed().endsWith("%%EOF"));
    QVERIFY(fileBytes::writeAll(name, "old report"));
    {
        FileSizeLimit limit(complete.size() / 2);
        QVERIFY(limit.ok);
        QVERIFY(!report.printToFile(name));
        prompts.files << name;
        report.slot_save_pdf();
    }
    QCOMPARE(prompts.messages.last(), QString("Failed to save the report."));
    QCOMPARE(prompts.messages.size(), 2);
    QCOMPARE(fileBytes::readAll(name), QByteArray("old report"));
}

void tst_Report::pictureFitsThePage_data()
{
    QTest::addColumn<int>("right");        // where the right marker stands on the board
    QTest::addColumn<bool>("print");       // through the print dialog, else saved as PDF
    QTest::addColumn<QPageLayout>("page"); // the print dialog's choice, when valid
    QTest::addColumn<bool>("fits");        // the picture fits the text as it is
    const QPageLayout none;
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(),
                         QPageLayout::Millimeter);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                             QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QTest::newRow("wider than the text, saved") << 1500 << false << none << false;
    QTest::newRow("wider than the text, printed") << 1500 << true << none << false;
    // A page without margins gets margins of 2 mm from print itself.
    QTest::newRow("printed on A5 without margins") << 1500 << true << a5 << false;
    QTest::newRow("printed on Letter, landscape") << 1500 << true << letter << true;
    QTest::newRow("narrower than the text") << 200 << false << none << true;
}

/// The board's picture in the PDF shows the whole board, from its left marker to its right
/// one, within the page's text: a picture wider than the text is scaled down to it, keeping its
/// proportions; one that fits keeps its size.
void tst_Report::pictureFitsThePage()
{
    QFETCH(int, right);
    QFETCH(bool, print);
    QFETCH(QPageLayout, page);
    QFETCH(bool, fits);
    PresetPrompts prompts;
    WienerBoard b;
    b.board.getItems().first()->setPos(-100, 150);
    b.board.getObjectives().first()->setPos(right - 200, 150);
    QGraphicsScene *scene = b.board.getScene();
    const int left = -200, side = 100;
    scene->addRect(left, -300, side, side, Qt::NoPen, kLeftMarker);
    scene->addRect(right, -300, side, side, Qt::NoPen, kRightMarker);
    Report report(&b.board, &b.catalogue);
    report.rebuild();
    const QImage picture = report.findChild<QTextBrowser *>()
                               ->document()
                               ->resource(QTextDocument::ImageResource, QUrl("board.png"))
                               .value<QImage>();
    // The picture as the window shows it: the board with a margin of 10 around it, at most 800
    // wide, which is wider than the text of a portrait page.
    const int board = right + side - left;
    QCOMPARE(picture.width(), qMin(800, board + 20));

    QTemporaryDir dir;
    const QString name = dir.filePath("report.pdf");
    if (print) {
        prompts.printAnswers << true;
        prompts.printFile = name;
        prompts.printLayout = page;
        report.slot_print();
    } else {
        prompts.files << name;
        report.slot_save_pdf();
    }
    QVERIFY(prompts.messages.isEmpty());
    const int dpi = 50;
    const Ink ink = findInk(name, dpi);
    QVERIFY2(!ink.left.isNull(), "left marker missing");
    QVERIFY2(!ink.right.isNull(), "right marker missing");
    // Both inside print's margins of 2 cm, the right one as whole as the left.
    const int margin = qRound(2 / 2.54 * dpi);
    QVERIFY2(ink.left.left() >= margin, qPrintable(QString::number(ink.left.left())));
    const int end = ink.pageSize.width() - margin;
    QVERIFY2(ink.right.right() < end,
             qPrintable(QStringLiteral("%1 past %2").arg(ink.right.right()).arg(end)));
    QVERIFY(qAbs(ink.left.top() - ink.right.top()) <= 1);
    for (const QRect &square : {ink.left, ink.right})
        QVERIFY2(qAbs(square.width() - square.height()) <= 1 &&
                     qAbs(square.width() - ink.left.width()) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(square.width()).arg(square.height())));
    const int span = ink.right.right() + 1 - ink.left.left(); // the markers' extent on the page
    if (fits) {
        // As it is: the picture's pixels are the document's units, the screen's dots.
        const int screenDpi = QCoreApplication::testAttribute(Qt::AA_Use96Dpi)
                                  ? 96 // as QTEST_MAIN sets it
                                  : qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
        const qreal pixels = qreal(board) * picture.width() / (board + 20);
        const int natural = qRound(pixels * dpi / screenDpi);
        QVERIFY2(qAbs(span - natural) <= 2,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(span).arg(natural)));
    } else {
        // Scaled down to the text, not below it: more than half the page's width.
        QVERIFY2(span > ink.pageSize.width() / 2, qPrintable(QString::number(span)));
    }
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
