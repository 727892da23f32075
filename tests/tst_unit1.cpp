// The practice window and its board: loading, hits, misses, replacement words, counters,
// the completion banner, the exit question and the instructions.
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"

#include "practice/Unit1.h"
#include "shared/AppError.h"
#include "shared/RunScores.h"
#include "shared/TextFile.h"
#include "widgets/BoolComboBox.h"
#include "widgets/LCDControl.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

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
        lines << spare[n % spare.size()] + (n < spare.size() ? QString() : QString::number(n));
    return lines;
}

} // namespace

class TestUnit1 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TForm1> m_form;

    TBoolComboBox *box(int n) { return m_form->BoolComboBox(n); }

    void openWindow()
    {
        m_form = std::make_unique<TForm1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
    }

    // The student picks an item in selector n: it is entered, the list choice is made.
    void choose(int n, int item)
    {
        box(n)->setFocus(Qt::MouseFocusReason);
        box(n)->setCurrentIndex(item);
        emit box(n)->activated(item);
    }

    void writeBoard(const QString &name, const QStringList &lines)
    {
        TextFile::writeLines(m_folder->filePath(name), lines);
    }

private slots:
    void init()
    {
        runScores() = RunScores{};
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        m_folder = std::make_unique<TemporaryWorkingFolder>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        writeBoard(QStringLiteral("nivel1.txt"), boardLines(QStringLiteral("camión"), 60));
    }

    void cleanup()
    {
        m_form.reset();
        m_dialogs.reset();
        m_folder.reset();
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
        QCOMPARE(runScores().nextWordLine, 40);
        QCOMPARE(m_form->LCDControl1->NumberMax(), 40);
        QCOMPARE(m_form->LCDControl2->Number(), 0);
        QVERIFY(m_form->multishape->text().isEmpty());
        QVERIFY(!m_form->multishape->isVisible());
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

    void unreadableBoardAtStartupKeepsTheDesignedWords()
    {
        // A file that opens but cannot be read.
        QFile::remove(QStringLiteral("nivel1.txt"));
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), QStringLiteral("nivel1.txt")));
        openWindow();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Error);
        QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("nivel1.txt")));
        QCOMPARE(box(1)->Caption(), QStringLiteral("conspiración"));
    }

    void menuCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addRow("Archivo1") << "Archivo1" << "Archivo";
        QTest::addRow("Abrir1") << "Abrir1" << "&Abrir";
        QTest::addRow("Salir1") << "Salir1" << "&Salir";
        QTest::addRow("Edicin1") << "Edicin1" << "Edición";
        QTest::addRow("Datos") << "Datos" << "Datos alumno";
        QTest::addRow("Modificar1") << "Modificar1" << "&Modificar";
        QTest::addRow("Ayuda1") << "Ayuda1" << "&Ayuda";
        QTest::addRow("Instrucciones1") << "Instrucciones1" << "Instrucciones";
        QTest::addRow("Info") << "Info" << "Información";
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
        QCOMPARE(runScores().boardHits, 0);
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
    }

    void rightChoice()
    {
        openWindow();
        box(1)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(box(1)->Color(), Colors::clAqua);
        choose(1, rightItem);
        QVERIFY(box(1)->IsRight);
        QCOMPARE(box(1)->Color(), Colors::clLime);
        QCOMPARE(m_form->LCDControl1->Number(), 1);
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
        QCOMPARE(runScores().boardHits, 1);
        QCOMPARE(runScores().boardMisses, 0);
        QCOMPARE(m_form->LCDControl2->Number(), 0);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("100"));
        QCOMPARE(box(1)->Caption(), QStringLiteral("camión"));
    }

    void wrongChoiceCountsAMissAndReplacesTheWord()
    {
        openWindow();
        choose(2, wrongItem);
        QVERIFY(!box(2)->IsRight);
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(m_form->LCDControl2->Number(), 1);
        QCOMPARE(m_form->Label2->text(), QStringLiteral("1"));
        QCOMPARE(runScores().nextWordLine, 41);
        QCOMPARE(box(2)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Color(), Colors::clWindow);
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
    }

    void choiceRunsChangeRecountFocusThenExit()
    {
        openWindow();
        // At the exit the choice has been judged (right), recounted (one hit) and the focus
        // has moved on.
        QStringList events;
        connect(box(9), &TBoolComboBox::OnExit, this, [&] {
            events << QStringLiteral("exit right=%1 hits=%2 focus=%3")
                          .arg(box(9)->IsRight)
                          .arg(runScores().boardHits)
                          .arg(QApplication::focusWidget()->objectName());
        });
        choose(9, rightItem);
        QCOMPARE(events, QStringList{"exit right=1 hits=1 focus=OK"});
        QCOMPARE(runScores().boardMisses, 0);
    }

    void tabbingThroughUntouchedSelectorsCountsMisses()
    {
        openWindow();
        QTest::keyClick(m_form->OK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(1));
        for (int n = 1; n <= 3; ++n)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(4));
        QCOMPARE(runScores().boardMisses, 3);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("fácil"));
        QCOMPARE(box(3)->Caption(), QStringLiteral("sofá"));
        QCOMPARE(box(4)->Caption(), QStringLiteral("camión"));
    }

    void choiceFromThePopupList()
    {
        openWindow();
        TBoolComboBox *selector = box(6);
        QTest::mouseClick(selector, Qt::LeftButton);
        QCOMPARE(selector->Color(), Colors::clAqua);
        QTRY_VERIFY(selector->view()->isVisible());
        QCOMPARE(runScores().boardMisses, 0);
        QAbstractItemView *list = selector->view();
        const QRect item = list->visualRect(list->model()->index(rightItem, 0));
        // The list ignores the release of the click that opened it for a moment.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QTest::mouseMove(list->viewport(), item.center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
        QVERIFY(selector->IsRight);
        QCOMPARE(runScores().boardHits, 1);
        QCOMPARE(runScores().boardMisses, 0);
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
        QCOMPARE(selector->Color(), Colors::clLime);
    }

    void popupOpeningIsNotAnExit()
    {
        openWindow();
        box(5)->setFocus(Qt::MouseFocusReason);
        m_form->OK->setFocus(Qt::PopupFocusReason);
        QCOMPARE(runScores().boardMisses, 0);
    }

    void fortyFirstMissDoublesBothMaxima()
    {
        openWindow();
        for (int miss = 1; miss <= 41; ++miss) {
            box(miss % 40 + 1)->setFocus(Qt::TabFocusReason);
            m_form->OK->setFocus(Qt::TabFocusReason);
            QCOMPARE(m_form->LCDControl2->NumberMax(), miss <= 40 ? 40 : 80);
        }
        QCOMPARE(runScores().boardMisses, 41);
        QCOMPARE(m_form->LCDControl2->Number(), 41);
        QCOMPARE(m_form->LCDControl1->NumberMax(), 80);
    }

    void hitPercentage()
    {
        openWindow();
        choose(1, rightItem);
        choose(2, wrongItem);
        choose(3, rightItem);
        QCOMPARE(runScores().boardHits, 2);
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("66,7"));
    }

    void noRightSelectorLeftShowsZero()
    {
        openWindow();
        choose(1, rightItem);
        choose(1, wrongItem);
        QCOMPARE(runScores().boardHits, 0);
        QCOMPARE(m_form->LCDControl1->Number(), 0);
        QCOMPARE(m_form->Label1->text(), QString());
    }

    void completeBoardBanner()
    {
        openWindow();
        for (int n = 1; n <= 40; ++n) {
            QVERIFY(!m_form->multishape->isVisible());
            choose(n, rightItem);
        }
        QCOMPARE(runScores().boardHits, 40);
        QVERIFY(m_form->multishape->isVisible());
        QCOMPARE(m_form->multishape->text(), QStringLiteral("¡TABLERO COMPLETO!"));
        choose(17, wrongItem);
        QVERIFY(!m_form->multishape->isVisible());
        QCOMPARE(runScores().boardHits, 39);
    }

    void openingABoardResetsTheCounters()
    {
        openWindow();
        for (int miss = 1; miss <= 41; ++miss) {
            box(1)->setFocus(Qt::TabFocusReason);
            m_form->OK->setFocus(Qt::TabFocusReason);
        }
        choose(2, rightItem);
        writeBoard(QStringLiteral("otro.TXT"), boardLines(QStringLiteral("árbol"), 1));
        m_dialogs->queueFile(m_folder->filePath(QStringLiteral("otro.TXT")));
        m_form->Abrir1Click();

        QCOMPARE(m_dialogs->openRequests.size(), 1);
        const FileDialogRequest &request = m_dialogs->openRequests[0];
        QCOMPARE(request.filter, QStringLiteral("Archivos de texto (*.TXT)|*.TXT|Rich text files (*.RTF)|*.RTF"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(QDir(request.initialFolder), QDir(m_folder->path()));

        for (TLCDControl *counter : {m_form->LCDControl1, m_form->LCDControl2}) {
            QCOMPARE(counter->Number(), 0);
            QCOMPARE(counter->NumberMax(), 40);
        }
        QCOMPARE(runScores().boardHits, 0);
        QCOMPARE(runScores().boardMisses, 0);
        QCOMPARE(runScores().nextWordLine, 40);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("0"));
        QCOMPARE(m_form->Label2->text(), QStringLiteral("0"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Color(), Colors::clWindow);
        QVERIFY(!box(2)->IsRight);
        QCOMPARE(box(2)->currentText(), QStringLiteral("arbol"));
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
        QFile file(m_folder->filePath(QStringLiteral("tablero.rtf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        file.close();
        m_dialogs->queueFile(file.fileName());
        m_form->Abrir1Click();
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
        QCOMPARE(box(2)->Caption(), QStringLiteral("camión"));
        QCOMPARE(box(40)->Caption(), QStringLiteral("sol"));
        // "sól" is wrong: the misses hand out lines 41 and 42.
        choose(3, 1);
        choose(4, 1);
        QCOMPARE(box(4)->Caption(), QStringLiteral("pingüino"));
    }

    void cancelledOpenChangesNothing()
    {
        openWindow();
        choose(1, wrongItem);
        m_dialogs->queueCancel();
        m_form->Abrir1Click();
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
    }

    // Leaving a selector whose word is empty raises a change from the exit itself: that must
    // not move the focus again and turn into a second exit of the selector clicked.
    void emptyWordExitCountsOneMiss()
    {
        writeBoard(QStringLiteral("nivel1.txt"), {QStringLiteral("sol")});
        openWindow();
        box(2)->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(box(3), Qt::LeftButton);
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(box(3)->Caption(), QString());
        // The clicked selector was entered and stays so: the focus did not bounce to "Resultados".
        QVERIFY(QApplication::focusWidget() != m_form->OK);
        QCOMPARE(box(3)->Color(), Colors::clAqua);
        box(3)->hidePopup();
        // On an empty board the keyboard still walks the selectors, one miss a step.
        box(5)->setFocus(Qt::TabFocusReason);
        const int before = runScores().boardMisses;
        for (int n = 5; n < 8; ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), box(n + 1));
        }
        QCOMPARE(runScores().boardMisses, before + 3);
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
        QCOMPARE(runScores().boardMisses, 0);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(QApplication::focusWidget(), m_form->OK);
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(box(4)->Color(), Colors::clWindow);
        QCOMPARE(box(4)->Caption(), QStringLiteral("árbol"));
        // Once more with nothing entered: nothing counted.
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(runScores().boardMisses, 1);
    }

    // Screen readers hear the counters with their figures and each selector's place.
    void countersAndSelectorsForScreenReaders()
    {
        openWindow();
        auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(m_form->LCDControl1), QStringLiteral("Aciertos: 0"));
        choose(1, rightItem);
        choose(2, wrongItem);
        QCOMPARE(name(m_form->LCDControl1), QStringLiteral("Aciertos: 1"));
        QCOMPARE(name(m_form->LCDControl2), QStringLiteral("Fallos: 1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(box(7))->text(QAccessible::Description),
                 QStringLiteral("Palabra 7 del tablero"));
    }

    void failedOpenKeepsTheBoardWords()
    {
        openWindow();
        m_dialogs->queueFile(m_folder->filePath(QStringLiteral("no-existe.txt")));
        QVERIFY_THROWS_EXCEPTION(AppError, m_form->Abrir1Click());
        choose(1, wrongItem);
        QCOMPARE(box(1)->Caption(), QStringLiteral("árbol"));
    }

    void unreadableBoardKeepsTheCounters()
    {
        openWindow();
        choose(1, wrongItem);
        m_dialogs->queueFile(m_folder->filePath(QStringLiteral("no-existe.txt")));
        QVERIFY_THROWS_EXCEPTION(AppError, m_form->Abrir1Click());
        QCOMPARE(runScores().boardMisses, 1);
        QCOMPARE(m_form->LCDControl2->Number(), 1);
    }

    void failedOpenFromTheToolBarIsShownAndTheBoardGoesOn()
    {
        openWindow();
        const QString missing = m_folder->filePath(QStringLiteral("no-existe.txt"));
        m_dialogs->queueFile(missing);
        QTest::mouseClick(m_form->SpeedButton1, Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Error);
        QCOMPARE(m_dialogs->messages[0].text,
                 QStringLiteral("No se puede abrir el archivo %1.").arg(QDir::toNativeSeparators(missing)));
        choose(1, rightItem);
        QCOMPARE(runScores().boardHits, 1);
    }

    void fewerLinesThanSelectorsGiveEmptyWords()
    {
        openWindow();
        writeBoard(QStringLiteral("corto.txt"), {QStringLiteral("sol"), QStringLiteral("mar")});
        m_dialogs->queueFile(m_folder->filePath(QStringLiteral("corto.txt")));
        m_form->Abrir1Click();
        QCOMPARE(box(2)->Caption(), QStringLiteral("mar"));
        QCOMPARE(box(3)->Caption(), QString());
        choose(3, 0);
        QVERIFY(box(3)->IsRight);
        choose(4, 0);
        QCOMPARE(runScores().boardHits, 2);
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
        m_form->Salir1Click();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Vas a salir del programa. ¿Quieres terminar ahora?"));
        QCOMPARE(m_dialogs->messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Information);
        QCOMPARE(m_form->isVisible(), stillOpen);
        QCOMPARE(runScores().boardHits, 1);
        QCOMPARE(box(1)->Color(), Colors::clLime);
    }

    void instructionsText()
    {
        openWindow();
        m_form->Instrucciones1Click();
        QCOMPARE(m_dialogs->messages.size(), 1);
        const ShownMessage &shown = m_dialogs->messages[0];
        QCOMPARE(shown.caption, QStringLiteral("INSTRUCCIONES"));
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.text,
                 QStringLiteral(" Tildora.  \r \r El programa consta de 4 apartados:\r"
                                "    Tablero, Ejemplos, Prácticas y Cuestiones \r"
                                "  Cada apartado  resuelto correctamente representa \r"
                                "  un 25% de la puntuación.\r  \r"
                                "  En el apartado <Tablero>  se  anotan también los \r"
                                "  intentos fallidos\r"
                                "  En  el  apartado <Frases> se promedian los aciertos\r"
                                "  sobre el total de frases resueltas\r  \r  \r  \r  "));
    }
};

QTEST_MAIN(TestUnit1)
#include "tst_unit1.moc"
