#include "StderrCapture.h"
#include "FileSizeLimit.h"
#include "PresetPrompts.h"

#include "BoardFixtures.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

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
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

/// A board with items of each list, links and texts, over a graph of its own.
struct Filled {
    QTemporaryDir dir;
    Graph g{"G", false};
    Problem board{&g, "board", false};
    explicit Filled(const QString &description = QStringLiteral("line 1\nline 2"))
    {
        const QStringList a{"0", "1", "NULL", "NULL"}, b{"0", "NULL", "NULL", "NULL"};
        QVERIFY(board.openString(text({line("SIZE"), line("ORDER"), line(">=", a),
                                       line("CONNECTED"), line("MAXIMIZE", b)})));
        board.slot_set_title(QStringLiteral("Edges against order"));
        board.slot_set_description(description);
    }
    QString path(const char *name) const { return dir.filePath(name); }
};

} // namespace

class tst_ProblemFiles : public QObject
{
    Q_OBJECT
private slots:
    void saveOpenSaveSameBytes();
    void nonLatin1AndNulByte();
    void failedWriteKeepsOldFile();
    void chosenNameUsedUnchanged();
    void cancelledDialogsAndMalformedFiles();
    void autosaveAndAutoload();
};

void tst_ProblemFiles::saveOpenSaveSameBytes()
{
    Filled f;
    QSignalSpy console(&f.board, &Problem::signal_console);
    QVERIFY(f.board.save(f.path("a")));
    QCOMPARE(console.count(), 1);
    QCOMPARE(console.at(0).at(0).toString(), QString("Problem saved"));
    QCOMPARE(readAll(f.path("a")), f.board.saveString().toLatin1());
    Problem other(&f.g, "other", false);
    const QByteArray log = captureStderr([&] { QVERIFY(other.open(f.path("a"))); });
    QVERIFY(log.contains("Opening " + f.path("a").toUtf8() + "\n"));
    QCOMPARE(other.userDescription(), QString("line 1\nline 2"));
    QCOMPARE(other.getConstraints()[0]->formula(), QString("SIZE(G) >= ORDER(G)"));
    QVERIFY(other.save(f.path("b")));
    QCOMPARE(readAll(f.path("b")), readAll(f.path("a")));
}

void tst_ProblemFiles::nonLatin1AndNulByte()
{
    // Latin-1 keeps the e acute as one byte; the omega and the sign become "?".
    Filled f(QString::fromUtf8("caf\xc3\xa9 \xce\xa9 \xe2\x89\xa4 n"));
    QVERIFY(f.board.save(f.path("p")));
    QVERIFY(readAll(f.path("p")).endsWith("caf\xe9 ? ? n"));
    Problem other(&f.g, "other", false);
    captureStderr([&] { QVERIFY(other.open(f.path("p"))); });
    QCOMPARE(other.userDescription(), QString::fromUtf8("caf\xc3\xa9 ? ? n"));
    // What follows a NUL would be read as part of the description.
    Filled plain;
    writeAll(f.path("nul"), plain.board.saveString().toLatin1() + QByteArray("\0 tail", 6));
    captureStderr([&] { QVERIFY(other.open(f.path("nul"))); });
    QCOMPARE(other.saveString(), plain.board.saveString());
}

void tst_ProblemFiles::failedWriteKeepsOldFile()
{
    Filled f;
    const QByteArray old("previous contents");
    writeAll(f.path("old.mvx3"), old);
    PresetPrompts prompts;
    QSignalSpy console(&f.board, &Problem::signal_console);
    prompts.files << f.path("old.mvx3");
    {
        // A file size limit below the text makes the write itself fail.
        FileSizeLimit limit(8);
        QVERIFY(limit.ok);
        QVERIFY(!f.board.save(f.path("old.mvx3")));
        f.board.slot_save();
    }
    QCOMPARE(readAll(f.path("old.mvx3")), old);
    QCOMPARE(console.count(), 0);
    QCOMPARE(prompts.asked, QStringList({"save: Save results as", "message: Warning"}));
    QCOMPARE(prompts.messages, QStringList({"Failed to save data."}));
    QCOMPARE(f.board.getFileName() + f.board.getName(), QString("board"));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"old.mvx3"}));
    QVERIFY(!f.board.save(f.path("missing/p.mvx3")));
}

void tst_ProblemFiles::chosenNameUsedUnchanged()
{
    Filled f;
    PresetPrompts prompts;
    prompts.files << f.path("cycle");
    f.board.slot_save();
    QCOMPARE(prompts.messages, QStringList());
    QCOMPARE(readAll(f.path("cycle")), f.board.saveString().toLatin1());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cycle"});
    QCOMPARE(f.board.getFileName(), f.path("cycle"));
    QCOMPARE(f.board.getName(), QString("cycle"));
}

void tst_ProblemFiles::cancelledDialogsAndMalformedFiles()
{
    Filled f;
    const QString before = f.board.saveString();
    PresetPrompts prompts;
    f.board.slot_save();
    const QByteArray log = captureStderr([&] { f.board.slot_open(); });
    QCOMPARE(prompts.asked, QStringList({"save: Save results as", "message: Warning",
                                         "open: Choose problem to load", "message: Opening"}));
    QCOMPARE(prompts.messages, QStringList({"Failed to save data.", "Cannot open file"}));
    QVERIFY(log.contains("Opening \n"));
    // A file the reader refuses is neither read in part nor adopted as the board's file; the
    // reader says why in red on the console, and no box is shown.
    writeAll(f.path("bad"), text({line("SIZE"), "ORDER\t\t0"}).toLatin1());
    prompts.files << f.path("bad");
    QSignalSpy console(&f.board, &Problem::signal_console);
    const QByteArray refused = captureStderr([&] { f.board.slot_open(); });
    QCOMPARE(prompts.asked.size(), 5);
    QCOMPARE(prompts.asked.last(), QString("open: Choose problem to load"));
    QCOMPARE(console.count(), 1);
    QCOMPARE(console.at(0).at(0).toString(), QString("Critical error, missing argument."));
    QCOMPARE(console.at(0).at(3).value<QColor>(), QColor(Qt::red));
    QVERIFY(refused.contains("Critical error, missing argument...\n"));
    QCOMPARE(f.board.saveString(), before);
    QCOMPARE(f.board.getFileName() + f.board.getName(), QString("board"));
}

void tst_ProblemFiles::autosaveAndAutoload()
{
    Filled f;
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    Problem restored(&f.g, "restored", false);
    restored.setWD(f.dir.path());
    bool loaded = true;
    const QByteArray log = captureStderr([&] { loaded = restored.autoload(); });
    QVERIFY(!loaded && restored.getItems().isEmpty());
    QCOMPARE(log, QByteArray("Cannot open file (autoload)\n"));
    f.board.setWD(f.dir.path());
    QVERIFY(f.board.autosave());
    QVERIFY(restored.autoload());
    QCOMPARE(restored.saveString(), f.board.saveString());
    // A failed autosave keeps the working directory: nothing goes to the current directory,
    // and the next autosave lands where the user chose once it can.
    f.board.setWD(f.path("later"));
    QVERIFY(!f.board.autosave());
    QCOMPARE(f.board.getWD(), f.path("later"));
    QVERIFY(QDir(f.dir.path()).mkdir("later"));
    QVERIFY(f.board.autosave());
    QVERIFY(!QFile::exists(current.filePath(".mvxpb")));
    QCOMPARE(readAll(f.path("later/.mvxpb")), f.board.saveString().toLatin1());
    QVERIFY(QDir::setCurrent(previous));
}

QTEST_MAIN(tst_ProblemFiles)
#include "tst_ProblemFiles.moc"
