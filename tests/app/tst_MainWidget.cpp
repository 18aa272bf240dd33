#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "GraphFixtures.h"
#include "Patience.h"
#include "PresetPrompts.h"
#include "ReadCutShort.h"
#include "ReadOnlyFolder.h"

#include "app/BoardWindow.h"
#include "app/Console.h"
#include "app/GraphWindow.h"
#include "app/MainWidget.h"
#include "common/ProgressBar.h"
#include "app/Report.h"
#include "app/SettingsStore.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjectureWidget.h"
#include "conjectures/ConjecturesDisplay.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "optimizer/VNS.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolBar>
#include <QToolBox>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

/// An inspector over a settings store and a working directory of its own, started at once.
struct Shell {
    const BuildCalculus &catalogue;
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<MainWidget> w;
    explicit Shell(const BuildCalculus &c) : catalogue(c)
    {
        settings.reset(new SettingsStore(dir.filePath("settings.ini")));
        settings->setValue("wd", dir.path());
        start();
    }
    void start() { w.reset(new MainWidget(&catalogue, settings.get())); }
    QString file(const QString &name) const { return dir.filePath(name); }
};

QTreeWidgetItem *entry(QTreeWidget *tree, const QString &keyword)
{
    const auto found = tree->findItems(keyword, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

/// "maximise SIZE", with ORDER beside it, built through the catalogue tree and the board's
/// link action.
void maxSize(MainWidget &w)
{
    QTreeWidget *tree = w.catalogueTree();
    for (const char *k : {"ORDER", "SIZE", "MAXIMIZE"})
        emit tree->itemActivated(entry(tree, k), 0);
    Problem *board = w.board();
    board->slot_unselect_all();
    board->getItems().first()->select(true); // SIZE went in front of ORDER
    board->getObjectives().first()->select(true);
    w.boardWindow()->action("Link as argument 1")->trigger();
}

/// Counts a signal in the GUI thread, whichever thread emits it (a QSignalSpy would count in the
/// emitting thread).
struct Count : QObject {
    int n = 0;
    template <class Signal> Count(VNSManager *m, Signal s)
    {
        connect(m, s, this, [this] { ++n; });
    }
};

/// Paths, stars and complete graphs of 4 to 8 vertices: ORDER and SIZE then give relations
/// (SIZE >= ORDER - 1 among them) with many graphs on the boundary.
QStringList smallFamilies()
{
    QStringList list;
    for (int n = 4; n <= 8; ++n) {
        BitGraph star = fromEdges(n, {}), complete = star;
        for (int i = 1; i < n; ++i)
            for (int j = 0; j < i; ++j)
                complete.addEdge(i, j), star.addEdge(i, 0);
        list << toGraphString(pathGraph(n)) << toGraphString(star) << toGraphString(complete);
    }
    return list;
}

/// ORDER and SIZE as the columns of the graph-values explorer.
void reportOrderAndSize(MainWidget &w)
{
    for (Calculus *c : w.board()->getItems())
        c->setInReport(true);
}

/// Fills the graph-values explorer from a graph list file; false when the table did not come.
bool fillGraphExplorer(Shell &shell, const QStringList &graphs)
{
    const QString name = shell.file("list.dmvx3");
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write((graphs.join('\n') + '\n').toLatin1());
    f.close();
    AnalystWidget *explorer = shell.w->explorer(MainWidget::GraphValues).explorer;
    QSignalSpy ready(explorer, &AnalystWidget::signal_table_ready);
    return explorer->loadGraphFile(name) && ready.wait(kPatienceMs) &&
           explorer->analyst()->nbRows() == graphs.size();
}

/// The push button of that text within `w`, or null.
QPushButton *button(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

bool idle(ConjectureWidget *panel)
{
    return button(panel, "Search")->isEnabled() && !button(panel, "Cancel")->isEnabled();
}

/// The graph an autosave wrote into `folder`; empty when none can be read there.
QString autosavedGraph(const QString &folder)
{
    Graph written("written", false);
    written.setWD(folder);
    return written.autoload() ? written.graphData() : QString();
}

/// Red console lines that report an autosave failure.
int autosaveFailureLines(MainWidget &w)
{
    int n = 0;
    QTextDocument *doc = w.console()->findChild<QPlainTextEdit *>()->document();
    for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next())
        n += b.text().startsWith("Autosave failed") &&
             b.begin().fragment().charFormat().foreground().color() == QColor(Qt::red);
    return n;
}

} // namespace

class tst_MainWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void restore_data();
    void restore();
    void restoreSurvivesCrash_data();
    void restoreSurvivesCrash();
    void autosaveFailures_data();
    void autosaveFailures();
    void chooseWorkingDirectory_data();
    void chooseWorkingDirectory();
    void settingsStoreFailure_data();
    void settingsStoreFailure();
    void settingsStoreUnderFileSizeLimit();
    void storeReadFails_data();
    void storeReadFails();
    void missingWorkingDirectory_data();
    void missingWorkingDirectory();
    void graphNotNamedKeptAside_data();
    void graphNotNamedKeptAside();
    void linkedAutosaveKeptAside();
    void keepAsideRefused_data();
    void keepAsideRefused();
    void chooseWhileStoreCannotBeSaved();
    void fileReadCutShort_data();
    void fileReadCutShort();
    void problemColumns_data();
    void problemColumns();
    void autosaveContents();
    void runWithoutProblemWarns();
    void optimization_data();
    void optimization();
    void haltEndsEveryWorker();
    void lockedDuringRun_data();
    void lockedDuringRun();
    void explorerSets_data();
    void explorerSets();
    void reportHoldsConjectures();
    void reportUnderFileSizeLimit();
    void clearDuringConjectureSearch();
    void quitDuringConjectureSearch_data();
    void quitDuringConjectureSearch();
    void graphCommands_data();
    void graphCommands();
    void relabelTest();
    void layout_data();
    void layout();
    void orders_data();
    void orders();
    void backupRefresh();

    void init()
    {
        prompts.reset(new PresetPrompts);
        shell.reset(new Shell(catalogue));
    }
    void cleanup()
    {
        shell.reset();
        prompts.reset();
    }

private:
    BuildCalculus catalogue;
    std::unique_ptr<PresetPrompts> prompts;
    std::unique_ptr<Shell> shell;
};

void tst_MainWidget::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qsrand(1234);
}

void tst_MainWidget::restore_data()
{
    QTest::addColumn<bool>("reload");
    QTest::addColumn<bool>("unknownItem");     // an unknown item line among the valid ones
    QTest::addColumn<QByteArray>("graphFile"); // replaces .mvxgr when not empty
    QTest::addColumn<bool>("earlierCopies");   // kept copies of an earlier start lie there
    QTest::addColumn<bool>("boardBack");
    QTest::addColumn<bool>("graphBack");
    QTest::addColumn<QStringList>("kept");
    const QByteArray badGraph("3\n7\nNode 1\t0\n");
    QTest::newRow("reload") << true << false << QByteArray() << false << true << true
                            << QStringList();
    QTest::newRow("reload off") << false << true << badGraph << false << false << false
                                << QStringList();
    // The graph is not tried without its board, and is kept with it.
    QTest::newRow("unknown item") << true << true << QByteArray() << false << false << false
                                  << QStringList{".mvxpb.unrestored", ".mvxgr.unrestored"};
    QTest::newRow("corrupt graph")
        << true << false << badGraph << false << true << false << QStringList{".mvxgr.unrestored"};
    QTest::newRow("earlier copies") << true << true << QByteArray() << true << false << false
                                    << QStringList{".mvxpb.unrestored.2", ".mvxgr.unrestored.2"};
}

void tst_MainWidget::restore()
{
    QFETCH(bool, reload);
    QFETCH(bool, unknownItem);
    QFETCH(QByteArray, graphFile);
    QFETCH(bool, earlierCopies);
    QFETCH(bool, boardBack);
    QFETCH(bool, graphBack);
    QFETCH(QStringList, kept);
    maxSize(*shell->w);
    shell->w->board()->slot_set_title("Triangle-free");
    const QString graph = "5 1011001110";
    shell->w->graph()->loadmvx(graph, true);
    shell->w->slot_autosave();
    const QString problem = shell->w->board()->saveString();
    shell->w.reset();

    auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile out(shell->file(name));
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(bytes) == bytes.size();
    };
    if (unknownItem) {
        QByteArray text = fileBytes::readAll(shell->file(".mvxpb"));
        text.insert(text.indexOf("<NEW>") + 5,
                    "NO_SUCH_ITEM\t\t0\t0\t0\t0\t1\t2\tNULL\tNULL\tNULL\tNULL<NEW>");
        QVERIFY(write(".mvxpb", text));
    }
    if (!graphFile.isEmpty())
        QVERIFY(write(".mvxgr", graphFile));
    for (const char *earlier : {".mvxpb.unrestored", ".mvxgr.unrestored"})
        QVERIFY(!earlierCopies || write(earlier, "earlier"));
    const QByteArray original[2] = {fileBytes::readAll(shell->file(".mvxpb")),
                                    fileBytes::readAll(shell->file(".mvxgr"))};
    shell->settings->setValue("reload", reload);
    shell->start();
    MainWidget &w = *shell->w;
    QCOMPARE(w.board()->getItems().size(), boardBack ? 2 : 0);
    QCOMPARE(w.board()->getObjectives().size(), boardBack ? 1 : 0);
    if (boardBack)
        QCOMPARE(w.board()->saveString(), problem);
    QCOMPARE(w.graph()->graphData() == graph, graphBack);
    if (!graphBack)
        QCOMPARE(w.graph()->getNbNodes(), 10); // a new graph's default
    const bool failed = reload && !(boardBack && graphBack);
    QCOMPARE(prompts->messages.size(), failed ? 1 : 0);
    if (failed) {
        // The warning says what came back, and where what did not is kept.
        const QString warning = prompts->messages.first();
        QCOMPARE(warning.contains("the white board was restored"), boardBack);
        for (const QString &k : kept)
            QVERIFY2(warning.contains(QDir::toNativeSeparators(shell->file(k))),
                     qPrintable(warning));
    }
    QCOMPARE(w.workingDirectory(), shell->dir.path());
    QCOMPARE(w.board()->getWD(), shell->dir.path());
    QCOMPARE(w.graph()->getWD(), shell->dir.path());
    QCOMPARE(shell->settings->value("runs").toInt(), 2);

    // The kept copies survive the autosaves that follow, byte for byte.
    QVERIFY(w.slot_autosave());
    for (const QString &k : kept)
        QCOMPARE(fileBytes::readAll(shell->file(k)), original[k.startsWith(".mvxgr")]);
    for (const char *earlier : {".mvxpb.unrestored", ".mvxgr.unrestored"})
        QVERIFY(!earlierCopies || fileBytes::readAll(shell->file(earlier)) == "earlier");
}

void tst_MainWidget::restoreSurvivesCrash_data()
{
    QTest::addColumn<int>("crashes");
    QTest::addColumn<bool>("fromDisk"); // the next start reads the store as the crash left it
    QTest::newRow("one crash") << 1 << false;
    QTest::newRow("two crashes in a row") << 2 << false;
    QTest::newRow("store as on disk") << 1 << true;
}

void tst_MainWidget::restoreSurvivesCrash()
{
    QFETCH(int, crashes);
    QFETCH(bool, fromDisk);
    maxSize(*shell->w);
    const QString graph = "5 1011001110";
    shell->w->graph()->loadmvx(graph, true);
    QVERIFY(shell->w->slot_autosave());
    // The cells of the graph file; the vertex positions follow the layout of each start.
    auto cells = [this] { return fileBytes::readAll(shell->file(".mvxgr")).split('\n').last(); };
    const QByteArray graphCells = cells();
    for (int k = 0; k < crashes; ++k) {
        shell->start();
        QCOMPARE(shell->w->graph()->graphData(), graph);
        // Gone without quitting, before the first autosave.
        shell->w.reset();
        if (fromDisk) {
            const QString copy = shell->file(QString("crash%1.ini").arg(k));
            QVERIFY(QFile::copy(shell->settings->fileName(), copy));
            shell->settings.reset(new SettingsStore(copy));
        }
    }
    shell->start();
    QCOMPARE(shell->w->graph()->graphData(), graph);
    QCOMPARE(shell->settings->value("graph").toString(), graph);
    QVERIFY(prompts->messages.isEmpty());
    QVERIFY(shell->w->slot_autosave());
    QCOMPARE(cells(), graphCells);
}

void tst_MainWidget::autosaveFailures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("autosave file a directory") << "directory";
    QTest::newRow("working directory a file") << "file";
    QTest::newRow("disk full") << "full";
}

void tst_MainWidget::autosaveFailures()
{
    QFETCH(QString, fault);
    MainWidget &w = *shell->w;
    maxSize(w);
    QVERIFY(QDir(shell->dir.path()).mkdir("wd"));
    const QString wd = shell->file("wd");
    prompts->files << wd;
    w.slot_choose_wd();
    QCOMPARE(w.workingDirectory(), wd);
    std::unique_ptr<FileSizeLimit> limit;
    // Broken once chosen: a folder that cannot take the working state is not chosen.
    auto breakAutosave = [&](bool broken) {
        limit.reset(); // the limit in force goes before a new one reads it
        QFile::remove(wd + "/.mvxpb");
        QDir(wd).rmdir(".mvxpb");
        if (broken && fault == "directory")
            QDir(wd).mkdir(".mvxpb");
        if (fault == "file") {
            QFile::remove(wd);
            QVERIFY(QDir(wd).removeRecursively());
            QVERIFY(broken ? QFile(wd).open(QIODevice::WriteOnly) : QDir().mkdir(wd));
        }
        if (broken && fault == "full")
            limit.reset(new FileSizeLimit(16));
    };
    auto autosave = [&](bool broken) {
        breakAutosave(broken);
        return w.slot_autosave();
    };
    auto redLines = [&] { return autosaveFailureLines(w); };
    // Said once for a run of failures, again after a success; the directory is kept.
    QVERIFY(!autosave(true));
    QVERIFY(!autosave(true));
    QCOMPARE(redLines(), 1);
    QVERIFY(w.console()->text().contains(QDir::toNativeSeparators(wd + "/.mvxpb")));
    QCOMPARE(w.board()->getWD(), wd);
    QCOMPARE(w.graph()->getWD(), wd);
    QVERIFY(autosave(false));
    QCOMPARE(fileBytes::readAll(wd + "/.mvxpb"), w.board()->saveString().toLatin1());
    QVERIFY(!autosave(true));
    QCOMPARE(redLines(), 2);

    // Quitting with the save failing asks whether to quit all the same; no stays.
    prompts->answers << true << false << true;
    QVERIFY(!w.quit());
    QCOMPARE(prompts->asked.filter("question").size(), 2);
    QVERIFY(w.autosaveTimer()->isActive());
    breakAutosave(false);
    QVERIFY(w.quit());
    QCOMPARE(prompts->asked.filter("question").size(), 3);
}

void tst_MainWidget::chooseWorkingDirectory_data()
{
    QTest::addColumn<QString>("chosen"); // in the working directory; empty for itself
    QTest::addColumn<bool>("taken");
    QTest::newRow("a folder holding an earlier state") << "earlier" << true;
    QTest::newRow("the working directory again") << "" << true;
    QTest::newRow("below a plain file") << "plain/wd" << false;
    QTest::newRow("not there") << "gone" << false;
}

/// Chosen through the page's button, a folder holds the working state before the store names
/// it: a start over the store as it is on disk, as after a kill with no autosave since, finds the
/// state the user was working on. A folder that cannot take it is refused, and named nowhere.
void tst_MainWidget::chooseWorkingDirectory()
{
    QFETCH(QString, chosen);
    QFETCH(bool, taken);
    MainWidget &w = *shell->w;
    maxSize(w);
    w.board()->slot_set_title("Earlier");
    QVERIFY(QDir(shell->dir.path()).mkdir("earlier"));
    QVERIFY(fileBytes::writeAll(shell->file("earlier/.mvxpb"), w.board()->saveString().toLatin1()));
    QVERIFY(QFile(shell->file("plain")).open(QIODevice::WriteOnly));
    w.board()->slot_set_title("Ticked");
    QVERIFY(w.slot_autosave());
    const QString ticked[2] = {w.board()->saveString(), w.graph()->graphData()};
    w.board()->slot_set_title("Current");
    w.graph()->loadmvx("5 1011001110", true);
    const QString current[2] = {w.board()->saveString(), w.graph()->graphData()};
    const QString wd = chosen.isEmpty() ? shell->dir.path() : shell->file(chosen);
    const QString kept = taken ? wd : shell->dir.path();

    QPushButton *choose = button(&w, "Choose...");
    QVERIFY(choose);
    prompts->files << wd;
    w.findChild<QToolBox *>()->setCurrentWidget(choose->parentWidget());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(choose, Qt::LeftButton);
    QCOMPARE(prompts->files.size(), 0);
    QCOMPARE(prompts->messages.size(), taken ? 0 : 1);
    if (!taken)
        QVERIFY2(prompts->messages[0].contains(QDir::toNativeSeparators(wd)) &&
                     prompts->messages[0].contains(QDir::toNativeSeparators(kept)),
                 qPrintable(prompts->messages[0]));
    QCOMPARE(w.workingDirectory(), kept);
    QCOMPARE(w.board()->getWD(), kept);
    QCOMPARE(w.graph()->getWD(), kept);
    if (taken)
        QCOMPARE(QString::fromLatin1(fileBytes::readAll(wd + "/.mvxpb")), current[0]);
    else
        QVERIFY(!QFileInfo::exists(shell->file("gone")) &&
                QFileInfo(shell->file("plain")).size() == 0);

    SettingsStore store(shell->settings->fileName());
    QCOMPARE(store.value("wd").toString(), kept);
    MainWidget again(&catalogue, &store);
    QCOMPARE(again.workingDirectory(), kept);
    QCOMPARE(again.board()->saveString(), taken ? current[0] : ticked[0]);
    QCOMPARE(again.graph()->graphData(), taken ? current[1] : ticked[1]);
    QCOMPARE(prompts->messages.size(), taken ? 0 : 1);
}

void tst_MainWidget::settingsStoreFailure_data()
{
    QTest::addColumn<QString>("ini");
    QTest::newRow("below a plain file") << "plain/settings.ini";
    QTest::newRow("a directory") << "store.ini";
}

void tst_MainWidget::settingsStoreFailure()
{
    QFETCH(QString, ini);
    QVERIFY(QFile(shell->file("plain")).open(QIODevice::WriteOnly));
    QVERIFY(QDir(shell->dir.path()).mkdir("store.ini"));
    shell->w.reset();
    shell->settings.reset(new SettingsStore(shell->file(ini)));
    shell->settings->setValue("wd", shell->dir.path());
    shell->start();
    MainWidget &w = *shell->w;
    maxSize(w);

    // The autosave files are written; the store is the one failure, said once.
    QVERIFY(!w.slot_autosave());
    QVERIFY(!w.slot_autosave());
    QCOMPARE(autosaveFailureLines(w), 1);
    QVERIFY2(w.console()->text().contains(QDir::toNativeSeparators(shell->file(ini))),
             qPrintable(w.console()->text()));
    QCOMPARE(fileBytes::readAll(shell->file(".mvxpb")), w.board()->saveString().toLatin1());

    // Quitting asks whether to quit all the same; no stays.
    prompts->answers << true << false << true;
    QVERIFY(!w.quit());
    QCOMPARE(prompts->asked.filter("question").size(), 2);
    QVERIFY(w.autosaveTimer()->isActive());

    // A store that can be written again is seen so.
    QVERIFY(QFile::remove(shell->file("plain")) && QDir(shell->dir.path()).mkdir("plain"));
    QVERIFY(QDir(shell->dir.path()).rmdir("store.ini"));
    QVERIFY(w.quit());
    QCOMPARE(prompts->asked.filter("question").size(), 3);
    QVERIFY(fileBytes::readAll(shell->file(ini)).contains("problem="));
}

/// A store that no longer fits under a file size limit (a long key of the user's among the
/// shell's) is not cut short and answered as saved: every write of it fails and says so, the
/// store stays as it was, a working directory it cannot record is refused, and what was set is
/// saved once the store can be written again.
void tst_MainWidget::settingsStoreUnderFileSizeLimit()
{
    const QString store = shell->settings->fileName();
    const QString notes(3000, QLatin1Char('n'));
    shell->settings->setValue("user/notes", notes);
    MainWidget &w = *shell->w;
    maxSize(w);
    QVERIFY(w.slot_autosave());
    const QString problem = w.board()->saveString();
    const QByteArray before = fileBytes::readAll(store);
    QVERIFY(before.size() > 3000);
    const QStringList files =
        QDir(shell->dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY(QDir(shell->dir.path()).mkdir("wd"));
    const QString wd = shell->file("wd");
    auto redLines = [&](const char *start) {
        int n = 0;
        for (const QString &line : w.console()->text().split('\n'))
            n += line.startsWith(start) && line.contains(QDir::toNativeSeparators(store));
        return n;
    };
    QCheckBox *reload = w.findChild<QCheckBox *>("reload");
    QVERIFY(reload && reload->isChecked());
    {
        FileSizeLimit limit(2048);
        QVERIFY(limit.ok);
        prompts->files << wd;
        w.slot_choose_wd();
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY2(prompts->messages[0].contains(QDir::toNativeSeparators(store)) &&
                     prompts->messages[0].contains("File too large"),
                 qPrintable(prompts->messages[0]));
        QCOMPARE(w.workingDirectory(), shell->dir.path());
        QCOMPARE(QDir(wd).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        reload->click();
        reload->click();
        QCOMPARE(redLines("Saving the settings failed"), 2);
        QVERIFY(!w.slot_autosave());
        QCOMPARE(redLines("Autosave failed"), 1);
        QCOMPARE(autosaveFailureLines(w), 1);
        QCOMPARE(fileBytes::readAll(store), before);
        // Nothing of the attempts is left beside the store.
        QCOMPARE(QDir(shell->dir.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 files + QStringList{"wd"});
    }
    QVERIFY(w.slot_autosave());
    shell->w.reset();
    shell->settings.reset(new SettingsStore(store));
    QVERIFY(fileBytes::readAll(store).contains("reload=true"));
    shell->start();
    QCOMPARE(shell->w->workingDirectory(), shell->dir.path());
    QVERIFY(shell->w->findChild<QCheckBox *>("reload")->isChecked());
    QCOMPARE(shell->w->board()->saveString(), problem);
    QCOMPARE(shell->settings->value("user/notes").toString(), notes);
    QCOMPARE(prompts->messages.size(), 1);
}

void tst_MainWidget::storeReadFails_data()
{
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("answered no") << false;
    QTest::newRow("answered yes") << true;
}

/// A start that cannot read its store whole asks before anything is restored or written. Going on
/// without it writes nothing over the working state, even once the fault has passed; reading it
/// again then restores as usual.
void tst_MainWidget::storeReadFails()
{
    QFETCH(bool, readAgain);
    maxSize(*shell->w);
    shell->w->board()->slot_set_title("R(3,5) triangle-free, alpha<=4");
    QVERIFY(shell->w->slot_autosave());
    const QString problem = shell->w->board()->saveString(), store = shell->settings->fileName();
    shell->w.reset();
    shell->settings.reset();
    const QStringList files{store, shell->file(".mvxpb"), shell->file(".mvxgr")};
    QList<QByteArray> stored;
    for (const QString &f : files)
        stored << fileBytes::readAll(f);
    // The fault passes as the question is asked.
    std::unique_ptr<ReadCutShort> cut(new ReadCutShort("/settings\\.ini$", 40));
    shell->settings.reset(new SettingsStore(store));
    prompts->beforeAnswer = [&] { cut.reset(); };
    prompts->answers << readAgain;
    shell->start();
    MainWidget &w = *shell->w;
    QCOMPARE(prompts->questions.size(), 1);
    QVERIFY2(prompts->questions[0].contains(QDir::toNativeSeparators(store)) &&
                 prompts->questions[0].contains("Input/output error"),
             qPrintable(prompts->questions[0]));
    if (readAgain) {
        QCOMPARE(w.board()->saveString(), problem);
        QCOMPARE(shell->settings->value("runs").toInt(), 2);
        QVERIFY(w.slot_autosave());
        return;
    }
    QCOMPARE(w.board()->getItems().size(), 0);
    QVERIFY(w.console()->text().contains("nothing of its working state is saved"));
    QVERIFY(!w.slot_autosave());
    QCOMPARE(autosaveFailureLines(w), 0);
    // No working directory can be chosen, and quitting asks.
    QVERIFY(QDir(shell->dir.path()).mkdir("chosen"));
    prompts->files << shell->file("chosen");
    const QString wd = w.workingDirectory();
    w.slot_choose_wd();
    QCOMPARE(prompts->messages.size(), 1);
    QVERIFY(prompts->messages[0].contains(QDir::toNativeSeparators(store)));
    QCOMPARE(w.workingDirectory(), wd);
    QVERIFY(QDir(shell->file("chosen"))
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    prompts->answers << true << true;
    QVERIFY(w.quit());
    QCOMPARE(prompts->questions.size(), 3);
    QVERIFY(prompts->questions[2].contains(QDir::toNativeSeparators(store)));
    shell->w.reset();
    shell->settings.reset();
    for (int k = 0; k < files.size(); ++k)
        QCOMPARE(fileBytes::readAll(files[k]), stored[k]);
}

void tst_MainWidget::missingWorkingDirectory_data()
{
    QTest::addColumn<bool>("throughLink"); // met by a choice of it through a link, else a tick
    // An empty folder at its name at the start, "ticked" when a tick writes into it before it
    // makes way; else none.
    QTest::addColumn<QString>("emptyThere");
    // How the state comes back: "folder" renamed to its name; "bytes" copied into the ticked
    // files in place, their device and inode kept (as a second drive, or a file given a freed
    // inode); "last byte", the ticked files' last byte changed in place (the run's size, and
    // all but the end of its bytes); "none", the ticked files only copied anew over themselves
    // (as a remount).
    QTest::addColumn<QString>("back");
    QTest::newRow("met by the autosave") << false << "" << "folder";
    QTest::newRow("chosen through a link") << true << "" << "folder";
    // As a drive mounted on the folder after the start.
    QTest::newRow("an empty folder at the start, the state's renamed to its name later")
        << false << "empty" << "folder";
    QTest::newRow("an empty folder at the start and ticked, the state's renamed to its name")
        << false << "ticked" << "folder";
    QTest::newRow("ticked, the state's bytes written into its files in place")
        << false << "ticked" << "bytes";
    QTest::newRow("ticked, its own files changed in the last byte") << false << "ticked"
                                                                    << "last byte";
    QTest::newRow("ticked, its own files copied anew over themselves") << false << "ticked"
                                                                       << "none";
}

/// A working directory not there at the start (a drive mounted late) holds, once back, a state
/// that start did not read: the first write there keeps it aside, once, whatever name reaches it.
void tst_MainWidget::missingWorkingDirectory()
{
    QFETCH(bool, throughLink);
    QFETCH(QString, emptyThere);
    QFETCH(QString, back);
    const QString wd = shell->file("A2"), away = shell->file("away"), link = shell->file("L2");
    QVERIFY(QDir().mkdir(wd));
    prompts->files << wd;
    maxSize(*shell->w);
    shell->w->slot_choose_wd();
    QCOMPARE(shell->w->workingDirectory(), wd);
    QByteArray earlier[2] = {fileBytes::readAll(wd + "/.mvxpb"),
                             fileBytes::readAll(wd + "/.mvxgr")};
    shell->w.reset();
    QVERIFY(QDir().rename(wd, away));
    QVERIFY(emptyThere.isEmpty() || QDir().mkdir(wd));
    shell->start();
    MainWidget &w = *shell->w;
    QCOMPARE(prompts->messages.size(), 1);
    QCOMPARE(w.board()->getItems().size(), 0);
    QVERIFY(emptyThere != "ticked" || w.slot_autosave());
    const QString names[2] = {"/.mvxpb", "/.mvxgr"};
    if (back == "folder") {
        QVERIFY(emptyThere.isEmpty() || QDir().rename(wd, shell->file("mount point")));
        QVERIFY(QDir().rename(away, wd));
    } else {
        for (int k : {0, 1}) {
            const QString f = wd + names[k];
            if (back == "last byte") {
                earlier[k] = fileBytes::readAll(f);
                QVERIFY(!earlier[k].isEmpty());
                earlier[k].back() = earlier[k].back() == 'x' ? 'y' : 'x';
            }
            struct stat before, after;
            QVERIFY(::stat(QFile::encodeName(f).constData(), &before) == 0);
            QVERIFY(back != "none" ? fileBytes::writeAll(f, earlier[k])
                                   : QFile::copy(f, f + "~") &&
                                         std::rename(QFile::encodeName(f + "~").constData(),
                                                     QFile::encodeName(f).constData()) == 0);
            QVERIFY(::stat(QFile::encodeName(f).constData(), &after) == 0);
            QCOMPARE(after.st_ino == before.st_ino, back != "none");
        }
    }
    if (back == "none") {
        const QString console = w.console()->text();
        QVERIFY(w.slot_autosave());
        QCOMPARE(w.console()->text(), console);
        for (const QString &f : names)
            QVERIFY(!QFileInfo::exists(wd + f + ".unrestored"));
        return;
    }
    if (throughLink) {
        QVERIFY(QFile::link(wd, link));
        prompts->files << link;
        w.slot_choose_wd();
        QCOMPARE(w.workingDirectory(), link);
        QCOMPARE(prompts->messages.size(), 1);
    }
    QVERIFY(w.slot_autosave());
    const QString console = w.console()->text();
    for (const QString &f : {QString(".mvxpb"), QString(".mvxgr")}) {
        const QString kept = wd + "/" + f + ".unrestored";
        QCOMPARE(fileBytes::readAll(kept), earlier[f == ".mvxgr"]);
        const QString said = (throughLink ? link : wd) + "/" + f + ".unrestored";
        QVERIFY2(console.count(QDir::toNativeSeparators(said) + ".") == 1, qPrintable(console));
    }
    QCOMPARE(fileBytes::readAll(wd + "/.mvxpb"), w.board()->saveString().toLatin1());
    QVERIFY(w.slot_autosave());
    QVERIFY(!QFileInfo::exists(wd + "/.mvxpb.unrestored.2"));
    QVERIFY(!QFileInfo::exists(wd + "/.mvxgr.unrestored.2"));
    QCOMPARE(w.console()->text(), console);
}

void tst_MainWidget::graphNotNamedKeptAside_data()
{
    QTest::addColumn<bool>("boardBack");
    QTest::addColumn<bool>("graphThere");
    // The working directory the store names and the one chosen before the first tick, as names
    // within the shell's folder: "." the folder itself, "link" a link to it, "sub/./.." the
    // folder again, "other/lnk/.." too, through a link to "sub" (the system's "..", not the
    // text's); none chosen when empty.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("board restored") << true << true << "." << "";
    QTest::newRow("board not restored either") << false << true << "." << "";
    QTest::newRow("its folder chosen through a link") << true << true << "." << "link";
    QTest::newRow("its folder chosen with . and ..") << true << true << "." << "sub/./..";
    QTest::newRow("a link stored, the folder chosen") << true << true << "link" << ".";
    QTest::newRow("a link and .. stored, the folder chosen") << true << true << "other/lnk/.."
                                                             << ".";
    QTest::newRow("no graph file") << true << false << "." << "";
}

/// A start cut off between its two saves leaves a store that names the problem and no graph: the
/// next start does not read the graph file, nor write over it, under whatever name it reaches it.
void tst_MainWidget::graphNotNamedKeptAside()
{
    QFETCH(bool, boardBack);
    QFETCH(bool, graphThere);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QVERIFY(QFile::link(shell->dir.path(), shell->file("link")));
    QVERIFY(QDir().mkdir(shell->file("sub")));
    QVERIFY(QDir().mkdir(shell->file("other")));
    QVERIFY(QFile::link(shell->file("sub"), shell->file("other/lnk")));
    const auto reach = [&](const QString &name) {
        return name == "." ? shell->dir.path() : shell->file(name);
    };
    maxSize(*shell->w);
    shell->w->graph()->loadmvx("5 1011001110", true);
    QVERIFY(shell->w->slot_autosave());
    shell->w.reset();
    if (!boardBack)
        QVERIFY(fileBytes::writeAll(shell->file(".mvxpb"), "not a problem"));
    if (!graphThere)
        QVERIFY(QFile::remove(shell->file(".mvxgr")));
    const QByteArray graphFile = fileBytes::readAll(shell->file(".mvxgr"));
    shell->settings->setValue("graph", QString());
    shell->settings->setValue("wd", reach(stored));
    shell->start();
    MainWidget &w = *shell->w;
    QCOMPARE(w.board()->getItems().size(), boardBack ? 2 : 0);
    QCOMPARE(w.graph()->getNbNodes(), 10); // a new graph's default
    QCOMPARE(prompts->messages.size(), boardBack ? 0 : 1);
    QCOMPARE(fileBytes::readAll(shell->file(".mvxgr")), graphFile);
    const QString kept = shell->file(".mvxgr.unrestored");
    if (!chosen.isEmpty()) {
        prompts->files << reach(chosen);
        w.slot_choose_wd();
        QCOMPARE(prompts->messages.size(), boardBack ? 0 : 1);
        QCOMPARE(w.workingDirectory(), reach(chosen));
    }
    QVERIFY(w.slot_autosave());
    const QString said = QDir::toNativeSeparators(
        (chosen.isEmpty() ? reach(stored) : reach(chosen)) + "/.mvxgr.unrestored");
    QCOMPARE(QFileInfo::exists(kept), graphThere);
    QCOMPARE(w.console()->text().contains(said), graphThere);
    QCOMPARE(fileBytes::readAll(kept), graphFile);
    Graph written("written", false);
    written.setWD(shell->dir.path());
    QVERIFY(written.autoload());
    QCOMPARE(written.graphData(), w.graph()->graphData());
    // Kept once: what this run wrote is its own.
    QVERIFY(w.slot_autosave());
    QVERIFY(!QFileInfo::exists(kept + ".2"));
}

/// Where the autosave name is a link, the bytes it leads to are what is kept aside, beside them;
/// the link stays as the user made it, and a later choice of their folder writes over nothing
/// kept.
void tst_MainWidget::linkedAutosaveKeptAside()
{
    maxSize(*shell->w);
    shell->w->graph()->loadmvx("5 1011001110", true);
    QVERIFY(shell->w->slot_autosave());
    shell->w.reset();
    const QString other = shell->file("other"), graphFile = shell->file(".mvxgr");
    QVERIFY(QDir().mkdir(other) && QFile::rename(graphFile, other + "/.mvxgr"));
    QVERIFY(symlink("other/.mvxgr", QFile::encodeName(graphFile).constData()) == 0);
    const QByteArray graph = fileBytes::readAll(other + "/.mvxgr");
    shell->settings->setValue("graph", QString());
    shell->start();
    MainWidget &w = *shell->w;
    QCOMPARE(w.board()->getItems().size(), 2);
    QVERIFY(w.slot_autosave());
    const QString kept = QFileInfo(other).canonicalFilePath() + "/.mvxgr.unrestored";
    QCOMPARE(fileBytes::readAll(kept), graph);
    QVERIFY(QFileInfo(graphFile).isSymLink());
    QCOMPARE(QFileInfo(graphFile).symLinkTarget(), QFileInfo(other + "/.mvxgr").absoluteFilePath());
    QVERIFY2(w.console()->text().contains(QDir::toNativeSeparators(kept)),
             qPrintable(w.console()->text()));
    prompts->files << other;
    w.slot_choose_wd();
    QCOMPARE(w.workingDirectory(), other);
    QVERIFY(w.slot_autosave());
    QCOMPARE(fileBytes::readAll(kept), graph);
    QCOMPARE(autosavedGraph(other), w.graph()->graphData());
    QVERIFY2(w.console()->text().count("did not restore or last write: it is kept as") == 1,
             qPrintable(w.console()->text()));
    QVERIFY(!QFileInfo::exists(kept + ".2") && !QFileInfo::exists(graphFile + ".unrestored"));
}

void tst_MainWidget::keepAsideRefused_data()
{
    QTest::addColumn<QString>("readOnly"); // "wd" the working directory, or the folder "files"
    QTest::addColumn<bool>("links");       // the working directory's autosave names lead into files
    QTest::addColumn<bool>("atStart");     // the start keeps both aside, else the first tick the
                                           // graph the store does not name
    QTest::newRow("a read-only folder at the start, writable later") << "wd" << false << true;
    QTest::newRow("links into a read-only folder") << "files" << true << false;
    QTest::newRow("links in a read-only folder into a writable one") << "wd" << true << false;
}

/// A file the start did not read that cannot be moved aside yet is not written over: the autosave
/// fails and says so, and the first write once it can be moved keeps it aside. Moving it needs
/// the folder that holds the bytes, not the one that holds a link to them.
void tst_MainWidget::keepAsideRefused()
{
    QFETCH(QString, readOnly);
    QFETCH(bool, links);
    QFETCH(bool, atStart);
    const QString wd = shell->file("wd"), files = shell->file("files");
    QVERIFY(QDir().mkdir(wd) && QDir().mkdir(files));
    maxSize(*shell->w);
    shell->w->graph()->loadmvx("5 1011001110", true);
    prompts->files << wd;
    shell->w->slot_choose_wd();
    QCOMPARE(shell->w->workingDirectory(), wd);
    shell->w.reset();
    const QStringList names{"/.mvxpb", "/.mvxgr"};
    for (const QString &name : names)
        QVERIFY(!links ||
                (QFile::rename(wd + name, files + name) && QFile::link(files + name, wd + name)));
    const QString held = links ? QFileInfo(files).canonicalFilePath() : wd;
    if (atStart)
        QVERIFY(fileBytes::writeAll(held + "/.mvxpb", "not a problem"));
    else
        shell->settings->setValue("graph", QString());
    const QByteArray bytes[2] = {fileBytes::readAll(held + names[0]),
                                 fileBytes::readAll(held + names[1])};
    std::unique_ptr<ReadOnlyFolder> refusing(new ReadOnlyFolder(readOnly == "wd" ? wd : files));
    shell->start();
    MainWidget &w = *shell->w;
    const bool refused = atStart || readOnly == "files";
    if (atStart) {
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY2(prompts->messages[0].contains("could not be kept aside"),
                 qPrintable(prompts->messages[0]));
    } else {
        QCOMPARE(w.slot_autosave(), !refused);
        QCOMPARE(autosaveFailureLines(w), refused ? 1 : 0);
        QVERIFY(!refused || w.console()->text().contains(QDir::toNativeSeparators(wd + names[1])));
        if (refused)
            QCOMPARE(fileBytes::readAll(held + names[1]), bytes[1]);
        else
            QCOMPARE(autosavedGraph(held), w.graph()->graphData());
    }
    refusing.reset();
    QVERIFY(w.slot_autosave());
    QCOMPARE(fileBytes::readAll(held + "/.mvxgr.unrestored"), bytes[1]);
    QCOMPARE(QFileInfo::exists(held + "/.mvxpb.unrestored"), atStart);
    QVERIFY(!atStart || fileBytes::readAll(held + "/.mvxpb.unrestored") == bytes[0]);
    for (const QString &name : names)
        QCOMPARE(QFileInfo(wd + name).isSymLink(), links);
    QVERIFY(w.slot_autosave());
    QVERIFY(!QFileInfo::exists(held + "/.mvxgr.unrestored.2"));
}

/// A choice of working directory that the store cannot record is refused: the folder is put back,
/// and the store keeps naming the old one.
void tst_MainWidget::chooseWhileStoreCannotBeSaved()
{
    MainWidget &w = *shell->w;
    maxSize(w);
    QVERIFY(w.slot_autosave());
    const QString store = shell->settings->fileName(), wd = shell->file("chosen");
    QVERIFY(QDir().mkdir(wd) && fileBytes::writeAll(wd + "/.mvxpb", "earlier"));
    // A user's entry where a save makes its folder.
    QVERIFY(fileBytes::writeAll(store + ".saving", "mine"));
    prompts->files << wd;
    w.slot_choose_wd();
    QCOMPARE(prompts->messages.size(), 1);
    QVERIFY2(prompts->messages[0].contains(QDir::toNativeSeparators(store)),
             qPrintable(prompts->messages[0]));
    QCOMPARE(w.workingDirectory(), shell->dir.path());
    QCOMPARE(w.board()->getWD(), shell->dir.path());
    QCOMPARE(w.graph()->getWD(), shell->dir.path());
    QCOMPARE(fileBytes::readAll(wd + "/.mvxpb"), QByteArray("earlier"));
    QVERIFY(!QFileInfo::exists(wd + "/.mvxgr"));
    QVERIFY(QFile::remove(store + ".saving"));
    QVERIFY(w.slot_autosave());
    QCOMPARE(SettingsStore(store).value("wd").toString(), shell->dir.path());
}

void tst_MainWidget::fileReadCutShort_data()
{
    QTest::addColumn<QString>("file"); // in the working directory
    QTest::addColumn<bool>("atStart"); // restored at the start, else opened
    QTest::newRow("problem restored at the start") << ".mvxpb" << true;
    QTest::newRow("problem opened") << "p.mvx3" << false;
    QTest::newRow("graph restored at the start") << ".mvxgr" << true;
    QTest::newRow("graph opened") << "g.gmvx3" << false;
}

/// A problem or graph file whose read an I/O error cuts short is one that cannot be read, never a
/// shorter problem (a title cut) or graph.
void tst_MainWidget::fileReadCutShort()
{
    QFETCH(QString, file);
    QFETCH(bool, atStart);
    maxSize(*shell->w);
    shell->w->board()->slot_set_title("R(3,5) triangle-free, alpha<=4");
    shell->w->graph()->loadmvx("5 1011001110", true);
    QVERIFY(shell->w->slot_autosave());
    QVERIFY(QFile::copy(shell->file(".mvxpb"), shell->file("p.mvx3")));
    QVERIFY(shell->w->graph()->save(shell->file("g.gmvx3")));
    const QString path = shell->file(file);
    const bool graph = file == ".mvxgr" || file == "g.gmvx3";
    const QByteArray bytes = fileBytes::readAll(path);
    shell->w->board()->slot_set_title("Other");
    shell->w->graph()->loadmvx("4 110011", true);
    const QString before[2] = {shell->w->board()->saveString(), shell->w->graph()->graphData()};
    ReadCutShort cut(QRegularExpression::escape(path) + "$", bytes.size() - 7);
    if (atStart) {
        shell->w.reset();
        shell->start();
        QCOMPARE(shell->w->board()->getItems().isEmpty(), !graph);
        QCOMPARE(fileBytes::readAll(path + ".unrestored"), bytes);
    } else {
        prompts->files << path;
        graph ? shell->w->graph()->slot_open() : shell->w->board()->slot_open();
        QCOMPARE(shell->w->board()->saveString(), before[0]);
        QCOMPARE(shell->w->graph()->graphData(), before[1]);
        // As for a file that cannot be opened at all.
        QVERIFY2(prompts->messages.first().startsWith("Cannot open"),
                 qPrintable(prompts->messages.first()));
        return;
    }
    QCOMPARE(prompts->messages.size(), 1);
}

void tst_MainWidget::problemColumns_data()
{
    QTest::addColumn<bool>("restore");    // restored at start-up, else opened from a file
    QTest::addColumn<bool>("withGraphs"); // the graph-values table holds rows before
    QTest::newRow("open into empty tables") << false << false;
    QTest::newRow("open over graphs") << false << true;
    QTest::newRow("restore at start-up") << true << false;
}

void tst_MainWidget::problemColumns()
{
    QFETCH(bool, restore);
    QFETCH(bool, withGraphs);
    maxSize(*shell->w);
    reportOrderAndSize(*shell->w);
    QStringList names[2];
    for (int k : {MainWidget::GraphValues, MainWidget::VertexValues})
        names[k] = shell->w->board()->getReportNames(k == MainWidget::VertexValues);
    QCOMPARE(names[MainWidget::GraphValues].size(), 2);
    const QString problem = shell->file("columns.mvx3");
    QVERIFY(shell->w->board()->save(problem));
    QVERIFY(shell->w->slot_autosave());
    shell->w.reset();
    shell->settings->setValue("reload", restore);
    shell->start();
    MainWidget &w = *shell->w;
    const QStringList graphs = smallFamilies();
    if (!restore) {
        if (withGraphs)
            QVERIFY(fillGraphExplorer(*shell, graphs));
        for (int k : {MainWidget::GraphValues, MainWidget::VertexValues})
            QVERIFY(w.explorer(k).explorer->analyst()->getHeader().isEmpty());
        prompts->files << problem;
        w.boardWindow()->action("Open problem")->trigger();
        QCOMPARE(w.board()->getFileName(), problem);
    }
    for (int k : {MainWidget::GraphValues, MainWidget::VertexValues}) {
        const MainWidget::Explorer &e = w.explorer(k);
        QTRY_VERIFY_WITH_TIMEOUT(!e.explorer->isBuilding(), kPatienceMs);
        QCOMPARE(e.explorer->analyst()->getHeader(), names[k]);
        QCOMPARE(e.settings->getPatterns().size(), names[k].size());
    }
    QCOMPARE(w.explorer(MainWidget::GraphValues).explorer->analyst()->nbRows(),
             withGraphs ? graphs.size() : 0);
}

void tst_MainWidget::autosaveContents()
{
    MainWidget &w = *shell->w;
    QVERIFY(w.autosaveTimer()->isActive());
    QCOMPARE(w.autosaveTimer()->interval(), 60000);
    maxSize(w);
    w.graph()->loadmvx("4 110100", true);
    w.slot_autosave();
    const QString problem = w.board()->saveString();
    QVERIFY(problem.contains("SIZE"));
    QCOMPARE(shell->settings->value("problem").toString(), problem);
    QCOMPARE(shell->settings->value("graph").toString(), QStringLiteral("4 110100"));
    QCOMPARE(QString::fromLatin1(fileBytes::readAll(shell->file(".mvxpb"))), problem);
    // The graph file: count line, counter line, four vertex lines, then the 4 x 4 cells of
    // the star centred on vertex 0.
    const QList<QByteArray> lines = fileBytes::readAll(shell->file(".mvxgr")).split('\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QByteArray("4"));
    QCOMPARE(lines[6], QByteArray("0\t1\t1\t1\t1\t0\t0\t0\t1\t0\t0\t0\t1\t0\t0\t0\t"));
}

void tst_MainWidget::runWithoutProblemWarns()
{
    QSignalSpy jobs(shell->w->manager(), &VNSManager::signal_nb_jobs);
    emit shell->w->catalogueTree()->itemActivated(entry(shell->w->catalogueTree(), "ORDER"), 0);
    shell->w->runAction()->trigger();
    QCOMPARE(prompts->messages, QStringList{"No problem to optimize."});
    // The graph view's R key asks the same.
    QTest::keyClick(shell->w->graph(), Qt::Key_R);
    QCOMPARE(prompts->messages.size(), 2);
    QCOMPARE(jobs.count(), 0);
    QVERIFY(!shell->w->manager()->isRunning());
}

void tst_MainWidget::optimization_data()
{
    QTest::addColumn<bool>("autoAdd");
    QTest::newRow("auto add") << true;
    QTest::newRow("add by hand") << false;
}

void tst_MainWidget::optimization()
{
    QFETCH(bool, autoAdd);
    MainWidget &w = *shell->w;
    maxSize(w);
    reportOrderAndSize(w);
    w.findChild<QSpinBox *>("n min")->setValue(5);
    w.findChild<QSpinBox *>("n max")->setValue(6);
    w.findChild<QSpinBox *>("Optimization time (sec 0:infty)")->setValue(1);
    w.findChild<QCheckBox *>("Auto add Graphs")->setChecked(autoAdd);
    VNSManager *m = w.manager();
    Count starts(m, &VNSManager::signal_optimization_starts);
    Count complete(m, &VNSManager::signal_optimization_complete);
    Count ready(m, &VNSManager::signal_graphs_ready);

    w.runAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(starts.n, 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.board()->isEnabled(), 20000);
    const QList<bool> locked = {w.catalogueTree()->isEnabled(), w.graph()->isEnabled(),
                                w.runAction()->isEnabled(),
                                w.boardWindow()->action("Link as argument 1")->isEnabled(),
                                w.boardWindow()->action("Open problem")->isEnabled()};
    QCOMPARE(locked, QList<bool>({false, false, false, false, false}));
    QVERIFY(!w.board()->getObjectives().first()->getCalculusDisplay()->isEnabled());
    QVERIFY(w.haltAction()->isEnabled());
    QCOMPARE(w.progressBar()->nbBars(), 2);
    AnalystWidget *graphs = w.explorer(MainWidget::GraphValues).explorer;
    AnalystWidget *vertices = w.explorer(MainWidget::VertexValues).explorer;
    // The explorers read no file while workers publish into the board.
    QVERIFY(!graphs->loadGraphFile(shell->file("list.dmvx3")));

    QTRY_COMPARE_WITH_TIMEOUT(complete.n, 1, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(w.board()->isEnabled(), 20000);
    QVERIFY(w.catalogueTree()->isEnabled() && w.runAction()->isEnabled());
    QVERIFY(w.board()->getObjectives().first()->getCalculusDisplay()->isEnabled());
    for (int b = 0; b < 2; ++b) {
        QProgressBar *bar = w.progressBar()->bar(b);
        QVERIFY(bar->value() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }
    // Maximising the size finds the complete graph of each order.
    const QStringList found = w.dataLoader()->graphs();
    QVERIFY(found.contains("5 1111111111"));
    QVERIFY(found.contains("6 111111111111111"));
    const int best = w.graph()->getNbBestNodes();
    QVERIFY(best == 5 || best == 6);

    auto *add = w.findChild<QPushButton *>("Add graphs");
    auto *waiting = w.findChild<QLabel *>("graphs waiting");
    QTRY_COMPARE(ready.n, autoAdd ? 1 : 0);
    if (!autoAdd) {
        // The button comes last of the run's signals: the tables have seen all the others.
        QTRY_VERIFY(add->isEnabled());
        QCOMPARE(waiting->text(), QStringLiteral("%1 graphs waiting").arg(found.size()));
        QVERIFY(graphs->graphs().isEmpty() && graphs->analyst()->nbRows() == 0);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(ready.n, 1);
    }
    QTRY_COMPARE(waiting->text(), QStringLiteral("0 graphs waiting"));
    QVERIFY(!add->isEnabled());

    // Every graph found reaches both explorers; the graph-values table has one row per graph
    // with that graph's own order and size.
    QTRY_COMPARE_WITH_TIMEOUT(graphs->analyst()->nbRows(), found.size(), kPatienceMs);
    QTRY_COMPARE_WITH_TIMEOUT(vertices->graphs(), found, kPatienceMs);
    QCOMPARE(graphs->graphs(), found);
    Analyst *table = graphs->analyst();
    const int order = table->getHeader().indexOf("ORDER");
    const int size = table->getHeader().indexOf("SIZE");
    QVERIFY2(order >= 0 && size >= 0, qPrintable(table->getHeader().join(' ')));
    for (int r = 0; r < table->nbRows(); ++r) {
        const QString g = found.value(table->graphNo(r) - 1);
        QCOMPARE(table->getLine(r)[order], g.section(' ', 0, 0).toDouble());
        QCOMPARE(table->getLine(r)[size], double(g.section(' ', 1).count('1')));
    }
}

void tst_MainWidget::haltEndsEveryWorker()
{
    MainWidget &w = *shell->w;
    maxSize(w);
    w.findChild<QSpinBox *>("n min")->setValue(8);
    w.findChild<QSpinBox *>("n max")->setValue(11);
    // No time limit: only Halt ends the jobs.
    w.findChild<QSpinBox *>("Optimization time (sec 0:infty)")->setValue(0);
    VNSManager *m = w.manager();
    QCOMPARE(m->getMaxTime(), qint64(INT_MAX) * 1000);
    Count starts(m, &VNSManager::signal_optimization_starts);
    Count complete(m, &VNSManager::signal_optimization_complete);
    w.runAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(starts.n, 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(m->worker(3)->isJobActive(), 20000);
    w.haltAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(complete.n, 1, 60000);
    QVERIFY(m->wait(60000));
    for (int t = 0; t < 4; ++t) {
        QVERIFY(m->worker(t)->wait(60000));
        QVERIFY(!m->worker(t)->isJobActive());
    }
    QTRY_VERIFY(w.board()->isEnabled());
}

void tst_MainWidget::lockedDuringRun_data()
{
    QTest::addColumn<QString>("control"); // a button's text, else what the row names
    QTest::addColumn<bool>("locked");
    for (const char *edits : {"Add to white board", "Load", "Shuffle (relabel)", "Test relabelling",
                              "Restore", "Exchange", "Clear database"})
        QTest::newRow(edits) << edits << true;
    for (const char *reads : {"Save", "Refresh", "Lay out", "Backup", "Open results explorer"})
        QTest::newRow(reads) << reads << false;
    QTest::newRow("backup view") << "backup view" << true;
    QTest::newRow("backup window Restore") << "backup window Restore" << true;
    QTest::newRow("backup window Backup") << "backup window Backup" << false;
    QTest::newRow("graph window Complement") << "graph window Complement" << true;
    QTest::newRow("Halt") << "Halt" << false;
}

// What edits the board or the main graph is disabled from the start of a run to its end.
void tst_MainWidget::lockedDuringRun()
{
    QFETCH(QString, control);
    QFETCH(bool, locked);
    MainWidget &w = *shell->w;
    auto enabled = [&]() -> bool {
        if (control == "backup view")
            return w.backupGraph()->isEnabled();
        if (control == "Halt")
            return w.haltAction()->isEnabled();
        for (GraphWindow *window : {w.graphWindow(), w.backupWindow()}) {
            const QString prefix = window == w.graphWindow() ? "graph window " : "backup window ";
            if (control.startsWith(prefix))
                for (QAction *a : window->toolBar()->actions())
                    if (a->text() == control.mid(prefix.size()))
                        return a->isEnabled();
        }
        auto *b = w.findChild<QPushButton *>(control);
        return b && b->isEnabled();
    };
    QVERIFY(enabled());
    w.slot_optimization_starts();
    QCOMPARE(enabled(), !locked);
    w.slot_optimization_complete();
    QVERIFY(enabled());
}

void tst_MainWidget::explorerSets_data()
{
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<QStringList>("vertexValues");
    QTest::addColumn<int>("graphColumns");
    QTest::addColumn<int>("vertexColumns");
    QTest::newRow("nothing reported") << QStringList() << QStringList() << 0 << 0;
    QTest::newRow("order and size") << QStringList{"ORDER", "SIZE"} << QStringList() << 2 << 2;
    // Every vertex row repeats its graph's values; a vertex value is one column per vertex
    // of the 4-vertex graph among the graph values.
    QTest::newRow("degrees per vertex")
        << QStringList{"ORDER", "DEGREES"} << QStringList{"DEGREES"} << 5 << 2;
}

void tst_MainWidget::explorerSets()
{
    QFETCH(QStringList, reported);
    QFETCH(QStringList, vertexValues);
    QFETCH(int, graphColumns);
    QFETCH(int, vertexColumns);
    MainWidget &w = *shell->w;
    QTabWidget *window = w.explorerWindow();
    for (int k : {MainWidget::GraphValues, MainWidget::VertexValues}) {
        const MainWidget::Explorer &e = w.explorer(k);
        QCOMPARE(window->widget(k), static_cast<QWidget *>(e.explorer));
        QVERIFY(e.explorer->isAncestorOf(e.panel));
        QVERIFY(!e.settings->parentWidget() && !e.display->parentWidget());
    }

    w.graph()->loadmvx("4 110100", true);
    for (const char *k : {"ORDER", "SIZE", "DEGREES"})
        w.slot_add_item(k);
    for (Calculus *c : w.board()->getItems()) {
        c->setInReport(reported.contains(c->name));
        c->setNodInReport(vertexValues.contains(c->name));
    }
    QTest::mouseClick(w.findChild<QPushButton *>("Clear database"), Qt::LeftButton);
    const int columns[2] = {graphColumns, vertexColumns};
    for (int k : {MainWidget::GraphValues, MainWidget::VertexValues}) {
        const MainWidget::Explorer &e = w.explorer(k);
        const QStringList names = w.board()->getReportNames(k == MainWidget::VertexValues);
        QCOMPARE(names.size(), columns[k]);
        QCOMPARE(e.explorer->analyst()->getHeader(), names);
        // Every column change resets the settings' rows to "Both", one per column.
        QCOMPARE(e.settings->getPatterns(), QVector<int>(columns[k], 0));
    }
}

void tst_MainWidget::reportHoldsConjectures()
{
    MainWidget &w = *shell->w;
    w.console()->setVerbosity(6);
    maxSize(w);
    reportOrderAndSize(w);
    const QStringList graphs = smallFamilies();
    QVERIFY(fillGraphExplorer(*shell, graphs));
    QVERIFY(w.console()->text().contains(QStringLiteral("%1 graphs read").arg(graphs.size())));
    // Space in the graph view steps through the graph-values table.
    QTest::keyClick(w.graph(), Qt::Key_Space);
    QCOMPARE(w.graph()->graphData(), graphs[0]);
    QTest::keyClick(w.graph(), Qt::Key_Space);
    QCOMPARE(w.graph()->graphData(), graphs[1]);

    const MainWidget::Explorer &e = w.explorer(MainWidget::GraphValues);
    e.panel->setEngineLimit(300);
    e.panel->setEngineSeed(11);
    QTest::mouseClick(button(e.panel, "Search"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(idle(e.panel), kPatienceMs);
    const QStringList relations =
        e.display->getConjectures().split('\n', QString::SkipEmptyParts);
    QVERIFY(!relations.isEmpty());
    w.report()->show(); // as the tool bar opens it
    const QString report = w.report()->toPlainText();
    for (const QString &r : relations) {
        QVERIFY2(report.contains(r), qPrintable(r));
        QVERIFY2(w.console()->text().contains(r), qPrintable(r));
    }

    // A cleared table gives its graph numbers out again: the relations naming them go too.
    QTest::mouseClick(w.findChild<QPushButton *>("Clear database"), Qt::LeftButton);
    QCOMPARE(e.explorer->analyst()->nbRows(), 0);
    QCOMPARE(e.display->getConjectures(), QString());
    w.slot_show_report();
    QVERIFY(!w.report()->toPlainText().contains(relations.first()));
}

/// Under a file size limit (ulimit -f) the report's "Save as PDF" fails and says so, as on a
/// full disk: the program runs on, and neither a partial file at the target nor a partial print
/// in the temporary folder is left. The shell's start-up makes it so, not the test: without it
/// a write past the limit ends the test process with SIGXFSZ.
void tst_MainWidget::reportUnderFileSizeLimit()
{
    // Started again with the signal at its default, as when no one ignores it (an ignored
    // signal is inherited from whatever started the test).
    shell->w.reset();
    std::signal(SIGXFSZ, SIG_DFL);
    shell->start();
    MainWidget &w = *shell->w;
    maxSize(w);
    w.slot_show_report();
    QPushButton *save = nullptr;
    for (QPushButton *b : w.report()->findChildren<QPushButton *>())
        save = b->text() == "Save as PDF" ? b : save;
    QVERIFY(save);
    QTemporaryDir out;
    const QString complete = out.filePath("complete.pdf");
    prompts->files << complete;
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(prompts->messages.isEmpty());
    const qint64 size = QFileInfo(complete).size();
    QVERIFY(size > 1000);

    // The prints are made in a temporary folder of the test's own.
    QTemporaryDir temp;
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const auto restoreTmpdir = qScopeGuard([&] {
        if (tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdir);
    });
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString missing = out.filePath("report.pdf"), old = out.filePath("old.pdf");
    {
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old report") == 10);
    }
    {
        FileSizeLimit limit(size / 2, FileSizeLimit::KeepSignal);
        QVERIFY(limit.ok);
        for (const QString &target : {missing, old}) {
            prompts->files << target;
            QTest::mouseClick(save, Qt::LeftButton);
        }
    }
    QCOMPARE(prompts->messages,
             QStringList({"Failed to save the report.", "Failed to save the report."}));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(fileBytes::readAll(old), QByteArray("old report"));
    QVERIFY(QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // The shell answers, and saves again once the limit is gone.
    QVERIFY(w.slot_autosave());
    QCOMPARE(w.board()->getObjectives().size(), 1);
    prompts->files << missing;
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(prompts->messages.size(), 2);
    QVERIFY(fileBytes::readAll(missing).trimmed().endsWith("%%EOF"));
}

/// The explorer's own "Clear database" during a conjecture search stops the search, which then
/// lists nothing and says why; the progress window shows while the search runs.
void tst_MainWidget::clearDuringConjectureSearch()
{
    MainWidget &w = *shell->w;
    maxSize(w);
    reportOrderAndSize(w);
    QVERIFY(fillGraphExplorer(*shell, smallFamilies()));
    const MainWidget::Explorer &e = w.explorer(MainWidget::GraphValues);
    // Far beyond the patience below: only the clearing ends these jobs in time.
    e.panel->setEngineLimit(3600000);
    int found = 0;
    connect(e.panel, &ConjectureWidget::signal_console, this,
            [&](const QString &text) { found += text.contains("] <"); });
    QTest::mouseClick(button(e.panel, "Search"), Qt::LeftButton);
    ProgressBar *progress = nullptr;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (qobject_cast<ProgressBar *>(t) &&
            t->findChild<QLabel *>()->text() == QStringLiteral("Searching Conjectures..."))
            progress = t->isVisible() ? static_cast<ProgressBar *>(t) : progress;
    QVERIFY(progress);
    QTRY_VERIFY_WITH_TIMEOUT(found > 0, kPatienceMs);
    QPushButton *clear = nullptr;
    for (QPushButton *b : e.explorer->findChildren<QPushButton *>())
        clear = b->text() == "Clear database" ? b : clear;
    QTest::mouseClick(clear, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(idle(e.panel), kPatienceMs);
    QVERIFY(progress->isHidden());
    QCOMPARE(e.display->getConjectures(), QString());
    QVERIFY(e.panel->findChild<QLabel *>("status")->text().contains("database was cleared"));
}

void tst_MainWidget::quitDuringConjectureSearch_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("really quit") << true;
    QTest::newRow("stay") << false;
}

void tst_MainWidget::quitDuringConjectureSearch()
{
    QFETCH(bool, answer);
    prompts->answers << answer;
    MainWidget &w = *shell->w;
    maxSize(w);
    reportOrderAndSize(w);
    QVERIFY(fillGraphExplorer(*shell, smallFamilies()));
    ConjectureWidget *panel = w.explorer(MainWidget::GraphValues).panel;
    // Far beyond the patience below: only a cancel ends these jobs in time.
    panel->setEngineLimit(3600000);
    QTest::mouseClick(button(panel, "Search"), Qt::LeftButton);
    QVERIFY(!idle(panel));
    QCOMPARE(w.quit(), answer);
    QCOMPARE(prompts->asked.filter("question").size(), 1);
    if (answer) {
        QTRY_VERIFY_WITH_TIMEOUT(idle(panel), kPatienceMs);
    } else {
        // Staying keeps the search going: no completion of a cancelled search is waiting.
        QCoreApplication::processEvents();
        QVERIFY(!idle(panel));
    }
    shell->w.reset();
}

void tst_MainWidget::graphCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("backup");
    // The graph is a triangle with an isolated vertex (vertex 3, selected), the backup a
    // single edge; the board holds ORDER and SIZE.
    QTest::newRow("backup") << "Backup" << "4 111000" << "4 111000";
    QTest::newRow("restore") << "Restore" << "2 1" << "2 1";
    QTest::newRow("exchange") << "Exchange" << "2 1" << "4 111000";
    QTest::newRow("add vertex") << "Add vertex" << "5 1110000000" << "2 1";
    QTest::newRow("remove selected vertices") << "Remove selected vertices" << "3 111" << "2 1";
    // Complements the pairs of selected vertices: vertex 2 is selected too.
    QTest::newRow("complement") << "Complement" << "4 111001" << "2 1";
    // A double click in an empty spot adds a vertex joined to the selected one.
    QTest::newRow("double click") << "double click" << "5 1110000001" << "2 1";
    QTest::newRow("open graph") << "Open graph" << "2 1" << "2 1";
}

void tst_MainWidget::graphCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, graph);
    QFETCH(QString, backup);
    MainWidget &w = *shell->w;
    for (const char *k : {"ORDER", "SIZE"})
        emit w.catalogueTree()->itemActivated(entry(w.catalogueTree(), k), 0);
    w.graph()->loadmvx("4 111000", true);
    w.backupGraph()->loadmvx("2 1", true);
    const QString file = shell->file("edge.gmvx3");
    QVERIFY(w.backupGraph()->save(file));
    for (int v = 0; v < 4; ++v)
        w.graph()->getNode(v)->setSelected(v == 3 || (v == 2 && command == "Complement"));
    for (QWidget *window :
         {static_cast<QWidget *>(w.boardWindow()), static_cast<QWidget *>(w.graphWindow())}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QWidget *board = w.board()->viewport();
    const QImage before = board->grab().toImage();

    if (command == "double click") {
        QTest::mouseDClick(w.graph()->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    } else if (command == "Open graph") {
        prompts->files << file;
        w.graphWindow()->openAction()->trigger();
    } else if (auto *b = w.findChild<QPushButton *>(command)) {
        QTest::mouseClick(b, Qt::LeftButton);
    } else {
        const auto actions = w.graphWindow()->toolBar()->actions();
        const auto a = std::find_if(actions.begin(), actions.end(),
                                    [&](QAction *a) { return a->text() == command; });
        QVERIFY(a != actions.end());
        (*a)->trigger();
    }
    QCOMPARE(w.graph()->graphData(), graph);
    QCOMPARE(w.backupGraph()->graphData(), backup);
    const int n = graph.section(' ', 0, 0).toInt();
    QCOMPARE(w.board()->getItems().at(1)->getValue(1), double(n));
    QCOMPARE(w.board()->getItems().at(0)->getValue(1), double(graph.section(' ', 1).count('1')));
    // What the board shows is what a full repaint of it shows: the values of the new graph.
    const QImage shown = board->grab().toImage();
    w.board()->update_display();
    QCOMPARE(shown, board->grab().toImage());
    QCOMPARE(shown == before, command == "Backup");
}

void tst_MainWidget::relabelTest()
{
    MainWidget &w = *shell->w;
    w.graph()->loadmvx("5 1011001110", true);
    w.console()->setVerbosity(6);
    QTest::mouseClick(w.findChild<QPushButton *>("Test relabelling"), Qt::LeftButton);
    QVERIFY2(w.console()->text().contains("100/100"), qPrintable(w.console()->text()));
    // The shown graph is left as it was.
    QCOMPARE(w.graph()->currentGraphData(), QStringLiteral("5 1011001110"));

    // Shuffling relabels the graph itself (the relabelling is checked against nauty with the
    // graph view); a few shuffles cannot all give back the same labels.
    for (int k = 0; k < 8 && w.graph()->currentGraphData() == "5 1011001110"; ++k)
        QTest::mouseClick(w.findChild<QPushButton *>("Shuffle (relabel)"), Qt::LeftButton);
    QVERIFY(w.graph()->currentGraphData() != "5 1011001110");
    QCOMPARE(w.graph()->getNbEdges(), 6);
}

void tst_MainWidget::layout_data()
{
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("expected"); // "same", "circle" or "centred"
    QTest::newRow("two vertices") << "2 1" << "same";
    QTest::newRow("one edge") << "4 100000" << "circle";
    QTest::newRow("path") << "4 101001" << "centred";
}

void tst_MainWidget::layout()
{
    QFETCH(QString, graph);
    QFETCH(QString, expected);
    MainWidget &w = *shell->w;
    Graph *g = w.graph();
    g->loadmvx(graph, true);
    const int n = g->getNbNodes();
    for (int i = 0; i < n; ++i)
        g->setPos(i, QPointF(7.0 * i, 1.0));
    w.findChild<QSpinBox *>("Layout size")->setValue(200);
    QTest::mouseClick(w.findChild<QPushButton *>("Lay out"), Qt::LeftButton);
    QVector<QPointF> at;
    QPointF mean;
    for (int i = 0; i < n; ++i) {
        at << QPointF(g->getNode(i)->getCoordX(), g->getNode(i)->getCoordY());
        mean += at[i] / n;
        // Diameter 200: vertex i at angle 2 pi i / n on the circle of radius 100.
        const double a = 2 * 3.14159265 * i / n;
        if (expected == "same")
            QCOMPARE(at[i].x(), 7.0 * i);
        else if (expected == "circle")
            QVERIFY(QLineF(at[i], 100 * QPointF(std::cos(a), std::sin(a))).length() < 1e-6);
    }
    if (expected == "centred") {
        QVERIFY(QLineF(mean, QPointF()).length() < 1e-6);
        // The ends of the path lie well apart, as on a line (on a circle they would neighbour).
        QVERIFY(QLineF(at[0], at[3]).length() > 2 * QLineF(at[0], at[1]).length());
    }
}

void tst_MainWidget::orders_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QPoint>("orders"); // the manager's n min and n max afterwards
    QTest::addColumn<bool>("refused");
    QTest::newRow("upper 12") << "n max" << "12" << QPoint(5, 12) << false;
    QTest::newRow("lower 7") << "n min" << "7" << QPoint(7, 10) << false;
    QTest::newRow("lower equal to upper") << "n min" << "10" << QPoint(10, 10) << false;
    QTest::newRow("upper below lower") << "n max" << "3" << QPoint(5, 10) << true;
    QTest::newRow("lower above upper") << "n min" << "11" << QPoint(5, 10) << true;
}

// The orders reach the manager when an edit ends, as typed; a range that would run backwards
// is refused with a message and the boxes show the orders kept.
void tst_MainWidget::orders()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QPoint, orders);
    QFETCH(bool, refused);
    MainWidget &w = *shell->w;
    auto *nMin = w.findChild<QSpinBox *>("n min");
    auto *nMax = w.findChild<QSpinBox *>("n max");
    nMin->setValue(5);
    nMax->setValue(10);
    auto *edited = w.findChild<QSpinBox *>(box);
    edited->selectAll();
    QTest::keyClicks(edited, typed);
    QTest::keyClick(edited, Qt::Key_Return);
    VNSManager *m = w.manager();
    QCOMPARE(QPoint(m->getP1min(), m->getP1max()), orders);
    QCOMPARE(QPoint(nMin->value(), nMax->value()), orders);
    QCOMPARE(prompts->messages.size(), refused ? 1 : 0);
}

// A vertex double-clicked into the backup graph shows once the backup window is refreshed.
void tst_MainWidget::backupRefresh()
{
    MainWidget &w = *shell->w;
    Graph *backup = w.backupGraph();
    backup->loadmvx("2 1", true);
    backup->getNode(1)->setSelected(true);
    w.backupWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.backupWindow()));
    QTest::mouseDClick(backup->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    w.backupWindow()->refreshAction()->trigger();
    QCOMPARE(backup->graphData(), QStringLiteral("3 101"));
    QVERIFY(backup->getNode(2)->isVisible() && backup->getEdge(1, 2)->isVisible());
}

QTEST_MAIN(tst_MainWidget)
#include "tst_MainWidget.moc"
