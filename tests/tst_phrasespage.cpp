// The page "Frases y palabras": opening a phrase file, correcting it and showing the answers.
#include "help/PhrasesPage.h"
#include "help/ExercisesWindow.h"

#include "DoubledPixels.h"
#include "ExercisesWindowParts.h"
#include "FileFixtures.h"
#include "ScriptedDialogs.h"
#include "shared/AppError.h"
#include "exercises/ExerciseScores.h"
#include "shared/TextFile.h"
#include "widgets/BigText.h"
#include "widgets/TabbedNotebook.h"
#include "widgets/TextAttributes.h"

#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

#include <memory>

using namespace Qt::StringLiterals;
using namespace ExercisesWindowParts;

namespace {

const QStringList phrases = {
    u"¿Cuándo llegó tu hermano?"_s,
    u"Él dice que sí."_s,
    u""_s,
    u"El pingüino y la cigüeña."_s,
};

// Replaces line i of the student's copy as typing would.
void retype(QTextEdit *edit, int line, const QString &text)
{
    QTextCursor cursor(edit->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

} // namespace

class TestPhrasesPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_folder->path());
        m_window = std::make_unique<ExercisesWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_previous);
        m_folder.reset();
    }

    void startState()
    {
        QVERIFY(box()->isVisible());
        QCOMPARE(box()->document()->blockCount(), 9);
        QCOMPARE(box()->document()->findBlockByNumber(8).text(),
                 u"                PULSA SOBRE EL BOTÓN  << Frases >> PARA ABRIR LOS ARCHIVOS DE FRASES"_s);
        // The viewer lies under the box, which hides it.
        QWidget *page = tabs(*m_window)->page(ExercisesWindow::PageFrases);
        QVERIFY(page->children().indexOf(viewer()) < page->children().indexOf(box()));
        QVERIFY(!button(u"Comprobar"_s)->isVisible());
        QCOMPARE(label(u"Tfrases"_s)->text(), u"0"_s);
        QCOMPARE(label(u"Tpercentfrases"_s)->geometry().right() + 1, 427);
        QVERIFY(!label(u"nextStepHint"_s)->isVisible());
    }

    // The whole round: open through the dialog, edit, correct, look at the answers and the
    // correct text, and back.
    void openEditCorrectAndCompare()
    {
        ScriptedDialogs dialogs;
        const QString path = writeFile(u"Frases.txt"_s, TextFile::encodeWindows1252(phrases.join(u"\r\n"_s) + u"\r\n"_s));
        dialogs.queueFile(path);
        button(u"Abrefrases"_s)->click();

        QCOMPARE(dialogs.openRequests.size(), 1);
        const FileDialogRequest &request = dialogs.openRequests.first();
        QCOMPARE(request.filter, u"Archivos de texto (*.txt)|*.txt"_s);
        QCOMPARE(request.defaultExtension, u"txt"_s);
        QCOMPARE(request.fileName, u"Frases.txt"_s);
        QCOMPARE(request.initialFolder, QDir::currentPath());
        QVERIFY(!request.mustExist);

        QTextEdit *edit = box();
        QCOMPARE(edit->toPlainText(),
                 u"¿Cuando llego tu hermano?\nEl dice que si.\n\nEl pingüino y la cigüeña."_s);
        // Line 0 wholly repaired, line 1 only in part, line 2 left empty, line 3 as given, and
        // a line added at the end.
        retype(edit, 0, phrases[0]);
        edit->setFocus();
        edit->setTextCursor(QTextCursor(edit->document()->findBlockByNumber(1)));
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, u"É"_s);
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, u"otra"_s);

        QVERIFY(!label(u"nextStepHint"_s)->isVisible());
        // From the keyboard: Tab leaves the box (mended: it typed a tab there) for "Corregir".
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        edit->setFocus();
        // The viewer under the box is no stop while covered (mended: an unseen stop).
        QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != viewer());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(u"Corregir"_s));
        QTest::keyClick(button(u"Corregir"_s), Qt::Key_Space);
        // The blank line and the one without acute accents are no phrases to count.
        QCOMPARE(m_window->scores().counts().phraseTotal, 2);
        QCOMPARE(m_window->scores().counts().phraseHits, 1);
        QCOMPARE(label(u"Tfrases"_s)->text(), u"1/2"_s);
        QCOMPARE(label(u"Tpercentfrases"_s)->text(), u"50"_s);
        QVERIFY(!edit->isVisible());
        QCOMPARE(viewer()->focusPolicy(), Qt::StrongFocus);
        QVERIFY(button(u"Comprobar"_s)->isVisible());
        QVERIFY(label(u"nextStepHint"_s)->isVisible());
        QCOMPARE(label(u"nextStepHint"_s)->text(), u"Para seguir, abre otro archivo de frases con «Frases»"_s);

        // Right lines red on lime, wrong ones teal on the button face, the added one too;
        // uncounted ones black on the button face.
        BigText *viewer = this->viewer();
        enum Look { Right, Wrong, Plain };
        const QList<Look> looks = {Right, Wrong, Plain, Plain, Wrong};
        QCOMPARE(viewer->Count(), looks.size());
        QCOMPARE(viewer->GetLine(1), u"Él dice que si."_s);
        QCOMPARE(viewer->GetLine(4), u"otra"_s);
        QTest::qWait(20);
        const QImage image = viewer->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor buttonFace = viewer->palette().color(QPalette::Button);
        const TColor fontColors[] = {Colors::clRed, Colors::clTeal, Colors::clBlack};
        const TColor backColors[] = {Colors::clLime, Colors::clBtnFace, Colors::clBtnFace};
        for (int line = 0; line < looks.size(); ++line) {
            const Look look = looks[line];
            const auto *attributes = static_cast<const TextAttributes *>(viewer->AttributeStore().Get(line));
            QCOMPARE(attributes->FontColor, fontColors[look]);
            QCOMPARE(attributes->BackColor, backColors[look]);
            if (viewer->GetLine(line).isEmpty())
                continue;
            const QRect cells(0, line * viewer->LineHeight(), 40, viewer->LineHeight());
            QCOMPARE(countColour(image, cells, QColor(0, 255, 0)) > 100, look == Right);
            QCOMPARE(countColour(image, cells, QColor(255, 0, 0)) > 5, look == Right);
            QCOMPARE(countColour(image, cells, QColor(0, 128, 128)) > 5, look == Wrong);
            QCOMPARE(countColour(image, cells, QColor(0, 0, 0)) > 5, look == Plain);
            if (look != Right)
                QVERIFY(countColour(image, cells, buttonFace) > 100);
        }

        // The file changes on disk: the correct text is still the one that was opened.
        writeFile(u"Frases.txt"_s, "otra cosa\r\n");
        button(u"Comprobar"_s)->click();
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->toPlainText(), phrases.join(u'\n'));
        // The hint has its own line, over neither view's text nor the buttons.
        const QRect hint = label(u"nextStepHint"_s)->geometry();
        QVERIFY(!hint.intersects(edit->geometry()));
        QVERIFY(!hint.intersects(viewer->geometry()));
        QVERIFY(hint.bottom() < button(u"Abrefrases"_s)->y());
        QVERIFY(label(u"nextStepHint"_s)->sizeHint().width() <= hint.width());
        button(u"Comprobar"_s)->click();
        QVERIFY(!edit->isVisible());

        // A second correction of the same file is ignored.
        button(u"Corregir"_s)->click();
        QCOMPARE(m_window->scores().counts().phraseTotal, 2);
        QCOMPARE(viewer->Count(), looks.size());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // After a correction a wrong line's tip, and the viewer's description, name the words
    // that differ from the model and why each is written so.
    void wrongLinesExplainTheirWords()
    {
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"Frases.txt"_s, TextFile::encodeWindows1252(phrases.join(u"\r\n"_s))));
        button(u"Abrefrases"_s)->click();
        retype(box(), 0, phrases[0]);
        retype(box(), 1, u"Él dice que si."_s);
        button(u"Corregir"_s)->click();

        const QString why = u"«si» se escribe \"sí\" (sí): lleva tilde cuando es adverbio de afirmación"_s;
        BigText *viewer = this->viewer();
        QVERIFY2(viewer->accessibleDescription().startsWith(u"Línea 2: "_s + why), qPrintable(viewer->accessibleDescription()));
        QVERIFY(!viewer->accessibleDescription().contains(u"Línea 1"_s));

        const QPoint onLine(10, viewer->LineHeight() + viewer->LineHeight() / 2);
        QHelpEvent help(QEvent::ToolTip, onLine, viewer->viewport()->mapToGlobal(onLine));
        QApplication::sendEvent(viewer->viewport(), &help);
        QTRY_VERIFY(QToolTip::text().startsWith(why));
        const QPoint onRightLine(10, viewer->LineHeight() / 2);
        QHelpEvent none(QEvent::ToolTip, onRightLine, viewer->viewport()->mapToGlobal(onRightLine));
        QApplication::sendEvent(viewer->viewport(), &none);
        QTRY_VERIFY(QToolTip::text().isEmpty());
    }

    // Each word of a wrong line written otherwise than the model is kept among the run's
    // misses, with the rule of the model's word; a capital alone breaks no accent rule.
    void wrongWordsAreKeptWithTheirRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("misses");
        QTest::addRow("a tilde missing") << u"Él dice que si."_s << QStringList{u"si|si|sí|diacritico"_s};
        QTest::addRow("a tilde too many and one missing")
            << u"El díce que sí."_s << QStringList{u"El|El|Él|diacritico"_s, u"dice|díce|dice|llana-sin-tilde"_s};
        QTest::addRow("a word left out") << u"Él dice que."_s << QStringList{u"si||sí|diacritico"_s};
        QTest::addRow("a capital only") << u"él dice que sí."_s << QStringList();
        QTest::addRow("a word added") << u"Él dice que sí, sí."_s << QStringList();
        QTest::addRow("right") << u"Él dice que sí."_s << QStringList();
    }
    void wrongWordsAreKeptWithTheirRules()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, misses);
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"Frases.txt"_s, TextFile::encodeWindows1252(phrases.join(u"\r\n"_s))));
        button(u"Abrefrases"_s)->click();
        retype(box(), 0, phrases[0]);
        retype(box(), 1, typed);
        retype(box(), 3, phrases[3]);
        button(u"Corregir"_s)->click();
        QStringList kept;
        for (const SessionDetail::Miss &miss : m_window->scores().misses()) {
            QCOMPARE(miss.exercise, SessionDetail::Exercise::Phrases);
            QVERIFY(miss.explanation.startsWith(u'"' + miss.right + u'"'));
            kept << QStringList{miss.shown, miss.answer, miss.right, miss.rule}.join(u'|');
        }
        QCOMPARE(kept, misses);
    }

    void totalsAddUpOverFilesAndThePercentGrowsLeft()
    {
        ScriptedDialogs dialogs;
        const QString path = writeFile(u"tres.txt"_s, "s\xED\r\nt\xFA\r\ntr\xE9s\r\n");
        for (int round = 0; round < 2; ++round) {
            dialogs.queueFile(path);
            button(u"Abrefrases"_s)->click();
            QVERIFY(box()->isVisible());
            QVERIFY(!button(u"Comprobar"_s)->isVisible());
            QVERIFY(!label(u"nextStepHint"_s)->isVisible());
            box()->setPlainText(u"sí\ntú\ntres"_s);
            button(u"Corregir"_s)->click();
        }
        QCOMPARE(label(u"Tfrases"_s)->text(), u"4/6"_s);
        // The misses add up with the counts: "tres" for the line "trés", once per file.
        QCOMPARE(m_window->scores().misses().size(), 2);
        QCOMPARE(label(u"Tpercentfrases"_s)->text(), QLocale().toString(66.67, 'f', 2));
        QCOMPARE(label(u"Tpercentfrases"_s)->geometry().right() + 1, 427);
        QVERIFY(label(u"Tpercentfrases"_s)->x() < 417);
        // The name chosen is offered next time.
        QCOMPARE(dialogs.openRequests.last().fileName, u"tres.txt"_s);
    }

    // What the file holds, as the page reads it: the reference lines and the student's copy.
    void phraseFilesRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("reference");
        QTest::addRow("Windows-1252") << QByteArray("S\xED, t\xFA.\r\nA\xF1o m\xE1s\r\n") << QStringList{u"Sí, tú."_s, u"Año más"_s};
        QTest::addRow("UTF-8") << u"Sí, tú.\nAño más"_s.toUtf8() << QStringList{u"Sí, tú."_s, u"Año más"_s};
        QTest::addRow("rich text saved by the editor")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 S\\'ed, t\\'fa.\\par A\\'f1o m\\'e1s\\par}")
            << QStringList{u"Sí, tú."_s, u"Año más"_s};
        QTest::addRow("tabs widened") << QByteArray("\xE1\tb\r\n") << QStringList{u"á      b"_s};
        const QString longLine = QString(280, u'a') + u"ó"_s;
        QTest::addRow("a line past 255 characters") << longLine.toUtf8() << QStringList{longLine};
    }
    void phraseFilesRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, reference);
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"f.txt"_s, bytes));
        button(u"Abrefrases"_s)->click();
        QCOMPARE(box()->toPlainText(), PhrasesExercise::StripAccents(reference.join(u'\n')));
        // Restoring the accents of every line, however long, makes them all right, and the
        // correct text shown afterwards is the file's.
        box()->setPlainText(reference.join(u'\n'));
        button(u"Corregir"_s)->click();
        QCOMPARE(m_window->scores().counts().phraseHits, reference.size());
        QCOMPARE(box()->toPlainText(), reference.join(u'\n'));
    }

    // Too large a phrase file is refused, naming its size, before it is read; one with too
    // many lines before any box is filled.
    void oversizedPhraseFileIsRefused_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::addRow("past the size") << 3 * PhrasesPage::MaxFileBytes << 0 << u"ocupa 6"_s;
        QTest::addRow("past the lines") << qint64(0) << int(PhrasesPage::MaxLines) + 1
                                        << u"tiene 50.001 líneas y los archivos de frases pueden tener hasta 50.000."_s;
    }
    void oversizedPhraseFileIsRefused()
    {
        QFETCH(qint64, bytes);
        QFETCH(int, lines);
        QFETCH(QString, message);
        const QString path = QDir::current().filePath(u"enorme.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (bytes > 0)
            QVERIFY(file.resize(bytes));
        for (int i = 0; i < lines; ++i)
            file.write("\xE1\r\n");
        file.close();
        try {
            PhrasesPage::readPhraseFile(path);
            QFAIL("no error raised");
        } catch (const AppError &error) {
            QVERIFY2(error.message().startsWith(u"El archivo %1 "_s.arg(QDir::toNativeSeparators(path))),
                     qPrintable(error.message()));
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        }
    }

    void moreLinesThanAnyTable()
    {
        ScriptedDialogs dialogs;
        QStringList lines;
        for (int i = 0; i < 1200; ++i)
            lines << u"línea %1"_s.arg(i);
        dialogs.queueFile(writeFile(u"largo.txt"_s, lines.join(u'\n').toUtf8()));
        button(u"Abrefrases"_s)->click();
        QStringList student = box()->toPlainText().split(u'\n');
        for (int i = 0; i < 1200; i += 2)
            student[i] = lines[i];
        box()->setPlainText(student.join(u'\n'));
        button(u"Corregir"_s)->click();
        QCOMPARE(m_window->scores().counts().phraseTotal, 1200);
        QCOMPARE(m_window->scores().counts().phraseHits, 600);
        QCOMPARE(viewer()->Count(), 1200);
        const auto *last = static_cast<const TextAttributes *>(viewer()->AttributeStore().Get(1199));
        QCOMPARE(last->BackColor, Colors::clBtnFace);
        const auto *first = static_cast<const TextAttributes *>(viewer()->AttributeStore().Get(1198));
        QCOMPARE(first->BackColor, Colors::clLime);
        QCOMPARE(viewer()->VMax(), 1200 - viewer()->VisibleRows());
        // The description explains the first wrong lines and counts the others.
        const QString description = viewer()->accessibleDescription();
        QVERIFY2(description.startsWith(u"Línea 2: "_s), qPrintable(description.left(80)));
        QVERIFY2(description.endsWith(u"\nY 550 líneas más con fallos."_s), qPrintable(description.right(80)));
    }

    // Until a file is really opened the page, the student's typing and the exercise stay as
    // they were, and "Corregir" judges what is seen.
    void nothingChangesUntilAFileIsOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString noPhrase = u"El archivo %1 no tiene ninguna frase con tilde: no sirve para este ejercicio."_s;
        QTest::addRow("cancelled") << QString() << QByteArray() << QString();
        QTest::addRow("missing file") << u"Frases.txt"_s << QByteArray() << u"No se puede abrir el archivo %1."_s;
        QTest::addRow("empty file") << u"vacio.txt"_s << QByteArray("") << noPhrase;
        QTest::addRow("blank lines only") << u"blanco.txt"_s << QByteArray("\r\n\r\n  \r\n") << noPhrase;
        QTest::addRow("nothing to put back") << u"llano.txt"_s << QByteArray("Hola\r\nDele eso\r\n") << noPhrase;
        QTest::addRow("not text") << u"foto.txt"_s << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                  << u"El archivo %1 no es un archivo de texto."_s;
    }
    void nothingChangesUntilAFileIsOpened()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"dos.txt"_s, "S\xED\r\nT\xFA\r\n"));
        button(u"Abrefrases"_s)->click();
        QTextEdit *edit = box();
        retype(edit, 0, u"Sí"_s);
        const QString typed = edit->toPlainText();

        const QString path = name.isEmpty() ? QString() : QDir::current().filePath(name);
        if (!bytes.isNull())
            writeFile(name, bytes);
        if (path.isEmpty())
            dialogs.queueCancel();
        else
            dialogs.queueFile(path);
        button(u"Abrefrases"_s)->click();
        checkMessage(dialogs, message.isEmpty() ? QString() : message.arg(QDir::toNativeSeparators(path)));
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->toPlainText(), typed);
        button(u"Corregir"_s)->click();
        QCOMPARE(m_window->scores().counts().phraseTotal, 2);
        QCOMPARE(m_window->scores().counts().phraseHits, 1);
        QCOMPARE(viewer()->GetLine(0), u"Sí"_s);
        QCOMPARE(edit->toPlainText(), u"Sí\nTú"_s);
    }

    // Opening over typing not yet corrected asks first; with nothing typed, or once
    // corrected, nothing is asked.
    void openingOverTypingAsksFirst_data()
    {
        QTest::addColumn<bool>("type");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addRow("typed, answered no") << true << false << int(MessageAnswer::No) << false;
        QTest::addRow("typed, answered yes") << true << false << int(MessageAnswer::Yes) << true;
        QTest::addRow("nothing typed") << false << false << -1 << true;
        QTest::addRow("typed and corrected") << true << true << -1 << true;
    }
    void openingOverTypingAsksFirst()
    {
        QFETCH(bool, type);
        QFETCH(bool, correct);
        QFETCH(int, answer);
        QFETCH(bool, opened);
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"uno.txt"_s, "S\xED\r\n"));
        button(u"Abrefrases"_s)->click();
        if (type)
            QTest::keyClicks(box(), u"x"_s);
        if (correct)
            button(u"Corregir"_s)->click();
        const QString other = writeFile(u"otro.txt"_s, "T\xFA\r\n");
        dialogs.queueFile(other);
        if (answer >= 0)
            dialogs.queueAnswer(MessageAnswer(answer));
        button(u"Abrefrases"_s)->click();
        checkMessage(dialogs, answer < 0 ? QString()
                                         : u"Lo que has escrito en las frases aún no se ha corregido y se perderá. "
                                           u"¿Abrir %1 de todos modos?"_s.arg(QDir::toNativeSeparators(other)));
        if (answer >= 0)
            QCOMPARE(dialogs.messages.first().buttons, MessageButtons::YesNo);
        QCOMPARE(box()->toPlainText() == u"Tu"_s, opened);
        // The file whose correct text "Corregir" then shows.
        button(u"Corregir"_s)->click();
        QCOMPARE(box()->toPlainText(), opened ? u"Tú"_s : u"Sí"_s);
    }

    // The dialog's default extension never stands in for the file chosen.
    void theFileChosenIsOpened_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("opened");
        QTest::addRow("a file without extension") << u"frases"_s << u"frases"_s;
        QTest::addRow("a name typed without its extension") << u"otras"_s << u"otras.txt"_s;
    }
    void theFileChosenIsOpened()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, opened);
        writeFile(u"frases"_s, "Sin extensi\xF3n\r\n");
        writeFile(u"frases.txt"_s, "Con extensi\xF3n\r\n");
        writeFile(u"otras.txt"_s, "Otras m\xE1s\r\n");
        ScriptedDialogs dialogs;
        dialogs.queueFile(QDir::current().filePath(chosen));
        button(u"Abrefrases"_s)->click();
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(box()->toPlainText(),
                 PhrasesExercise::StripAccents(TextFile::readLines(QDir::current().filePath(opened)).join(u'\n')));
        QCOMPARE(dialogs.openRequests.size(), 1);
        dialogs.queueCancel();
        button(u"Abrefrases"_s)->click();
        QCOMPARE(dialogs.openRequests.last().fileName, opened);
    }

private:
    QTextEdit *box() const { return part<QTextEdit>(*m_window, u"RichEdit2"_s); }
    BigText *viewer() const { return part<BigText>(*m_window, u"BigText1"_s); }
    QPushButton *button(const QString &name) const { return part<QPushButton>(*m_window, name); }
    QLabel *label(const QString &name) const { return part<QLabel>(*m_window, name); }

    // The one message expected, or none when its text is empty.
    static void checkMessage(const ScriptedDialogs &dialogs, const QString &text)
    {
        if (text.isEmpty()) {
            QVERIFY(dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().text, text);
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(m_folder->path()).filePath(name);
        ::writeFile(path, bytes);
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previous;
    std::unique_ptr<ExercisesWindow> m_window;
};

QTEST_MAIN(TestPhrasesPage)
#include "tst_phrasespage.moc"
