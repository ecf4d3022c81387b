// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

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

// One row of the change table: what the fields hold, what the user does to one
// field, and what follows.
struct Change {
    const char* tag = nullptr;
    QString preset = {}; // fields' texts before, "D=48 ns=N"
    bool skipPending = false; // SkipChange armed before the first change
    QString field = {};
    QStringList changes = {}; // the field's whole text after each change
    QString text = {}; // the field's text afterwards
    QStringList focusMoves = {};
    int beeps = 0;
    QStringList messages = {};
};

void addChangeColumns()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<bool>("skipPending");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("focusMoves");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QStringList>("messages");
}

void addChange(const Change& c)
{
    QTest::newRow(c.tag) << c.preset << c.skipPending << c.field << c.changes << c.text
                         << c.focusMoves << c.beeps << c.messages;
}

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
    addChangeColumns();
    const QStringList toM { "M" };

    // Latitude degrees: bound 89, two digits, advance at two.
    addChange({ .tag = "D: 4 stays", .field = "D", .changes = { "4" }, .text = "4" });
    addChange({ .tag = "D: 45 advances to M",
        .field = "D",
        .changes = { "4", "45" },
        .text = "45",
        .focusMoves = toM });
    addChange({ .tag = "D: 89 is the bound",
        .field = "D",
        .changes = { "8", "89" },
        .text = "89",
        .focusMoves = toM });
    addChange({ .tag = "D: 90 is above it", .field = "D", .changes = { "9", "90" }, .text = "" });
    addChange({ .tag = "D: a third digit empties all",
        .field = "D",
        .changes = { "4", "45", "451" },
        .text = "",
        .focusMoves = toM });
    addChange({ .tag = "D: 09 advances",
        .field = "D",
        .changes = { "0", "09" },
        .text = "09",
        .focusMoves = toM });
    addChange({ .tag = "D: 9 stays", .field = "D", .changes = { "9" }, .text = "9" });
    addChange({ .tag = "D: 4a", .field = "D", .changes = { "4", "4a" }, .text = "" });
    addChange({ .tag = "D: -5", .field = "D", .changes = { "-", "-5" }, .text = "" });
    addChange({ .tag = "D: 4.", .field = "D", .changes = { "4", "4." }, .text = "" });
    addChange({ .tag = "D: blank then 5", .field = "D", .changes = { " ", " 5" }, .text = "" });
    addChange({ .tag = "D: deleting moves no focus",
        .field = "D",
        .changes = { "4", "45", "4", "" },
        .text = "",
        .focusMoves = toM });

    addChange({ .tag = "M: 59 advances to ns",
        .field = "M",
        .changes = { "5", "59" },
        .text = "59",
        .focusMoves = { "ns" } });
    addChange({ .tag = "M: 60 empties", .field = "M", .changes = { "6", "60" }, .text = "" });
    addChange({ .tag = "M2: 59 advances to eo",
        .field = "M2",
        .changes = { "5", "59" },
        .text = "59",
        .focusMoves = { "eo" } });
    addChange({ .tag = "M2: 60 empties", .field = "M2", .changes = { "6", "60" }, .text = "" });

    // Longitude degrees: bound 179, three digits, advance at three.
    addChange({ .tag = "D2: 179 advances to M2",
        .field = "D2",
        .changes = { "1", "17", "179" },
        .text = "179",
        .focusMoves = { "M2" } });
    addChange(
        { .tag = "D2: 180 empties", .field = "D2", .changes = { "1", "18", "180" }, .text = "" });
    addChange({ .tag = "D2: 05 stays", .field = "D2", .changes = { "0", "05" }, .text = "05" });
    addChange({ .tag = "D2: 005 advances",
        .field = "D2",
        .changes = { "0", "00", "005" },
        .text = "005",
        .focusMoves = { "M2" } });
    addChange({ .tag = "D2: four digits", .field = "D2", .changes = { "0012" }, .text = "" });

    // Satellite position: bound 69, five characters, decimals, a beep for a refused character.
    addChange({ .tag = "D3: 27.5 stays",
        .field = "D3",
        .changes = { "2", "27", "27.", "27.5" },
        .text = "27.5" });
    addChange(
        { .tag = "D3: 69 is the bound", .field = "D3", .changes = { "6", "69" }, .text = "69" });
    addChange({ .tag = "D3: 69.5 empties, no beep",
        .field = "D3",
        .changes = { "69", "69.", "69.5" },
        .text = "" });
    addChange({ .tag = "D3: 69,5 reads as 69",
        .field = "D3",
        .changes = { "69", "69,", "69,5" },
        .text = "69,5" });
    addChange({ .tag = "D3: 1,2.3", .field = "D3", .changes = { "1,2.3" }, .text = "1,2.3" });
    addChange({ .tag = "D3: a beeps", .field = "D3", .changes = { "a" }, .text = "", .beeps = 1 });
    addChange(
        { .tag = "D3: 1-2 beeps", .field = "D3", .changes = { "1-2" }, .text = "", .beeps = 1 });
    addChange({ .tag = "D3: 1/2 beeps",
        .field = "D3",
        .changes = { "1", "1/" },
        .text = "",
        .beeps = 1 });
    addChange(
        { .tag = "D3: six digits, no beep", .field = "D3", .changes = { "123456" }, .text = "" });
    addChange({ .tag = "D3: non-ASCII digit beeps",
        .field = "D3",
        .changes = { QString::fromUtf8("\u0663") },
        .text = "",
        .beeps = 1 });

    // Hemisphere: upper-cased, one letter, needs D first, never moves the focus.
    addChange({ .tag = "ns: n becomes N",
        .preset = "D=48",
        .field = "ns",
        .changes = { "n" },
        .text = "N" });
    addChange({ .tag = "ns: s becomes S",
        .preset = "D=48",
        .field = "ns",
        .changes = { "s" },
        .text = "S" });
    addChange({ .tag = "ns: x empties",
        .preset = "D=48",
        .field = "ns",
        .changes = { "x" },
        .text = "" });
    addChange({ .tag = "ns: a second letter empties",
        .preset = "D=48",
        .field = "ns",
        .changes = { "N", "NS" },
        .text = "" });
    addChange({ .tag = "ns: n while D is empty",
        .field = "ns",
        .changes = { "n" },
        .text = "",
        .messages = { degreesMessage } });
    addChange({ .tag = "ns: ignores SkipChange",
        .skipPending = true,
        .field = "ns",
        .changes = { "N" },
        .text = "",
        .messages = { degreesMessage } });

    // Side letters: upper-cased, one letter, then the focus moves on. A small letter
    // is checked twice, by the run that upper-cases it and by the nested one.
    addChange({ .tag = "eo: e becomes E, on to D3",
        .preset = "ns=N",
        .field = "eo",
        .changes = { "e" },
        .text = "E",
        .focusMoves = { "D3", "D3" } });
    addChange({ .tag = "eo: E, on to D3",
        .preset = "ns=N",
        .field = "eo",
        .changes = { "E" },
        .text = "E",
        .focusMoves = { "D3" } });
    addChange({ .tag = "eo: w empties, focus stays",
        .preset = "ns=N",
        .field = "eo",
        .changes = { "w" },
        .text = "" });
    addChange({ .tag = "eo: E while ns is empty",
        .field = "eo",
        .changes = { "E" },
        .text = "",
        .focusMoves = { "D3" },
        .messages = { hemisphereMessage } });
    addChange({ .tag = "eo: e while ns is empty",
        .field = "eo",
        .changes = { "e" },
        .text = "",
        .focusMoves = { "D3" },
        .messages = { hemisphereMessage } });
    addChange({ .tag = "eo2: o becomes O, on to Calcul",
        .field = "eo2",
        .changes = { "o" },
        .text = "O",
        .focusMoves = { "Calcul", "Calcul" } });
    addChange({ .tag = "eo2: two letters empty",
        .field = "eo2",
        .changes = { "E", "EO" },
        .text = "",
        .focusMoves = { "Calcul" } });

    // A pending SkipChange lets the next change of a field that honours it pass.
    addChange({ .tag = "skip: x stays in D",
        .skipPending = true,
        .field = "D",
        .changes = { "x" },
        .text = "x" });
    addChange({ .tag = "skip: then x5 empties D",
        .skipPending = true,
        .field = "D",
        .changes = { "x", "x5" },
        .text = "" });
    addChange({ .tag = "skip: 45 in one paste does not advance",
        .skipPending = true,
        .field = "D",
        .changes = { "45" },
        .text = "45" });
    addChange({ .tag = "skip: a in D3, no beep",
        .skipPending = true,
        .field = "D3",
        .changes = { "a" },
        .text = "a" });
    addChange({ .tag = "skip: capital X passes eo",
        .skipPending = true,
        .field = "eo",
        .changes = { "X" },
        .text = "X" });
    addChange({ .tag = "skip: small x is upper-cased then emptied",
        .skipPending = true,
        .field = "eo",
        .changes = { "x" },
        .text = "" });
    addChange({ .tag = "skip: small e is checked in full",
        .skipPending = true,
        .field = "eo",
        .changes = { "e" },
        .text = "",
        .focusMoves = { "D3" },
        .messages = { hemisphereMessage } });
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
    // A field the checks empty is empty already behind the message box.
    for (const auto& behind : entry.form.textsBehindMessages)
        QCOMPARE(behind.value(fieldNamed(field)), text);
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
    // In a Turkish locale a small i upper-cases to a dotted capital (where Qt knows
    // the locale's casing), which is no side letter: the field shows it for a
    // moment, then is emptied. Upper-casing without the locale gives a plain I.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    Entry entry;
    entry.preset(QStringLiteral("D=48"));
    entry.form.change(Field::ns, { QStringLiteral("n") });
    QCOMPARE(entry.form.text(Field::ns), QStringLiteral("N"));
    entry.form.change(Field::eo2, { QStringLiteral("i") });
    const QString turkishCapital = QLocale().toUpper(QStringLiteral("i"));
    QCOMPARE(entry.form.history[Field::eo2],
        (QStringList { QStringLiteral("i"), turkishCapital, QString() }));
#ifndef Q_OS_WIN // a Windows build of Qt without ICU upper-cases the same in every locale
    QCOMPARE(turkishCapital, QString::fromUtf8("\u0130"));
#endif
}

QTEST_APPLESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
