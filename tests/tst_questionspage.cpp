// The page "Cuestiones" in its window: the blanks as built, filling them by typing, by Enter and
// from the word choosers with real mouse events, and correcting.
#include "help/QuestionsPage.h"
#include "help/ExercisesWindow.h"

#include "exercises/QuestionsExercise.h"
#include "shared/Colors.h"
#include "exercises/ExerciseScores.h"
#include "widgets/CollapsePanel.h"
#include "widgets/SelPanel.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every blank of every open group lies wholly inside the page.
bool openBlanksInView(ExercisesWindow &window)
{
    QWidget *page = window.TabbedNotebook1->page(ExercisesWindow::PageCuestiones);
    for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
        QLineEdit *blank = window.questionsPage->Edit(n);
        if (static_cast<CollapsePanel *>(blank->parentWidget())->Collapsed())
            continue;
        if (!page->rect().contains(QRect(blank->mapTo(page, QPoint()), blank->size())))
            return false;
    }
    return true;
}

int openGroups(ExercisesWindow &window)
{
    int open = 0;
    for (const CollapsePanel *panel : window.findChildren<CollapsePanel *>())
        open += !panel->Collapsed();
    return open;
}

QColor textColor(const QLineEdit *blank)
{
    return blank->palette().color(QPalette::Text);
}
const QColor navy = Colors::toQColor(Colors::clNavy);
const QColor lime = Colors::toQColor(Colors::clLime);
const QColor teal = Colors::toQColor(Colors::clTeal);

// The centre of row `row` (from 0) of a chooser.
QPoint rowCentre(const SelPanel *chooser, int row)
{
    return QPoint(40, row * chooser->RowHeight() + chooser->RowHeight() / 2);
}

} // namespace

class TestQuestionsPage : public QObject {
    Q_OBJECT

private slots:

    void blanksAsBuilt_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("panel");
        QTest::addRow("1 porque") << 1 << 7 << navy << u"CollapsePanel6"_s;
        QTest::addRow("2 sino") << 2 << 5 << navy << u"CollapsePanel5"_s;
        QTest::addRow("3 aun") << 3 << 3 << navy << u"CollapsePanel4"_s;
        QTest::addRow("4 hecho") << 4 << 5 << teal << u"CollapsePanel1"_s;
        QTest::addRow("5 ha") << 5 << 3 << teal << u"CollapsePanel2"_s;
        QTest::addRow("6 haber") << 6 << 5 << teal << u"CollapsePanel3"_s;
    }
    void blanksAsBuilt()
    {
        QFETCH(int, group);
        QFETCH(int, maxLength);
        QFETCH(QColor, colour);
        QFETCH(QString, panel);
        ExercisesWindow window;
        QuestionsPage *page = window.questionsPage;
        auto *own = window.findChild<CollapsePanel *>(panel);
        const QuestionsExercise::Group blanks = QuestionsExercise::groups()[group - 1];
        for (int n = blanks.firstBlank; n < blanks.firstBlank + blanks.size; ++n) {
            QLineEdit *blank = window.findChild<QLineEdit *>(u"Edit%1"_s.arg(n));
            QVERIFY(blank);
            QCOMPARE(page->Edit(n), blank);
            QCOMPARE(blank->parentWidget(), own);
            QVERIFY(!blank->hasFrame());
            // Blank 30 takes "haberlo": the pronoun joins the infinitive.
            QCOMPARE(blank->maxLength(), n == 30 ? 7 : maxLength);
            QCOMPARE(textColor(blank), colour);
            QVERIFY(blank->text().isEmpty());
        }
        // A wrong or empty blank tells the rule of its own group, the first one of a group too.
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        page->CorregirCuestiones->click();
        QCOMPARE(page->Edit(blanks.firstBlank)->toolTip(), QuestionsExercise::groupHint(group - 1));
        QCOMPARE(page->Edit(blanks.firstBlank)->accessibleDescription(), QuestionsExercise::groupHint(group - 1));
        QCOMPARE(page->Edit(blanks.firstBlank + blanks.size - 1)->toolTip(), QuestionsExercise::groupHint(group - 1));
        SelPanel *chooser = page->chooser(group);
        QCOMPARE(chooser->objectName(), u"SelPanel%1"_s.arg(group));
        QCOMPARE(chooser->parentWidget(), own);
        QVERIFY(chooser->isHidden());
        QCOMPARE(chooser->focusPolicy(), Qt::NoFocus);
        QCOMPARE(chooser->Bitmap().size(), QSize(128, 260));
        QCOMPARE(chooser->Bitmap().depth(), 24);
    }

    // Every blank takes exactly one of the words its group's chooser offers, in the form it
    // offers it: a student who picks the right word is never marked wrong.
    void chooserWordsAreAcceptedWhereRight_data()
    {
        QTest::addColumn<int>("blank");
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n)
            QTest::addRow("blank %d", n) << n;
    }
    void chooserWordsAreAcceptedWhereRight()
    {
        QFETCH(int, blank);
        ExercisesWindow window;
        QuestionsPage *page = window.questionsPage;
        const QStringList offered = page->chooser(QuestionsExercise::groupOf(blank) + 1)->StringListValues();
        QStringList accepted;
        for (const QString &word : offered)
            if (QuestionsExercise::ruleFor(blank).accepts(word))
                accepted << word;
        QCOMPARE(accepted.size(), 1);
        // Chosen with the pointer, it is marked right.
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        page->Edit(blank)->setFocus();
        emit page->chooser(QuestionsExercise::groupOf(blank) + 1)->OnChange(nullptr, accepted.first(),
                                                                          offered.indexOf(accepted.first()) + 1);
        QCOMPARE(page->Edit(blank)->text(), accepted.first());
        page->CorregirCuestiones->click();
        QCOMPARE(textColor(page->Edit(blank)), lime);
    }

    void correctedSentences_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addRow("1g el porqué") << u"Label126"_s << u"g) Desconozco el "_s;
        QTest::addRow("2e capital after the exclamation") << u"Label111"_s << u"hay examen! ¿Por qué vas al colegio?"_s;
        QTest::addRow("2f full stop") << u"Label113"_s << u"voy al colegio."_s;
        QTest::addRow("3e si van") << u"Label101"_s << u"si van a venir."_s;
        QTest::addRow("4b full stop") << u"Label63"_s << u"de que no haya venido me ha molestado."_s;
        QTest::addRow("4c comma after the clause") << u"Label66"_s << u"más azúcar en el café, no lo podré beber."_s;
        QTest::addRow("6a de haberlo sabido") << u"Label83"_s << u"sabido, no hubiera ido."_s;
    }
    void correctedSentences()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        ExercisesWindow window;
        QCOMPARE(window.findChild<QLabel *>(label)->text(), text);
    }

    // "haberlo" fits its blank whole, and the sentence goes on after it.
    void haberloFitsItsBlank()
    {
        ExercisesWindow window;
        QLineEdit *blank = window.questionsPage->Edit(30);
        blank->insert(u"haberlo"_s);
        QCOMPARE(blank->text(), u"haberlo"_s);
        QVERIFY(blank->fontMetrics().horizontalAdvance(blank->text()) < blank->width());
        QVERIFY(blank->geometry().right() < window.findChild<QLabel *>(u"Label83"_s)->x());
    }

    void correctingAnEmptyPage()
    {
        ExercisesWindow window;
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        QuestionsPage *page = window.questionsPage;
        window.scores().counts().sinoHits = 4;
        page->CorregirCuestiones->click();
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
            QCOMPARE(textColor(page->Edit(n)), navy);
            QVERIFY(!page->Edit(n)->toolTip().isEmpty());
        }
        for (QLabel *count : {page->totporque, page->TotSino, page->Totaun, page->Tothecho, page->TotA, page->Tothaber})
            QCOMPARE(count->text(), u"0"_s);
        for (QLabel *percent : {page->porquepercent, page->Sinopercent, page->Aunpercent,
                                page->hechopercent, page->Apercent, page->Haberpercent})
            QCOMPARE(percent->text(), QString());
        QCOMPARE(page->TotCuestiones->text(), u"0"_s);
        QCOMPARE(page->TotCuestionesPercent->text(), QString());
        QCOMPARE(window.scores().counts().sinoHits, 0);
        QCOMPARE(window.TCuestPercent->text(), u"0"_s);
    }

    // The whole path a student takes: the pointer and the word chooser in group 2, the keyboard
    // through group 4 into group 5, a correction, one answer changed, a second correction.
    void fillingAndCorrecting()
    {
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        QuestionsPage *page = window.questionsPage;
        for (CollapsePanel *panel : window.findChildren<CollapsePanel *>())
            QVERIFY(panel->Collapsed());

        // Group 2: a click on blank b shows the chooser; a click on "sino" fills the blank.
        page->CollapsePanel5->setCollapsed(false);
        QLineEdit *b = page->Edit(9);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QVERIFY(b->hasFocus());
        QVERIFY(page->SelPanel2->isVisible());
        QTest::mouseClick(page->SelPanel2, Qt::LeftButton, {}, rowCentre(page->SelPanel2, 1));
        QCOMPARE(b->text(), u"sino"_s);
        QVERIFY(b->hasFocus());
        for (int g = 1; g <= 6; ++g)
            QVERIFY(page->chooser(g)->isHidden());

        // Blank a: typed, then the pointer passes through the chooser without a click. Mended:
        // the leaving pointer emptied the blank; now it only closes the chooser.
        QLineEdit *a = page->Edit(8);
        QTest::mouseClick(a, Qt::LeftButton, {}, a->rect().center());
        QTest::keyClicks(a, u"sino"_s);
        QCOMPARE(a->text(), u"sino"_s);
        QTest::mouseMove(page->SelPanel2, rowCentre(page->SelPanel2, 0));
        QTest::mouseMove(page->CollapsePanel5, QPoint(20, 200));
        QCOMPARE(a->text(), u"sino"_s);
        QVERIFY(page->SelPanel2->isHidden());

        // A right click shows no chooser.
        QLineEdit *c = page->Edit(10);
        QTest::mouseClick(c, Qt::RightButton, {}, c->rect().center());
        QVERIFY(page->SelPanel2->isHidden());

        // Group 4 by keyboard: typing, Enter to move on; Enter is never typed into a blank.
        page->CollapsePanel5->setCollapsed(true);
        page->CollapsePanel1->setCollapsed(false);
        QLineEdit *first = page->Edit(19);
        QTest::mouseClick(first, Qt::LeftButton, {}, first->rect().center());
        const QStringList group4 = {u"echo"_s, u"hecho"_s, u"echo"_s, u"Hecho"_s, u"hecho"_s};
        for (int i = 0; i < group4.size(); ++i) {
            QLineEdit *blank = page->Edit(19 + i);
            QVERIFY(blank->hasFocus());
            QTest::keyClicks(blank, group4[i]);
            QTest::keyClick(blank, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QCOMPARE(blank->text(), group4[i]);
        }
        // On into group 5, which opens for the keyboard while group 4 folds.
        QLineEdit *five = page->Edit(24);
        QVERIFY(five->hasFocus());
        QVERIFY(!page->CollapsePanel2->Collapsed());
        QVERIFY(page->CollapsePanel1->Collapsed());
        QTest::keyClicks(five, u"a"_s);
        QTest::keyClick(five, Qt::Key_Return);
        QTest::keyClicks(page->Edit(25), u"haber"_s);
        QCOMPARE(page->Edit(25)->text(), u"hab"_s); // cut to the blank's three letters

        QTest::mouseClick(page->CorregirCuestiones, Qt::LeftButton);
        for (int n = 19; n <= 24; ++n)
            QCOMPARE(textColor(page->Edit(n)), lime);
        QCOMPARE(textColor(page->Edit(8)), lime);
        QCOMPARE(textColor(page->Edit(9)), navy);
        QCOMPARE(page->Edit(9)->toolTip(), QuestionsExercise::groupHint(1));
        QVERIFY(page->Edit(8)->toolTip().isEmpty());
        QCOMPARE(textColor(page->Edit(30)), navy);
        QCOMPARE(page->Tothecho->text(), u"5"_s);
        QCOMPARE(page->hechopercent->text(), u"100"_s);
        QCOMPARE(page->TotSino->text(), u"1"_s);
        QCOMPARE(page->Sinopercent->text(), u"16"_s + QLocale().decimalPoint() + u"7"_s);
        QCOMPARE(page->TotA->text(), u"1"_s);
        QCOMPARE(page->totporque->text(), u"0"_s);
        QCOMPARE(page->TotCuestiones->text(), u"7"_s);
        QCOMPARE(page->TotCuestionesPercent->text(), u"20"_s + QLocale().decimalPoint() + u"6"_s);
        QCOMPARE(window.scores().counts().hechoHits, 5);
        QCOMPARE(window.scores().counts().sinoHits, 1);
        QCOMPARE(window.scores().counts().haHits, 1);
        // Written at once, not only by the next tick: 7 of 34 is 20.59 %.
        QCOMPARE(window.TCuestPercent->text(), u"21"_s);

        // One right answer made wrong: back to navy, and every count one lower.
        page->CollapsePanel2->setCollapsed(true);
        page->CollapsePanel1->setCollapsed(false);
        QLineEdit *changed = page->Edit(20);
        changed->setFocus();
        changed->selectAll();
        QTest::keyClicks(changed, u"echo"_s);
        page->CorregirCuestiones->click();
        QCOMPARE(textColor(changed), navy);
        QCOMPARE(changed->toolTip(), QuestionsExercise::groupHint(3));
        QCOMPARE(textColor(page->Edit(19)), lime);
        QCOMPARE(page->Tothecho->text(), u"4"_s);
        QCOMPARE(page->hechopercent->text(), u"80"_s);
        QCOMPARE(page->TotCuestiones->text(), u"6"_s);
        QCOMPARE(window.scores().counts().hechoHits, 4);
        QCOMPARE(window.TCuestPercent->text(), u"18"_s);
    }

    void tabOrderRunsThroughTheGroupsToTheButton_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addRow("group 1 into 2") << 7 << u"Edit8"_s;
        QTest::addRow("group 5 into 6") << 29 << u"Edit30"_s;
        QTest::addRow("last blank to the button") << 34 << u"CorregirCuestiones"_s;
    }
    void tabOrderRunsThroughTheGroupsToTheButton()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        QLineEdit *blank = window.questionsPage->Edit(from);
        blank->setFocus();
        QTest::keyClick(blank, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    // Tab walks the blanks from group 1 to group 6, each group opening as it is reached and
    // the others folding, so that the blank being typed in is always seen.
    void tabWalksGroupOneToSixInView()
    {
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        window.questionsPage->Edit(1)->setFocus(Qt::TabFocusReason);
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
            QVERIFY(openBlanksInView(window));
            QCOMPARE(openGroups(window), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n)
            expected << u"Edit%1"_s.arg(n);
        expected << u"CorregirCuestiones"_s;
        QCOMPARE(walked, expected);
    }

    // With group 1 open and pinned, the pointer opening group 2 folds group 1 and releases its
    // pin, so that group 2's blanks are seen.
    void openingAGroupFoldsTheOthers()
    {
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.TabbedNotebook1->setPageIndex(ExercisesWindow::PageCuestiones);
        QuestionsPage *page = window.questionsPage;
        const auto pointAt = [](CollapsePanel *panel) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)));
            QCoreApplication::sendEvent(panel, &enter);
        };
        pointAt(page->CollapsePanel6);
        page->CollapsePanel6->MarkerButton()->click();
        QVERIFY(page->CollapsePanel6->Pinned());
        pointAt(page->CollapsePanel5);
        QVERIFY(!page->CollapsePanel5->Collapsed());
        QVERIFY(page->CollapsePanel6->Collapsed());
        QVERIFY(!page->CollapsePanel6->Pinned());
        QCOMPARE(openGroups(window), 1);
        QVERIFY(openBlanksInView(window));
    }
};

QTEST_MAIN(TestQuestionsPage)
#include "tst_questionspage.moc"
