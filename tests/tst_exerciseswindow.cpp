// The help window: layout, rules text, instructions, page change and its timer.
#include "help/ExercisesWindow.h"
#include "help/PhrasesPage.h"
#include "help/QuestionsPage.h"

#include "ExercisesWindowParts.h"
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"
#include "exercises/ExerciseScores.h"
#include "widgets/CollapsePanel.h"
#include "widgets/Banner.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QAbstractTextDocumentLayout>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;
using namespace ExercisesWindowParts;

namespace {

const QStringList expectedRules = {
            u"                                             NORMAS DE ACENTUACIÓN.        "_s,
            u"                                              _________________________"_s,
            u""_s,
            u"Según la situación del acento (intensidad de la voz), las palabras se dividen en:"_s,
            u""_s,
            u"1. AGUDAS\tLLANAS\tESDRÚJULAS\tSOBREESDRÚJULAS"_s,
            u""_s,
            u"últ. sílaba \tpenúlt. síl.\tantepenúlt. síl.\tanterior a la antepenúlt."_s,
            u"  (lamer)\t  (colina)\t   (víbora)\t\t   (cómetelo)"_s,
            u""_s,
            u"2. REGLA GENERAL."_s,
            u"   Llevan tilde: "_s,
            u"2.1. Agudas acabadas en vocal, -n o -s (carbón; pero cincel)"_s,
            u"2.2. Llanas acabadas en cons. que no sea -n o -s (cárcel; pero antes)"_s,
            u"2.3. Esdrújulas y sobreesdrújulas, siempre (mágico, cuéntaselo)"_s,
            u""_s,
            u"3. HIATOS Y DIPTONGOS."_s,
            u""_s,
            u"3.1. VF (fuerte): vocal abierta (a, e, o)."_s,
            u"     VD (débil): vocal cerrada (i, u)."_s,
            u"\t"_s,
            u"3.2. COMBINACIONES POSIBLES:"_s,
            u""_s,
            u"3.2.1. VF + VF: Hiato (dos sílabas). Regla general (héroe)"_s,
            u"3.2.2. VD + VD: Diptongo (una sílaba). Regla general (cuidado)"_s,
            u"3.2.3. VF + VD o VD + VF"_s,
            u"\t\tA) Intensidad sobre VF: Diptongo. Regla general (huésped)"_s,
            u"\t\tB) Intensidad sobre VD: Hiato. Siempre tilde en la VD (María, búho)"_s,
            u"\t\tC) Intensidad en otra sílaba de la palabra. Diptongo. Regla general (aceituna)"_s,
            u""_s,
            u"3.2.4. VD + VF + VD"_s,
            u"\t\tA) Intensidad sobre la VF. Triptongo. Regla general (amortiguáis)"_s,
            u"\t\tB) Intensidad sobre alguna de las VD. Hiato. Tilde sobre la VD (comíais)"_s,
            u""_s,
            u"3.3. En «Ejemplos», la palabra con diptongo, hiato o triptongo va en ese grupo."_s,
            u""_s,
            u"4. TILDE DIACRÍTICA."_s,
            u""_s,
            u"\tDiferencia categorías morfológicas (monosílabos y otras palabras con tilde diacrítica):"_s,
            u"                de / dé, el / él, mas / más, mi / mí, se / sé, si / sí, te / té, tu / tú, aun / aún"_s,
            u"\tque, cual, quien, cuando, cuanto, donde, adonde, como (tilde si son interrogativos o exclamativos)"_s,
            u"\t\t\t"_s,
            u"5. OTROS CASOS."_s,
            u""_s,
            u"5.1. Palabras compuestas: "_s,
            u"\ta) Unidas. Regla general (decimoséptimo)"_s,
            u"\tb) Unidas con guion: cada elemento conserva su tilde (físico-químico)"_s,
            u"5.2. Advs. terminados en -mente. Llevan tilde si el adjetivo la llevaba (fácilmente)"_s,
            u"5.3. Formas verbales con pronombre enclítico: siguen la regla general (dele, cómetelo)"_s,
            u"5.4. La conjunción o, sin tilde también entre números (3 o 4)."_s,
};

// Panels from the top of "Cuestiones" down: name, header, expanded height.
struct PanelRow {
    const char *name;
    QString header;
    int height;
};
const PanelRow panelsTopDown[] = {
    {"CollapsePanel6", u"1. Las formas \"porque\", \"por qué\", \"porqué\" y \"por que\"."_s, 283},
    {"CollapsePanel5", u"2. Las formas \"si no\" y \"sino\"."_s, 282},
    {"CollapsePanel4", u"3. Las formas \"aun\" y \"aún\"."_s, 281},
    {"CollapsePanel1", u"4. Las formas \"hecho\" y \"echo\"."_s, 288},
    {"CollapsePanel2", u"5. Las formas \"a\" y \"ha\"."_s, 279},
    {"CollapsePanel3", u"6. Las formas \"a ver\" y \"haber\"."_s, 278},
};
constexpr int stripHeight = 30;
constexpr int collapsedHeight = 17;

CollapsePanel *panel(ExercisesWindow &window, const char *name)
{
    return ExercisesWindowParts::part<CollapsePanel>(window, QLatin1String(name));
}

} // namespace

class TestExercisesWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { m_shared.reset(); }

    void instructionsPerPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("expected");
        QTest::addRow("Reglas: none") << 0 << QString();
        QTest::addRow("Ejemplos") << 1
            << u"Normas para seleccionar palabras.\r \r Selecciona una palabra en la lista de \r"
               u" la izquierda. A continuación, haz clic \r sobre el grupo correcto.\r \r"
               u" Una palabra con diptongo, hiato o triptongo \r va en ese grupo, aunque también sea aguda, \r"
               u" llana o esdrújula.\r \r"
               u" Para quitar una palabra de un grupo, \r haz doble clic sobre ella.\r \r"
               u" Cuando TODAS LAS PALABRAS del grupo son \r correctas, se ilumina el contador."_s;
        QTest::addRow("Frases y palabras") << 2
            << u"Normas para la corrección:\r \r Selecciona un archivo pulsando en el botón Frases.\r \r"
               u" Corrige las faltas de ortografía respetando los\r espacios entre palabras y la puntuación.\r \r"
               u" Cuando termines, pulsa sobre el botón Corregir.\r \r"
               u" Los resultados de los archivos corregidos se\r acumulan en el total."_s;
        QTest::addRow("Cuestiones") << 3
            << u"Normas para la corrección:\r \r El panel de cada cuestión se despliega al colocar \r"
               u" el ratón sobre él. \r Para mantenerlo fijo, pulsa sobre el signo - de \r la barra.\r"
               u" Para saltar a la casilla siguiente, pulsa Intro.\r"
               u" Responde a todas las cuestiones antes de pulsar \r sobre el botón <Corregir cuestiones>.\r \r "_s;
    }
    void instructionsPerPage()
    {
        QFETCH(int, page);
        QFETCH(QString, expected);
        ScriptedDialogs dialogs;
        ExercisesWindow window;
        tabs(window)->setPageIndex(page);
        QCOMPARE(tabs(window)->pageIndex(), page);
        part<QToolButton>(window, u"SpeedButton1"_s)->click();
        if (expected.isEmpty()) {
            QVERIFY(dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(dialogs.messages.size(), 1);
        const ShownMessage &shown = dialogs.messages.first();
        QCOMPARE(shown.text, expected);
        // The classification's message has four more lines: where a word with a vowel cluster goes.
        QCOMPARE(shown.text.count(QChar(13)), page == 1 ? 14 : 10);
        QVERIFY(!shown.text.contains(QChar(10)));
        QCOMPARE(shown.caption, u"Instrucciones:"_s);
        QCOMPARE(shown.buttons, MessageButtons::OkCancel);
    }

    void firstShownOnPhrasesThenOnTheLastPage()
    {
        ExercisesWindow window;
        window.show();
        QCOMPARE(tabs(window)->pageIndex(), 2);
        QCOMPARE(tabs(window)->activePage(), u"Frases y palabras"_s);
        QCOMPARE(tabs(window)->pages(),
                 (QStringList{u"Reglas"_s, u"Ejemplos"_s, u"Frases y palabras"_s, u"Cuestiones"_s}));
        tabs(window)->setPageIndex(0);
        part<QToolButton>(window, u"Volver"_s)->click();
        QVERIFY(!window.isVisible());
        window.show();
        QCOMPARE(tabs(window)->pageIndex(), 0);
    }

    void questionPanelsAsBuilt_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%s", panelsTopDown[i].name) << i;
    }
    void questionPanelsAsBuilt()
    {
        QFETCH(int, row);
        ExercisesWindow window;
        CollapsePanel *p = panel(window, panelsTopDown[row].name);
        QVERIFY(p);
        QCOMPARE(p->parentWidget(), tabs(window)->page(3));
        QCOMPARE(p->HeaderCaption(), panelsTopDown[row].header);
        QCOMPARE(p->Color(), TColor(13359810));
        QVERIFY(p->AutoClose());
        QCOMPARE(p->AutoCloseTime(), 400);
        QVERIFY(!p->Collapsed());
        QCOMPARE(p->width(), 681);
        QCOMPARE(p->height(), panelsTopDown[row].height);
        int top = stripHeight;
        for (int above = 0; above < row; ++above)
            top += panelsTopDown[above].height;
        QCOMPARE(p->pos(), QPoint(0, top));
    }

    void questionsAlwaysEnteredCollapsed_data()
    {
        QTest::addColumn<int>("via");
        QTest::addColumn<QString>("pinned");
        QTest::addColumn<bool>("byMouse");
        QTest::addRow("via Reglas") << 0 << QString() << false;
        QTest::addRow("via Ejemplos") << 1 << QString() << false;
        QTest::addRow("via Frases y palabras") << 2 << QString() << false;
        QTest::addRow("via Reglas, one pinned") << 0 << u"CollapsePanel4"_s << false;
        QTest::addRow("via Frases y palabras, one pinned") << 2 << u"CollapsePanel6"_s << false;
        QTest::addRow("via Ejemplos, one pinned, tabs clicked") << 1 << u"CollapsePanel1"_s << true;
    }
    void questionsAlwaysEnteredCollapsed()
    {
        QFETCH(int, via);
        QFETCH(QString, pinned);
        QFETCH(bool, byMouse);
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TabbedNotebook *notebook = tabs(window);
        const auto go = [&](int page) {
            if (byMouse)
                QTest::mouseClick(notebook->tabBar(), Qt::LeftButton, {}, notebook->tabBar()->tabRect(page).center());
            else
                notebook->setPageIndex(page);
            QCOMPARE(notebook->pageIndex(), page);
        };

        const auto checkAll = [&](bool collapsed) {
            int top = stripHeight;
            for (const PanelRow &row : panelsTopDown) {
                CollapsePanel *p = panel(window, row.name);
                QCOMPARE(p->Collapsed(), collapsed);
                QCOMPARE(p->height(), collapsed ? collapsedHeight : row.height);
                QCOMPARE(p->pos(), QPoint(0, top));
                top += p->height();
            }
        };

        go(3);
        checkAll(true);

        if (!pinned.isEmpty()) {
            // The student opens one group and pins it with its header button.
            CollapsePanel *p = window.findChild<CollapsePanel *>(pinned);
            p->setCollapsed(false);
            p->MarkerButton()->click();
            QVERIFY(p->Pinned());
        }

        go(via);
        checkAll(false);

        go(3);
        checkAll(true);
    }

    void pageChangesBetweenOtherPagesKeepThemCollapsed()
    {
        ExercisesWindow window;
        tabs(window)->setPageIndex(3);
        tabs(window)->setPageIndex(0);
        tabs(window)->setPageIndex(1);
        for (const PanelRow &row : panelsTopDown)
            QVERIFY(panel(window, row.name)->Collapsed());
    }

    // Hidden by "Volver", the close box, or the keys that close a window (Escape, Ctrl+W).
    void timerFollowsShowingAndHiding_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("Volver") << u"Volver"_s;
        QTest::addRow("close box") << u"close box"_s;
        QTest::addRow("Escape") << u"Esc"_s;
        QTest::addRow("Ctrl+W") << u"Ctrl+W"_s;
    }
    void timerFollowsShowingAndHiding()
    {
        QFETCH(QString, how);
        ExercisesWindow window;
        QTimer *timer = part<QTimer>(window, u"Timer1"_s);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
        for (int round = 0; round < 2; ++round) {
            window.show();
            QVERIFY(timer->isActive());
            if (how == u"close box")
                QVERIFY(window.close());
            else if (how == u"Volver")
                part<QToolButton>(window, u"Volver"_s)->click();
            else {
                QApplication::setActiveWindow(&window);
                QVERIFY(QTest::qWaitForWindowActive(&window));
                // From the page's own controls, where the student is.
                tabs(window)->setPageIndex(round ? ExercisesWindow::PageCuestiones : ExercisesWindow::PageFrases);
                QTest::keySequence(tabs(window)->page(tabs(window)->pageIndex()),
                                   QKeySequence::fromString(how));
            }
            QVERIFY(!window.isVisible());
            QVERIFY(!timer->isActive());
        }
        window.show();
        QVERIFY(timer->isActive());
    }

    // Ctrl+Tab goes round the pages wherever the focus was, and the keyboard is never left
    // nowhere after a page change (mended: after one change the focus was lost, and Ctrl+Tab
    // with it).
    void ctrlTabGoesRoundThePages_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("presses");
        QTest::addRow("from the word list") << int(ExercisesWindow::PageEjemplos) << u"ListBox1"_s << 2;
        QTest::addRow("from the phrase box") << int(ExercisesWindow::PageFrases) << u"RichEdit2"_s << 3;
        QTest::addRow("from the tabs") << int(ExercisesWindow::PageReglas) << u"TabbedNotebook1"_s << 3;
    }
    void ctrlTabGoesRoundThePages()
    {
        QFETCH(int, startPage);
        QFETCH(QString, focused);
        QFETCH(int, presses);
        ExercisesWindow window;
        QVERIFY(showOn(window, ExercisesWindow::Page(startPage)));
        window.findChild<QWidget *>(focused)->setFocus(Qt::TabFocusReason);
        for (int press = 1; press <= presses; ++press) {
            QWidget *from = QApplication::focusWidget();
            QVERIFY(from);
            QTest::keyClick(from, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(tabs(window)->pageIndex(), (startPage + press) % 4);
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
        }
    }

    void closingHidesWithoutDestroying()
    {
        QPointer<ExercisesWindow> window = new ExercisesWindow;
        part<QTextEdit>(*window, u"RichEdit1"_s)->setPlainText(u"nota"_s);
        window->show();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window);
        QCOMPARE(part<QTextEdit>(*window, u"RichEdit1"_s)->toPlainText(), u"nota"_s);
        delete window;
    }

    void rulesText_data()
    {
        QTest::addColumn<int>("line");
        for (int i = 0; i < expectedRules.size(); ++i)
            QTest::addRow("line %d", i + 1) << i;
    }
    void rulesText()
    {
        QFETCH(int, line);
        if (!m_shared)
            m_shared = std::make_unique<ExercisesWindow>();
        QTextDocument *document = part<QTextEdit>(*m_shared, u"RichEdit1"_s)->document();
        QCOMPARE(document->blockCount(), expectedRules.size());
        QCOMPARE(document->findBlockByNumber(line).text(), expectedRules.at(line));
    }

    // The class table is laid out with tabs: each heading must stand over its definition and
    // its example, and no entry may run into the next column, whatever the font.
    void rulesTableColumnsLineUp_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addRow("the program's font") << QString() << 0;
        QTest::addRow("a wider font") << u"DejaVu Sans"_s << 15;
        QTest::addRow("a larger one") << u"DejaVu Serif"_s << 20;
    }
    void rulesTableColumnsLineUp()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        ExercisesWindow window;
        QTextEdit *rules = part<QTextEdit>(window, u"RichEdit1"_s);
        if (pixels > 0) {
            QFont font(family);
            font.setPixelSize(pixels);
            rules->setFont(font);
        }
        QTextDocument *document = rules->document();
        // Where each entry of a line starts and ends.
        auto entries = [document](int line) {
            const QTextBlock block = document->findBlockByNumber(line - 1);
            document->documentLayout()->blockBoundingRect(block);
            const QTextLine layoutLine = block.layout()->lineAt(0);
            const QString text = block.text();
            QList<int> starts;
            QList<int> ends;
            for (int i = 0; i < text.size(); ++i) {
                if (text.at(i) != u'\t' && (i == 0 || text.at(i - 1) == u'\t'))
                    starts << qRound(layoutLine.cursorToX(i));
                if (text.at(i) != u'\t' && (i + 1 == text.size() || text.at(i + 1) == u'\t'))
                    ends << qRound(layoutLine.cursorToX(i + 1));
            }
            return std::pair{starts, ends};
        };
        const QList<int> headings = entries(6).first;
        QCOMPARE(headings.size(), 4);
        for (int line : {6, 8, 9}) {
            const auto [starts, ends] = entries(line);
            QCOMPARE(starts, headings);
            for (int column = 0; column + 1 < starts.size(); ++column)
                QVERIFY2(ends[column] < starts[column + 1],
                         qPrintable(u"line %1, column %2"_s.arg(line).arg(column + 1)));
        }
    }

    void rulesBoxIsEditableAndNeverSaved()
    {
        TemporaryWorkingFolder folder;
        {
            ExercisesWindow window;
            QTextEdit *rules = part<QTextEdit>(window, u"RichEdit1"_s);
            window.show();
            QVERIFY(!rules->isReadOnly());
            tabs(window)->setPageIndex(0);
            rules->setFocus();
            rules->moveCursor(QTextCursor::End);
            QTest::keyClicks(rules, u"mi nota"_s);
            QVERIFY(rules->toPlainText().endsWith(u"(3 o 4).mi nota"_s));
            part<QToolButton>(window, u"Volver"_s)->click();
            tabs(window)->setPageIndex(3);
            window.show();
            QVERIFY(rules->toPlainText().endsWith(u"mi nota"_s));
        }
        ExercisesWindow fresh;
        QCOMPARE(part<QTextEdit>(fresh, u"RichEdit1"_s)->toPlainText(), expectedRules.join(u'\n'));
        QVERIFY(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    void creationZeroesThePhraseFigures()
    {
        ExerciseScores scores;
        scores.counts().phraseHits = 4;
        scores.counts().phraseTotal = 9;
        scores.counts().exampleAttempts = 3;
        ExercisesWindow window(scores);
        QCOMPARE(scores.counts().phraseHits, 0);
        QCOMPARE(scores.counts().phraseTotal, 0);
        QCOMPARE(pageOf<PhrasesPage>(window)->phrasePercent, 0.0L);
        QCOMPARE(scores.counts().exampleAttempts, 3);
    }

    void readOutsForThePracticeWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("shown");
        QTest::addRow("porcen1") << u"porcen1"_s << 1 << true;
        QTest::addRow("Tpercentfrases") << u"Tpercentfrases"_s << 2 << true;
        QTest::addRow("TCuestPercent") << u"TCuestPercent"_s << 3 << false;
    }
    void readOutsForThePracticeWindow()
    {
        QFETCH(QString, name);
        QFETCH(int, page);
        QFETCH(bool, shown);
        ExercisesWindow window;
        auto *label = window.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), u"0"_s);
        QVERIFY(tabs(window)->page(page)->isAncestorOf(label));
        QCOMPARE(label->isVisibleTo(tabs(window)->page(page)), shown);
    }

    void bannerAsPlaced()
    {
        ExercisesWindow window;
        Banner *banner = part<Banner>(window, u"MultiShape2"_s);
        QCOMPARE(banner->parentWidget(), part(window, u"Panel1"_s));
        QCOMPARE(banner->geometry(), QRect(232, 2, 275, 37));
        QCOMPARE(banner->cell(), QRect(0, 0, 273, 35));
        QCOMPARE(banner->Color(), Colors::clRed);
        QCOMPARE(banner->ShadowColor(), Colors::clAqua);
        QVERIFY(banner->Shadow());
        QCOMPARE(banner->font().pixelSize(), 35);
        QCOMPARE(banner->Text(), QString());
    }

    // Pictures of the window for looking at; only with TILDORA_SHOTS naming a folder.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TILDORA_SHOTS");
        if (folder.isEmpty())
            QSKIP("TILDORA_SHOTS not set");
        QDir().mkpath(folder);
        ExercisesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const char *names[] = {"reglas", "ejemplos", "frases", "cuestiones"};
        for (int page = 0; page < 4; ++page) {
            tabs(window)->setPageIndex(page);
            QTest::qWait(50);
            QVERIFY(window.grab().save(folder + u"/ayuda-"_s + QLatin1String(names[page]) + u".png"_s));
        }
        CollapsePanel6Open(window);
        QVERIFY(window.grab().save(folder + u"/ayuda-cuestiones-abierto.png"_s));
        part<Banner>(window, u"MultiShape2"_s)->setText(u"¡Muy bien!"_s);
        QTest::qWait(50);
        QVERIFY(part(window, u"Panel1"_s)->grab().save(folder + u"/ayuda-banner.png"_s));

        // The real message box of the page's instructions, grabbed and then dismissed.
        bool grabbed = false;
        QTimer::singleShot(300, this, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                grabbed = box->grab().save(folder + u"/ayuda-instrucciones.png"_s);
                box->close();
            }
        });
        part<QToolButton>(window, u"SpeedButton1"_s)->click();
        QVERIFY(grabbed);
    }

private:
    // One window for the read-only checks of the rules text.
    std::unique_ptr<ExercisesWindow> m_shared;

    static void CollapsePanel6Open(ExercisesWindow &window)
    {
        panel(window, "CollapsePanel6")->setCollapsed(false);
        QTest::qWait(50);
    }
};

QTEST_MAIN(TestExercisesWindow)
#include "tst_exerciseswindow.moc"
