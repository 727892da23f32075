// Number pictures, half-even rounding and caption reading.
#include "shared/NumberFormat.h"

#include <QTest>

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void picture_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::addRow("two of three") << 200.0 / 3 << 1 << "66,7";
        QTest::addRow("half") << 50.0 << 1 << "50";
        QTest::addRow("zero is empty") << 0.0 << 1 << "";
        QTest::addRow("rounds to zero") << 0.04 << 1 << "";
        QTest::addRow("no leading zero") << 0.5 << 1 << ",5";
        QTest::addRow("hundred") << 100.0 << 2 << "100";
        QTest::addRow("two decimals") << 100.0 / 3 << 2 << "33,33";
        QTest::addRow("trailing zero dropped") << 12.5 << 2 << "12,5";
        QTest::addRow("inner zero kept, 1 of 33") << 100.0 / 33 << 2 << "3,03";
        QTest::addRow("inner zero kept, 2 of 49") << 200.0 / 49 << 2 << "4,08";
        QTest::addRow("rounds up to whole") << 99.96 << 1 << "100";
        QTest::addRow("half away from zero") << 0.25 << 1 << ",3";
    }
    void picture()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(NumberFormat::picture(value, decimals, QLocale(QLocale::Spanish)), expected);
    }

    void pictureFollowsTheLocale()
    {
        QCOMPARE(NumberFormat::picture(200.0 / 3, 1, QLocale(QLocale::English)), QStringLiteral("66.7"));
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::addRow("62.5") << 62.5 << 62;
        QTest::addRow("63.5") << 63.5 << 64;
        QTest::addRow("37.5") << 37.5 << 38;
        QTest::addRow("12.5") << 12.5 << 12;
        QTest::addRow("12.51") << 12.51 << 13;
        QTest::addRow("-2.5") << -2.5 << -2;
        QTest::addRow("99.4") << 99.4 << 99;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(NumberFormat::roundHalfEven(value), expected);
    }

    void leadingInteger_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("expected");
        QTest::addRow("comma decimal") << "66,7" << 66;
        QTest::addRow("point decimal") << "66.7" << 66;
        QTest::addRow("99,9 is never 100") << "99,9" << 99;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("spaces and sign") << "  +12abc" << 12;
        QTest::addRow("negative") << "-5" << -5;
        QTest::addRow("decimal only") << ",5" << 0;
        QTest::addRow("huge saturates") << "99999999999999" << 2147483647;
    }
    void leadingInteger()
    {
        QFETCH(QString, caption);
        QFETCH(int, expected);
        QCOMPARE(NumberFormat::leadingInteger(caption), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
