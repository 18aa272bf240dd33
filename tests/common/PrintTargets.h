#pragma once

#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "PresetPrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

/// Where the print dialog sends a PDF file: a writable folder, below a plain file (never
/// writable), or under a file size limit half the size of the complete file.
inline void addPrintTargetRows()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("writable") << QString();
    QTest::newRow("below a plain file") << QStringLiteral("plain/print.pdf");
    QTest::newRow("size limit") << QStringLiteral("limited");
}

/// Accepts the print dialog that `print` opens, printing to the row's target: a complete
/// file and no message where it can be written, else the warning `failure` and the file that
/// was there intact.
inline void checkPrintTarget(const std::function<void()> &print, const QString &failure)
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    PresetPrompts prompts;
    prompts.printAnswers << true;
    prompts.printFile = dir.filePath("complete.pdf");
    print();
    const QByteArray complete = fileBytes::readAll(prompts.printFile);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(complete.startsWith("%PDF") && complete.trimmed().endsWith("%%EOF"));
    if (target.isEmpty())
        return;

    QVERIFY(fileBytes::writeAll(dir.filePath("plain"), "x"));
    QVERIFY(fileBytes::writeAll(dir.filePath("limited"), "old"));
    prompts.printAnswers << true;
    prompts.printFile = dir.filePath(target);
    if (target == "limited") {
        FileSizeLimit limit(complete.size() / 2);
        QVERIFY(limit.ok);
        print();
    } else {
        print();
    }
    QCOMPARE(prompts.asked.last(), QStringLiteral("message: Warning"));
    QCOMPARE(prompts.messages, QStringList{failure});
    QCOMPARE(fileBytes::readAll(dir.filePath("plain")), QByteArray("x"));
    QCOMPARE(fileBytes::readAll(dir.filePath("limited")), QByteArray("old"));
}
