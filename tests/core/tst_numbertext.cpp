// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void writes_data();
    void writes();
    void notFiniteGivesNoText();
};

void NumberTextTest::writes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("french");
    QTest::addColumn<QString>("english");

    QTest::addRow("whole") << 180.0 << "180"
                           << "180";
    QTest::addRow("small whole") << 33.0 << "33"
                                 << "33";
    QTest::addRow("one decimal") << 227.3 << "227,3"
                                 << "227.3";
    QTest::addRow("two decimals") << 165.98 << "165,98"
                                  << "165.98";
    QTest::addRow("below one") << 0.5 << "0,5"
                               << "0.5";
    QTest::addRow("negative") << -22.32 << "-22,32"
                              << "-22.32";
    QTest::addRow("minus zero") << -0.0 << "0"
                                << "0";
    QTest::addRow("zero") << 0.0 << "0"
                          << "0";
    QTest::addRow("no thousands separator") << 1234567.891 << "1234567,891"
                                            << "1234567.891";
    QTest::addRow("15 significant digits") << 0.1 + 0.2 << "0,3"
                                           << "0.3";
    QTest::addRow("rounded to 15 digits") << 2.0 / 3 << "0,666666666666667"
                                          << "0.666666666666667";
    QTest::addRow("large, no exponent") << 1e20 << "100000000000000000000"
                                        << "100000000000000000000";
    QTest::addRow("large, rounded") << 123456789012345678.0 << "123456789012346000"
                                    << "123456789012346000";
    QTest::addRow("small, no exponent") << 0.00001 << "0,00001"
                                        << "0.00001";
    QTest::addRow("hundredths after floor") << std::floor(-22.3149 * 100) / 100 << "-22,32"
                                            << "-22.32";
}

void NumberTextTest::writes()
{
    QFETCH(double, value);
    QFETCH(QString, french);
    QFETCH(QString, english);
    QCOMPARE(NumberText(value, QLocale(QLocale::French, QLocale::France)), french);
    QCOMPARE(NumberText(value, QLocale::c()), english);
}

void NumberTextTest::notFiniteGivesNoText()
{
    QCOMPARE(NumberText(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(NumberText(std::numeric_limits<double>::infinity()), QString());
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
