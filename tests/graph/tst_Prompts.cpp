#include "PresetPrompts.h"

#include <QtTest>

class tst_Prompts : public QObject
{
    Q_OBJECT
private slots:
    void presetsAnswerAndNest();
};

// Installing prompts nests: each one puts back the one it replaced.
void tst_Prompts::presetsAnswerAndNest()
{
    Prompts &real = Prompts::instance();
    {
        PresetPrompts outer;
        outer.files << QStringLiteral("/tmp/a.mvx3");
        {
            PresetPrompts inner;
            QVERIFY(&Prompts::instance() == &inner);
            QCOMPARE(Prompts::instance().openFileName(nullptr, "Open", {}, {}), QString());
        }
        QVERIFY(&Prompts::instance() == &outer);
        QCOMPARE(Prompts::instance().saveFileName(nullptr, "Save", {}, {}),
                 QStringLiteral("/tmp/a.mvx3"));
        QCOMPARE(outer.asked, QStringList{"save: Save"});
    }
    QVERIFY(&Prompts::instance() == &real);
}

QTEST_MAIN(tst_Prompts)
#include "tst_Prompts.moc"
