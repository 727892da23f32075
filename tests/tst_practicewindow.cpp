// The practice window and its board: loading, hits, misses, replacement words, counters,
// the completion banner, the exit question and the instructions.
#include "FileFixtures.h"
#include "PracticeRoom.h"
#include "TestVoices.h"

#include "exercises/BoardMaker.h"
#include "help/ExercisesWindow.h"
#include "practice/PracticeWindow.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"
#include "results/ScoreHistory.h"
#include "shared/AppError.h"
#include "shared/FontSubstitutes.h"
#include "exercises/ExerciseScores.h"
#include "shared/TextFile.h"
#include "ui/WindowControls.h"
#include "widgets/BoolComboBox.h"
#include "widgets/Gauges.h"
#include "widgets/LCDControl.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every board word is "camión": its right variant is item 3.
constexpr int rightItem = 3;
constexpr int wrongItem = 0;

QStringList boardLines(const QString &boardWord, int replacements)
{
    QStringList lines;
    for (int n = 1; n <= 40; ++n)
        lines << boardWord;
    const QStringList spare = {"árbol", "fácil", "sofá", "lápiz", "ratón", "música"};
    for (int n = 0; n < replacements; ++n)
        lines << spare[n % spare.size()] + QString(n / spare.size(), u'z');
    return lines;
}

} // namespace

class TestPracticeWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PracticeRoom> m_room;
    ScriptedDialogs *m_dialogs = nullptr;
    PracticeWindow *m_form = nullptr;

    BoolComboBox *box(int n) { return m_form->selector(n); }

    void openWindow()
    {
        m_form = &m_room->practiceWindow();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
    }

    // The student picks an item in selector n: it is entered, the list choice is made.
    void choose(int n, int item)
    {
        box(n)->setFocus(Qt::MouseFocusReason);
        box(n)->setCurrentIndex(item);
        emit box(n)->activated(item);
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        m_room = std::make_unique<PracticeRoom>();
        m_dialogs = &m_room->dialogs;
        m_room->writeBoard(boardLines(QStringLiteral("camión"), 60));
    }

    void cleanup()
    {
        m_form = nullptr;
        m_dialogs = nullptr;
        m_room.reset();
    }

    void startupLoadsTheBoardWithoutADialog()
    {
        openWindow();
        QVERIFY(m_dialogs->openRequests.isEmpty());
        QVERIFY(m_dialogs->messages.isEmpty());
        for (int n = 1; n <= 40; ++n) {
            QCOMPARE(box(n)->Caption(), QStringLiteral("camión"));
            QCOMPARE(box(n)->currentIndex(), 0);
        }
        QCOMPARE(m_form->scores().counts().nextWordLine, 40);
        QCOMPARE(m_room->named<LCDControl>("LCDControl1")->NumberMax(), 40);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 0);
        // The banner's large font is not loaded for a window that does not show it yet.
        QVERIFY(!m_form->findChild<QLineEdit *>(QStringLiteral("multishape")));
        QVERIFY(m_form->completionBanner()->text().isEmpty());
        QVERIFY(!m_form->completionBanner()->isVisible());
    }

    void startupWithoutBoardFileAsksForOne_data()
    {
        QTest::addColumn<bool>("folderInstead");
        QTest::addRow("missing") << false;
        QTest::addRow("a folder of that name") << true;
    }
    void startupWithoutBoardFileAsksForOne()
    {
        QFETCH(bool, folderInstead);
        QFile::remove(QStringLiteral("nivel1.txt"));
        if (folderInstead)
            QDir().mkdir(QStringLiteral("nivel1.txt"));
        m_dialogs->queueCancel();
        openWindow();
        QCOMPARE(m_dialogs->openRequests.size(), 1);
        QVERIFY(m_dialogs->messages.isEmpty());
        for (int n = 1; n <= 40; ++n)
            QCOMPARE(box(n)->Caption(), QString());
        QCOMPARE(box(7)->count(), 1);
    }

    // A board that fails at start-up leaves nothing to play until a board is opened.
    void failedBoardAtStartupLeavesTheBoardEmpty_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::addRow("unreadable") << true;
        QTest::addRow("not a board") << false;
    }
    void failedBoardAtStartupLeavesTheBoardEmpty()
    {
        QFETCH(bool, unreadable);
        QFile::remove(QStringLiteral("nivel1.txt"));
        if (unreadable) // a file that opens but cannot be read
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), QStringLiteral("nivel1.txt")));
        else
            m_room->writeBoard({QStringLiteral("Érase una vez")});
        openWindow();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Error);
        QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("nivel1.txt")));
        for (int n = 1; n <= 40; ++n) {
            QCOMPARE(box(n)->Caption(), QString());
            QVERIFY(!box(n)->isEnabled());
        }
        QTest::keyClick(m_room->named<QPushButton>("OK"), Qt::Key_Tab);
        QVERIFY(!qobject_cast<BoolComboBox *>(QApplication::focusWidget()));
        m_room->writeBoard(boardLines(QStringLiteral("sol"), 0), QStringLiteral("otro.txt"));
        m_dialogs->queueFile(m_room->filePath(QStringLiteral("otro.txt")));
        m_form->openBoard();
        QVERIFY(box(40)->isEnabled());
        QCOMPARE(box(40)->Caption(), QStringLiteral("sol"));
    }

    // The windows ask for the packaged family by its own name, which spares a search for
    // fallbacks; it must draw the very face the mapping gives the family the layouts name.
    void windowFontsDrawTheMappedFace_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("bold");
        for (const FontSubstitutes::Substitute &substitute : FontSubstitutes::table()) {
            QTest::newRow(qPrintable(substitute.requested)) << substitute.requested << false;
            QTest::newRow(qPrintable(substitute.requested + QStringLiteral(" negrita"))) << substitute.requested << true;
        }
    }

    void windowFontsDrawTheMappedFace()
    {
        QFETCH(QString, requested);
        QFETCH(bool, bold);
        QFont mapped(requested);
        mapped.setPixelSize(16);
        mapped.setBold(bold);
        const QFontInfo asked(WindowControls::pixelFont(requested, 16, bold));
        const QFontInfo expected(mapped);
        QCOMPARE(asked.family(), expected.family());
        QCOMPARE(asked.styleName(), expected.styleName());
        QCOMPARE(asked.pixelSize(), 16);
        // Whole-pixel advances: a word measures a whole number of pixels.
        const qreal width = QFontMetricsF(WindowControls::pixelFont(requested, 16, bold))
                                .horizontalAdvance(QStringLiteral("Acentuación"));
        QCOMPARE(width, qreal(qRound(width)));
    }

    // The practice window draws its texts unshaped, which is sound only for composed text: a
    // board written with separate accent marks shows composed words, and every text shown is.
    void textsAreComposedAndDrawnUnshaped()
    {
        const QString decomposed = boardLines(QStringLiteral("camión"), 60).join(u"\r\n").normalized(QString::NormalizationForm_D);
        writeFile(m_room->filePath(QStringLiteral("nivel1.txt")), "\xEF\xBB\xBF" + decomposed.toUtf8());
        openWindow();
        QCOMPARE(box(1)->Caption(), QStringLiteral("camión"));
        const auto composed = [](const QString &text) {
            return text == text.normalized(QString::NormalizationForm_C);
        };
        for (QWidget *widget : m_form->findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            QString text;
            if (auto *label = qobject_cast<QLabel *>(widget))
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            else if (auto *selector = qobject_cast<BoolComboBox *>(widget))
                for (int item = 0; item < selector->count(); ++item)
                    text += selector->itemText(item);
            if (text.isEmpty())
                continue;
            QVERIFY2(composed(text), qPrintable(widget->objectName()));
            QVERIFY2(widget->font().styleStrategy() & QFont::PreferNoShaping, qPrintable(widget->objectName()));
        }
    }

    void menuCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addRow("Archivo1") << "Archivo1" << "Archivo";
        QTest::addRow("Abrir1") << "Abrir1" << "&Abrir";
        QTest::addRow("TableroNuevo1") << "TableroNuevo1" << "Tablero &nuevo";
        QTest::addRow("GuardarTablero1") << "GuardarTablero1" << "Guardar &tablero…";
        QTest::addRow("Salir1") << "Salir1" << "&Salir";
        QTest::addRow("Edicin1") << "Edicin1" << "Edición";
        QTest::addRow("Datos") << "Datos" << "Datos alumno";
        QTest::addRow("Modificar1") << "Modificar1" << "&Modificar";
        QTest::addRow("Ayuda1") << "Ayuda1" << "&Ayuda";
        QTest::addRow("Instrucciones1") << "Instrucciones1" << "Instrucciones";
        QTest::addRow("Info") << "Info" << "Información";
        QTest::addRow("Ejercicios1") << "Ejercicios1" << "&Ejercicios";
    }
    void menuCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        openWindow();
        if (auto *menu = m_form->findChild<QMenu *>(name))
            QCOMPARE(menu->title(), caption);
        else if (auto *action = m_form->findChild<QAction *>(name))
            QCOMPARE(action->text(), caption);
        else
            QFAIL("no such menu or item");
    }

    // The tool buttons for opening a board and leaving show the menu's own commands.
    void toolButtonsShowTheMenuCommands()
    {
        openWindow();
        QCOMPARE(m_room->named<QToolButton>("SpeedButton1")->defaultAction(), m_room->named<QAction>("Abrir1"));
        QCOMPARE(m_room->named<QToolButton>("SpeedButton2")->defaultAction(), m_room->named<QAction>("Salir1"));
        QCOMPARE(m_room->named<QToolButton>("SpeedButton1")->objectName(), QStringLiteral("SpeedButton1"));
        QCOMPARE(m_room->named<QToolButton>("SpeedButton1")->toolTip(), QStringLiteral("Abrir un tablero"));
        QCOMPARE(m_room->named<QToolButton>("SpeedButton2")->toolTip(), QStringLiteral("Salir"));
    }

    void selectorsAsDesigned()
    {
        openWindow();
        for (int n = 1; n <= 40; ++n) {
            const QRect expected(80 + 112 * ((n - 1) % 5), 112 + 24 * ((n - 1) / 5), 137, 28);
            QCOMPARE(box(n)->geometry(), expected);
            QCOMPARE(box(n)->listView()->sizeHintForRow(0), 20);
            QCOMPARE(box(n)->MaxLength(), 12);
        }
    }

    void wheelOverASelectorNotEnteredChoosesNothing()
    {
        openWindow();
        const QPoint centre = box(1)->rect().center();
        QWheelEvent wheel(centre, box(1)->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        for (int step = 0; step < 3; ++step)
            QApplication::sendEvent(box(1), &wheel);
        QCOMPARE(box(1)->currentIndex(), 0);
        QCOMPARE(m_form->scores().counts().boardHits, 0);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
    }

    void rightChoice()
    {
        openWindow();
        box(1)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(box(1)->Color(), Colors::clAqua);
        choose(1, rightItem);
        QVERIFY(box(1)->IsRight);
        QCOMPARE(box(1)->Color(), Colors::clLime);
        QCOMPARE(m_room->named<LCDControl>("LCDControl1")->Number(), 1);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        QCOMPARE(m_form->scores().counts().boardHits, 1);
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 0);
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), QStringLiteral("100"));
        QCOMPARE(box(1)->Caption(), QStringLiteral("camión"));
    }

    // The replacement shows its form without accent, never the variant at the index the
    // student chose in the old word: here that would be the right answer, "árbol".
    void replacementStartsWithoutAccent()
    {
        openWindow();
        choose(2, 1);
        QCOMPARE(box(2)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->currentIndex(), 0);
        QCOMPARE(box(2)->currentText(), QStringLiteral("arbol"));
        QCOMPARE(box(2)->Value(), quint8(0));
    }

    void wrongChoiceCountsAMissAndReplacesTheWord()
    {
        openWindow();
        choose(2, wrongItem);
        QVERIFY(!box(2)->IsRight);
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 1);
        QCOMPARE(m_room->named<QLabel>("Label2")->text(), QStringLiteral("1"));
        QCOMPARE(m_form->scores().counts().nextWordLine, 41);
        QCOMPARE(box(2)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Color(), Colors::clWindow);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
    }

    // A word left without its right form is kept among the run's misses as it was left, with
    // the rule and the explanation of the right form; a word got right is none.
    void missesAreKeptWithTheirRules_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("answer");
        QTest::addRow("the form without accent chosen") << wrongItem << QStringLiteral("camion");
        QTest::addRow("a tilde on the wrong vowel") << 2 << QStringLiteral("camíon");
        QTest::addRow("left untouched") << -1 << QStringLiteral("camion");
        QTest::addRow("right") << rightItem << QString();
    }
    void missesAreKeptWithTheirRules()
    {
        QFETCH(int, item);
        QFETCH(QString, answer);
        openWindow();
        if (item < 0) {
            box(4)->setFocus(Qt::TabFocusReason);
            m_room->named<QPushButton>("OK")->setFocus(Qt::TabFocusReason);
        } else {
            choose(4, item);
        }
        const QList<SessionDetail::Miss> misses = m_form->scores().misses();
        QCOMPARE(misses.size(), answer.isEmpty() ? 0 : 1);
        if (answer.isEmpty())
            return;
        QCOMPARE(misses.first(), (SessionDetail::Miss{SessionDetail::Exercise::Board, "camion", answer, "camión", "aguda-n",
                                                      "aguda terminada en -n", "\"camión\" (ca-mión): aguda terminada en -n, lleva tilde."}));
    }

    // The line under the board says what the missed word was and why; a selector chosen
    // right says why in its tip and to a screen reader, and stops once it holds a new word.
    void explanations()
    {
        openWindow();
        auto *line = m_form->findChild<QLabel *>(QStringLiteral("Explicacion"));
        QVERIFY(line);
        QVERIFY(line->text().isEmpty());
        choose(3, rightItem);
        const QString why = QStringLiteral("\"camión\" (ca-mión): aguda terminada en -n, lleva tilde.");
        QCOMPARE(box(3)->toolTip(), why);
        QVERIFY(box(3)->accessibleDescription().endsWith(why));
        choose(3, wrongItem);
        QCOMPARE(line->text(), QStringLiteral("Era ") + why);
        QVERIFY(box(3)->toolTip().isEmpty());
        QCOMPARE(box(3)->accessibleDescription(), QStringLiteral("Palabra 3 del tablero, sin acertar"));
    }

    void choiceRunsChangeRecountFocusThenExit()
    {
        openWindow();
        // At the exit the choice has been judged (right), recounted (one hit) and the focus
        // has moved on.
        QStringList events;
        connect(box(9), &BoolComboBox::OnExit, this, [&] {
            events << QStringLiteral("exit right=%1 hits=%2 focus=%3")
                          .arg(box(9)->IsRight)
                          .arg(m_form->scores().counts().boardHits)
                          .arg(QApplication::focusWidget()->objectName());
        });
        choose(9, rightItem);
        QCOMPARE(events, QStringList{"exit right=1 hits=1 focus=OK"});
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
    }

    void tabbingThroughUntouchedSelectorsCountsMisses()
    {
        openWindow();
        QTest::keyClick(m_room->named<QPushButton>("OK"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(1));
        for (int n = 1; n <= 3; ++n)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(4));
        QCOMPARE(m_form->scores().counts().boardMisses, 3);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("fácil"));
        QCOMPARE(box(3)->Caption(), QStringLiteral("sofá"));
        QCOMPARE(box(4)->Caption(), QStringLiteral("camión"));
    }

    void choiceFromThePopupList()
    {
        openWindow();
        BoolComboBox *selector = box(6);
        QTest::mouseClick(selector, Qt::LeftButton);
        QCOMPARE(selector->Color(), Colors::clAqua);
        QTRY_VERIFY(selector->view()->isVisible());
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        QAbstractItemView *list = selector->view();
        const QRect item = list->visualRect(list->model()->index(rightItem, 0));
        // The list ignores the release of the click that opened it for a moment.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QTest::mouseMove(list->viewport(), item.center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
        QVERIFY(selector->IsRight);
        QCOMPARE(m_form->scores().counts().boardHits, 1);
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        QCOMPARE(selector->Color(), Colors::clLime);
    }

    void popupOpeningIsNotAnExit()
    {
        openWindow();
        box(5)->setFocus(Qt::MouseFocusReason);
        m_room->named<QPushButton>("OK")->setFocus(Qt::PopupFocusReason);
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
    }

    void fortyFirstMissDoublesBothMaxima()
    {
        openWindow();
        for (int miss = 1; miss <= 41; ++miss) {
            box(miss % 40 + 1)->setFocus(Qt::TabFocusReason);
            m_room->named<QPushButton>("OK")->setFocus(Qt::TabFocusReason);
            QCOMPARE(m_room->named<LCDControl>("LCDControl2")->NumberMax(), miss <= 40 ? 40 : 80);
        }
        QCOMPARE(m_form->scores().counts().boardMisses, 41);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 41);
        QCOMPARE(m_room->named<LCDControl>("LCDControl1")->NumberMax(), 80);
    }

    // The percentage follows every change of either count, the last miss included, and the
    // strip shows it at once.
    void hitPercentage_data()
    {
        QTest::addColumn<QList<QPoint>>("choices"); // selector, item
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("percent");
        QTest::addRow("miss between hits")
            << QList<QPoint>{{1, rightItem}, {2, wrongItem}, {3, rightItem}} << 2 << 1 << "66,7";
        QTest::addRow("miss last")
            << QList<QPoint>{{1, rightItem}, {1, wrongItem}, {2, rightItem}, {3, wrongItem}} << 1 << 2 << "33,3";
        QTest::addRow("hits fall to none") << QList<QPoint>{{1, rightItem}, {1, wrongItem}} << 0 << 1 << "0";
    }
    void hitPercentage()
    {
        QFETCH(QList<QPoint>, choices);
        QFETCH(int, hits);
        QFETCH(int, misses);
        QFETCH(QString, percent);
        openWindow();
        for (const QPoint &choice : choices)
            choose(choice.x(), choice.y());
        QCOMPARE(m_form->scores().counts().boardHits, hits);
        QCOMPARE(m_form->scores().counts().boardMisses, misses);
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), percent);
        QCOMPARE(m_room->named<Gauge>("Gauge1")->Progress(), int(hits * 100 / (hits + misses)));
    }

    // After a choice the focus rests on "Resultados"; Tab goes on beside the selector just
    // left, charging no miss on the way. Past the last selector the keyboard goes round the
    // tool bar, left to right, and from "Resultados" on to the first word not yet right
    // (mended: it went round the three buttons for ever). A right word passed through stays
    // green (mended: it was left aqua).
    void keyboardPlayGoesOnFromResultados_data()
    {
        QTest::addColumn<QList<int>>("rights"); // chosen right in this order; the last is left last
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("path");  // the focus after each Tab
        QTest::addRow("tab after 5") << QList<int>{5} << false << QStringList{"BoolComboBox6"};
        QTest::addRow("shift+tab before 5") << QList<int>{5} << true << QStringList{"BoolComboBox4"};
        QTest::addRow("tab after 40 goes round the tool bar to the first word not right")
            << QList<int>{1, 40} << false << QStringList{"Op1", "GuardarPDF", "OK", "BoolComboBox2"};
        QTest::addRow("a right word passed through stays green")
            << QList<int>{6, 5} << false << QStringList{"BoolComboBox6", "BoolComboBox7"};
    }
    void keyboardPlayGoesOnFromResultados()
    {
        QFETCH(QList<int>, rights);
        QFETCH(bool, backwards);
        QFETCH(QStringList, path);
        openWindow();
        for (int n : rights)
            choose(n, rightItem);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        for (const QString &expected : path) {
            QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        for (int n : rights)
            QCOMPARE(box(n)->Color(), Colors::clLime);
        // Leaving without the right word is still a miss.
        QVERIFY(qobject_cast<BoolComboBox *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
    }

    // The windows beside the practice window open and close from the keyboard: Ctrl+E (shown
    // in the menu) opens the exercises, Escape or Ctrl+W close each of them.
    void windowsOpenAndCloseByKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("close");
        for (const char *window : {"Ayuda", "Progreso", "ClaseWindow"}) {
            QTest::addRow("%s, Escape", window) << QString::fromLatin1(window) << QKeySequence(Qt::Key_Escape);
            QTest::addRow("%s, Ctrl+W", window) << QString::fromLatin1(window) << QKeySequence(Qt::CTRL | Qt::Key_W);
        }
    }
    void windowsOpenAndCloseByKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, close);
        QStandardPaths::setTestModeEnabled(true);
        openWindow();
        QWidget *opened = nullptr;
        if (window == QStringLiteral("Ayuda")) {
            QVERIFY(m_room->named<QAction>("Ejercicios1")->text().contains(QStringLiteral("Ejercicios")));
            QVERIFY(m_room->named<QToolButton>("SpeedButton3")->toolTip().contains(m_room->named<QAction>("Ejercicios1")->shortcut().toString(QKeySequence::NativeText)));
            QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_E));
            opened = &m_room->windows().exercisesWindow();
        } else {
            (window == QStringLiteral("Progreso") ? m_room->named<QAction>("Progreso1") : m_room->named<QAction>("Clase1"))->trigger();
            opened = m_form->findChild<QWidget *>(window);
        }
        QVERIFY(opened && opened->isVisible());
        QApplication::setActiveWindow(opened);
        QVERIFY(QTest::qWaitForWindowActive(opened));
        QTest::keySequence(opened, close);
        QVERIFY(!opened->isVisible());
        QVERIFY(m_form->isVisible());
    }

    void noRightSelectorLeftShowsZero()
    {
        openWindow();
        choose(1, rightItem);
        choose(1, wrongItem);
        QCOMPARE(m_form->scores().counts().boardHits, 0);
        QCOMPARE(m_room->named<LCDControl>("LCDControl1")->Number(), 0);
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), QStringLiteral("0"));
    }

    void completeBoardBanner()
    {
        openWindow();
        for (int n = 1; n <= 40; ++n) {
            QVERIFY(!m_form->completionBanner()->isVisible());
            choose(n, rightItem);
        }
        QCOMPARE(m_form->scores().counts().boardHits, 40);
        QVERIFY(m_form->completionBanner()->isVisible());
        QCOMPARE(m_form->completionBanner()->text(), QStringLiteral("¡TABLERO COMPLETO!"));
        choose(17, wrongItem);
        QVERIFY(!m_form->completionBanner()->isVisible());
        QCOMPARE(m_form->scores().counts().boardHits, 39);
    }

    void openingABoardResetsTheCounters()
    {
        openWindow();
        for (int miss = 1; miss <= 41; ++miss) {
            box(1)->setFocus(Qt::TabFocusReason);
            m_room->named<QPushButton>("OK")->setFocus(Qt::TabFocusReason);
        }
        choose(2, rightItem);
        m_room->writeBoard(boardLines(QStringLiteral("árbol"), 1), QStringLiteral("otro.TXT"));
        m_dialogs->queueFile(m_room->filePath(QStringLiteral("otro.TXT")));
        m_form->openBoard();

        QCOMPARE(m_dialogs->openRequests.size(), 1);
        const FileDialogRequest &request = m_dialogs->openRequests[0];
        QCOMPARE(request.filter, QStringLiteral("Archivos de texto (*.txt)|*.txt|Archivos RTF (*.rtf)|*.rtf"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(QDir(request.initialFolder), QDir(m_room->path()));

        for (LCDControl *counter : {m_room->named<LCDControl>("LCDControl1"), m_room->named<LCDControl>("LCDControl2")}) {
            QCOMPARE(counter->Number(), 0);
            QCOMPARE(counter->NumberMax(), 40);
        }
        QCOMPARE(m_form->scores().counts().boardHits, 0);
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        // The misses go with the counts they were counted in.
        QVERIFY(m_form->scores().misses().isEmpty());
        QCOMPARE(m_form->scores().counts().nextWordLine, 40);
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), QStringLiteral("0"));
        QCOMPARE(m_room->named<QLabel>("Label2")->text(), QStringLiteral("0"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Color(), Colors::clWindow);
        QVERIFY(!box(2)->IsRight);
        QCOMPARE(box(2)->currentText(), QStringLiteral("arbol"));
    }

    // Ctrl+N loads a made board as "Abrir" loads a file, aimed at the misses of the history and
    // of the board on view; the line under the board names the rules until a miss explains
    // itself there. The same seed gives the same board.
    void newBoard_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<bool>("missFirst");
        QTest::addColumn<QString>("lineStart");
        // The one miss on the board on view is "camión".
        QTest::addRow("no history") << QByteArray() << true << "Practica sobre todo: aguda con tilde.";
        QTest::addRow("a history of missed hiatos")
            << ScoreHistory::header() + "\n2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato=9\n" << true
            << "Practica sobre todo: hiato con vocal cerrada tónica; aguda con tilde.";
        // Every rule named: longer than the status bar.
        QTest::addRow("no miss anywhere") << QByteArray() << false << "Practica todas las reglas por igual: aguda";
    }
    void newBoard()
    {
        QFETCH(QByteArray, history);
        QFETCH(bool, missFirst);
        QFETCH(QString, lineStart);
        QStandardPaths::setTestModeEnabled(true);
        const QString historyPath = ScoreHistory::defaultPath();
        QVERIFY(QDir().mkpath(QFileInfo(historyPath).absolutePath()));
        QFile::remove(historyPath);
        if (!history.isEmpty())
            writeFile(historyPath, history);
        openWindow();
        if (missFirst)
            choose(1, wrongItem);
        QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_N));
        QFile::remove(historyPath);

        // A line cut at the window's edge is whole in its tip.
        auto *line = m_room->named<QLabel>("Explicacion");
        const QString whole = line->toolTip().isEmpty() ? line->text() : line->toolTip();
        QVERIFY2(whole.startsWith(lineStart) && whole.endsWith(u'.'), qPrintable(whole));
        QVERIFY(line->text() == whole || line->text().endsWith(u'…'));
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        QCOMPARE(m_form->scores().counts().nextWordLine, 40);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 0);
        QCOMPARE(m_room->named<QLabel>("Label2")->text(), QStringLiteral("0"));
        QVERIFY(m_form->ruleMisses().isEmpty());
        for (int n = 1; n <= 40; ++n) {
            QVERIFY(box(n)->isEnabled());
            QVERIFY(BoardRules::of(box(n)->Caption()).has_value());
        }

        QStringList first;
        for (int round = 0; round < 2; ++round) {
            m_form->newBoard(2026);
            QStringList words;
            for (int n = 1; n <= 40; ++n)
                words << box(n)->Caption();
            if (round == 0)
                first = words;
            QCOMPARE(words, first);
        }
        QCOMPARE(first, BoardMaker(Lexicon::shared()).make(2026).boardWords());

        // The first miss takes the line, and counts under its word's rule.
        int missed = 1;
        while (box(missed)->IsRight)
            ++missed;
        const QString word = box(missed)->Caption();
        box(missed)->setFocus(Qt::TabFocusReason);
        m_room->named<QPushButton>("OK")->setFocus(Qt::TabFocusReason);
        QVERIFY2(line->text().startsWith(QStringLiteral("Era \"") + word), qPrintable(line->text()));
        QCOMPARE(m_form->ruleMisses(), (RuleMisses{{*BoardRules::of(word), 1}}));
    }

    // "Guardar tablero" writes the board's words, replacements too, as a board file; a place
    // that cannot be written says so, naming the file.
    void saveBoard_data()
    {
        QTest::addColumn<bool>("made");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("error");
        QTest::addRow("made board") << true << "tablero" << QString();
        QTest::addRow("board file") << false << "copia.txt" << QString();
        QTest::addRow("cancelled") << true << QString() << QString();
        QTest::addRow("no such folder") << true << "no-existe/tablero.txt" << "No se puede crear el archivo";
    }
    void saveBoard()
    {
        QFETCH(bool, made);
        QFETCH(QString, chosen);
        QFETCH(QString, error);
        openWindow();
        if (made)
            m_form->newBoard(99);
        QByteArray expected = made ? BoardMaker(Lexicon::shared()).make(99).fileBytes()
                                   : fileBytes(m_room->filePath(QStringLiteral("nivel1.txt")));
        if (chosen.isEmpty())
            m_dialogs->queueCancel();
        else
            m_dialogs->queueFile(m_room->filePath(chosen));
        m_room->named<QAction>("GuardarTablero1")->trigger();
        QCOMPARE(m_dialogs->saveRequests.size(), 1);
        QCOMPARE(m_dialogs->saveRequests.at(0).fileName, made ? QStringLiteral("tablero-99.txt") : QStringLiteral("tablero.txt"));
        if (!error.isEmpty()) {
            QCOMPARE(m_dialogs->messages.size(), 1);
            QVERIFY(m_dialogs->messages.at(0).text.startsWith(error));
            QVERIFY(m_dialogs->messages.at(0).text.contains(m_room->filePath(chosen)));
        } else if (!chosen.isEmpty()) {
            QCOMPARE(fileBytes(DialogText::withDefaultExtension(m_room->filePath(chosen), QStringLiteral("txt"))), expected);
            QVERIFY(m_dialogs->messages.isEmpty());
        }
    }

    void richTextBoardContributesItsLines()
    {
        openWindow();
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                         "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\f0\\fs24 \\'e1rbol\\par "
                         "{\\b cami\\u243?n}\\par ";
        for (int n = 3; n <= 41; ++n)
            rtf += "\\cf1 sol\\par ";
        rtf += "ping\\'fcino}";
        const QString path = m_room->filePath(QStringLiteral("tablero.rtf"));
        writeFile(path, rtf);
        m_dialogs->queueFile(path);
        m_form->openBoard();
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("camión"));
        QCOMPARE(box(40)->Caption(), QStringLiteral("sol"));
        // "sól" is wrong: the misses hand out lines 41 and 42.
        choose(3, 1);
        choose(4, 1);
        QCOMPARE(box(4)->Caption(), QStringLiteral("pingüino"));
    }

    // An open that is cancelled or fails leaves the board, its replacement words and its
    // counters as they were.
    void openThatDoesNotHappenChangesNothing_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addRow("cancelled") << QString();
        QTest::addRow("no such file") << "no-existe.txt";
        QTest::addRow("unreadable") << "ilegible.txt";
    }
    void openThatDoesNotHappenChangesNothing()
    {
        QFETCH(QString, chosen);
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), QStringLiteral("ilegible.txt")));
        openWindow();
        choose(1, wrongItem);
        if (chosen.isEmpty()) {
            m_dialogs->queueCancel();
            m_form->openBoard();
        } else {
            m_dialogs->queueFile(m_room->filePath(chosen));
            QVERIFY_THROWS_EXCEPTION(AppError, m_form->openBoard());
        }
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 1);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        choose(2, wrongItem);
        QCOMPARE(box(2)->Caption(), QStringLiteral("fácil"));
    }

    // A selector whose word runs out is left empty: it cannot be entered, chosen or missed.
    void emptyCellsAreOutOfPlay()
    {
        m_room->writeBoard(boardLines(QStringLiteral("camión"), 0));
        openWindow();
        choose(2, wrongItem);
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
        QCOMPARE(box(2)->Caption(), QString());
        QVERIFY(!box(2)->isEnabled());
        QTest::mouseClick(box(2), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        // Tab from "Resultados" passes over it.
        QTest::keyClick(m_room->named<QPushButton>("OK"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(3));
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
    }

    // Going to another window and back hands the focus to "Resultados": the selector the
    // student was in has been left, and a selector not right counts a miss.
    void leavingBySwitchingWindowsIsAnExit()
    {
        openWindow();
        box(4)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(box(4)->Color(), Colors::clAqua);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(m_form->scores().counts().boardMisses, 0);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
        QCOMPARE(box(4)->Color(), Colors::clWindow);
        QCOMPARE(box(4)->Caption(), QStringLiteral("árbol"));
        // Once more with nothing entered: nothing counted.
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
    }

    // Screen readers hear the counters with their figures and each selector's place.
    void countersAndSelectorsForScreenReaders()
    {
        openWindow();
        auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(m_room->named<LCDControl>("LCDControl1")), QStringLiteral("Aciertos: 0"));
        choose(1, rightItem);
        choose(2, wrongItem);
        QCOMPARE(name(m_room->named<LCDControl>("LCDControl1")), QStringLiteral("Aciertos: 1"));
        QCOMPARE(name(m_room->named<LCDControl>("LCDControl2")), QStringLiteral("Fallos: 1"));
        auto description = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(name(box(1)), QStringLiteral("camión"));
        QVERIFY(description(box(1)).startsWith(QStringLiteral("Palabra 1 del tablero, acertada. ")));
        QCOMPARE(name(box(2)), QStringLiteral("arbol"));
        QCOMPARE(description(box(2)), QStringLiteral("Palabra 2 del tablero, sin acertar"));
    }

    // A file that is no board is refused with the first bad line, and the board goes on.
    void fileThatIsNoBoardIsRefused_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("reason");
        QTest::addRow("phrases") << QStringList{"Él canta.", "Tú bailas."} << "la línea 1, «Él canta.», no es una sola palabra.";
        QTest::addRow("empty") << QStringList{} << "";
        QTest::addRow("blank lines only") << QStringList{"", " "} << "";
        QTest::addRow("digits") << QStringList{"sol", "mar3"} << "la línea 2, «mar3», no es una sola palabra.";
        QTest::addRow("capital inside") << QStringList{"Árbol", "caMión"} << "la línea 2, «caMión», no es una sola palabra.";
        QTest::addRow("blank line inside") << QStringList{"sol", "", "mar"} << "la línea 2 está vacía.";
    }
    void fileThatIsNoBoardIsRefused()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, reason);
        openWindow();
        choose(1, wrongItem);
        const QString path = m_room->filePath(QStringLiteral("malo.txt"));
        m_room->writeBoard(lines, QStringLiteral("malo.txt"));
        m_dialogs->queueFile(path);
        QTest::mouseClick(m_room->named<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 1);
        const QString file = QDir::toNativeSeparators(path);
        QCOMPARE(m_dialogs->messages[0].text,
                 reason.isEmpty() ? QStringLiteral("El archivo %1 no tiene ninguna palabra: no es un tablero.").arg(file)
                                  : QStringLiteral("El archivo %1 no es un tablero: %2").arg(file, reason));
        QCOMPARE(m_form->scores().counts().boardMisses, 1);
        QCOMPARE(m_room->named<LCDControl>("LCDControl2")->Number(), 1);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("camión"));
        QVERIFY(box(2)->isEnabled());
    }

    void failedOpenFromTheToolBarIsShownAndTheBoardGoesOn()
    {
        openWindow();
        const QString missing = m_room->filePath(QStringLiteral("no-existe.txt"));
        m_dialogs->queueFile(missing);
        QTest::mouseClick(m_room->named<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Error);
        QCOMPARE(m_dialogs->messages[0].text,
                 QStringLiteral("No se puede abrir el archivo %1.").arg(QDir::toNativeSeparators(missing)));
        choose(1, rightItem);
        QCOMPARE(m_form->scores().counts().boardHits, 1);
    }

    // A short board says so; its empty cells are out of play and never a hit.
    void fewerLinesThanSelectorsGiveEmptyCells()
    {
        openWindow();
        m_room->writeBoard({QStringLiteral("sol"), QStringLiteral("mar"), QString()}, QStringLiteral("corto.txt"));
        m_dialogs->queueFile(m_room->filePath(QStringLiteral("corto.txt")));
        m_form->openBoard();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].text,
                 QStringLiteral("El archivo %1 solo tiene 2 palabras para las 40 casillas del tablero.\r"
                                "Las casillas sin palabra quedan vacías y no cuentan.")
                     .arg(QDir::toNativeSeparators(m_room->filePath(QStringLiteral("corto.txt")))));
        QCOMPARE(box(2)->Caption(), QStringLiteral("mar"));
        QCOMPARE(box(3)->Caption(), QString());
        QVERIFY(!box(3)->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(box(3))->text(QAccessible::Description),
                 QStringLiteral("Palabra 3 del tablero, casilla vacía"));
        // Even a choice forced on an empty cell counts nothing.
        for (int n = 3; n <= 5; ++n)
            choose(n, 0);
        choose(1, 0);
        QCOMPARE(m_form->scores().counts().boardHits, 1);
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), QStringLiteral("100"));
        QCOMPARE(box(4)->Color(), Colors::clWindow);
    }

    void scoreStripLiesWithinTheWindow()
    {
        openWindow();
        QVERIFY(m_form->centralWidget()->rect().contains(m_room->named<QWidget>("scoreStrip")->geometry()));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stillOpen");
        QTest::addRow("no") << int(MessageAnswer::No) << true;
        QTest::addRow("yes") << int(MessageAnswer::Yes) << false;
    }
    void exitQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, stillOpen);
        openWindow();
        choose(1, rightItem);
        m_dialogs->queueAnswer(MessageAnswer(answer));
        m_room->named<QAction>("Salir1")->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Vas a salir del programa. ¿Quieres terminar ahora?"));
        QCOMPARE(m_dialogs->messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Information);
        QCOMPARE(m_form->isVisible(), stillOpen);
        QCOMPARE(m_form->scores().counts().boardHits, 1);
        QCOMPARE(box(1)->Color(), Colors::clLime);
    }

    void instructionsText()
    {
        openWindow();
        m_room->named<QAction>("Instrucciones1")->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        const ShownMessage &shown = m_dialogs->messages[0];
        QCOMPARE(shown.caption, QStringLiteral("INSTRUCCIONES"));
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.text,
                 QStringLiteral(" Tildora.  \r \r El programa consta de 4 apartados:\r"
                                "    Tablero, Ejemplos, Frases y Cuestiones.\r"
                                "  Cada apartado resuelto correctamente representa \r"
                                "  un 25 % de la puntuación.\r  \r"
                                "  En el apartado <Tablero> se anotan también los \r"
                                "  intentos fallidos.\r"
                                "  En el apartado <Frases> se promedian los aciertos\r"
                                "  sobre el total de frases resueltas.\r  \r  \r  \r  "));
    }

    // "Escuchar" beside the status line says the word it explains, whose syllables show with
    // the stressed one in bold; with no sound device, or no word it can say, it is disabled and
    // its tip says why. Nothing waits for the voice.
    void listenToTheExplainedWord_data()
    {
        QTest::addColumn<int>("voice");
        QTest::addColumn<QString>("boardWord");
        QTest::addColumn<bool>("miss");
        QTest::addColumn<QString>("syllables");
        QTest::addColumn<QString>("tip");
        QTest::addRow("before any miss") << int(TestVoice::Counting) << u"camión"_s << false << QString()
                                         << u"No hay ninguna palabra que escuchar."_s;
        QTest::addRow("no sound device") << int(TestVoice::SoundOff) << u"camión"_s << true << u"ca-<b>mión</b>"_s
                                         << u"No hay ningún dispositivo de sonido: el sonido del programa está apagado (TILDORA_SIN_SONIDO)."_s;
        QTest::addRow("a voice") << int(TestVoice::Counting) << u"camión"_s << true << u"ca-<b>mión</b>"_s
                                 << u"Escuchar «camión» (F8)"_s;
        QTest::addRow("the engine into memory") << int(TestVoice::EspeakBuffer) << u"búho"_s << true
                                                << u"<b>bú</b>-ho"_s << u"Escuchar «búho» (F8)"_s;
        QTest::addRow("a word the engine refuses") << int(TestVoice::Counting) << u"cámión"_s << true << QString()
                                                   << u"«cámión» no se puede escuchar. La palabra tiene dos tildes: una palabra lleva como mucho una."_s;
    }
    void listenToTheExplainedWord()
    {
        QFETCH(int, voice);
        QFETCH(QString, boardWord);
        QFETCH(bool, miss);
        QFETCH(QString, syllables);
        QFETCH(QString, tip);
        const auto [counting, engine] = useVoice(TestVoice(voice));
        m_room->writeBoard(boardLines(boardWord, 60));
        openWindow();
        if (miss)
            choose(2, wrongItem);
        auto *button = m_room->named<QToolButton>("EscucharBoton");
        QCOMPARE(m_room->named<QLabel>("Silabas")->text(), syllables);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->accessibleName(), u"Escuchar"_s);
        const bool ready = tip.startsWith(u"Escuchar"_s);
        QCOMPARE(button->isEnabled(), ready);

        QSignalSpy heard(&Speech::shared(), &Speech::finished);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        QCOMPARE(QApplication::focusWidget(), m_room->named<QPushButton>("OK"));
        if (!ready) {
            QCOMPARE(Speech::shared().word(), QString());
            return;
        }
        QCOMPARE(Speech::shared().word(), boardWord);
        QTRY_COMPARE(heard.count(), 1);
        QCOMPARE(heard.first().first().toString(), boardWord);
        if (counting)
            QCOMPARE(counting->said(), QStringList{boardWord});
        else // about half a second of speech
            QVERIFY2(engine->samples().size() > engine->sampleRate() / 4, qPrintable(QString::number(engine->samples().size())));
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
