// The page "Frases y palabras": opening a phrase file, correcting it and showing the answers.
#include "help/PhrasesPage.h"
#include "help/UnitAyuda.h"

#include "ScriptedDialogs.h"
#include "shared/RunScores.h"
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

namespace {

const QStringList phrases = {
    u"¿Cuándo llegó tu hermano?"_s,
    u"Él dice que sí."_s,
    u""_s,
    u"El pingüino y la cigüeña."_s,
};

// Pixels of about a colour within a rectangle of the image: text edges are smoothed.
int countColour(const QImage &image, const QRect &rect, const QColor &colour)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            n += qAbs(pixel.red() - colour.red()) < 50 && qAbs(pixel.green() - colour.green()) < 50
                && qAbs(pixel.blue() - colour.blue()) < 50;
        }
    }
    return n;
}

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
        runScores() = RunScores{};
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_folder->path());
        m_window = std::make_unique<TAyuda>();
        m_page = m_window->phrasesPage;
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
        QVERIFY(m_page->RichEdit2->isVisible());
        QCOMPARE(m_page->RichEdit2->document()->blockCount(), 9);
        QCOMPARE(m_page->RichEdit2->document()->findBlockByNumber(8).text(),
                 u"                PULSA SOBRE EL BOTÓN  << Frases >> PARA ABRIR LOS ARCHIVOS DE FRASES"_s);
        // The viewer lies under the box, which hides it.
        QWidget *page = m_window->TabbedNotebook1->page(TAyuda::PageFrases);
        QVERIFY(page->children().indexOf(m_page->BigText1) < page->children().indexOf(m_page->RichEdit2));
        QVERIFY(!m_page->Comprobar->isVisible());
        QCOMPARE(m_page->Tfrases->text(), u"0"_s);
        QCOMPARE(m_page->Tpercentfrases->geometry().right() + 1, 427);
    }

    // The whole round: open through the dialog, edit, correct, look at the answers and the
    // correct text, and back.
    void openEditCorrectAndCompare()
    {
        ScriptedDialogs dialogs;
        const QString path = writeFile(u"Frases.txt"_s, TextFile::encodeWindows1252(phrases.join(u"\r\n"_s) + u"\r\n"_s));
        dialogs.queueFile(path);
        m_page->Abrefrases->click();

        QCOMPARE(dialogs.openRequests.size(), 1);
        const FileDialogRequest &request = dialogs.openRequests.first();
        QCOMPARE(request.filter, u"Archivos de texto (*.txt)|*.txt"_s);
        QCOMPARE(request.defaultExtension, u"txt"_s);
        QCOMPARE(request.fileName, u"Frases.txt"_s);
        QCOMPARE(request.initialFolder, QDir::currentPath());
        QVERIFY(!request.mustExist);

        QTextEdit *edit = m_page->RichEdit2;
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

        m_page->Corregir->click();
        QCOMPARE(runScores().phraseTotal, 4);
        QCOMPARE(runScores().phraseHits, 3);
        QCOMPARE(m_page->Tfrases->text(), u"3/4"_s);
        QCOMPARE(m_page->Tpercentfrases->text(), u"75"_s);
        QVERIFY(!edit->isVisible());
        QVERIFY(m_page->Comprobar->isVisible());

        // Right lines red on lime, wrong ones teal on the button face, the added one too.
        TBigText *viewer = m_page->BigText1;
        const QList<bool> right = {true, false, true, true, false};
        QCOMPARE(viewer->Count(), right.size());
        QCOMPARE(viewer->GetLine(1), u"Él dice que si."_s);
        QCOMPARE(viewer->GetLine(4), u"otra"_s);
        QTest::qWait(20);
        const QImage image = viewer->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor buttonFace = viewer->palette().color(QPalette::Button);
        for (int line = 0; line < right.size(); ++line) {
            const auto *attributes = static_cast<const TTextAttributes *>(viewer->AttributeStore().Get(line));
            QCOMPARE(attributes->FontColor, right[line] ? Colors::clRed : Colors::clTeal);
            QCOMPARE(attributes->BackColor, right[line] ? Colors::clLime : Colors::clBtnFace);
            if (viewer->GetLine(line).isEmpty())
                continue;
            const QRect cells(0, line * viewer->LineHeight(), 40, viewer->LineHeight());
            QCOMPARE(countColour(image, cells, QColor(0, 255, 0)) > 100, bool(right[line]));
            QCOMPARE(countColour(image, cells, QColor(255, 0, 0)) > 5, bool(right[line]));
            QCOMPARE(countColour(image, cells, QColor(0, 128, 128)) > 5, !right[line]);
            if (!right[line])
                QVERIFY(countColour(image, cells, buttonFace) > 100);
        }

        // The file changes on disk: the correct text is still the one that was opened.
        writeFile(u"Frases.txt"_s, "otra cosa\r\n");
        m_page->Comprobar->click();
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->toPlainText(), phrases.join(u'\n'));
        m_page->Comprobar->click();
        QVERIFY(!edit->isVisible());

        // A second correction of the same file is ignored.
        m_page->Corregir->click();
        QCOMPARE(runScores().phraseTotal, 4);
        QCOMPARE(viewer->Count(), right.size());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // After a correction a wrong line's tip, and the viewer's description, name the words
    // that differ from the model and why each is written so.
    void wrongLinesExplainTheirWords()
    {
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"Frases.txt"_s, TextFile::encodeWindows1252(phrases.join(u"\r\n"_s))));
        m_page->Abrefrases->click();
        retype(m_page->RichEdit2, 0, phrases[0]);
        retype(m_page->RichEdit2, 1, u"Él dice que si."_s);
        m_page->Corregir->click();

        const QString why = u"«si» se escribe \"sí\" (sí): lleva tilde cuando es adverbio de afirmación"_s;
        TBigText *viewer = m_page->BigText1;
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

    void totalsAddUpOverFilesAndThePercentGrowsLeft()
    {
        ScriptedDialogs dialogs;
        const QString path = writeFile(u"tres.txt"_s, "uno\r\ndos\r\ntr\xE9s\r\n");
        for (int round = 0; round < 2; ++round) {
            dialogs.queueFile(path);
            m_page->Abrefrases->click();
            QVERIFY(m_page->RichEdit2->isVisible());
            QVERIFY(!m_page->Comprobar->isVisible());
            m_page->Corregir->click();
        }
        QCOMPARE(m_page->Tfrases->text(), u"4/6"_s);
        QCOMPARE(m_page->Tpercentfrases->text(), QLocale().toString(66.67, 'f', 2));
        QCOMPARE(m_page->Tpercentfrases->geometry().right() + 1, 427);
        QVERIFY(m_page->Tpercentfrases->x() < 417);
        // The name chosen is offered next time.
        QCOMPARE(dialogs.openRequests.last().fileName, u"tres.txt"_s);
    }

    // What the file holds, as the page reads it: the reference lines and the student's copy.
    void phraseFilesRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("reference");
        QTest::addRow("Windows-1252") << QByteArray("S\xED, t\xFA.\r\nA\xF1o\r\n") << QStringList{u"Sí, tú."_s, u"Año"_s};
        QTest::addRow("UTF-8") << u"Sí, tú.\nAño"_s.toUtf8() << QStringList{u"Sí, tú."_s, u"Año"_s};
        QTest::addRow("rich text saved by the editor")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 S\\'ed, t\\'fa.\\par A\\'f1o\\par}")
            << QStringList{u"Sí, tú."_s, u"Año"_s};
        QTest::addRow("tabs widened") << QByteArray("a\tb\r\n") << QStringList{u"a      b"_s};
        const QString longLine = QString(280, u'a') + u"ó"_s;
        QTest::addRow("a line past 255 characters") << longLine.toUtf8() << QStringList{longLine};
    }
    void phraseFilesRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, reference);
        ScriptedDialogs dialogs;
        dialogs.queueFile(writeFile(u"f.txt"_s, bytes));
        m_page->Abrefrases->click();
        QCOMPARE(m_page->referenceLines(), reference);
        QCOMPARE(m_page->RichEdit2->toPlainText(), PhrasesExercise::StripAccents(reference.join(u'\n')));
        // Restoring the accents of every line, however long, makes them all right.
        m_page->RichEdit2->setPlainText(reference.join(u'\n'));
        m_page->Corregir->click();
        QCOMPARE(runScores().phraseHits, reference.size());
    }

    void moreLinesThanAnyTable()
    {
        ScriptedDialogs dialogs;
        QStringList lines;
        for (int i = 0; i < 1200; ++i)
            lines << (i % 2 ? u"línea %1"_s : u"linea %1"_s).arg(i);
        dialogs.queueFile(writeFile(u"largo.txt"_s, lines.join(u'\n').toUtf8()));
        m_page->Abrefrases->click();
        m_page->Corregir->click();
        QCOMPARE(runScores().phraseTotal, 1200);
        QCOMPARE(runScores().phraseHits, 600);
        QCOMPARE(m_page->BigText1->Count(), 1200);
        const auto *last = static_cast<const TTextAttributes *>(m_page->BigText1->AttributeStore().Get(1199));
        QCOMPARE(last->BackColor, Colors::clBtnFace);
        const auto *first = static_cast<const TTextAttributes *>(m_page->BigText1->AttributeStore().Get(1198));
        QCOMPARE(first->BackColor, Colors::clLime);
        QCOMPARE(m_page->BigText1->VMax(), 1200 - m_page->BigText1->VisibleRows());
    }

    void missingFileOrCancelLeavesNothingToCorrect_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addRow("cancelled") << true;
        QTest::addRow("missing file") << false;
    }
    void missingFileOrCancelLeavesNothingToCorrect()
    {
        QFETCH(bool, cancel);
        ScriptedDialogs dialogs;
        const QString missing = QDir::current().filePath(u"Frases.txt"_s);
        if (cancel)
            dialogs.queueCancel();
        else
            dialogs.queueFile(missing);
        m_page->Abrefrases->click();
        if (cancel) {
            QVERIFY(dialogs.messages.isEmpty());
        } else {
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages.first().text,
                     u"No se puede abrir el archivo %1."_s.arg(QDir::toNativeSeparators(missing)));
        }
        QVERIFY(m_page->RichEdit2->isVisible());
        QVERIFY(m_page->RichEdit2->document()->isEmpty());
        QVERIFY(!m_page->RichEdit2->isReadOnly());
        QCOMPARE(m_page->BigText1->Count(), 0);
        QVERIFY(!m_page->Comprobar->isVisible());
        // With no phrase corrected in the run, "Corregir" changes nothing at all.
        QTest::keyClicks(m_page->RichEdit2, u"algo"_s);
        m_page->Corregir->click();
        QCOMPARE(runScores().phraseTotal, 0);
        QVERIFY(m_page->RichEdit2->isVisible());
        QVERIFY(!m_page->Comprobar->isVisible());
        QCOMPARE(m_page->Tfrases->text(), u"0"_s);
    }

private:
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(m_folder->path()).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previous;
    std::unique_ptr<TAyuda> m_window;
    PhrasesPage *m_page = nullptr;
};

QTEST_MAIN(TestPhrasesPage)
#include "tst_phrasespage.moc"
