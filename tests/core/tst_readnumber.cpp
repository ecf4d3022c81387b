// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/readnumber.h"

#include <QElapsedTimer>
#include <QTest>

#include <limits>

class ReadNumberTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void megabyteOfDigitsIsQuickAndInfinite();
};

void ReadNumberTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("whole") << "45" << 45.0;
    QTest::addRow("leading zeros") << "0012" << 12.0;
    QTest::addRow("full stop") << "27.5" << 27.5;
    QTest::addRow("comma stops the number") << "69,5" << 69.0;
    QTest::addRow("trailing stop") << "4." << 4.0;
    QTest::addRow("leading stop") << ".5" << 0.5;
    QTest::addRow("second stop stops") << "1.2.3" << 1.2;
    QTest::addRow("lone stop") << "." << 0.0;
    QTest::addRow("leading blanks") << "   45" << 45.0;
    QTest::addRow("leading tab") << "\t7" << 7.0;
    QTest::addRow("plus sign") << "+5" << 5.0;
    QTest::addRow("minus sign") << "-5.25" << -5.25;
    QTest::addRow("lone sign") << "-" << 0.0;
    QTest::addRow("blank after sign") << "- 5" << 0.0;
    QTest::addRow("letter first") << "a5" << 0.0;
    QTest::addRow("letter after") << "4a" << 4.0;
    QTest::addRow("no exponent") << "1e5" << 1.0;
    QTest::addRow("blank inside stops") << "4 5" << 4.0;
    QTest::addRow("non-ASCII digit") << QString::fromUtf8("\u0663") << 0.0;
    QTest::addRow("superscript two") << QString::fromUtf8("\u00b2") << 0.0;
    QTest::addRow("beyond a double") << QString(400, u'9') << inf;
    QTest::addRow("negative beyond") << "-" + QString(400, u'9') << -inf;
    QTest::addRow("below a double") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::addRow("correctly rounded") << "0.1" << 0.1;
    QTest::addRow("many decimals") << "48.850000000000001" << 48.85;
}

void ReadNumberTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadNumber(text), value);
}

void ReadNumberTest::megabyteOfDigitsIsQuickAndInfinite()
{
    const QString pasted(1 << 20, u'7');
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadNumber(pasted), std::numeric_limits<double>::infinity());
    QVERIFY2(timer.elapsed() < 1000, "reading a megabyte took more than a second");
}

QTEST_APPLESS_MAIN(ReadNumberTest)
#include "tst_readnumber.moc"
