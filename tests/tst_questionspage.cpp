// The page "Cuestiones" in its window: the blanks as built, filling them by typing, by Enter and
// from the word choosers with real mouse events, and correcting.
#include "help/QuestionsPage.h"
#include "help/ExercisesWindow.h"

#include "exercises/QuestionsExercise.h"
#include "ExercisesWindowParts.h"
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
using namespace ExercisesWindowParts;

namespace {

// Every blank of every open group lies wholly inside the page.
bool openBlanksInView(ExercisesWindow &window)
{
    QWidget *page = tabs(window)->page(ExercisesWindow::PageCuestiones);
    for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
        QLineEdit *blank = pageOf<QuestionsPage>(window)->blank(n);
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
    void init()
    {
        m_window = std::make_unique<ExercisesWindow>();
        m_page = pageOf<QuestionsPage>(*m_window);
    }
    void cleanup() { m_window.reset(); }

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
        auto *own = m_window->findChild<CollapsePanel *>(panel);
        const QuestionsExercise::Group blanks = QuestionsExercise::groups()[group - 1];
        for (int n = blanks.firstBlank; n < blanks.firstBlank + blanks.size; ++n) {
            QLineEdit *blank = m_window->findChild<QLineEdit *>(u"Edit%1"_s.arg(n));
            QVERIFY(blank);
            QCOMPARE(m_page->blank(n), blank);
            QCOMPARE(blank->parentWidget(), own);
            QVERIFY(!blank->hasFrame());
            // Blank 30 takes "haberlo": the pronoun joins the infinitive.
            QCOMPARE(blank->maxLength(), n == 30 ? 7 : maxLength);
            QCOMPARE(textColor(blank), colour);
            QVERIFY(blank->text().isEmpty());
        }
        // A wrong or empty blank tells the rule of its own group, the first one of a group too.
        tabs(*m_window)->setPageIndex(ExercisesWindow::PageCuestiones);
        correct();
        QCOMPARE(m_page->blank(blanks.firstBlank)->toolTip(), QuestionsExercise::groupHint(group - 1));
        QCOMPARE(m_page->blank(blanks.firstBlank)->accessibleDescription(), QuestionsExercise::groupHint(group - 1));
        QCOMPARE(m_page->blank(blanks.firstBlank + blanks.size - 1)->toolTip(), QuestionsExercise::groupHint(group - 1));
        SelPanel *chooser = m_page->chooser(group);
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
        const QStringList offered = m_page->chooser(QuestionsExercise::groupOf(blank) + 1)->StringListValues();
        QStringList accepted;
        for (const QString &word : offered)
            if (QuestionsExercise::ruleFor(blank).accepts(word))
                accepted << word;
        QCOMPARE(accepted.size(), 1);
        // Chosen with the pointer, it is marked right.
        tabs(*m_window)->setPageIndex(ExercisesWindow::PageCuestiones);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_page->blank(blank)->setFocus();
        emit m_page->chooser(QuestionsExercise::groupOf(blank) + 1)->OnChange(nullptr, accepted.first(),
                                                                          offered.indexOf(accepted.first()) + 1);
        QCOMPARE(m_page->blank(blank)->text(), accepted.first());
        correct();
        QCOMPARE(textColor(m_page->blank(blank)), lime);
    }

    // With every other blank right, one wrong answer is the one miss kept, under its pair's
    // rule; a later correction replaces it, so a blank put right leaves no miss behind.
    void wrongAnswersAreKeptWithTheirPairs_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("miss");
        QTest::addRow("1d, the sentence's start") << 4 << u"porque"_s << u"porque / por qué / porqué / por que|porque|Por qué|porque"_s;
        QTest::addRow("2b") << 9 << u"sino"_s << u"si no / sino|sino|si no|sino"_s;
        QTest::addRow("3d, the sentence's start") << 17 << u"aun"_s << u"aun / aún|aun|Aún|aun"_s;
        QTest::addRow("4a") << 19 << u"hecho"_s << u"hecho / echo|hecho|echo|hecho"_s;
        QTest::addRow("5a, left empty") << 24 << QString() << u"a / ha||a|ha"_s;
        QTest::addRow("6b") << 31 << u"haber"_s << u"a ver / haber|haber|A ver|haber"_s;
    }
    void wrongAnswersAreKeptWithTheirPairs()
    {
        QFETCH(int, blank);
        QFETCH(QString, typed);
        QFETCH(QString, miss);
        tabs(*m_window)->setPageIndex(ExercisesWindow::PageCuestiones);
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n)
            m_page->blank(n)->setText(QuestionsExercise::rightAnswer(n));
        m_page->blank(blank)->setText(typed);
        correct();
        QCOMPARE(label(u"TotCuestiones"_s)->text(), u"33"_s);
        const QList<SessionDetail::Miss> misses = m_window->scores().misses();
        QCOMPARE(misses.size(), 1);
        const SessionDetail::Miss &kept = misses.first();
        QCOMPARE(QStringList({kept.shown, kept.answer, kept.right, kept.rule}).join(u'|'), miss);
        QCOMPARE(kept.exercise, SessionDetail::Exercise::Questions);
        QCOMPARE(kept.explanation, QuestionsExercise::groupHint(QuestionsExercise::groupOf(blank)));

        m_page->blank(blank)->setText(QuestionsExercise::rightAnswer(blank));
        correct();
        QVERIFY(m_window->scores().misses().isEmpty());
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
        QCOMPARE(part<QLabel>(*m_window, label)->text(), text);
    }

    // "haberlo" fits its blank whole, and the sentence goes on after it.
    void haberloFitsItsBlank()
    {
        QLineEdit *blank = m_page->blank(30);
        blank->insert(u"haberlo"_s);
        QCOMPARE(blank->text(), u"haberlo"_s);
        QVERIFY(blank->fontMetrics().horizontalAdvance(blank->text()) < blank->width());
        QVERIFY(blank->geometry().right() < label(u"Label83"_s)->x());
    }

    void correctingAnEmptyPage()
    {
        tabs(*m_window)->setPageIndex(ExercisesWindow::PageCuestiones);
        m_window->scores().counts().sinoHits = 4;
        correct();
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
            QCOMPARE(textColor(m_page->blank(n)), navy);
            QVERIFY(!m_page->blank(n)->toolTip().isEmpty());
        }
        for (const char16_t *count : {u"totporque", u"TotSino", u"Totaun", u"Tothecho", u"TotA", u"Tothaber"})
            QCOMPARE(label(QString::fromUtf16(count))->text(), u"0"_s);
        for (const char16_t *percent : {u"porquepercent", u"Sinopercent", u"Aunpercent", u"hechopercent", u"Apercent", u"Haberpercent"})
            QCOMPARE(label(QString::fromUtf16(percent))->text(), QString());
        QCOMPARE(label(u"TotCuestiones"_s)->text(), u"0"_s);
        QCOMPARE(label(u"TotCuestionesPercent"_s)->text(), QString());
        QCOMPARE(m_window->scores().counts().sinoHits, 0);
        QCOMPARE(label(u"TCuestPercent"_s)->text(), u"0"_s);
    }

    // The whole path a student takes: the pointer and the word chooser in group 2, the keyboard
    // through group 4 into group 5, a correction, one answer changed, a second correction.
    void fillingAndCorrecting()
    {
        QVERIFY(showOn(*m_window, ExercisesWindow::PageCuestiones));
        for (CollapsePanel *panel : m_window->findChildren<CollapsePanel *>())
            QVERIFY(panel->Collapsed());

        // Group 2: a click on blank b shows the chooser; a click on "sino" fills the blank.
        panel(u"CollapsePanel5"_s)->setCollapsed(false);
        QLineEdit *b = m_page->blank(9);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QVERIFY(b->hasFocus());
        QVERIFY(m_page->chooser(2)->isVisible());
        QTest::mouseClick(m_page->chooser(2), Qt::LeftButton, {}, rowCentre(m_page->chooser(2), 1));
        QCOMPARE(b->text(), u"sino"_s);
        QVERIFY(b->hasFocus());
        for (int g = 1; g <= 6; ++g)
            QVERIFY(m_page->chooser(g)->isHidden());

        // Blank a: typed, then the pointer passes through the chooser without a click. Mended:
        // the leaving pointer emptied the blank; now it only closes the chooser.
        QLineEdit *a = m_page->blank(8);
        QTest::mouseClick(a, Qt::LeftButton, {}, a->rect().center());
        QTest::keyClicks(a, u"sino"_s);
        QCOMPARE(a->text(), u"sino"_s);
        QTest::mouseMove(m_page->chooser(2), rowCentre(m_page->chooser(2), 0));
        QTest::mouseMove(panel(u"CollapsePanel5"_s), QPoint(20, 200));
        QCOMPARE(a->text(), u"sino"_s);
        QVERIFY(m_page->chooser(2)->isHidden());

        // A right click shows no chooser.
        QLineEdit *c = m_page->blank(10);
        QTest::mouseClick(c, Qt::RightButton, {}, c->rect().center());
        QVERIFY(m_page->chooser(2)->isHidden());

        // Group 4 by keyboard: typing, Enter to move on; Enter is never typed into a blank.
        panel(u"CollapsePanel5"_s)->setCollapsed(true);
        panel(u"CollapsePanel1"_s)->setCollapsed(false);
        QLineEdit *first = m_page->blank(19);
        QTest::mouseClick(first, Qt::LeftButton, {}, first->rect().center());
        const QStringList group4 = {u"echo"_s, u"hecho"_s, u"echo"_s, u"Hecho"_s, u"hecho"_s};
        for (int i = 0; i < group4.size(); ++i) {
            QLineEdit *blank = m_page->blank(19 + i);
            QVERIFY(blank->hasFocus());
            QTest::keyClicks(blank, group4[i]);
            QTest::keyClick(blank, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QCOMPARE(blank->text(), group4[i]);
        }
        // On into group 5, which opens for the keyboard while group 4 folds.
        QLineEdit *five = m_page->blank(24);
        QVERIFY(five->hasFocus());
        QVERIFY(!panel(u"CollapsePanel2"_s)->Collapsed());
        QVERIFY(panel(u"CollapsePanel1"_s)->Collapsed());
        QTest::keyClicks(five, u"a"_s);
        QTest::keyClick(five, Qt::Key_Return);
        QTest::keyClicks(m_page->blank(25), u"haber"_s);
        QCOMPARE(m_page->blank(25)->text(), u"hab"_s); // cut to the blank's three letters

        QTest::mouseClick(part<QPushButton>(*m_window, u"CorregirCuestiones"_s), Qt::LeftButton);
        for (int n = 19; n <= 24; ++n)
            QCOMPARE(textColor(m_page->blank(n)), lime);
        QCOMPARE(textColor(m_page->blank(8)), lime);
        QCOMPARE(textColor(m_page->blank(9)), navy);
        QCOMPARE(m_page->blank(9)->toolTip(), QuestionsExercise::groupHint(1));
        QVERIFY(m_page->blank(8)->toolTip().isEmpty());
        QCOMPARE(textColor(m_page->blank(30)), navy);
        QCOMPARE(label(u"Tothecho"_s)->text(), u"5"_s);
        QCOMPARE(label(u"hechopercent"_s)->text(), u"100"_s);
        QCOMPARE(label(u"TotSino"_s)->text(), u"1"_s);
        QCOMPARE(label(u"Sinopercent"_s)->text(), u"16"_s + QLocale().decimalPoint() + u"7"_s);
        QCOMPARE(label(u"TotA"_s)->text(), u"1"_s);
        QCOMPARE(label(u"totporque"_s)->text(), u"0"_s);
        QCOMPARE(label(u"TotCuestiones"_s)->text(), u"7"_s);
        QCOMPARE(label(u"TotCuestionesPercent"_s)->text(), u"20"_s + QLocale().decimalPoint() + u"6"_s);
        QCOMPARE(m_window->scores().counts().hechoHits, 5);
        QCOMPARE(m_window->scores().counts().sinoHits, 1);
        QCOMPARE(m_window->scores().counts().haHits, 1);
        // Written at once, not only by the next tick: 7 of 34 is 20.59 %.
        QCOMPARE(label(u"TCuestPercent"_s)->text(), u"21"_s);

        // One right answer made wrong: back to navy, and every count one lower.
        panel(u"CollapsePanel2"_s)->setCollapsed(true);
        panel(u"CollapsePanel1"_s)->setCollapsed(false);
        QLineEdit *changed = m_page->blank(20);
        changed->setFocus();
        changed->selectAll();
        QTest::keyClicks(changed, u"echo"_s);
        correct();
        QCOMPARE(textColor(changed), navy);
        QCOMPARE(changed->toolTip(), QuestionsExercise::groupHint(3));
        QCOMPARE(textColor(m_page->blank(19)), lime);
        QCOMPARE(label(u"Tothecho"_s)->text(), u"4"_s);
        QCOMPARE(label(u"hechopercent"_s)->text(), u"80"_s);
        QCOMPARE(label(u"TotCuestiones"_s)->text(), u"6"_s);
        QCOMPARE(m_window->scores().counts().hechoHits, 4);
        QCOMPARE(label(u"TCuestPercent"_s)->text(), u"18"_s);
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
        QVERIFY(showOn(*m_window, ExercisesWindow::PageCuestiones));
        QLineEdit *blank = m_page->blank(from);
        blank->setFocus();
        QTest::keyClick(blank, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    // Tab walks the blanks from group 1 to group 6, each group opening as it is reached and
    // the others folding, so that the blank being typed in is always seen.
    void tabWalksGroupOneToSixInView()
    {
        QVERIFY(showOn(*m_window, ExercisesWindow::PageCuestiones));
        m_page->blank(1)->setFocus(Qt::TabFocusReason);
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int n = 1; n <= QuestionsExercise::blankCount; ++n) {
            QVERIFY(openBlanksInView(*m_window));
            QCOMPARE(openGroups(*m_window), 1);
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
        QVERIFY(showOn(*m_window, ExercisesWindow::PageCuestiones));
        const auto pointAt = [](CollapsePanel *panel) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)));
            QCoreApplication::sendEvent(panel, &enter);
        };
        CollapsePanel *first = panel(u"CollapsePanel6"_s);
        CollapsePanel *second = panel(u"CollapsePanel5"_s);
        pointAt(first);
        first->MarkerButton()->click();
        QVERIFY(first->Pinned());
        pointAt(second);
        QVERIFY(!second->Collapsed());
        QVERIFY(first->Collapsed());
        QVERIFY(!first->Pinned());
        QCOMPARE(openGroups(*m_window), 1);
        QVERIFY(openBlanksInView(*m_window));
    }

private:
    QLabel *label(const QString &name) const { return part<QLabel>(*m_window, name); }
    CollapsePanel *panel(const QString &name) const { return part<CollapsePanel>(*m_window, name); }
    void correct() const { part<QPushButton>(*m_window, u"CorregirCuestiones"_s)->click(); }

    std::unique_ptr<ExercisesWindow> m_window;
    QuestionsPage *m_page = nullptr;
};

QTEST_MAIN(TestQuestionsPage)
#include "tst_questionspage.moc"
