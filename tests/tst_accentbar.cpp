// The accented-letter bar: letters typed at the cursor of the field that had the focus, in
// every window where the student types.
#include "ScriptedDialogs.h"

#include "editor/PhraseEditor.h"
#include "help/PhrasesPage.h"
#include "help/QuestionsPage.h"
#include "help/ExercisesWindow.h"
#include "practice/StudentDataDialog.h"
#include "ui/AccentBar.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Lays the fields out over a new bar, then shows the window and makes it the active one.
AccentBar *showWithBar(QWidget &window, const QList<QWidget *> &fields)
{
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *field : fields)
        layout->addWidget(field);
    auto *bar = new AccentBar(&window);
    layout->addWidget(bar);
    window.show();
    QApplication::setActiveWindow(&window);
    return bar;
}

} // namespace

class TestAccentBar : public QObject {
    Q_OBJECT

private slots:
    void typesAtTheCursorWithoutTakingTheFocus()
    {
        QWidget window;
        auto *line = new QLineEdit(QStringLiteral("cancn"), &window);
        auto *text = new QTextEdit(&window);
        AccentBar *bar = showWithBar(window, {line, text});
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

    // Every window where the student types: the letters land in its field through its bar.
    void typingPlaces_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addRow("phrase copy") << QStringLiteral("RichEdit2");
        QTest::addRow("question blank") << QStringLiteral("Edit1");
        QTest::addRow("student name") << QStringLiteral("Alumno");
        QTest::addRow("student group") << QStringLiteral("curso");
        QTest::addRow("editor") << QStringLiteral("RichEdit1");
    }
    void typingPlaces()
    {
        QFETCH(QString, place);
        ScriptedDialogs dialogs;
        std::unique_ptr<QWidget> window;
        if (place == QStringLiteral("Alumno") || place == QStringLiteral("curso")) {
            window = std::make_unique<StudentDataDialog>();
        } else if (place == QStringLiteral("RichEdit1")) {
            window = std::make_unique<PhraseEditor>();
        } else {
            auto ayuda = std::make_unique<ExercisesWindow>();
            ayuda->findChild<TabbedNotebook *>()->setPageIndex(place == QStringLiteral("Edit1") ? ExercisesWindow::PageCuestiones : ExercisesWindow::PageFrases);
            window = std::move(ayuda);
        }
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget *field = window->findChild<QWidget *>(place);
        QVERIFY(field);
        AccentBar *bar = nullptr;
        for (AccentBar *candidate : window->findChildren<AccentBar *>())
            if (candidate->isVisible())
                bar = candidate;
        QVERIFY(bar);
        // The bar lies under the field.
        QVERIFY(field->mapTo(window.get(), field->rect().bottomLeft()).y() < bar->mapTo(window.get(), QPoint()).y());

        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, QStringLiteral("cancion"));
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::mouseClick(bar->key(3), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), field);
        QVERIFY(field->property("plainText").toString().contains(QStringLiteral("canción"))
                || field->property("text").toString() == QStringLiteral("canción"));

        // Another window with its own bar: its letters go to its own field, and after the
        // student comes back, this bar's letters go to this window's field again, even when
        // the focus rests on no field.
        QWidget other;
        auto *otherLine = new QLineEdit(&other);
        AccentBar *otherBar = showWithBar(other, {otherLine});
        QVERIFY(QTest::qWaitForWindowActive(&other));
        otherLine->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), otherLine);
        QTest::mouseClick(otherBar->key(6), Qt::LeftButton);
        QCOMPARE(otherLine->text(), QStringLiteral("ñ"));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(field, Qt::Key_Backspace); // room for one more letter in a short blank
        field->clearFocus();
        QCOMPARE(bar->target(), field);
        QTest::mouseClick(bar->key(0), Qt::LeftButton);
        QCOMPARE(otherLine->text(), QStringLiteral("ñ"));
        QVERIFY(field->property("plainText").toString().contains(QStringLiteral("á"))
                || field->property("text").toString().contains(QStringLiteral("á")));
    }

    void readOnlyFieldsAreLeftAlone()
    {
        QWidget window;
        auto *line = new QLineEdit(QStringLiteral("fijo"), &window);
        line->setReadOnly(true);
        AccentBar *bar = showWithBar(window, {line});
        QVERIFY(QTest::qWaitForWindowActive(&window));
        line->setFocus();
        QVERIFY(!bar->type(QStringLiteral("á")));
        QCOMPARE(line->text(), QStringLiteral("fijo"));
    }
};

QTEST_MAIN(TestAccentBar)
#include "tst_accentbar.moc"
