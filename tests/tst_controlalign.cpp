// Tests of ControlAlign: stacking order, edges, hidden controls and resizes.
#include "widgets/ControlAlign.h"

#include <QFrame>
#include <QtTest>

using ControlAlign::TAlign;

class TestControlAlign : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void stackingFollowsChanges();
};

void TestControlAlign::placement_data()
{
    QTest::addColumn<QList<int>>("aligns");
    QTest::addColumn<QList<QRect>>("bounds");

    // Every control starts 40 × 20 at (50, 50) on a 200 × 100 parent.
    QTest::addRow("two tops stack in the order aligned")
        << QList<int>{ControlAlign::alTop, ControlAlign::alTop}
        << QList<QRect>{QRect(0, 0, 200, 20), QRect(0, 20, 200, 20)};
    QTest::addRow("top, bottom and client share the height")
        << QList<int>{ControlAlign::alClient, ControlAlign::alBottom, ControlAlign::alTop}
        << QList<QRect>{QRect(0, 20, 200, 60), QRect(0, 80, 200, 20), QRect(0, 0, 200, 20)};
    QTest::addRow("left and right take the rest after top")
        << QList<int>{ControlAlign::alRight, ControlAlign::alTop, ControlAlign::alLeft}
        << QList<QRect>{QRect(160, 20, 40, 80), QRect(0, 0, 200, 20), QRect(0, 20, 40, 80)};
    QTest::addRow("unaligned keeps its place")
        << QList<int>{ControlAlign::alNone, ControlAlign::alTop}
        << QList<QRect>{QRect(50, 50, 40, 20), QRect(0, 0, 200, 20)};
}

void TestControlAlign::placement()
{
    QFETCH(QList<int>, aligns);
    QFETCH(QList<QRect>, bounds);

    QWidget parent;
    parent.resize(200, 100);
    QList<QWidget *> controls;
    for (int align : aligns) {
        auto *control = new QFrame(&parent);
        control->setGeometry(50, 50, 40, 20);
        ControlAlign::setAlign(control, TAlign(align));
        controls << control;
    }
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), bounds[i]);
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(ControlAlign::alignOf(controls[i]), TAlign(aligns[i]));
}

void TestControlAlign::stackingFollowsChanges()
{
    QWidget parent;
    parent.resize(200, 300);
    QList<QWidget *> strips;
    for (int i = 0; i < 3; ++i) {
        auto *strip = new QFrame(&parent);
        strip->resize(10, 30 + 10 * i);
        ControlAlign::setAlign(strip, ControlAlign::alTop);
        strips << strip;
    }
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(strips[2]->y(), 70);

    strips[0]->resize(200, 5);
    QCOMPARE(strips[1]->y(), 5);
    QCOMPARE(strips[2]->y(), 45);

    strips[1]->hide();
    QCOMPARE(strips[2]->y(), 5);
    strips[1]->show();
    QCOMPARE(strips[2]->y(), 45);

    parent.resize(250, 300);
    QCOMPARE(strips[2]->width(), 250);
    QVERIFY(ControlAlign::alignOf(&parent) == ControlAlign::alNone);
}

QTEST_MAIN(TestControlAlign)
#include "tst_controlalign.moc"
