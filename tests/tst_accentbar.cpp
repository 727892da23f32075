// The accented-letter bar: letters typed at the cursor of the field that had the focus, in
// every window where the student types.
#include "widgets/AccentBar.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

class TestAccentBar : public QObject {
    Q_OBJECT

private slots:
    void typesAtTheCursorWithoutTakingTheFocus()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *line = new QLineEdit(QStringLiteral("cancn"), &window);
        auto *text = new QTextEdit(&window);
        auto *bar = new AccentBar(&window);
        layout->addWidget(line);
        layout->addWidget(text);
        layout->addWidget(bar);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        line->setFocus();
        line->setCursorPosition(4);
        QTest::mouseClick(bar->key(3), Qt::LeftButton); // ó
        QCOMPARE(line->text(), QStringLiteral("cancón"));
        QCOMPARE(line->cursorPosition(), 5);
        QCOMPARE(QApplication::focusWidget(), line);

        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("ma"));
        QTest::mouseClick(bar->key(6), Qt::LeftButton); // ñ
        QTest::mouseClick(bar->key(6), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(text->toPlainText(), QStringLiteral("mañÑ"));

        // Capitals by the toggle and by Alt+0; the letters by Alt+1 ... Alt+9.
        QTest::mouseClick(bar->capitalsKey(), Qt::LeftButton);
        QCOMPARE(bar->key(0)->text(), QStringLiteral("Á"));
        QCOMPARE(bar->key(0)->accessibleName(), QStringLiteral("a con tilde mayúscula"));
        QTest::keyClick(text, Qt::Key_1, Qt::AltModifier);
        QTest::keyClick(text, Qt::Key_0, Qt::AltModifier);
        QTest::keyClick(text, Qt::Key_8, Qt::AltModifier);
        QCOMPARE(text->toPlainText(), QStringLiteral("mañÑÁ¿"));
        QVERIFY(!bar->capitals());

        for (int n = 0; n < AccentBar::letterCount; ++n) {
            QCOMPARE(bar->key(n)->focusPolicy(), Qt::NoFocus);
            QVERIFY(!bar->key(n)->accessibleName().isEmpty());
        }
    }

    void readOnlyFieldsAreLeftAlone()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *line = new QLineEdit(QStringLiteral("fijo"), &window);
        line->setReadOnly(true);
        auto *bar = new AccentBar(&window);
        layout->addWidget(line);
        layout->addWidget(bar);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        line->setFocus();
        QVERIFY(!bar->type(QStringLiteral("á")));
        QCOMPARE(line->text(), QStringLiteral("fijo"));
    }
};

QTEST_MAIN(TestAccentBar)
#include "tst_accentbar.moc"
