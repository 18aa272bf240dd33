#include "StderrCapture.h"

#include <QtTest>

#include <utility>

class tst_StderrCapture : public QObject
{
    Q_OBJECT
private slots:
    void nestedCaptures();
};

void tst_StderrCapture::nestedCaptures()
{
    // The runner's standard error is stood in for by a capture of its own, never by a
    // redirection of the test's: the reports' copy of standard error is made at the first
    // capture, and what a sanitizer leaves in a capture when it ends the run goes to the standard
    // error the outermost found. Either would otherwise end in a file of the test's, unseen.
    QTemporaryFile forwarded;
    QVERIFY(forwarded.open());
    QByteArray inner, outer;
    const QByteArray real = captureStderr([&] {
        outer = captureStderr([&] {
            std::fputs("outer before\n", stderr);
            inner = captureStderr([&] {
                std::fputs("inner\n", stderr);
                // As a sanitizer does when it ends the run here, into a file of the test's.
                const int realFd = std::exchange(stderrCapture::realFd, forwarded.handle());
                stderrCapture::forwardCaptured();
                stderrCapture::realFd = realFd;
            });
            std::fputs("outer after\n", stderr);
        });
        std::fputs("after both\n", stderr);
    });
    QCOMPARE(inner, QByteArray("inner\n"));
    QCOMPARE(outer, QByteArray("outer before\nouter after\n"));
    QCOMPARE(real, QByteArray("after both\n"));
    QVERIFY(forwarded.seek(0));
    QCOMPARE(forwarded.readAll(), QByteArray("outer before\ninner\n"));
}

QTEST_GUILESS_MAIN(tst_StderrCapture)
#include "tst_StderrCapture.moc"
