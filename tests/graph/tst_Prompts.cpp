#include "PresetPrompts.h"

#include <QtTest>

class tst_Prompts : public QObject
{
    Q_OBJECT
private slots:
    void presetsAnswerAndNest();
};

void tst_Prompts::presetsAnswerAndNest()
{
    Prompts &real = Prompts::instance();
    {
        PresetPrompts outer;
        outer.answers << true;
        outer.files << QStringLiteral("/tmp/a.mvx3");
        QVERIFY(&Prompts::instance() == &outer);
        QVERIFY(Prompts::instance().question(nullptr, QStringLiteral("Quit"),
                                             QStringLiteral("Really quit?")));
        QVERIFY(
            !Prompts::instance().question(nullptr, QStringLiteral("Quit"), QString())); // none left
        {
            PresetPrompts inner;
            QVERIFY(&Prompts::instance() == &inner);
            QCOMPARE(Prompts::instance().openFileName(nullptr, QStringLiteral("Open"), {}, {}),
                     QString());
        }
        QVERIFY(&Prompts::instance() == &outer);
        QCOMPARE(Prompts::instance().saveFileName(nullptr, QStringLiteral("Save"), {}, {}),
                 QStringLiteral("/tmp/a.mvx3"));
        Prompts::instance().message(nullptr, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    QStringLiteral("No problem to optimize."));
        QCOMPARE(outer.asked, (QStringList{"question: Quit", "question: Quit", "save: Save",
                                           "message: Warning"}));
        QCOMPARE(outer.messages, QStringList{"No problem to optimize."});
    }
    QVERIFY(&Prompts::instance() == &real);
}

QTEST_MAIN(tst_Prompts)
#include "tst_Prompts.moc"
