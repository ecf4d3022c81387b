// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/computeazel.h"
#include "support/formrecorder.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString satelliteMessage = QStringLiteral("Remplir les cases des coordonées satellite");
const QString siteMessage = QStringLiteral("Remplir les cases des coordonées géographiques");
const QString unusableMessage
    = QStringLiteral("Les coordonnées géographiques ne permettent pas le calcul.");

const Field inputOrder[]
    = { Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo, Field::D3, Field::eo2 };

// The eight inputs in the order D M ns D2 M2 eo D3 eo2, blank-separated, "_" for empty.
QStringList inputList(const QString& inputs)
{
    QStringList texts = inputs.split(u' ');
    for (QString& text : texts) {
        if (text == u"_")
            text.clear();
    }
    return texts;
}

void presetInputs(FormRecorder& form, const QStringList& texts)
{
    QCOMPARE(texts.size(), 8);
    for (int i = 0; i < 8; ++i)
        form.preset(inputOrder[i], texts[i]);
}

}

class ComputeAzElTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pointings_data();
    void pointings();
    void results_data();
    void results();
    void checks_data();
    void checks();
    void passingChecksCancelsPendingSkipChange();
    void incompleteLeavesSkipChangePending();

private:
    QTemporaryDir m_folder; // no site file is read or written here
};

// The computation alone, as numbers: a failure here is in the arithmetic, not in
// how the form reads the fields or writes the results.
void ComputeAzElTest::pointings_data()
{
    QTest::addColumn<QString>("inputs"); // D M ns D2 M2 eo D3 eo2
    QTest::addColumn<PointingStatus>("status");
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<double>("elevation");

    const auto done = PointingStatus::Done;
    QTest::addRow("Paris, satellite 13 E") << "48 51 N 2 21 E 13 E" << done << 165.98 << 33.0;
    QTest::addRow("latitude rounded to 42.57") << "42 34 N 8 45 E 27.5 O" << done << 227.3 << 28.81;
    QTest::addRow("below the horizon") << "48 51 N 179 0 E 69 O" << done << 253.07 << -22.32;
    QTest::addRow("Cape Town") << "33 55 S 18 25 E 13 E" << done << 350.35 << 50.13;
    QTest::addRow("equator, satellite west") << "0 0 N 2 21 E 1 O" << done << 270.0 << 86.05;
    // The program's pi, 3.14159, against the full value: these show other digits
    // with it (154.34 and 27.33).
    QTest::addRow("pi 3.14159 in the azimuth") << "30 21 N 2 21 E 16 E" << done << 154.33 << 51.59;
    QTest::addRow("pi 3.14159 in the elevation")
        << "54 14 N 2 21 E 13 E" << done << 166.96 << 27.34;
    // 48 + 51.3 / 60 is 48.855: half up to 48.86 (48.85 would give 165.98 and 33).
    QTest::addRow("site rounded half up") << "48 51.3 N 2 21 E 13 E" << done << 165.99 << 32.99;
    QTest::addRow("southern site, satellite on its meridian: due north")
        << "33 55 S 18 25 E 18.42 E" << done << 0.0 << 50.56;
    // The letters are compared whole: only "S" is south, only "E" is east.
    QTest::addRow("SUD is not S: north") << "48 51 SUD 2 21 E 13 E" << done << 165.98 << 33.0;
    QTest::addRow("EST is not E: west") << "48 51 N 2 21 EST 13 E" << done << 159.98 << 32.01;
    QTest::addRow("EST for the satellite: west")
        << "48 51 N 2 21 E 13 EST" << done << 200.02 << 32.01;
    QTest::addRow("satellite incomplete")
        << "48 51 N 2 21 E _ E" << PointingStatus::SatelliteIncomplete << 0.0 << 0.0;
    QTest::addRow("site incomplete")
        << "48 _ N 2 21 E 13 E" << PointingStatus::SiteIncomplete << 0.0 << 0.0;
    QTest::addRow("site beyond a double")
        << QString(400, u'9') + " 0 N 2 21 E 13 E" << PointingStatus::SiteUnusable << 0.0 << 0.0;
}

void ComputeAzElTest::pointings()
{
    QFETCH(QString, inputs);
    QFETCH(PointingStatus, status);
    QFETCH(double, azimuth);
    QFETCH(double, elevation);

    const QStringList t = inputList(inputs);
    const Pointing pointing = ComputeAzEl({ t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7] });
    QCOMPARE(pointing.status, status);
    QCOMPARE(pointing.azimuth, azimuth);
    QCOMPARE(pointing.elevation, elevation);
}

void ComputeAzElTest::results_data()
{
    QTest::addColumn<QString>("inputs"); // D M ns D2 M2 eo D3 eo2
    QTest::addColumn<QString>("azimuth"); // as shown in a French locale
    QTest::addColumn<QString>("elevation");

    QTest::addRow("Paris, satellite 13 E") << "48 51 N 2 21 E 13 E"
                                           << "165,98"
                                           << "33";
    QTest::addRow("latitude rounded to 42.57") << "42 34 N 8 45 E 27.5 O"
                                               << "227,3"
                                               << "28,81";
    QTest::addRow("27,5 reads as 27") << "42 34 N 8 45 E 27,5 O"
                                      << "226,78"
                                      << "29,1";
    QTest::addRow("satellite between site and meridian") << "48 51 N 2 21 E 1 E"
                                                         << "181,79"
                                                         << "33,92";
    QTest::addRow("satellite on the meridian") << "48 51 N 2 21 E 2.35 E"
                                               << "180"
                                               << "33,94";
    QTest::addRow("on the meridian, west") << "48 51 N 2 21 O 2.35 O"
                                           << "180"
                                           << "33,94";
    QTest::addRow("below the horizon") << "48 51 N 179 0 E 69 O"
                                       << "253,07"
                                       << "-22,32";
    // South of the equator the azimuth is turned half a turn to face the satellite.
    QTest::addRow("Cape Town, satellite 13 E") << "33 55 S 18 25 E 13 E"
                                               << "350,35"
                                               << "50,13";
    QTest::addRow("southern site, satellite east") << "33 55 S 18 25 E 30 E"
                                                   << "20,17"
                                                   << "48,64";
    // At the equator the formula's limit stands in for a division by zero.
    QTest::addRow("equator, satellite east") << "0 0 N 2 21 E 13 E"
                                             << "90"
                                             << "77,46";
    QTest::addRow("equator, satellite west") << "0 0 N 2 21 E 1 O"
                                             << "270"
                                             << "86,05";
    QTest::addRow("equator, overhead") << "0 0 N 2 21 E 2.35 E"
                                       << "180"
                                       << "90";
    QTest::addRow("equator written S") << "0 0 S 2 21 E 13 E"
                                       << "90"
                                       << "77,46";
    QTest::addRow("equator by rounding") << "0 0.2 N 2 21 E 13 E"
                                         << "90"
                                         << "77,46";
    QTest::addRow("southern site, satellite on its meridian: 0, never 360")
        << "33 55 S 18 25 E 18.42 E"
        << "0"
        << "50,56";
}

void ComputeAzElTest::results()
{
    QFETCH(QString, inputs);
    QFETCH(QString, azimuth);
    QFETCH(QString, elevation);

    // The same digits in a French locale and in one whose separator is the full stop.
    const std::pair<QLocale, QString> locales[] = {
        { QLocale(QLocale::French, QLocale::France), QStringLiteral(",") },
        { QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral(".") },
    };
    for (const auto& [locale, separator] : locales) {
        QLocale::setDefault(locale);
        RecordedForm f(m_folder.path());
        presetInputs(f.recorder, inputList(inputs));
        f.form.calcul();
        QCOMPARE(f.recorder.messages, QStringList());
        QCOMPARE(f.recorder.beeps, 0);
        QCOMPARE(f.recorder.text(Field::Azdg), QString(azimuth).replace(u',', separator));
        QCOMPARE(f.recorder.text(Field::Eldg), QString(elevation).replace(u',', separator));
    }
}

void ComputeAzElTest::checks_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("message"); // empty: the computation goes through

    QTest::addRow("all empty: satellite first") << inputList("_ _ _ _ _ _ _ _") << satelliteMessage;
    QTest::addRow("satellite side empty") << inputList("48 51 N 2 21 E 13 _") << satelliteMessage;
    QTest::addRow("satellite position empty")
        << inputList("48 51 N 2 21 E _ E") << satelliteMessage;
    QTest::addRow("M empty") << inputList("48 _ N 2 21 E 13 E") << siteMessage;
    QTest::addRow("eo empty") << inputList("48 51 N 2 21 _ 13 E") << siteMessage;
    QTest::addRow("a blank is not empty")
        << QStringList { "48", "51", "N", "2", "21", " ", "13", "E" } << QString();
    QTest::addRow("site beyond a double")
        << inputList(QString(400, u'9') + " 0 N 2 21 E 13 E") << unusableMessage;
    QTest::addRow("longitude beyond a double")
        << inputList("48 51 N " + QString(400, u'9') + " 0 E 13 E") << unusableMessage;
}

void ComputeAzElTest::checks()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);

    RecordedForm f(m_folder.path());
    presetInputs(f.recorder, inputs);
    f.recorder.preset(Field::Azdg, QStringLiteral("old az"));
    f.recorder.preset(Field::Eldg, QStringLiteral("old el"));
    f.form.calcul();

    if (message.isEmpty()) {
        QCOMPARE(f.recorder.messages, QStringList());
        QVERIFY(f.recorder.text(Field::Azdg) != u"old az");
        return;
    }
    QCOMPARE(f.recorder.beeps, 1);
    QCOMPARE(f.recorder.messages, QStringList { message });
    QCOMPARE(f.recorder.text(Field::Azdg), QStringLiteral("old az"));
    QCOMPARE(f.recorder.text(Field::Eldg), QStringLiteral("old el"));
    QCOMPARE(f.recorder.focusMoves, QStringList());
}

void ComputeAzElTest::passingChecksCancelsPendingSkipChange()
{
    RecordedForm f(m_folder.path());
    f.form.efface2(); // arms SkipChange
    presetInputs(f.recorder, inputList("48 51 N 2 21 E 13 E"));
    QCOMPARE(f.form.SkipChange(), 1);
    f.form.calcul();
    QCOMPARE(f.form.SkipChange(), 0);
}

void ComputeAzElTest::incompleteLeavesSkipChangePending()
{
    RecordedForm f(m_folder.path());
    f.form.efface2();
    f.form.calcul();
    QCOMPARE(f.recorder.messages, QStringList { satelliteMessage });
    QCOMPARE(f.form.SkipChange(), 1);
}

QTEST_APPLESS_MAIN(ComputeAzElTest)
#include "tst_computeazel.moc"
