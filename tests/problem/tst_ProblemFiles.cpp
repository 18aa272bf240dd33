#include "../items/StderrCapture.h"
#include "PresetPrompts.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace
{

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

/// A board with items of each list, links and texts.
void fill(Problem &board, const QString &description = QStringLiteral("line 1\nline 2"))
{
    BuildCalculus catalogue;
    Calculus *size = catalogue.makeCalculus("SIZE", false);
    Calculus *order = catalogue.makeCalculus("ORDER", false);
    Calculus *ge = catalogue.makeCalculus(">=", false);
    Calculus *connected = catalogue.makeCalculus("CONNECTED", false);
    Calculus *z = catalogue.makeCalculus("MAXIMIZE", false);
    board.addInvariantItemLoadMode(size);
    board.addInvariantItemLoadMode(order);
    board.addConstraintItem(ge);
    board.addConstraintItem(connected);
    board.addZItem(z);
    board.link1(size, ge);
    board.link2(order, ge);
    board.link1(size, z);
    board.slot_set_title(QStringLiteral("Edges against order"));
    board.slot_set_description(description);
}

/// Standard error lines written while f runs.
template <class F> QString stderrOf(F f)
{
    return QString::fromUtf8(captureStderr(f));
}

} // namespace

class tst_ProblemFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void saveOpenSaveSameBytes();
    void nonLatin1Characters();
    void nulByteEndsText();
    void failedWriteKeepsOldFile();
    void cancelledDialogs();
    void malformedFileKeepsBoard();
    void autosaveAndAutoload();
};

void tst_ProblemFiles::saveOpenSaveSameBytes()
{
    QTemporaryDir dir;
    Graph g("G", false);
    g.randomGraph(6);
    Problem board(&g, "board", false);
    fill(board);
    QSignalSpy console(&board, &Problem::signal_console);
    const QString a = dir.filePath("a.mvx3"), b = dir.filePath("b.mvx3");
    QVERIFY(board.save(a));
    QCOMPARE(console.count(), 1);
    QCOMPARE(console.at(0).at(0).toString(), QString("Problem saved"));
    QCOMPARE(readAll(a), board.saveString().toLatin1());

    Problem other(&g, "other", false);
    QString log = stderrOf([&] { QVERIFY(other.open(a)); });
    QVERIFY(log.contains("Opening " + a + "\n"));
    QCOMPARE(other.userDescription(), QString("line 1\nline 2"));
    QCOMPARE(other.getConstraints()[0]->formula(), QString("SIZE(G) >= ORDER(G)"));
    QVERIFY(other.save(b));
    QCOMPARE(readAll(b), readAll(a));
}

void tst_ProblemFiles::nonLatin1Characters()
{
    QTemporaryDir dir;
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board, QString::fromUtf8("caf\xc3\xa9 \xce\xa9 \xe2\x89\xa4 n"));
    const QString path = dir.filePath("p.mvx3");
    QVERIFY(board.save(path));
    const QByteArray bytes = readAll(path);
    // Latin-1 keeps the e acute as one byte; the omega and the sign become "?".
    QVERIFY(bytes.endsWith("caf\xe9 ? ? n"));
    Problem other(&g, "other", false);
    stderrOf([&] { QVERIFY(other.open(path)); });
    QCOMPARE(other.userDescription(), QString::fromUtf8("caf\xc3\xa9 ? ? n"));
}

void tst_ProblemFiles::nulByteEndsText()
{
    QTemporaryDir dir;
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board);
    const QString path = dir.filePath("p.mvx3");
    // What follows the NUL would be read as part of the description.
    writeAll(path, board.saveString().toLatin1() + QByteArray("\0 tail", 6));
    Problem other(&g, "other", false);
    stderrOf([&] { QVERIFY(other.open(path)); });
    QCOMPARE(other.userDescription(), QString("line 1\nline 2"));
    QCOMPARE(other.saveString(), board.saveString());
}

void tst_ProblemFiles::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board);
    const QString path = dir.filePath("old.mvx3");
    const QByteArray old("previous contents");
    writeAll(path, old);
    PresetPrompts prompts;
    QSignalSpy console(&board, &Problem::signal_console);

    // A file size limit below the text makes the write itself fail.
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit tight = saved;
    tight.rlim_cur = 8;
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool saved1 = board.save(path);
    prompts.files << path;
    board.slot_save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved1);
    QCOMPARE(readAll(path), old);
    QCOMPARE(console.count(), 0);
    QCOMPARE(prompts.asked, QStringList({"save: Save results as", "message: Warning"}));
    QCOMPARE(prompts.messages, QStringList({"Failed to save data."}));
    QCOMPARE(board.getFileName(), QString());
    QCOMPARE(board.getName(), QString("board"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"old.mvx3"}));

    // A directory that does not exist.
    QVERIFY(!board.save(dir.filePath("missing/p.mvx3")));
}

void tst_ProblemFiles::cancelledDialogs()
{
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board);
    const QString before = board.saveString();
    PresetPrompts prompts;
    board.slot_save();
    QString log = stderrOf([&] { board.slot_open(); });
    QCOMPARE(prompts.asked, QStringList({"save: Save results as", "message: Warning",
                                         "open: Choose problem to load", "message: Opening"}));
    QCOMPARE(prompts.messages, QStringList({"Failed to save data.", "Cannot open file"}));
    QVERIFY(log.contains("Opening \n"));
    QCOMPARE(board.saveString(), before);
    QCOMPARE(board.getName(), QString("board"));
}

void tst_ProblemFiles::malformedFileKeepsBoard()
{
    QTemporaryDir dir;
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board);
    const QString before = board.saveString();
    const QString path = dir.filePath("bad.mvx3");
    PresetPrompts prompts;
    for (const QByteArray &bad :
         {QByteArray("NOSUCHITEM\t\t0\t0\t0\t0\t1\t2\tNULL\tNULL\tNULL\tNULL<NEW>DESC\tt\td"),
          QByteArray("SIZE\t\t0\t0<NEW>DESC\tt\td"),
          QByteArray("SIZE\t\t0\t0\t0\t0\t1\t2\t7\tNULL\tNULL\tNULL<NEW>DESC\tt\td")}) {
        writeAll(path, bad);
        prompts.files << path;
        stderrOf([&] { board.slot_open(); });
        QCOMPARE(board.saveString(), before);
        QCOMPARE(board.getFileName(), QString());
    }
}

void tst_ProblemFiles::autosaveAndAutoload()
{
    QTemporaryDir dir, current;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    Graph g("G", false);
    Problem board(&g, "board", false);
    fill(board);
    Problem restored(&g, "restored", false);
    restored.setWD(dir.path());
    bool loaded = true;
    const QString log = stderrOf([&] { loaded = restored.autoload(); });
    QVERIFY(!loaded);
    QCOMPARE(log, QString("Cannot open file (autoload)\n"));
    QVERIFY(restored.getItems().isEmpty());

    board.setWD(dir.path());
    board.autosave();
    QVERIFY(restored.autoload());
    QCOMPARE(restored.saveString(), board.saveString());
    // A working directory that does not exist is given up for the current directory.
    board.setWD(dir.filePath("gone"));
    board.autosave();
    QVERIFY(!QFile::exists(current.filePath(".mvxpb")));
    board.autosave();
    QCOMPARE(readAll(current.filePath(".mvxpb")), board.saveString().toLatin1());
    QVERIFY(QDir::setCurrent(previous));
}

QTEST_MAIN(tst_ProblemFiles)
#include "tst_ProblemFiles.moc"
