#include "common/readnumber.h"

#include <QTest>

class ReadNumberTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
};

void ReadNumberTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addRow("x") << "1" << 1.0;
}

void ReadNumberTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadNumber(text), value);
}

QTEST_APPLESS_MAIN(ReadNumberTest)
#include "tst_readnumber.moc"
