#include "StderrCapture.h"

#include <QtTest>

#include <unistd.h>

class tst_StderrCapture : public QObject
{
    Q_OBJECT
private slots:
    void nestedCaptures();
};

void tst_StderrCapture::nestedCaptures()
{
    // Standard error as the test runner had it, taken without the capture under test.
    QTemporaryFile real;
    QVERIFY(real.open());
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    QVERIFY(dup2(real.handle(), fileno(stderr)) >= 0);
    QByteArray inner;
    const QByteArray outer = captureStderr([&] {
        std::fputs("outer before\n", stderr);
        inner = captureStderr([] {
            std::fputs("inner\n", stderr);
            // As a sanitizer does when it ends the run here.
            stderrCapture::forwardCaptured();
        });
        std::fputs("outer after\n", stderr);
    });
    std::fputs("after both\n", stderr);
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    QCOMPARE(inner, QByteArray("inner\n"));
    QCOMPARE(outer, QByteArray("outer before\nouter after\n"));
    QVERIFY(real.seek(0));
    QCOMPARE(real.readAll(), QByteArray("outer before\ninner\nafter both\n"));
}

QTEST_GUILESS_MAIN(tst_StderrCapture)
#include "tst_StderrCapture.moc"
