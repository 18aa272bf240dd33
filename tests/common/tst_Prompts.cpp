#include "PresetPrompts.h"

#include <QtTest>

class tst_Prompts : public QObject
{
    Q_OBJECT
private slots:
    void saveNameGetsFilterSuffix_data();
    void saveNameGetsFilterSuffix();
};

void tst_Prompts::saveNameGetsFilterSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *tag, const char *name, const char *filter,
                        const char *expected) {
        QTest::newRow(tag) << QString(name) << QString(filter) << QString(expected);
    };
    const char *lists = "Graph lists (*.dmvx3);;graph6 (*.g6)";
    row("bare pattern", "/w/graphs1", "*.dmvx3", "/w/graphs1.dmvx3");
    row("named filter, first pattern", "/w/table", "Tables (*.txt *.csv)", "/w/table.txt");
    row("several filters, the first chosen", "/w/list", lists, "/w/list.dmvx3");
    row("suffix of another filter kept", "/w/list.g6", lists, "/w/list.g6");
    row("any suffix kept", "/w/plot.png", "*.pdf", "/w/plot.png");
    row("dot in the folder only", "/w/v1.2/report", "*.pdf", "/w/v1.2/report.pdf");
    row("trailing dot", "/w/report.", "*.pdf", "/w/report.pdf");
    row("cancelled stays empty", "", "*.pdf", "");
    row("all files", "/w/notes", "All files (*)", "/w/notes");
    row("wildcard suffix", "/w/notes", "*.t?t", "/w/notes");
    row("no filter", "/w/notes", "", "/w/notes");
}

void tst_Prompts::saveNameGetsFilterSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(Prompts::withFilterSuffix(name, filter), expected);
    // Preset answers take the same way as the dialog's, so callers' tests see the suffix.
    PresetPrompts prompts;
    prompts.files << name;
    QCOMPARE(Prompts::instance().saveFileName(nullptr, "Save", "/w", filter), expected);
    // Where no suffix is wanted, the name comes back as given.
    prompts.files << name;
    QCOMPARE(Prompts::instance().saveFileNameAsTyped(nullptr, "Save as", "/w", filter), name);
    QCOMPARE(prompts.asked, QStringList({"save: Save", "save: Save as"}));
}

QTEST_MAIN(tst_Prompts)
#include "tst_Prompts.moc"
