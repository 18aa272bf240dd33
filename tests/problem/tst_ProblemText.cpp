#include "StderrCapture.h"

#include "BoardFixtures.h"
#include "items/CalculusDisplay.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "items/invConstant.h"
#include "problem/Eval.h"
#include "problem/ProblemText.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace
{
const QStringList kArg0{"0", "NULL", "NULL", "NULL"}, kArg1{"1", "NULL", "NULL", "NULL"};
}

class tst_ProblemText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void records();
    void positions_data();
    void positions();
    void roundTrip_data();
    void roundTrip();
    void failures_data();
    void failures();
    void settingsBeforeFirstComputation();
    void givenNamesReadBack_data();
    void givenNamesReadBack();
    void readingPublishesOnce();
    void fuzzReader();
};

void tst_ProblemText::records()
{
    // The fields of each record under their names, before any board is built.
    ProblemText parsed;
    QVERIFY(!parsed.read(text({line("SIZE"), line("CONSTANT", {}, {"2", "1", "3", "4", "5"})})));
    QCOMPARE(parsed.failureConsole, QStringLiteral("Problem : ERROR LOADING CONSTANT"));
    QCOMPARE(parsed.failureStandardError, QStringLiteral("Problem : ERROR LOADING CONSTANT."));
    QVERIFY(parsed.read(text({line("SIZE\tsize", {}, {}, "1\t0\t1\t1"), line("ABS", kArg0),
                              line("CONSTANT", kArg1, {"2", "1", "-1.5", "2e3"}),
                              line("OBJECTIVE", {"NULL", "NULL", "NULL", "2"}, {"maxmin"}),
                              line("E_Hilights", kArg1)},
                             "DESC\ttitle\tmore\ttext")));
    QVERIFY(parsed.described);
    QCOMPARE(parsed.title + '|' + parsed.description, QStringLiteral("title|more"));
    QCOMPARE(parsed.items.size(), 5);
    const ProblemText::Item &size = parsed.items[0], &abs = parsed.items[1];
    const ProblemText::Item &table = parsed.items[2], &z = parsed.items[3];
    QCOMPARE(size.givenName, QStringLiteral("size"));
    QVERIFY(size.inReport && !size.nodInReport && size.vecInReport && size.invertGraph);
    QCOMPARE(QPointF(size.x, size.y), QPointF(10, 20));
    QVERIFY(size.category == BuildCalculus::Category::Invariant);
    QVERIFY(abs.category == BuildCalculus::Category::Operator);
    QCOMPARE(abs.args[0], 0);
    QVERIFY(table.kind == ProblemText::Kind::Constant && table.category == BuildCalculus::Category::Unknown);
    QCOMPARE(table.args[0], 1);
    QCOMPARE(QPoint(table.rows, table.cols), QPoint(2, 1));
    QCOMPARE(table.values, (QVector<double>{-1.5, 2000}));
    QVERIFY(z.isObjective && z.minimise && z.maximise);
    QCOMPARE(QVector<int>(z.args, z.args + 4), (QVector<int>{-1, -1, -1, 2}));
    QVERIFY(parsed.items[4].kind == ProblemText::Kind::Information);
    // Without a description record the text is read to its end.
    QVERIFY(parsed.read(line("SIZE")));
    QVERIFY(!parsed.described && parsed.items.size() == 1);
}

// A position that is not a finite number reads as 0, as any other field that is no number.
void tst_ProblemText::positions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("read");
    QTest::newRow("number") << "-12.5" << -12.5;
    QTest::newRow("not a number") << "abc" << 0.0;
    for (const char *field : {"nan", "inf", "-inf", "1e400"})
        QTest::newRow(field) << field << 0.0;
}

void tst_ProblemText::positions()
{
    QFETCH(QString, field);
    QFETCH(double, read);
    ProblemText parsed;
    QVERIFY(parsed.read(
        text({QString("SIZE\t\t0\t0\t0\t0\t%1\t%1\tNULL\tNULL\tNULL\tNULL").arg(field)})));
    QCOMPARE(QPointF(parsed.items[0].x, parsed.items[0].y), QPointF(read, read));
}

void tst_ProblemText::roundTrip_data()
{
    QTest::addColumn<bool>("display");
    QTest::newRow("display board") << true;
    QTest::newRow("board without display") << false;
}

void tst_ProblemText::roundTrip()
{
    QFETCH(bool, display);
    Graph g("g", false);
    makePath(g, 5);
    QStringList table{"32", "32"}; // the largest table
    for (int k = 0; k < 32 * 32; ++k)
        table << (k == 2 ? "3.14159265" : QString::number(k * 0.5 - 7));
    const auto arg = [](const char *a, const char *b = "NULL") {
        return QStringList{a, b, "NULL", "NULL"};
    };
    Problem board(&g, "b", display);
    QVERIFY(board.openString(text(
        {line("SIZE", {}, {}, "1\t0\t0\t0"), line("DEGREES\tmy degrees", {}, {}, "0\t0\t0\t1"),
         line("CONSTANT\ttable", {}, table), line("ADJACENCY"), line("TREE"),
         line(">=", arg("0", "0")), line("Z\tobjective", arg("0"), {"maxmin"}),
         line("Z", arg("1"), {"max"}), line("Colors", arg("1")),
         line("Labels\tvertex labels", arg("1")), line("E_Labels", arg("3"))})));
    board.setTitle("A title");
    board.setDescription("first line\nsecond line");

    Problem second(&g, "second", display), third(&g, "third", display);
    // As the application wires it: every accepted argument republishes the board.
    connect(&g, &Graph::signal_best_graph_changed, &second, &Problem::slot_best_backup);
    QSignalSpy console(&second, &Problem::signal_console);
    QSignalSpy titles(&second, &Problem::signal_problem_title);
    QVERIFY(second.openString(board.saveString()));
    QCOMPARE(console.last().at(0).toString(), QStringLiteral("Problem loaded"));
    QCOMPARE(titles.last().at(0).toString(), QStringLiteral("A title"));
    QVERIFY(third.openString(second.saveString()));
    QCOMPARE(third.saveString(), second.saveString());
    // What the text carried, on the board read back (the constant at six digits).
    QCOMPARE(second.getDescription(), QStringLiteral("first line\nsecond line"));
    Calculus *readDegrees = second.getItems().at(1);
    QVERIFY(readDegrees->invertGraphFlag && second.getItems().at(0)->inReport());
    QCOMPARE(readDegrees->givenName, QStringLiteral("my degrees"));
    const Calculus *readTable = second.getItems().at(2);
    QCOMPARE(readTable->M[0][2] + readTable->M[31][31], 3.14159 + 504.5);
    QCOMPARE(second.getColors()->arg1, readDegrees);
    QCOMPARE(second.getConstraints().at(0)->formula(), QStringLiteral("SIZE(G) >= SIZE(G)"));
    // The same evaluation on the same graph (factors as a worker would set them).
    board.setOptFactors({1.0, -1.0});
    second.setOptFactors({1.0, -1.0});
    QCOMPARE(second.getOptimizationPattern(), (QVector<int>{0, -1}));
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
    // Most failures say the same on the console and on standard error; "*" marks a message
    // given with a leading star, "." one whose standard error copy ends with a full stop.
    auto row = [](const QString &record, QString console, const QString &how = QString()) {
        const QString err = (how.contains('*') ? "*" : "") + console +
                            (how.contains('.') ? ".\n" : "\n");
        if (how.contains('!'))
            console = "*" + console;
        QTest::newRow(qPrintable(record.left(60))) << record << console << err;
    };
    const QStringList fields{"SIZE", "", "0", "0", "0", "0", "10", "20"};
    for (int k = 2; k <= 9; ++k)
        QTest::newRow(qPrintable(QString("ends before field %1").arg(k)))
            << fields.mid(0, k - 1).join('\t') << "Critical error, missing argument."
            << "Critical error, missing argument" + QString(k - 1, '.') + "\n";
    row(QString(), "Critical error, missing argument.");
    for (const QStringList &args : {QStringList{"1", "NULL", "NULL", "NULL", "min"},
                                    {"-1", "NULL", "NULL", "NULL", "min"},
                                    {"NULL", "NULL", "NULL", "7", "min"},
                                    {"0"}, {"0", "NULL", "NULL"}, kArg0})
        row(line("Z", args), "Critical error, wrong argument for Z");
    row(line("SIZE", {"NULL", "NULL"}), "Critical error, wrong argument for SIZE");
    const QString wrongC = "Critical error, wrong argument for CONSTANT";
    const QStringList tail{"1", "1", "0"};
    row(line("CONSTANT", {"NULL"}), wrongC, "*!");
    row(line("CONSTANT", {"NULL", "NULL"}), wrongC, "*!");
    row(line("CONSTANT", {"5", "NULL", "NULL", "NULL"}, tail), wrongC, "*!");
    row(line("CONSTANT", {"NULL", "NULL", "1", "NULL"}, tail), wrongC, "*!");
    row(line("CONSTANT", {"NULL", "NULL", "NULL"}), wrongC, "*");
    row(line("CONSTANT", {"NULL", "NULL", "NULL", "1"}, tail), wrongC, "*");
    const QString loading = "Problem : ERROR LOADING CONSTANT";
    row(line("CONSTANT"), loading);
    row(line("CONSTANT", {}, {"1"}), loading);
    row(line("CONSTANT", {}, {"2", "2", "1", "2", "3"}), loading, ".");
    row(line("CONSTANT", {}, {"1", "2", "1", "2", "3"}), loading, ".");
    const QString invalid = "Critical error, invalid value in loading constant";
    for (const char *rows : {"33", "-1"})
        QTest::newRow(rows) << line("CONSTANT", {}, {rows, "1"}) << invalid + "." << invalid + "\n";
    row(line("CONSTANT", {}, {"1", "33"}), invalid + ".");
    // An entry of the items list naming itself would make the expression a cycle.
    row(line("ABS", kArg1), "Critical error, wrong argument for ABS");
    row(line("SIZE", kArg1), "Critical error, wrong argument for SIZE");
    // Indexes and constant values that are not numbers.
    for (const char *index : {"abc", "1x", ""})
        row(line("Z", {index, "NULL", "NULL", "NULL"}, {"min"}),
            "Critical error, wrong argument for Z");
    row(line("CONSTANT", {"NULL", "x", "NULL", "NULL"}, tail), wrongC, "*!");
    row(line("CONSTANT", {"NULL", "NULL", "NULL", "0x"}, tail), wrongC, "*");
    for (const char *value : {"abc", "1x", ""})
        row(line("CONSTANT", {}, {"1", "2", "1", value}), invalid + ".");
    QTest::newRow("rows not a number") << line("CONSTANT", {}, {"one", "1", "1"})
                                       << invalid + "." << invalid + "\n";
    row(line("CONSTANT", {}, {"1", "1x", "1"}), invalid + ".");
    QTest::newRow("unknown") << line("NOSUCHITEM")
                             << "NOSUCHITEM is not a valid name in problem description."
                             << "NOSUCHITEM unknown!!\nNOSUCHITEM is not a valid name in problem "
                                "description.\n";
}

void tst_ProblemText::failures()
{
    QFETCH(QString, record);
    QFETCH(QString, console);
    QFETCH(QString, standardError);
    Graph g("g", false);
    makePath(g, 4);
    Problem board(&g, "b", false);
    QVERIFY(board.openString(text({line("SIZE"), line("DEGREES", {}, {}, "1\t1\t0\t1"),
                                   line("Colors", kArg1)},
                                  "DESC\told title\told description")));
    const QString before = board.saveString();
    // The failing record comes after a good one, so a half-read board would show.
    QSignalSpy spy(&board, &Problem::signal_console);
    bool ok = true;
    const QByteArray err = captureStderr(
        [&] { ok = board.openString(text({line("ORDER"), record}, "DESC\tnew\tnew")); });
    QVERIFY(!ok);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QList<QVariant>{console, false, 0, QColor(Qt::red)}));
    QCOMPARE(QString::fromLocal8Bit(err), standardError);
    QCOMPARE(board.saveString(), before);
    QCOMPARE(board.getColors()->arg1, board.getItems().at(1));
    Eval e;
    board.eval(&e);
    QCOMPARE(e.value(0), 0.0);
}

void tst_ProblemText::settingsBeforeFirstComputation()
{
    // SIZE on the complement of P5 has 10 - 4 = 6 edges, already at the first evaluation;
    // Colors on the complement gives the degrees of P5's complement.
    Graph g("g", false);
    makePath(g, 5);
    Problem board(&g, "b", false);
    QVERIFY(board.openString(text({line("SIZE", {}, {}, "0\t0\t0\t1"), line("Z", kArg0, {"min"}),
                                   line("DEGREES"), line("Colors", kArg1, {}, "0\t0\t0\t1")})));
    Eval e;
    board.eval(&e);
    QCOMPARE(e.zvalue(0), 6.0);
    QCOMPARE(board.getColors()->getFirstCol(), (QVector<double>{1, 2, 2, 2, 1}));
}

void tst_ProblemText::givenNamesReadBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << "Degree list" << "Degree list";
    QTest::newRow("line feed") << "a\nb\n" << "a b ";
    QTest::newRow("every separator") << "<NEW>\t\n<NEW>" << "    ";
    QTest::newRow("separator around one") << "<NE<NEW>W>" << "<NE W>";
}

void tst_ProblemText::givenNamesReadBack()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Graph g("g", false);
    makePath(g, 4);
    for (bool display : {false, true}) {
        Problem board(&g, "b", display);
        QVERIFY(board.openString(text({line("SIZE"), line("DEGREES"), line("Z", kArg0, {"min"})})));
        board.getItems().at(0)->setGivenName(typed);
        if (display) { // the second name as typed or pasted into the item's dialog
            CalculusDisplay *dialog = board.getItems().at(1)->getCalculusDisplay();
            dialog->buildControls();
            auto *edit = dialog->findChild<QLineEdit *>();
            QVERIFY(edit);
            edit->setText(typed);
            board.update_display();
        } else {
            board.getItems().at(1)->setGivenName(typed);
        }
        const QString saved = board.saveString();
        Problem copy(&g, "copy", display);
        QVERIFY(copy.openString(saved));
        for (int i : {0, 1})
            QCOMPARE(copy.getItems().at(i)->givenName, kept);
        QCOMPARE(copy.getObjectives().at(0)->arg1, copy.getItems().at(0));
        QCOMPARE(copy.saveString(), saved);
    }
}

void tst_ProblemText::readingPublishesOnce()
{
    // As the application wires it, every argument taken republishes the board: the reading
    // publishes once, after the whole text is placed, whatever the number of links.
    Graph g("g", false);
    makePath(g, 6);
    Problem board(&g, "b", false);
    connect(&g, &Graph::signal_best_graph_changed, &board, &Problem::slot_best_backup);
    QStringList records{line("SIZE"), line("DEGMAX")};
    for (int k = 0; k < 40; ++k)
        records << line("Z", k % 2 ? kArg0 : kArg1, {"max"});
    records << line(">=", {"0", "1", "NULL", "NULL"}) << line("Colors", kArg1);
    QVERIFY(board.openString(text(records)));
    QCOMPARE(board.nbEvals(), 1);
    board.setOptFactors(QVector<double>(40, -1.0));
    Eval e;
    board.eval(&e);
    QCOMPARE(e.sizeZ(), 40);
    for (int k = 0; k < 40; ++k) // P6: 5 edges, largest degree 2
        QCOMPARE(e.zvalue(k), k % 2 ? -5.0 : -2.0);
    QCOMPARE(e.display().right(6), QStringLiteral("[0][0]"));
}

void tst_ProblemText::fuzzReader()
{
    Graph g("g", false);
    makePath(g, 6);
    Problem board(&g, "b", false);
    const QString seed = text({line("SIZE"), line("DEGREES", {}, {}, "1\t1\t0\t1"),
                               line("CONSTANT", kArg1, {"2", "3", "1", "2", "3", "4", "5", "6"}),
                               line("Z", kArg0, {"maxmin"}), line("Colors", kArg1),
                               line("E_Labels", {"2", "NULL", "NULL", "NULL"})},
                              "DESC\tfuzz\ttext");
    QVERIFY(board.openString(seed));
    const QStringList bits{"NULL", "33", "-1", "2147483648", "99999999999999999999", "1e308",
                           "nan", "", "\t", "<NEW>", "DESC", "CONSTANT", "Z", "Colors",
                           QString(QChar(0)), "0", "1", "32", "min"};
    int accepted = 0;
    const QByteArray noise = captureStderr([&] {
        for (int round = 0; round < 3000; ++round) {
            QStringList records = seed.split("<NEW>");
            for (int e = 1 + qrand() % 4; e > 0; --e) {
                const int r = qrand() % records.size();
                QStringList f = records[r].split('\t');
                const int i = qrand() % f.size(), j = qrand() % f.size();
                const QString bit = bits[qrand() % bits.size()];
                switch (qrand() % 7) {
                case 0: f.removeAt(i); break;
                case 1: f.swapItemsAt(i, j); break;
                case 2: f[i] = bit; break;
                case 3: f.insert(i, bit); break;
                case 4: f = f.mid(0, i); break;
                case 5: records.swapItemsAt(r, qrand() % records.size()); break;
                default: records.insert(r, records[qrand() % records.size()]); break;
                }
                records[r] = f.join('\t');
            }
            QString mutated = records.join("<NEW>");
            if (qrand() % 10 == 0)
                mutated.truncate(qrand() % (mutated.size() + 1));
            const QString before = board.saveString();
            if (board.openString(mutated)) { // whatever was accepted reads back to itself
                ++accepted;
                const QString written = board.saveString();
                Problem again(&g, "a", false);
                QVERIFY(again.openString(written));
                QCOMPARE(again.saveString(), written);
                Eval e;
                board.eval(&e);
            } else {
                QCOMPARE(board.saveString(), before);
            }
            if (round % 50 == 0) { // back to a rich board now and then
                QVERIFY(board.openString(seed));
                g.randomGraph(qrand() % 33);
            }
        }
    });
    QVERIFY(!noise.isEmpty());
    QVERIFY(accepted > 50 && accepted < 2950);
}

QTEST_MAIN(tst_ProblemText)
#include "tst_ProblemText.moc"
