#include "items/CalculusDisplay.h"
#include "operators/OperatorItem.h"

#include "OperatorCases.h"

#include <QCheckBox>
#include <QtTest>

#include <thread>

class tst_OperatorItem : public QObject
{
    Q_OBJECT
private slots:
    void everyOperator_data();
    void everyOperator();
    void compute_data();
    void compute() { runCase(); }
    void graphicalItems();
    void tooltipFromWorkerThread();
    void nonFiniteArgumentsEnd();
};

void tst_OperatorItem::everyOperator_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("arity");
    QTest::addColumn<bool>("plainTexts"); // the descriptions differ only by line breaks
    const QStringList statistics = {
        "SUM",     "SUMCOL",   "SUMROW",      "MAX",           "MIN",           "MAXCOL",
        "MAXROW",  "NBVALUES", "VAR",         "EIGENVALUES",   "EIGENVECTORS",  "DETERMINANT",
        "INERTIA", "CHOLESKY", "LAPLACIANOF", "NORMALIZEMAT",  "DPALINDROMIC",  "ECORR",
        "MOMENT",  "ANGLE",    "CORR",        "EUCLIDIANDIST", "MANHATTANDIST", "SUMPRODUCT",
        "SUMGE",   "NBEQ"};
    const QStringList two = {
        "ANGLE", "CORR", "EUCLIDIANDIST", "MANHATTANDIST", "SUMPRODUCT", "SUMGE",  "+",  "-", ".*",
        "/",     "*",    "MMAX",          "MMIN",          "ADDCOLS",    "COLUMN", "ROW"};
    for (const QString &k : statistics + arithmeticKeywords) {
        const int arity = k == "IFGE"                      ? 4
                          : k == "NBEQ" || k == "VALUE AT" ? 3
                                                           : 1 + two.contains(k);
        QTest::newRow(qPrintable(k)) << k << arity << arithmeticKeywords.contains(k);
    }
}

// Type and descriptions, the error exit without argument on a path 0-1-2, the links refused
// beyond the arity, and the formula over every argument.
void tst_OperatorItem::everyOperator()
{
    QFETCH(QString, keyword);
    QFETCH(int, arity);
    QFETCH(bool, plainTexts);
    auto item = build(keyword);
    QVERIFY(item);
    QCOMPARE(item->getType(), QString("Operator"));
    QString text = item->textDocumentation();
    QVERIFY(text.startsWith(keyword + " : "));
    text = text.mid(keyword.size() + 3).chopped(1).replace("\n ", " ").replace("\n", " ");
    QVERIFY(!plainTexts || text == item->latexDocumentation());
    Graph g("G", false);
    draw(g, Board{3, {0, 1}});
    evaluate(g, {item.get()});
    if (keyword != "MOMENT") { // which weighs by the degrees without argument
        const QString missing =
            keyword == "DPALINDROMIC" ? "Missing argument" : "Missing arguments";
        QCOMPARE(item->formula(), QString("MISSING ARGUMENT"));
        QVERIFY(item->getError());
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->savedTooltip, missing);
        QCOMPARE(item->toolTip(), keyword == "NORMALIZEMAT" ? missing : QString());
    }
    const bool keepsOne = QStringList{"ANGLE", "CORR", "DPALINDROMIC", "ECORR"}.contains(keyword);
    QCOMPARE(item->getSRows(), keyword == "MOMENT" ? "n" : keepsOne ? "1" : "NA");
    ValueSource sources[4] = {ValueSource("P"), ValueSource("Q"), ValueSource("R"),
                              ValueSource("S")};
    QStringList formulas;
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(k == 1   ? item->setLink1(nullptr)
                 : k == 2 ? item->setLink2(nullptr)
                 : k == 3 ? item->setLink3(nullptr)
                          : item->setLink4(nullptr),
                 k <= arity);
        QCOMPARE(linkArgument(item.get(), k, &sources[k - 1]), k <= arity);
        if (k <= arity)
            formulas << sources[k - 1].formula();
    }
    QCOMPARE(item->formula(), keyword + "(" + formulas.join(",") + ")");
}

void tst_OperatorItem::compute_data()
{
    addCaseColumns();
    const Arg m2 = val(2, 2, {1, 2, 3, 4}, "n", "n"), m23 = val(2, 3, {1, 2, 3, 4, 5, 6}, "r", "c");
    const Arg empty = val(0, 0, {}), col = val(3, 1, {1, 2, 3}), asym = val(2, 2, {1, 2e-6, 0, 1});
    const Arg d13 = val(2, 2, {1, 0, 0, 3}, "n", "m"),
              d201 = val(3, 3, {2, 0, 0, 0, 0, 0, 0, 0, -1});
    const QString missing = "Missing arguments", nothing = "MISSING ARGUMENT";
    addCase("SUMCOL", {m2}, ok(1, 2, {4, 6}, "1", "n"));
    addCase("SUMROW", {m23}, ok(2, 1, {6, 15}, "r", "1"));
    addCase("SUMROW: empty", {empty}, failed("Argument error"));
    addCase("SUMGE: vector threshold", {val(1, 4, {1, 2, 3, 2 - 5e-7}), val(3, 1, {2, 9, 9})},
            ok(1, 1, {7 - 5e-7}));
    addCase("SUMGE: empty first", {val(0, 3, {})}, ok(1, 1, {0}).writes("SUMGE(SRC(G))"));
    addCase("SUMGE: second only", {unlinked, one(2)}, failed(missing).writes(nothing));
    addCase("NBEQ: tolerance", {val(3, 1, {0.4, -0.5, 0.6}), unlinked, one(0.5)},
            ok(1, 1, {1}).now().writes("NBEQ(SRC(G),SRC(G))"));
    addCase("NBEQ: column reference", {val(2, 2, {1, 1, 2, 5}), val(3, 1, {1, 2, 3}, "n", "1")},
            ok(3, 1, {2, 1, 0}, "n").now());
    addCase("NBVALUES", {val(1, 5, {1, 1, 2, 2, 3})}, ok(1, 1, {3}));
    addCase("VAR", {m2}, ok(1, 1, {1.25}));
    addCase("DPALINDROMIC", {val(1, 4, {1, 2, 3, 4})}, ok(1, 1, {4}));
    addCase("DPALINDROMIC: single", {one(4)}, failed("Argument 1 should be a vector", "1", "1"));
    addCase("DPALINDROMIC: matrix", {m2}, failed("The argument should be a vector", "1", "1"));
    addCase("CORR", {col, val(3, 1, {3, 2, 1})}, ok(1, 1, {10.0 / 14}).now());
    addCase("CORR: row vs column", {col, val(1, 3, {1, 2, 3})},
            failed("ARG SIZE DIFFER", "1", "1"));
    // The keyword is shown before the zero-norm test; the message waits for the next backup.
    addCase("CORR: zero", {one(0), one(5)},
            failed("NUMERICAL ERROR: DIV by 0", "1", "1").shows("CORR"));
    addCase("ANGLE: zero", {one(0), one(5)}, failed("NUMERICAL ERROR: DIV by 0", "1", "1"));
    addCase("CORR: first missing", {unlinked, col}, failed(missing, "1", "1").writes(nothing));
    addCase("CORR: argument in error", {col, inError}, failed("", "1", "1"));
    addCase("ANGLE: opposite", {col, val(3, 1, {-2, -4, -6})}, ok(1, 1, {M_PI}));
    // The cosine is clamped beyond 0.999999: (1, 1e-3) and (1, 0) have 1 - 5e-7.
    addCase("ANGLE: clamped", {val(2, 1, {1, 1e-3}), val(2, 1, {1, 0})}, ok(1, 1, {0}));
    addCase("ANGLE: below clamp", {val(2, 1, {1, 2e-3}), val(2, 1, {1, 0})},
            ok(1, 1, {std::atan(2e-3)}));
    addCase("ANGLE: norm product below 1e-6", {val(2, 1, {1e-4, 0}), val(2, 1, {0, 1e-3})},
            failed("NUMERICAL ERROR: DIV by 0", "1", "1"));
    addCase("ANGLE: matrix", {m2, m23}, failed("VECTORS NEEDED", "1", "1"));
    addCase("EUCLIDIANDIST", {col, val(3, 1, {4, 5, 6})}, ok(1, 1, {std::sqrt(27.0)}));
    addCase("SUMPRODUCT: differ", {m2, m23}, failed("ARG SIZE DIFFER"));
    // Spectral items: labels, shapes, messages ("symetric" and "simmetric" as they are shown).
    addCase("EIGENVALUES", {d13}, ok(2, 1, {3, 1}, "n", "1").labelled("Eigenvalues"));
    addCase("EIGENVALUES: 1x1", {one(2)}, failed("EIG needs a matrix as argument"));
    addCase("EIGENVALUES: 3x2", {val(3, 2, {1, 2, 3, 4, 5, 6})},
            failed("EIG needs a square matrix"));
    addCase("EIGENVALUES: asymmetric", {asym}, failed("EIG needs a symetric matrix").now());
    addCase("EIGENVALUES: not finite", {val(2, 2, {1, qQNaN(), qQNaN(), 1})},
            failed("EIG needs finite entries"));
    addCase("EIGENVECTORS", {d13}, ok(2, 2, {0, 1, 1, 0}, "n", "m").labelled("Eigenvectors"));
    addCase("EIGENVECTORS: asymmetric", {asym},
            failed("EIGENVECTORS needs a symetric matrix").now());
    addCase("DETERMINANT: negative zero", {d201}, ok(1, 1, {-0.0}));
    addCase("DETERMINANT: 2x3", {m23}, failed("DETERMINANT needs a square matrix"));
    addCase("INERTIA", {d201}, ok(1, 3, {1, 1, 1}, "1", "3").labelled("Inertia"));
    // Mirrored entries may differ by 1e-6; those that decompose refuse what is not finite.
    addCase("INERTIA: differ by 1e-6", {val(2, 2, {1, 1e-6, 0, 1})},
            ok(1, 3, {0, 0, 2}, "1", "3").labelled("Inertia"));
    const QString asymmetric = "INERTIA needs a symetric matrix",
                  infinite = "INERTIA needs finite entries";
    addCase("INERTIA: differ by 2e-6", {asym}, failed(asymmetric));
    addCase("INERTIA: late pair", {val(3, 3, {1, 0, 0, 0, 1, 5, 0, 4, 1})}, failed(asymmetric));
    addCase("INERTIA: inf against 0", {val(2, 2, {1, qInf(), 0, 1})}, failed(asymmetric));
    addCase("INERTIA: NaN diagonal", {val(2, 2, {qQNaN(), 0, 0, 1})}, failed(infinite));
    addCase("INERTIA: inf pair", {val(2, 2, {1, qInf(), qInf(), 1})}, failed(infinite));
    addCase("CHOLESKY", {val(2, 2, {4, 2, 2, 3}, "n", "m")},
            ok(2, 2, {2, 0, 1, std::sqrt(2.0)}, "n", "m").labelled("Cholesky"));
    // A first pivot 0, a second exactly 0, indefinite, negative.
    for (const QVector<double> &e :
         {QVector<double>{0, 1, 1, 0}, {1, 1, 1, 1}, {1, 2, 2, 1}, {-1, 0, 0, 1}})
        addCase(QString("CHOLESKY: %1 %2 %3 %4").arg(e[0]).arg(e[1]).arg(e[2]).arg(e[3]),
                {val(2, 2, e)}, failed("CHOLESKY matrix not positive definite").now());
    addCase("CHOLESKY: asymmetric", {asym}, failed("CHOLESKY needs a simmetric matrix"));
    // A zero off the diagonal gives -0.0.
    addCase("LAPLACIANOF", {val(3, 3, {5, 2, 0, 2, 5, 1, 0, 1, 5}, "n", "m")},
            ok(3, 3, {2, -2, -0.0, -2, 3, -1, -0.0, -1, 1}, "n", "n").labelled("LaplacianOf"));
    addCase("LAPLACIANOF: asymmetric", {asym}, failed("LAPLACIANOF needs a symetric matrix").now());
    addCase("LAPLACIANOF: inf against 0", {val(2, 2, {1, qInf(), 0, 1})},
            failed("LAPLACIANOF needs a symetric matrix").now());
    addCase("LAPLACIANOF: NaN passes", {val(2, 2, {0, 1, 1, qQNaN()})},
            ok(2, 2, {1, -1, -1, qQNaN()}, "NA", "NA").labelled("LaplacianOf"));
    // Items that read the graph.
    const Board path{3, {0, 1}}, noEdge{3, {}}, none{0, {}}, edge{2, {0}};
    const Arg degrees = val(3, 1, {1, 2, 1});
    addCase("ECORR", {degrees}, ok(1, 1, {-1}).now(), path);
    // Edges 0-1 and 2-3: X = (1,2,3,5), Y = (2,1,5,3), Sxx = Syy = 8.75, centred products 3.75.
    addCase("ECORR: two components", {val(4, 1, {1, 2, 3, 5})}, ok(1, 1, {3.0 / 7}).now(),
            Board{4, {0, 2}});
    addCase("ECORR: row", {val(1, 3, {1, 2, 1})},
            failed("COLUMN VECTOR NEEDED WITH n ENTRIES", "1", "1"), path);
    addCase("ECORR: no edge", {degrees}, Expected{true, "ECORR", 1, 1, "1", "1", {1}, true, {}, {}},
            noEdge);
    addCase("ECORR: n = 0", {val(0, 1, {})}, failed("Argument error", "1", "1"), none);
    addCase("MOMENT: weighted", {col}, ok(3, 1, {8, 4, 4}, "n").labelled(""), path);
    addCase("MOMENT: no argument, degrees", {}, ok(3, 1, {4, 2, 4}, "n").labelled(""), path);
    addCase("MOMENT: row, degrees", {val(1, 3, {1, 1, 1})}, ok(3, 1, {4, 2, 4}, "n").labelled(""),
            path);
    // The complement of the path: edge 0-2 and the isolated vertex 1.
    addCase("MOMENT: complement", {},
            Expected{true, "", 3, 1, "n", "1", {1, 2e12, 1}, false, "MOMENT(GBAR)", {}},
            Board{3, {0, 1}, true});
    addCase("MOMENT: n = 0", {}, ok(0, 1, {}, "n").labelled(""), none);
    // 1 / sqrt(v_i v_j) on the edges; a product <= 0 or a result not finite is refused.
    addCase("NORMALIZEMAT", {val(1, 2, {4, 1})}, ok(2, 2, {0, 0.5, 0.5, 0}, "n", "n"), edge);
    addCase("NORMALIZEMAT: both negative", {val(3, 1, {-1, -4, -9})},
            ok(3, 3, {0, 0.5, 0, 0.5, 0, 1.0 / 6, 0, 1.0 / 6, 0}, "n", "n"), path);
    addCase("NORMALIZEMAT: infinite, finite result", {val(3, 1, {qInf(), 1, 1})},
            ok(3, 3, {0, 0, 0, 0, 0, 1, 0, 1, 0}, "n", "n"), path);
    const QString products = "NORMALIZEMAT needs positive products on the edges";
    addCase("NORMALIZEMAT: zero end", {val(3, 1, {1, 0, 1})}, failed(products), path);
    addCase("NORMALIZEMAT: negative product", {val(3, 1, {1, -2, -3})}, failed(products), path);
    addCase("NORMALIZEMAT: underflow", {val(3, 1, {1e-200, 1e-200, 1})}, failed(products), path);
    // A longer vector gives its first n entries; a shorter one is refused.
    addCase("NORMALIZEMAT: long row", {val(1, 4, {1, 4, 9, -1})},
            ok(3, 3, {0, 0.5, 0, 0.5, 0, 1.0 / 6, 0, 1.0 / 6, 0}, "n", "n"), path);
    addCase("NORMALIZEMAT: long column", {val(4, 1, {4, 1, 0, 0})},
            ok(2, 2, {0, 0.5, 0.5, 0}, "n", "n"), edge);
    addCase("NORMALIZEMAT: 2x2", {m2}, failed("NORMALIZEMAT needs a vector as argument"), edge);
    addCase("NORMALIZEMAT: short column", {val(2, 1, {1, 1})},
            failed("NORMALIZEMAT needs a vector with at least n entries"), path);
    addCase("NORMALIZEMAT: short row", {val(1, 2, {1, 1})},
            failed("NORMALIZEMAT needs a vector with at least n entries"), path);
    addCase("NORMALIZEMAT: NaN", {val(2, 1, {qQNaN(), 1})}, failed(products), edge);
}

// Only MOMENT offers the complement; a new item lies within the first 200 x 200.
void tst_OperatorItem::graphicalItems()
{
    for (const char *keyword : {"MOMENT", "ECORR", "SUM"}) {
        auto item = build(keyword, true);
        QVERIFY(QRectF(0, 0, 200, 200).contains(item->pos()));
        bool enabled = false;
        item->getCalculusDisplay()->buildControls();
        for (QCheckBox *box : item->getCalculusDisplay()->findChildren<QCheckBox *>())
            enabled = enabled || (box->text() == "Complement" && box->isEnabled());
        QCOMPARE(enabled, QString(keyword) == "MOMENT");
    }
}

// A tool tip set by a computation in another thread reaches the item only through the GUI
// thread's event loop, and is dropped when the item is gone by then.
void tst_OperatorItem::tooltipFromWorkerThread()
{
    ValueSource source;
    source.value = val(2, 2, {1, 0, 0, 1});
    auto item = build("DETERMINANT", true);
    item->setArg1(&source);
    Graph g("G", false);
    draw(g, Board{});
    evaluate(g, {&source, item.get()});
    source.value = val(2, 2, {1, 5, 0, 1});
    const QString before = item->toolTip(), refused = "DETERMINANT needs a symetric matrix";
    QVERIFY(before != refused);
    for (const bool dropped : {false, true}) {
        g.changeBest();
        source.compute(true);
        // std::thread, whose join the thread sanitizer sees, unlike QThread::wait.
        std::thread([&item] { item->compute(true); }).join();
        QVERIFY(item->getError());
        QCOMPARE(item->toolTip(), dropped ? refused : before);
        if (dropped)
            item.reset(); // the queued change then finds no item
        QCoreApplication::processEvents();
        QVERIFY(dropped || item->toolTip() == refused);
    }
}

// Every operator ends on arguments full of NaN or infinities; those that decompose refuse them.
void tst_OperatorItem::nonFiniteArgumentsEnd()
{
    const QStringList decomposing = {"EIGENVALUES", "EIGENVECTORS", "DETERMINANT", "INERTIA",
                                     "CHOLESKY"};
    Graph g("G", false);
    draw(g, Board{4, {0, 1, 2}});
    for (const double bad : {qQNaN(), qInf()}) {
        for (const int cols : {1, 4}) {
            ValueSource a;
            a.value = val(4, cols, QVector<double>(4 * cols, bad));
            a.value.entries[0] = 1; // not constant, and symmetric when square
            int seen = 0;
            for (const QString &keyword : BuildCalculus::registeredKeywords()) {
                auto item = build(keyword);
                if (!dynamic_cast<OperatorItem *>(item.get()))
                    continue;
                ++seen;
                for (int k = 1; k <= 3; ++k)
                    linkArgument(item.get(), k, &a);
                evaluate(g, {&a, item.get()});
                QVERIFY(item->rows >= 0 && item->rows <= 32 && item->cols >= 0 && item->cols <= 32);
                if (cols == 4 && decomposing.contains(keyword))
                    QCOMPARE(item->savedTooltip, (keyword == "EIGENVALUES" ? "EIG" : keyword) +
                                                     " needs finite entries");
            }
            QCOMPARE(seen, 50);
        }
    }
}

QTEST_MAIN(tst_OperatorItem)
#include "tst_OperatorItem.moc"
