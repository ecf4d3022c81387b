#include "core/entryrules.h"
#include "support/formrecorder.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

const QString degreesMessage = QStringLiteral("Remplir la case degrés.");
const QString hemisphereMessage = QStringLiteral("Choisir d'abord N ou S");

// The entry rules on a recorder that runs them at every change, as the window does.
struct Entry {
    FormRecorder form;
    EntryRules rules { form, form };
    Entry()
    {
        form.changed = [this](Field field) { rules.fieldChanged(field); };
    }
    // "D=48 ns=N": texts the fields hold before the test, with no change handling.
    void preset(const QString& texts)
    {
        for (const QString& pair : texts.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype equals = pair.indexOf(u'=');
            form.preset(fieldNamed(pair.left(equals)), pair.mid(equals + 1));
        }
    }
};

}

class EntryRulesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void characterChecks_data();
    void characterChecks();
    void changes_data();
    void changes();
    void clearCommands_data();
    void clearCommands();
    void pastedMegabyteIsEmptiedAtOnce();
    void upperCasingFollowsTheLocale();
};

void EntryRulesTest::characterChecks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("digitsRefused");
    QTest::addColumn<bool>("decimalRefused");

    QTest::addRow("empty") << "" << false << false;
    QTest::addRow("digits") << "0123456789" << false << false;
    QTest::addRow("comma") << "1,2" << true << false;
    QTest::addRow("full stop") << "1.2" << true << false;
    QTest::addRow("slash") << "1/2" << true << true;
    QTest::addRow("minus") << "1-2" << true << true;
    QTest::addRow("plus") << "+1" << true << true;
    QTest::addRow("blank") << " 1" << true << true;
    QTest::addRow("colon, above nine") << "1:" << true << true;
    QTest::addRow("letter at the end") << "12a" << true << true;
    QTest::addRow("non-ASCII digit") << QString::fromUtf8("1\u0663") << true << true;
}

void EntryRulesTest::characterChecks()
{
    QFETCH(QString, text);
    QFETCH(bool, digitsRefused);
    QFETCH(bool, decimalRefused);
    QCOMPARE(CheckDigits(text), digitsRefused);
    QCOMPARE(CheckDecimal(text), decimalRefused);
}

void EntryRulesTest::changes_data()
{
    QTest::addColumn<QString>("preset"); // fields' texts before, "D=48 ns=N"
    QTest::addColumn<bool>("skipPending"); // SkipChange armed before the first change
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("changes"); // the field's whole text after each change
    QTest::addColumn<QString>("text"); // the field's text afterwards
    QTest::addColumn<QStringList>("focusMoves");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList toM { "M" };

    // Latitude degrees: bound 89, two digits, advance at two.
    QTest::addRow("D: 4 stays") << "" << false << "D" << QStringList { "4" } << "4" << none << 0
                                << none;
    QTest::addRow("D: 45 advances to M")
        << "" << false << "D" << QStringList { "4", "45" } << "45" << toM << 0 << none;
    QTest::addRow("D: 89 is the bound")
        << "" << false << "D" << QStringList { "8", "89" } << "89" << toM << 0 << none;
    QTest::addRow("D: 90 is above it")
        << "" << false << "D" << QStringList { "9", "90" } << "" << none << 0 << none;
    QTest::addRow("D: a third digit empties all")
        << "" << false << "D" << QStringList { "4", "45", "451" } << "" << toM << 0 << none;
    QTest::addRow("D: 09 advances")
        << "" << false << "D" << QStringList { "0", "09" } << "09" << toM << 0 << none;
    QTest::addRow("D: 9 stays") << "" << false << "D" << QStringList { "9" } << "9" << none << 0
                                << none;
    QTest::addRow("D: 4a") << "" << false << "D" << QStringList { "4", "4a" } << "" << none << 0
                           << none;
    QTest::addRow("D: -5") << "" << false << "D" << QStringList { "-", "-5" } << "" << none << 0
                           << none;
    QTest::addRow("D: 4.") << "" << false << "D" << QStringList { "4", "4." } << "" << none << 0
                           << none;
    QTest::addRow("D: blank then 5")
        << "" << false << "D" << QStringList { " ", " 5" } << "" << none << 0 << none;
    QTest::addRow("D: deleting moves no focus")
        << "" << false << "D" << QStringList { "4", "45", "4", "" } << "" << toM << 0 << none;

    QTest::addRow("M: 59 advances to ns") << "" << false << "M" << QStringList { "5", "59" } << "59"
                                          << QStringList { "ns" } << 0 << none;
    QTest::addRow("M: 60 empties")
        << "" << false << "M" << QStringList { "6", "60" } << "" << none << 0 << none;
    QTest::addRow("M2: 59 advances to eo") << "" << false << "M2" << QStringList { "5", "59" }
                                           << "59" << QStringList { "eo" } << 0 << none;
    QTest::addRow("M2: 60 empties")
        << "" << false << "M2" << QStringList { "6", "60" } << "" << none << 0 << none;

    // Longitude degrees: bound 179, three digits, advance at three.
    QTest::addRow("D2: 179 advances to M2")
        << "" << false << "D2" << QStringList { "1", "17", "179" } << "179" << QStringList { "M2" }
        << 0 << none;
    QTest::addRow("D2: 180 empties")
        << "" << false << "D2" << QStringList { "1", "18", "180" } << "" << none << 0 << none;
    QTest::addRow("D2: 05 stays") << "" << false << "D2" << QStringList { "0", "05" } << "05"
                                  << none << 0 << none;
    QTest::addRow("D2: 005 advances") << "" << false << "D2" << QStringList { "0", "00", "005" }
                                      << "005" << QStringList { "M2" } << 0 << none;
    QTest::addRow("D2: four digits")
        << "" << false << "D2" << QStringList { "0012" } << "" << none << 0 << none;

    // Satellite position: bound 69, five characters, decimals, a beep for a refused character.
    QTest::addRow("D3: 27.5 stays")
        << "" << false << "D3" << QStringList { "2", "27", "27.", "27.5" } << "27.5" << none << 0
        << none;
    QTest::addRow("D3: 69 is the bound")
        << "" << false << "D3" << QStringList { "6", "69" } << "69" << none << 0 << none;
    QTest::addRow("D3: 69.5 empties, no beep")
        << "" << false << "D3" << QStringList { "69", "69.", "69.5" } << "" << none << 0 << none;
    QTest::addRow("D3: 69,5 reads as 69")
        << "" << false << "D3" << QStringList { "69", "69,", "69,5" } << "69,5" << none << 0
        << none;
    QTest::addRow("D3: 1,2.3") << "" << false << "D3" << QStringList { "1,2.3" } << "1,2.3" << none
                               << 0 << none;
    QTest::addRow("D3: a beeps") << "" << false << "D3" << QStringList { "a" } << "" << none << 1
                                 << none;
    QTest::addRow("D3: 1-2 beeps")
        << "" << false << "D3" << QStringList { "1-2" } << "" << none << 1 << none;
    QTest::addRow("D3: 1/2 beeps")
        << "" << false << "D3" << QStringList { "1", "1/" } << "" << none << 1 << none;
    QTest::addRow("D3: six digits, no beep")
        << "" << false << "D3" << QStringList { "123456" } << "" << none << 0 << none;
    QTest::addRow("D3: non-ASCII digit beeps")
        << "" << false << "D3" << QStringList { QString::fromUtf8("\u0663") } << "" << none << 1
        << none;

    // Hemisphere: upper-cased, one letter, needs D first, never moves the focus.
    QTest::addRow("ns: n becomes N")
        << "D=48" << false << "ns" << QStringList { "n" } << "N" << none << 0 << none;
    QTest::addRow("ns: s becomes S")
        << "D=48" << false << "ns" << QStringList { "s" } << "S" << none << 0 << none;
    QTest::addRow("ns: x empties")
        << "D=48" << false << "ns" << QStringList { "x" } << "" << none << 0 << none;
    QTest::addRow("ns: a second letter empties")
        << "D=48" << false << "ns" << QStringList { "N", "NS" } << "" << none << 0 << none;
    QTest::addRow("ns: n while D is empty") << "" << false << "ns" << QStringList { "n" } << ""
                                            << none << 0 << QStringList { degreesMessage };
    QTest::addRow("ns: ignores SkipChange") << "" << true << "ns" << QStringList { "N" } << ""
                                            << none << 0 << QStringList { degreesMessage };

    // Side letters: upper-cased, one letter, then the focus moves on. A small letter
    // is checked twice, by the run that upper-cases it and by the nested one.
    QTest::addRow("eo: e becomes E, on to D3") << "ns=N" << false << "eo" << QStringList { "e" }
                                               << "E" << QStringList { "D3", "D3" } << 0 << none;
    QTest::addRow("eo: E, on to D3") << "ns=N" << false << "eo" << QStringList { "E" } << "E"
                                     << QStringList { "D3" } << 0 << none;
    QTest::addRow("eo: w empties, focus stays")
        << "ns=N" << false << "eo" << QStringList { "w" } << "" << none << 0 << none;
    QTest::addRow("eo: E while ns is empty")
        << "" << false << "eo" << QStringList { "E" } << "" << QStringList { "D3" } << 0
        << QStringList { hemisphereMessage };
    QTest::addRow("eo: e while ns is empty")
        << "" << false << "eo" << QStringList { "e" } << "" << QStringList { "D3" } << 0
        << QStringList { hemisphereMessage };
    QTest::addRow("eo2: o becomes O, on to Calcul")
        << "" << false << "eo2" << QStringList { "o" } << "O" << QStringList { "Calcul", "Calcul" }
        << 0 << none;
    QTest::addRow("eo2: two letters empty") << "" << false << "eo2" << QStringList { "E", "EO" }
                                            << "" << QStringList { "Calcul" } << 0 << none;

    // A pending SkipChange lets the next change of a field that honours it pass.
    QTest::addRow("skip: x stays in D")
        << "" << true << "D" << QStringList { "x" } << "x" << none << 0 << none;
    QTest::addRow("skip: then x5 empties D")
        << "" << true << "D" << QStringList { "x", "x5" } << "" << none << 0 << none;
    QTest::addRow("skip: 45 in one paste does not advance")
        << "" << true << "D" << QStringList { "45" } << "45" << none << 0 << none;
    QTest::addRow("skip: a in D3, no beep")
        << "" << true << "D3" << QStringList { "a" } << "a" << none << 0 << none;
    QTest::addRow("skip: capital X passes eo")
        << "" << true << "eo" << QStringList { "X" } << "X" << none << 0 << none;
    QTest::addRow("skip: small x is upper-cased then emptied")
        << "" << true << "eo" << QStringList { "x" } << "" << none << 0 << none;
    QTest::addRow("skip: small e is checked in full")
        << "" << true << "eo" << QStringList { "e" } << "" << QStringList { "D3" } << 0
        << QStringList { hemisphereMessage };
}

void EntryRulesTest::changes()
{
    QFETCH(QString, preset);
    QFETCH(bool, skipPending);
    QFETCH(QString, field);
    QFETCH(QStringList, changes);
    QFETCH(QString, text);
    QFETCH(QStringList, focusMoves);
    QFETCH(int, beeps);
    QFETCH(QStringList, messages);

    Entry entry;
    entry.preset(preset);
    if (skipPending)
        entry.rules.armSkipChange();
    entry.form.change(fieldNamed(field), changes);

    QCOMPARE(entry.form.text(fieldNamed(field)), text);
    QCOMPARE(entry.form.focusMoves, focusMoves);
    QCOMPARE(entry.form.beeps, beeps);
    QCOMPARE(entry.form.messages, messages);
    QVERIFY2(entry.form.maxDepth <= 3, "change handling nested too deep");
}

void EntryRulesTest::clearCommands_data()
{
    QTest::addColumn<bool>("site"); // efface, or efface2
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("emptied"); // fields left empty
    QTest::addColumn<QString>("kept"); // fields that keep their text
    QTest::addColumn<QString>("focus");

    const QString full = QStringLiteral("D=48 M=51 ns=N D2=2 M2=21 eo=E D3=13 eo2=E Azdg=1 Eldg=2");
    QTest::addRow("efface empties the site") << true << full << "D M ns D2 M2 eo"
                                             << "D3 eo2 Azdg Eldg"
                                             << "D";
    QTest::addRow("efface2 empties the satellite") << false << full << "D3 eo2"
                                                   << "D M ns D2 M2 eo Azdg Eldg"
                                                   << "D3";
    QTest::addRow("efface on an empty site") << true << ""
                                             << "D M ns D2 M2 eo"
                                             << ""
                                             << "D";
    QTest::addRow("efface2 on an empty satellite") << false << ""
                                                   << "D3 eo2"
                                                   << ""
                                                   << "D3";
}

void EntryRulesTest::clearCommands()
{
    QFETCH(bool, site);
    QFETCH(QString, preset);
    QFETCH(QString, emptied);
    QFETCH(QString, kept);
    QFETCH(QString, focus);

    Entry entry;
    entry.preset(preset);
    site ? entry.rules.clearSite() : entry.rules.clearSatellite();

    for (const QString& name : emptied.split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(entry.form.text(fieldNamed(name)).isEmpty(), qPrintable(name));
    for (const QString& name : kept.split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(!entry.form.text(fieldNamed(name)).isEmpty(), qPrintable(name));
    QCOMPARE(entry.rules.SkipChange(), 1);
    QCOMPARE(entry.form.focusMoves, QStringList { focus });
    QCOMPARE(entry.form.messages, QStringList());
    QCOMPARE(entry.form.beeps, 0);
}

void EntryRulesTest::pastedMegabyteIsEmptiedAtOnce()
{
    Entry entry;
    QElapsedTimer timer;
    timer.start();
    entry.form.change(Field::D3, { QString(1 << 20, u'9') });
    entry.form.change(Field::D, { QString(1 << 20, u'1') });
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(entry.form.text(Field::D3), QString());
    QCOMPARE(entry.form.text(Field::D), QString());
    QCOMPARE(entry.form.beeps, 0);
}

void EntryRulesTest::upperCasingFollowsTheLocale()
{
    // In a Turkish locale a small i upper-cases to a dotted capital, which is no side letter.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    Entry entry;
    entry.preset(QStringLiteral("D=48"));
    entry.form.change(Field::ns, { QStringLiteral("n") });
    QCOMPARE(entry.form.text(Field::ns), QStringLiteral("N"));
    entry.form.change(Field::D3, { QStringLiteral("i") });
    QCOMPARE(entry.form.beeps, 1);
}

QTEST_APPLESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
