#include "app/Console.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

class tst_Console : public QObject
{
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void coloursAndText();
    void lineCap();
};

void tst_Console::filters_data()
{
    QTest::addColumn<bool>("debugOn");
    QTest::addColumn<int>("verbosity");
    QTest::addColumn<int>("onlyWorker");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("worker"); // -1: the four-argument form
    QTest::addColumn<bool>("shown");
    QTest::newRow("plain message") << false << 1 << -1 << false << 0 << -1 << true;
    QTest::newRow("debug hidden") << false << 6 << -1 << true << 0 << -1 << false;
    QTest::newRow("debug shown when on") << true << 6 << -1 << true << 0 << -1 << true;
    QTest::newRow("level at verbosity") << false << 3 << -1 << false << 3 << -1 << true;
    QTest::newRow("level above verbosity") << false << 3 << -1 << false << 4 << -1 << false;
    QTest::newRow("every worker") << false << 6 << -1 << false << 0 << 3 << true;
    QTest::newRow("other worker") << false << 6 << 2 << false << 0 << 1 << false;
    QTest::newRow("chosen worker") << false << 6 << 1 << false << 0 << 1 << true;
    QTest::newRow("no worker passes") << false << 6 << 1 << false << 0 << -1 << true;
    QTest::newRow("worker, but debug") << false << 6 << 1 << true << 0 << 1 << false;
}

void tst_Console::filters()
{
    QFETCH(bool, debugOn);
    QFETCH(int, verbosity);
    QFETCH(int, onlyWorker);
    QFETCH(bool, debug);
    QFETCH(int, level);
    QFETCH(int, worker);
    QFETCH(bool, shown);
    Console c;
    c.setDebug(debugOn);
    c.setVerbosity(verbosity);
    c.setWorker(onlyWorker);
    if (worker < 0)
        c.append(QStringLiteral("message"), debug, level, Qt::black);
    else
        c.append(QStringLiteral("message"), debug, level, Qt::black, worker);
    QCOMPARE(c.lineCount(), shown ? 1 : 0);
    QCOMPARE(c.text().contains(QStringLiteral("message")), shown);
}

void tst_Console::coloursAndText()
{
    Console c;
    c.append(QStringLiteral("a <b> & c"), false, 0, Qt::red);
    c.append(QStringLiteral("first\nsecond"), false, 0, Qt::blue, 0);
    // Markup is shown as typed; a message of several lines keeps its line breaks.
    QCOMPARE(c.text(), QStringLiteral("a <b> & c\nfirst\nsecond"));
    QTextDocument *doc = c.findChild<QPlainTextEdit *>()->document();
    const QTextBlock first = doc->firstBlock();
    QCOMPARE(first.begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
    const QTextBlock last = doc->lastBlock();
    QCOMPARE(last.begin().fragment().charFormat().foreground().color(), QColor(Qt::blue));
}

void tst_Console::lineCap()
{
    Console c;
    const int extra = 50;
    for (int i = 0; i < Console::maxLines() + extra; ++i)
        c.append(QStringLiteral("line %1").arg(i), false, 0, Qt::black);
    QCOMPARE(c.lineCount(), Console::maxLines());
    const QStringList lines = c.text().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("line %1").arg(extra));
    QCOMPARE(lines.last(), QStringLiteral("line %1").arg(Console::maxLines() + extra - 1));
}

QTEST_MAIN(tst_Console)
#include "tst_Console.moc"
