// The page "Ejemplos" played as a student does, by mouse and by keyboard, and the help
// window's tick that brings its figures up to date.
#include "help/ExamplesPage.h"
#include "help/ExercisesWindow.h"

#include "DoubledPixels.h"
#include "ExercisesWindowParts.h"
#include "FileFixtures.h"
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"
#include "TestVoices.h"
#include "platform/ListenAction.h"
#include "exercises/ExerciseScores.h"
#include "spanish/SpellingDictionary.h"
#include "widgets/Banner.h"
#include "widgets/TabbedNotebook.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;
using Exercise = ClassificationExercise;
using namespace ExercisesWindowParts;

namespace {

int groupOf(const QString &word)
{
    for (int group = 0; group < Exercise::groupCount; ++group) {
        if (Exercise::count(group, {word}) > 0)
            return group;
    }
    return -1;
}

} // namespace

class TestExamplesPage : public QObject {
    Q_OBJECT

    std::unique_ptr<ExercisesWindow> m_window;
    ExamplesPage *m_page = nullptr;

    QWindow *handle() const { return m_window->windowHandle(); }
    // Where a point of a list's items lies in the window, as real pointer events see it.
    QPoint inWindow(QListWidget *list, QPoint point) const { return list->viewport()->mapTo(m_window.get(), point); }
    QPoint wordAt(QListWidget *list, const QString &word) const
    {
        const QList<QListWidgetItem *> found = list->findItems(word, Qt::MatchExactly);
        if (found.isEmpty())
            return {};
        // The student scrolls down to a word first.
        list->scrollToItem(found.first());
        return inWindow(list, list->visualItemRect(found.first()).center());
    }
    // An empty place low in a list, below its items.
    QPoint emptyPlace(QListWidget *list) const { return inWindow(list, QPoint(20, list->viewport()->height() - 5)); }

    void press(QPoint at) { QTest::mousePress(handle(), Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, at); }
    void click(QPoint at) { QTest::mouseClick(handle(), Qt::LeftButton, {}, at); }
    void drag(QPoint from, QPoint to)
    {
        press(from);
        QTest::mouseMove(handle(), (from + to) / 2);
        QTest::mouseMove(handle(), to);
        release(to);
    }
    void key(QWidget *widget, Qt::Key code)
    {
        widget->setFocus();
        QTest::keyClick(widget, code);
    }
    // Picks a word as a keyboard user does: to the top, down to the word, Space to mark it.
    void pickByKeyboard(const QString &word)
    {
        QListWidget *list = words();
        const int row = list->row(list->findItems(word, Qt::MatchExactly).value(0));
        QVERIFY(row >= 0);
        key(list, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(picked(), row);
    }
    QStringList items(QListWidget *list) const
    {
        QStringList words;
        for (int row = 0; row < list->count(); ++row)
            words << list->item(row)->text();
        return words;
    }
    // The figures after one tick: hits, attempts, percentage.
    void checkFigures(const QString &hits, const QString &attempts, const QString &percent)
    {
        QCOMPARE(label(u"Taciertos"_s)->text(), hits);
        QCOMPARE(label(u"Tintentos"_s)->text(), attempts);
        QCOMPARE(label(u"porcen1"_s)->text(), percent);
        QCOMPARE(label(u"Porcen0"_s)->text(), percent);
        QCOMPARE(part<QProgressBar>(*m_window, u"ProgressBar1"_s)->value(), percent.toInt());
        QCOMPARE(label(u"Taciertos"_s)->accessibleName(), u"Aciertos: "_s + hits);
        QCOMPARE(label(u"porcen1"_s)->accessibleName(), u"Porcentaje de aciertos: %1 %"_s.arg(percent));
    }
    QListWidget *words() const { return part<QListWidget>(*m_window, u"ListBox1"_s); }
    QTimer *timer() const { return part<QTimer>(*m_window, u"Timer1"_s); }
    QLabel *label(const QString &name) const { return part<QLabel>(*m_window, name); }
    QLabel *counter(int group) const
    {
        static const char16_t *const names[] = {u"TAgudas", u"Tllanas", u"Tesdrujulas",
                                                u"Tdiptongos", u"Thiatos", u"Ttriptongos"};
        return label(QString::fromUtf16(names[group]));
    }
    QLabel *title(int group) const { return label(u"Label%1"_s.arg(group + 1)); }
    // The row of the word the student sees picked in the word list, -1 when none is.
    int picked() const
    {
        const QList<QListWidgetItem *> selected = words()->selectedItems();
        return selected.isEmpty() ? -1 : words()->row(selected.first());
    }
    QColor counterColor(int group) const
    {
        return counter(group)->palette().color(QPalette::WindowText);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<ExercisesWindow>();
        m_page = pageOf<ExamplesPage>(*m_window);
        tabs(*m_window)->setPageIndex(ExercisesWindow::PageEjemplos);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The test ticks by hand, except where the real timer is the point.
        timer()->stop();
    }
    void cleanup() { m_window.reset(); }

    void startsAsLaidOut()
    {
        QCOMPARE(items(words()), Exercise::startingWords());
        for (int group = 0; group < Exercise::groupCount; ++group) {
            QCOMPARE(m_page->groupList(group)->count(), 0);
            QCOMPARE(counter(group)->text(), u"0"_s);
            QCOMPARE(counterColor(group), QColor(128, 0, 0));
            QVERIFY(title(group)->toolTip().startsWith(u"Tecla %1:"_s.arg(group + 1)));
        }
        QCOMPARE(picked(), -1);
        // Ticking before any attempt keeps the start values: no division by zero.
        m_window->refreshFigures();
        checkFigures(u"0"_s, u"0"_s, u"0"_s);
        QCOMPARE(part<Banner>(*m_window, u"MultiShape2"_s)->Text(), QString());
    }

    // The five ways the mouse moves words, in one session as a student would go through them.
    void playedWithTheMouse()
    {
        ExamplesPage &page = *m_page;
        // A click on a group list before anything was ever picked moves nothing.
        click(emptyPlace(page.groupList(Exercise::Agudas)));
        QCOMPARE(m_window->scores().counts().exampleAttempts, 0);

        // Pick, then click a group list.
        click(wordAt(words(), u"amor"_s));
        QCOMPARE(picked(), 4);
        click(emptyPlace(page.groupList(Exercise::Agudas)));
        QCOMPARE(items(page.groupList(Exercise::Agudas)), QStringList{u"amor"_s});
        QCOMPARE(words()->count(), 59);
        QVERIFY(words()->selectedItems().isEmpty());
        QCOMPARE(picked(), -1);
        // Nothing shows before the tick.
        QCOMPARE(counter(Exercise::Agudas)->text(), u"0"_s);
        m_window->refreshFigures();
        QCOMPARE(counter(Exercise::Agudas)->text(), u"1"_s);
        checkFigures(u"1"_s, u"1"_s, u"100"_s);

        // A drag from the word list to a group.
        drag(wordAt(words(), u"joven"_s), emptyPlace(page.groupList(Exercise::Llanas)));
        QCOMPARE(items(page.groupList(Exercise::Llanas)), QStringList{u"joven"_s});

        // A drag that ends elsewhere leaves the word picked; a click then places it. The drag
        // crosses other words of the list, which must not change the pick.
        const QPoint martir = wordAt(words(), u"mártir"_s);
        drag(martir, martir + QPoint(0, 60));
        drag(martir, inWindow(words(), QPoint(0, 0)) + QPoint(300, -40));
        QVERIFY(picked() >= 0);
        QCOMPARE(words()->item(picked())->text(), u"mártir"_s);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 2);
        click(emptyPlace(page.groupList(Exercise::Llanas)));
        QCOMPARE(items(page.groupList(Exercise::Llanas)), (QStringList{u"joven"_s, u"mártir"_s}));

        // A wrong move, undone with a double-click: the word goes back to its place.
        click(wordAt(words(), u"tórax"_s));
        click(emptyPlace(page.groupList(Exercise::Agudas)));
        m_window->refreshFigures();
        QCOMPARE(counter(Exercise::Agudas)->text(), u"1"_s);
        QCOMPARE(counter(Exercise::Llanas)->text(), u"2"_s);
        checkFigures(u"3"_s, u"4"_s, u"75"_s);
        QTest::mouseDClick(handle(), Qt::LeftButton, {}, wordAt(page.groupList(Exercise::Agudas), u"tórax"_s));
        QCOMPARE(items(page.groupList(Exercise::Agudas)), QStringList{u"amor"_s});
        QCOMPARE(words()->item(words()->count() - 1)->text(), u"tórax"_s);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 4);

        // With nothing picked, a drag from one group to another moves nothing.
        drag(wordAt(page.groupList(Exercise::Agudas), u"amor"_s), emptyPlace(page.groupList(Exercise::Llanas)));
        QCOMPARE(items(page.groupList(Exercise::Agudas)), QStringList{u"amor"_s});
        QCOMPARE(page.groupList(Exercise::Llanas)->count(), 2);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 4);

        // A drag from group A to group B takes the picked word to B, and A's end of the drag
        // then finds nothing to move.
        click(wordAt(words(), u"tórax"_s));
        drag(wordAt(page.groupList(Exercise::Agudas), u"amor"_s), emptyPlace(page.groupList(Exercise::Llanas)));
        QCOMPARE(items(page.groupList(Exercise::Agudas)), QStringList{u"amor"_s});
        QCOMPARE(items(page.groupList(Exercise::Llanas)), (QStringList{u"joven"_s, u"mártir"_s, u"tórax"_s}));

        // A drag from a group that ends outside any list puts the picked word in that group.
        click(wordAt(words(), u"danés"_s));
        drag(wordAt(page.groupList(Exercise::Agudas), u"amor"_s), inWindow(words(), QPoint(0, 0)) + QPoint(300, -40));
        QCOMPARE(items(page.groupList(Exercise::Agudas)), (QStringList{u"amor"_s, u"danés"_s}));

        m_window->refreshFigures();
        QCOMPARE(counter(Exercise::Llanas)->text(), u"3"_s);
        QCOMPARE(counter(Exercise::Llanas)->accessibleName(), u"Llanas correctas: 3"_s);
        checkFigures(u"5"_s, u"6"_s, u"83"_s);
        QCOMPARE(m_window->scores().counts().exampleHits, 5);
    }

    // Keys only: every word placed, a group lit, the banner, then one sent back with Delete.
    void playedWithTheKeyboard()
    {
        ExamplesPage &page = *m_page;
        // A digit with nothing picked counts nothing.
        key(words(), Qt::Key_1);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 0);

        // A wrong key first, then Delete on that group and the right key.
        pickByKeyboard(u"amor"_s);
        QTest::keyClick(words(), Qt::Key_2);
        QCOMPARE(items(page.groupList(Exercise::Llanas)), QStringList{u"amor"_s});
        QCOMPARE(m_window->scores().counts().exampleAttempts, 1);
        page.groupList(Exercise::Llanas)->setCurrentRow(0);
        key(page.groupList(Exercise::Llanas), Qt::Key_Delete);
        QCOMPARE(page.groupList(Exercise::Llanas)->count(), 0);
        QCOMPARE(items(words()), Exercise::startingWords());

        for (const QString &word : Exercise::startingWords()) {
            pickByKeyboard(word);
            QTest::keyClick(words(), Qt::Key(Qt::Key_1 + groupOf(word)));
        }
        QCOMPARE(words()->count(), 0);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 61);
        QCOMPARE(counter(Exercise::Agudas)->text(), u"0"_s);
        m_window->refreshFigures();
        for (int group = 0; group < Exercise::groupCount; ++group) {
            QCOMPARE(counter(group)->text(), QString::number(Exercise::groupSize(group)));
            QCOMPARE(counterColor(group), QColor(0, 255, 0));
        }
        checkFigures(u"60"_s, u"61"_s, u"98"_s);
        QCOMPARE(part<Banner>(*m_window, u"MultiShape2"_s)->Text(), u"¡COMPLETADO!"_s);

        // Luisa goes back, and the lights and the banner follow at the next tick.
        page.groupList(Exercise::Diptongos)->setCurrentItem(page.groupList(Exercise::Diptongos)->findItems(u"Luisa"_s, Qt::MatchExactly).value(0));
        key(page.groupList(Exercise::Diptongos), Qt::Key_Delete);
        QCOMPARE(items(words()), QStringList{u"Luisa"_s});
        QCOMPARE(part<Banner>(*m_window, u"MultiShape2"_s)->Text(), u"¡COMPLETADO!"_s);
        m_window->refreshFigures();
        QCOMPARE(counter(Exercise::Diptongos)->text(), u"20"_s);
        QCOMPARE(counterColor(Exercise::Diptongos), QColor(128, 0, 0));
        QCOMPARE(counterColor(Exercise::Agudas), QColor(0, 255, 0));
        checkFigures(u"59"_s, u"61"_s, u"97"_s);
        QCOMPARE(part<Banner>(*m_window, u"MultiShape2"_s)->Text(), QString());
    }

    // After a key has placed a word, the next one is picked: the keys alone sort the list.
    void keysSortWordAfterWord()
    {
        ExamplesPage &page = *m_page;
        pickByKeyboard(u"acercáis"_s);
        // acercáis, aguáis, alcohol, ambiguo: diptongo, triptongo, hiato, diptongo.
        for (Qt::Key group : {Qt::Key_4, Qt::Key_6, Qt::Key_5, Qt::Key_4})
            QTest::keyClick(words(), group);
        QCOMPARE(items(page.groupList(Exercise::Diptongos)), (QStringList{u"acercáis"_s, u"ambiguo"_s}));
        QCOMPARE(items(page.groupList(Exercise::Triptongos)), QStringList{u"aguáis"_s});
        QCOMPARE(items(page.groupList(Exercise::Hiatos)), QStringList{u"alcohol"_s});
        QCOMPARE(words()->item(picked())->text(), u"amor"_s);
        QCOMPARE(words()->selectedItems().value(0), words()->item(picked()));

        // From the word list, Tab reaches the groups; Space or Enter on a group places the
        // picked word there as its key does, and the next word is picked.
        QTest::keyClick(words(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page.groupList(Exercise::Agudas));
        QTest::keyClick(page.groupList(Exercise::Agudas), Qt::Key_Space);
        QCOMPARE(items(page.groupList(Exercise::Agudas)), QStringList{u"amor"_s});
        QCOMPARE(words()->item(picked())->text(), u"apacigüéis"_s);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page.groupList(Exercise::Triptongos));
        QTest::keyClick(page.groupList(Exercise::Triptongos), Qt::Key_Return);
        QCOMPARE(items(page.groupList(Exercise::Triptongos)), (QStringList{u"aguáis"_s, u"apacigüéis"_s}));
        QCOMPARE(m_window->scores().counts().exampleAttempts, 6);
        // With nothing picked, Enter on a group moves nothing and counts nothing.
        words()->clearSelection();
        QCOMPARE(picked(), -1);
        QTest::keyClick(page.groupList(Exercise::Triptongos), Qt::Key_Enter);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 6);
        QCOMPARE(page.groupList(Exercise::Triptongos)->count(), 2);
    }

    // Every word is shown whole wherever it is, also in a list narrowed by its scroll bar
    // (mended: "Mediterr…", "secret…").
    void everyWordShownWhole_data()
    {
        QTest::addColumn<int>("into"); // -1: left in the word list; 6: each into its own group
        QTest::addRow("the word list") << -1;
        QTest::addRow("each in its own group") << 6;
        QTest::addRow("all in Diptongos, with its scroll bar") << int(Exercise::Diptongos);
        QTest::addRow("all in Agudas") << int(Exercise::Agudas);
    }
    void everyWordShownWhole()
    {
        QFETCH(int, into);
        ExamplesPage &page = *m_page;
        if (into >= 0) {
            while (words()->count() > 0) {
                words()->setCurrentRow(0);
                const QString word = words()->item(0)->text();
                QTest::keyClick(words(), Qt::Key(Qt::Key_1 + (into == 6 ? groupOf(word) : into)));
            }
        }
        QStringList cut;
        for (QListWidget *list : tabs(*m_window)->page(ExercisesWindow::PageEjemplos)->findChildren<QListWidget *>()) {
            for (int row = 0; row < list->count(); ++row)
                if (page.shownText(list, row) != list->item(row)->text())
                    cut << list->objectName() + u": "_s + page.shownText(list, row);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
        if (into == int(Exercise::Diptongos))
            QVERIFY(page.groupList(Exercise::Diptongos)->verticalScrollBar()->isVisible());
    }

    // A word in a wrong group tells why it belongs elsewhere, and is kept among the run's
    // misses under the rule of its own group; in its own group, only its name.
    void wrongGroupExplains_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("missedRule");
        // The tip as shown: its text, then the syllables with the stressed one in bold.
        QTest::addColumn<QString>("shown");
        QTest::addRow("diphthong among the agudas") << u"caimán"_s << int(Exercise::Agudas) << u"caimán: cai-mán, tiene el diptongo ai"_s
                                                    << u"grupo-diptongo"_s << u"<p>caimán: cai-mán, tiene el diptongo ai</p><p>cai-<b>mán</b></p>"_s;
        QTest::addRow("aguda among the llanas") << u"amor"_s << int(Exercise::Llanas) << u"amor: a-mor, es aguda y no tiene diptongo, hiato ni triptongo"_s
                                                << u"grupo-aguda"_s << u"<p>amor: a-mor, es aguda y no tiene diptongo, hiato ni triptongo</p><p>a-<b>mor</b></p>"_s;
        QTest::addRow("in its own group") << u"amor"_s << int(Exercise::Agudas) << u"amor"_s << QString() << u"<p>amor</p><p>a-<b>mor</b></p>"_s;
        QTest::addRow("hiatus in its own group") << u"búho"_s << int(Exercise::Hiatos) << u"búho"_s << QString() << u"<p>búho</p><p><b>bú</b>-ho</p>"_s;
        QTest::addRow("a word with a space at its end") << u"geógrafo "_s << int(Exercise::Esdrujulas) << u"geógrafo: ge-ó-gra-fo, tiene el hiato e-ó"_s
                                                        << u"grupo-hiato"_s << u"<p>geógrafo: ge-ó-gra-fo, tiene el hiato e-ó</p><p>ge-<b>ó</b>-gra-fo</p>"_s;
    }
    void wrongGroupExplains()
    {
        QFETCH(QString, word);
        QFETCH(int, group);
        QFETCH(QString, tip);
        QFETCH(QString, missedRule);
        pickByKeyboard(word);
        QTest::keyClick(words(), Qt::Key(Qt::Key_1 + group));
        const QListWidgetItem *placed = m_page->groupList(group)->item(0);
        QVERIFY(placed);
        QCOMPARE(placed->toolTip(), tip);
        QCOMPARE(placed->data(Qt::AccessibleDescriptionRole).toString(), tip == word ? QString() : tip);
        QTEST(m_page->shownTip(m_page->groupList(group), 0), "shown");
        const QList<SessionDetail::Miss> misses = m_window->scores().misses();
        QCOMPARE(misses.size(), missedRule.isEmpty() ? 0 : 1);
        if (missedRule.isEmpty())
            return;
        const SessionDetail::Miss &miss = misses.first();
        QCOMPARE(miss.exercise, SessionDetail::Exercise::Examples);
        QCOMPARE(miss.rule, missedRule);
        QCOMPARE(miss.shown, word.trimmed());
        QCOMPARE(miss.answer, Exercise::groupName(group));
        QCOMPARE(miss.right, Exercise::groupName(groupOf(word)));
        QCOMPARE(miss.explanation, tip);
    }

    // "Escuchar" says the word list's current word, by its key or the list's context menu, and
    // shows its tip with the stressed syllable in bold while it is said; it follows the list
    // when words leave it. With no sound device it is disabled and its tip says why.
    void listenOnTheWordList_data()
    {
        QTest::addColumn<int>("voice");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("shown");
        QTest::addRow("no sound device") << int(TestVoice::SoundOff) << u"geógrafo "_s << u"key"_s
                                         << u"<p>geógrafo</p><p>ge-<b>ó</b>-gra-fo</p>"_s;
        QTest::addRow("by its key") << int(TestVoice::Counting) << u"Luisa"_s << u"key"_s << u"<p>Luisa</p><p><b>Lui</b>-sa</p>"_s;
        QTest::addRow("from the context menu") << int(TestVoice::Counting) << u"Mediterráneo"_s << u"menu"_s
                                               << u"<p>Mediterráneo</p><p>Me-di-te-<b>rrá</b>-ne-o</p>"_s;
        QTest::addRow("after the word has gone to a group") << int(TestVoice::Counting) << u"amor"_s << u"moved"_s << QString();
    }
    void listenOnTheWordList()
    {
        QFETCH(int, voice);
        QFETCH(QString, word);
        QFETCH(QString, how);
        QFETCH(QString, shown);
        CountingVoice *counting = useVoice(TestVoice(voice)).counting;
        pickByKeyboard(word);
        if (how == u"moved"_s) {
            QTest::keyClick(words(), Qt::Key_1);
            QTRY_VERIFY(m_page->listenAction()->word() != word);
            word = words()->currentItem()->text();
            shown = m_page->shownTip(words(), words()->currentRow());
        }
        QCOMPARE(m_page->listenAction()->word(), word.trimmed());
        QCOMPARE(m_page->shownTip(words(), words()->currentRow()), shown);
        QVERIFY(words()->actions().contains(m_page->listenAction()));
        if (!counting) {
            QVERIFY(!m_page->listenAction()->isEnabled());
            QVERIFY(m_page->listenAction()->toolTip().startsWith(u"No hay ningún dispositivo de sonido: "_s));
        }
        QSignalSpy heard(&Speech::shared(), &Speech::finished);
        if (how == u"menu"_s)
            m_page->listenAction()->trigger();
        else
            QTest::keyClick(words(), Qt::Key_F8);
        if (!counting) {
            QCOMPARE(Speech::shared().word(), QString());
            return;
        }
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), shown);
        QTRY_COMPARE(heard.count(), 1);
        QCOMPARE(counting->said(), QStringList{word.trimmed()});
    }

    // A word sent back keeps the list in order, and a word picked meanwhile stays picked.
    void sentBackToItsPlace_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addRow("Luisa") << u"Luisa"_s;
        QTest::addRow("Mediterráneo") << u"Mediterráneo"_s;
        QTest::addRow("acercáis") << u"acercáis"_s;
        QTest::addRow("geógrafo ") << u"geógrafo "_s;
    }
    void sentBackToItsPlace()
    {
        QFETCH(QString, word);
        ExamplesPage &page = *m_page;
        pickByKeyboard(word);
        QTest::keyClick(words(), Qt::Key_5);
        pickByKeyboard(u"pelea"_s);
        page.groupList(Exercise::Hiatos)->setCurrentRow(0);
        key(page.groupList(Exercise::Hiatos), Qt::Key_Delete);
        QCOMPARE(items(words()), Exercise::startingWords());
        QCOMPARE(words()->item(picked())->text(), u"pelea"_s);
    }

    // A word list opened from the page replaces the sixty words; what cannot be used changes
    // nothing and says why, naming the file.
    void loadsAWordList_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("wordsPlaced");
        QTest::addColumn<int>("answer"); // to "words already placed": -1 none asked
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("message"); // how the one message begins, empty: none
        const QStringList sixty = Exercise::startingWords();
        QTest::addRow("text, some left out")
            << QByteArray("ratón\r\n  amor \n\nsol\namoroso\nc\xc3\xa1saa\n") << false << -1
            << QStringList{u"amor"_s, u"amoroso"_s, u"ratón"_s}
            << u"De %1 se han cargado 3 palabras; se han dejado fuera 2 palabras:\n«sol»: es monosílaba"_s;
        QTest::addRow("RTF, all taken") << QByteArray("{\\rtf1\\ansi cami\\'f3n\\par poeta\\par}") << false << -1
                                        << QStringList{u"camión"_s, u"poeta"_s} << QString();
        QByteArray tooMany;
        for (int i = 0; i <= 200; ++i)
            tooMany += "amor\n";
        QTest::addRow("201 words") << tooMany << false << -1 << sixty
                                   << u"El archivo %1 tiene 201 palabras y una lista puede tener hasta 200: no se ha cargado ninguna."_s;
        QTest::addRow("no word fits") << QByteArray("sol\npor qué\n") << false << -1 << sixty
                                      << u"El archivo %1 no tiene ninguna palabra que se pueda clasificar"_s;
        QTest::addRow("cancelled") << QByteArray() << false << -1 << sixty << QString();
        QTest::addRow("words placed, answered no") << QByteArray("poeta\n") << true << int(MessageAnswer::No)
                                                   << sixty.mid(1) << QString();
        QTest::addRow("words placed, answered yes") << QByteArray("poeta\n") << true << int(MessageAnswer::Yes)
                                                    << QStringList{u"poeta"_s} << QString();
    }
    void loadsAWordList()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, wordsPlaced);
        QFETCH(int, answer);
        QFETCH(QStringList, listed);
        QFETCH(QString, message);
        if (!SpellingDictionary::shared().isAvailable())
            QSKIP(qPrintable(SpellingDictionary::shared().unavailableText()));
        TemporaryWorkingFolder folder;
        const QString path = folder.filePath(u"lista.txt"_s);
        ScriptedDialogs dialogs;
        if (wordsPlaced) {
            pickByKeyboard(u"acercáis"_s);
            QTest::keyClick(words(), Qt::Key_4);
        }
        if (file.isEmpty()) {
            dialogs.queueCancel();
        } else {
            writeFile(path, file);
            dialogs.queueFile(path);
        }
        if (answer >= 0)
            dialogs.queueAnswer(MessageAnswer(answer));
        // The keyboard's way in: Ctrl+O on the page.
        words()->setFocus();
        QTest::keyClick(words(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.openRequests.size(), 1);
        QCOMPARE(items(words()), listed);
        QStringList shown;
        for (const ShownMessage &box : dialogs.messages) {
            if (box.buttons != MessageButtons::YesNo)
                shown << box.text;
        }
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(shown.first().startsWith(message.arg(path)), qPrintable(shown.first()));
        QCOMPARE(m_page->groupList(Exercise::Diptongos)->count(), wordsPlaced && answer != int(MessageAnswer::Yes) ? 1 : 0);
    }

    // A loaded list plays as the sixty do, by its own key and matching its words whole; the
    // sixty come back when asked for.
    void playsTheLoadedList()
    {
        if (!SpellingDictionary::shared().isAvailable())
            QSKIP(qPrintable(SpellingDictionary::shared().unavailableText()));
        TemporaryWorkingFolder folder;
        const QString path = folder.filePath(u"lista.txt"_s);
        writeFile(path, "amor\namoroso\nrat\xc3\xb3n\npoeta\n");
        ScriptedDialogs dialogs;
        dialogs.queueFile(path);
        m_page->openWordList();
        QVERIFY(dialogs.messages.isEmpty());

        // amoroso among the agudas is no hit for amor there, and says why it is wrong.
        for (const auto &[word, group] : {std::pair{u"amor"_s, 1}, {u"amoroso"_s, 1}, {u"poeta"_s, 5}, {u"ratón"_s, 1}}) {
            pickByKeyboard(word);
            QTest::keyClick(words(), Qt::Key(Qt::Key_0 + group));
        }
        QCOMPARE(words()->count(), 0);
        QCOMPARE(m_page->groupList(Exercise::Agudas)->item(1)->toolTip(), u"amoroso: a-mo-ro-so, es llana y no tiene diptongo, hiato ni triptongo"_s);
        m_window->refreshFigures();
        QCOMPARE(counter(Exercise::Agudas)->text(), u"2"_s);
        QCOMPARE(counterColor(Exercise::Agudas), QColor(0, 255, 0));
        QCOMPARE(counterColor(Exercise::Llanas), QColor(128, 0, 0));
        QCOMPARE(counter(Exercise::Hiatos)->text(), u"1"_s);
        checkFigures(u"3"_s, u"4"_s, u"75"_s);

        // Back to the sixty, after saying yes to losing the placed words.
        QAction *restore = nullptr;
        for (QAction *action : words()->actions())
            if (action->text() == u"Volver a las sesenta palabras"_s)
                restore = action;
        QVERIFY(restore && restore->isEnabled());
        dialogs.queueAnswer(MessageAnswer::Yes);
        restore->trigger();
        QCOMPARE(items(words()), Exercise::startingWords());
        QVERIFY(!restore->isEnabled());
        QCOMPARE(m_page->groupList(Exercise::Agudas)->count(), 0);
        QCOMPARE(counter(Exercise::Agudas)->text(), u"0"_s);
        QCOMPARE(m_window->scores().counts().exampleAttempts, 4);
    }

    // An idle tick repaints nothing; a tick that changes a figure repaints it.
    void idleTickRepaintsNothing()
    {
        PaintCounter painted;
        for (int group = 0; group < Exercise::groupCount; ++group)
            painted.watch(counter(group));
        for (QWidget *widget : std::initializer_list<QWidget *>{label(u"Taciertos"_s), label(u"Tintentos"_s), label(u"porcen1"_s),
                                                                label(u"Porcen0"_s), part<QProgressBar>(*m_window, u"ProgressBar1"_s),
                                                                part<Banner>(*m_window, u"MultiShape2"_s), label(u"TCuestPercent"_s)})
            painted.watch(widget);
        pickByKeyboard(u"amor"_s);
        QTest::keyClick(words(), Qt::Key_1);
        QTest::qWait(50);
        painted.reset();
        m_window->refreshFigures();
        QTRY_VERIFY(painted.total() > 0);
        QTest::qWait(50);
        painted.reset();
        m_window->refreshFigures();
        m_window->refreshFigures();
        QTest::qWait(50);
        QCOMPARE(painted.total(), 0);
    }

    // The question figures follow at every tick.
    void tickSetsTheQuestionsPercentage_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("caption");
        QTest::addRow("none") << 0 << u"0"_s;
        QTest::addRow("half") << 17 << u"50"_s;
        QTest::addRow("one: 2.94") << 1 << u"3"_s;
        QTest::addRow("all") << 34 << u"100"_s;
    }
    void tickSetsTheQuestionsPercentage()
    {
        QFETCH(int, hits);
        QFETCH(QString, caption);
        m_window->scores().counts().porqueHits = hits / 2;
        m_window->scores().counts().haberHits = hits - hits / 2;
        m_window->refreshFigures();
        QCOMPARE(double(m_window->scores().counts().questionsPercent), hits * 100.0 / 34);
        QCOMPARE(label(u"TCuestPercent"_s)->text(), caption);
    }

    // The real timer shows a move within a second, not at once; hiding the window within a
    // second of the last move must not leave the figures the practice window reads behind.
    void figuresFollowTheTimer_data()
    {
        QTest::addColumn<QString>("hiding");
        QTest::addRow("left shown") << QString();
        QTest::addRow("Volver") << u"Volver"_s;
        QTest::addRow("close box") << u"close box"_s;
    }
    void figuresFollowTheTimer()
    {
        QFETCH(QString, hiding);
        timer()->start();
        pickByKeyboard(u"amor"_s);
        QTest::keyClick(words(), Qt::Key_1);
        m_window->scores().counts().porqueHits = 17;
        if (hiding.isEmpty()) {
            QCOMPARE(label(u"Taciertos"_s)->text(), u"0"_s);
            QTRY_COMPARE_WITH_TIMEOUT(label(u"Taciertos"_s)->text(), u"1"_s, 1500);
        } else {
            if (hiding == u"close box")
                QVERIFY(m_window->close());
            else
                part<QToolButton>(*m_window, hiding)->click();
            QVERIFY(!timer()->isActive());
            QCOMPARE(m_window->scores().counts().exampleHits, 1);
        }
        QCOMPARE(label(u"porcen1"_s)->text(), u"100"_s);
        QCOMPARE(label(u"TCuestPercent"_s)->text(), u"50"_s);
        // The italic figure, overhang included, ends before "% aciertos" begins.
        const QList<std::pair<QLabel *, QLabel *>> pairs = {{label(u"porcen1"_s), label(u"Label11"_s)},
                                                            {label(u"Porcen0"_s), label(u"Label10"_s)}};
        for (const auto &[figure, caption] : pairs) {
            const int inkRight = figure->geometry().right() - qMin(0, figure->fontMetrics().rightBearing(u'0'));
            QVERIFY2(inkRight < caption->x(), qPrintable(QStringLiteral("%1 ends at %2").arg(figure->objectName()).arg(inkRight)));
        }
    }
};

QTEST_MAIN(TestExamplesPage)
#include "tst_examplespage.moc"
