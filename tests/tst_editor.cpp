// The phrase-file editor driven through its handlers with scripted dialogs: asking before
// losing text, saving and overwriting, formatting and the tool bar, the ruler, printing, hints,
// the help commands, and the practice window's "&Modificar", "Información" and exit.
#include "FileFixtures.h"
#include "FullDisk.h"
#include "ScriptedDialogs.h"

#include "editor/EditorControls.h"
#include "editor/PhraseEditor.h"
#include "platform/HelpViewer.h"
#include "practice/PracticeWindow.h"
#include "richtext/RichTextFile.h"
#include "shared/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QInputDialog>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

class RecordingViewer : public HelpViewer::Viewer {
public:
    bool request(unsigned command, const QString &key) override
    {
        requests << QStringLiteral("%1:%2").arg(command, 0, 16).arg(key);
        return false;
    }
    QStringList requests;
};

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<PhraseEditor> m_editor;
    QString m_previousFolder;

    QString path(const QString &name) const { return m_folder->filePath(name); }
    RichEdit *box() const { return m_editor->textBox(); }
    QTextDocument *document() const { return box()->document(); }

    // The editor's controls and commands, by the names the window gives them.
    template <typename T>
    T *control(const char *name) const
    {
        return m_editor->findChild<T *>(QLatin1String(name));
    }
    QAction *command(const char *name) const { return control<QAction>(name); }
    QToolButton *button(const char *name) const { return control<QToolButton>(name); }
    RulerMarker *marker(const char *name) const { return control<RulerMarker>(name); }

    // A mouse event on a ruler marker at x, as the student's drag sends them.
    static void mouse(RulerMarker *marker, QEvent::Type type, int x)
    {
        const QPointF at(x, marker->height() / 2);
        QMouseEvent event(type, at, marker->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(marker, &event);
    }
    // Drags the marker from x by some pixels and lets it go there.
    static void drag(RulerMarker *marker, int x, int by)
    {
        mouse(marker, QEvent::MouseButtonPress, x);
        mouse(marker, QEvent::MouseMove, x + by);
        mouse(marker, QEvent::MouseButtonRelease, x + by);
    }

    void type(const QString &text)
    {
        box()->moveCursor(QTextCursor::End);
        box()->insertPlainText(text);
    }

    // Puts the cursor in paragraph n (0 ...), optionally selecting it whole.
    void selectParagraph(int n, bool whole = true)
    {
        QTextCursor cursor(document()->findBlockByNumber(n));
        if (whole)
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }

    QString messageText(int n = 0) const { return m_dialogs->messages.value(n).text; }

    // What a practice window opens beside it here: this test's editor, and nothing else.
    PracticeWindow::Neighbours besideTheEditor()
    {
        PracticeWindow::Neighbours neighbours;
        neighbours.phraseEditor = neighbours.builtPhraseEditor = [this] { return m_editor.get(); };
        return neighbours;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_folder->path());
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_editor = std::make_unique<PhraseEditor>();
        TextFile::writeLines(path(QStringLiteral("frases.txt")),
                             {QStringLiteral("El camión llegó tarde."), QStringLiteral("¿Qué día es hoy?")});
        // The practice window's board, for the tests that open it.
        TextFile::writeLines(path(QStringLiteral("nivel1.txt")), QStringList(50, QStringLiteral("camión")));
    }

    void cleanup()
    {
        m_editor.reset();
        m_dialogs.reset();
        QDir::setCurrent(m_previousFolder);
        m_folder.reset();
    }

    void freshEditor()
    {
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Sin título - ") + QCoreApplication::applicationName());
        QCOMPARE(m_editor->documentName(), QStringLiteral("Sin título"));
        QVERIFY(!document()->isModified());
        QVERIFY(!m_editor->isVisible());
        QVERIFY(control<QComboBox>("FontName")->count() > 1);
        for (int i = 1; i < control<QComboBox>("FontName")->count(); ++i)
            QVERIFY(control<QComboBox>("FontName")->itemText(i - 1).compare(control<QComboBox>("FontName")->itemText(i), Qt::CaseInsensitive) <= 0);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("8"));

        // "&Guardar" on a document without a file asks for a name, with both filters.
        command("FileSaveItem")->trigger();
        QCOMPARE(m_dialogs->saveRequests.size(), 1);
        QCOMPARE(m_dialogs->saveRequests[0].filter, PhraseEditor::EditorFilter);
        QCOMPARE(m_dialogs->saveRequests[0].filterIndex, 1);
        QCOMPARE(m_dialogs->saveRequests[0].defaultExtension, QStringLiteral("txt"));
    }

    // A teacher reads every menu text and status-bar hint: all of them Spanish, the filter too.
    void menusAndHintsAreSpanish()
    {
        QCOMPARE(command("FileSaveAsItem")->text(), QStringLiteral("Guardar &como..."));
        QCOMPARE(command("HelpAboutItem")->text(), QStringLiteral("&Sobre..."));
        QVERIFY(PhraseEditor::EditorFilter.startsWith(QStringLiteral("Archivos de texto (*.txt)|")));
        const QRegularExpression english(QStringLiteral("\\b(the|an|file|current|new|open|save|print|exit|"
                                                        "undo|delete|copy|paste|help|show|search|display|Rich)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
        const QList<QAction *> actions = m_editor->findChildren<QAction *>();
        QVERIFY(actions.size() >= 15);
        for (const QAction *action : actions) {
            QVERIFY2(!english.match(action->statusTip()).hasMatch(), qPrintable(action->statusTip()));
            QVERIFY2(!english.match(action->text()).hasMatch(), qPrintable(action->text()));
        }
        QVERIFY(!english.match(PhraseEditor::EditorFilter + PhraseEditor::ModifyFilter).hasMatch());
    }

    // Opening a file over unsaved text asks first, from the editor's "Abrir" and from the
    // practice window's "&Modificar" (mended: it asked nothing and kept the old file's name).
    void openingAsksAboutChanges_data()
    {
        QTest::addColumn<bool>("modify");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addRow("Abrir, Cancel: no dialog, text kept") << false << MessageAnswer::Cancel << false;
        QTest::addRow("Abrir, No: changes dropped") << false << MessageAnswer::No << true;
        // Mended: the file was loaded over the text whose save had just been cancelled.
        QTest::addRow("Abrir, Yes, save dialog cancelled: nothing opened") << false << MessageAnswer::Yes << false;
        QTest::addRow("Modificar, Cancel: no dialog") << true << MessageAnswer::Cancel << false;
        QTest::addRow("Modificar, No: the file is opened") << true << MessageAnswer::No << true;
        // Mended likewise.
        QTest::addRow("Modificar, Yes, save dialog cancelled: nothing opened") << true << MessageAnswer::Yes << false;
    }
    void openingAsksAboutChanges()
    {
        QFETCH(bool, modify);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, opened);
        const QString phrases = path(QStringLiteral("frases.txt"));
        std::unique_ptr<PracticeWindow> practice;
        if (modify) {
            practice = std::make_unique<PracticeWindow>();
            practice->setNeighbours(besideTheEditor());
            m_editor->show();
        }
        type(QStringLiteral("texto anterior"));
        m_dialogs->queueAnswer(answer);
        if (answer == MessageAnswer::Yes)
            m_dialogs->queueCancel();
        m_dialogs->queueFile(phrases);
        if (modify)
            practice->findChild<QAction *>(QStringLiteral("Modificar1"))->trigger();
        else
            command("FileOpenItem")->trigger();

        QCOMPARE(messageText(), QStringLiteral("¿Guardar cambios en Sin título?"));
        QCOMPARE(m_dialogs->messages[0].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(m_dialogs->saveRequests.size(), answer == MessageAnswer::Yes ? 1 : 0);
        QCOMPARE(m_dialogs->openRequests.size(), opened ? 1 : 0);
        QCOMPARE(m_editor->isVisible(), modify);
        if (!opened) {
            QCOMPARE(document()->toPlainText(), QStringLiteral("texto anterior"));
            QVERIFY(document()->isModified());
            return;
        }
        QCOMPARE(document()->toPlainText(), QStringLiteral("El camión llegó tarde.\n¿Qué día es hoy?"));
        QCOMPARE(m_dialogs->openRequests[0].filter, modify ? PhraseEditor::ModifyFilter : PhraseEditor::EditorFilter);
        QCOMPARE(m_editor->documentName(), phrases);
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("frases.txt - ") + QCoreApplication::applicationName());
        QVERIFY(!document()->isModified());
        // "&Guardar" writes into the opened file, without asking for a name.
        type(QStringLiteral("\nOtra más."));
        command("FileSaveItem")->trigger();
        QCOMPARE(m_dialogs->saveRequests.size(), answer == MessageAnswer::Yes ? 1 : 0);
        QCOMPARE(RichTextFile::readLines(phrases).size(), 3);
    }

    // Unsaved text is offered for saving before "&Nuevo" drops it (mended: it was dropped
    // without asking), before the editor closes by "&Salir" or its close box (mended: "&Salir"
    // hid it without a word) and before the program ends (mended: it was lost). Cancel, or a
    // save asked for but not made, keeps the text on screen and the program open.
    void unsavedTextIsOfferedForSaving_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<bool>("goesOn");
        for (const char *way : {"Nuevo", "Salir", "close box", "leaving"}) {
            QTest::addRow("%s, Cancel", way) << way << MessageAnswer::Cancel << false << false;
            QTest::addRow("%s, No", way) << way << MessageAnswer::No << false << true;
            QTest::addRow("%s, Yes, save dialog cancelled", way) << way << MessageAnswer::Yes << false << false;
            if (way == QLatin1String("Nuevo") || way == QLatin1String("leaving"))
                QTest::addRow("%s, Yes, saved", way) << way << MessageAnswer::Yes << true << true;
        }
    }
    void unsavedTextIsOfferedForSaving()
    {
        QFETCH(QString, way);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, chooseFile);
        QFETCH(bool, goesOn);
        const bool leaving = way == QLatin1String("leaving");
        const QString text = QStringLiteral("trabajo sin guardar");
        std::unique_ptr<PracticeWindow> practice;
        if (leaving) {
            practice = std::make_unique<PracticeWindow>();
            practice->setNeighbours(besideTheEditor());
            practice->show();
            QVERIFY(QTest::qWaitForWindowExposed(practice.get()));
            m_dialogs->queueAnswer(MessageAnswer::Yes); // "Vas a salir del programa..."
        }
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        type(text);
        m_dialogs->queueAnswer(answer);
        if (chooseFile)
            m_dialogs->queueFile(path(QStringLiteral("guardado.rtf")));
        if (leaving)
            practice->findChild<QAction *>(QStringLiteral("Salir1"))->trigger();
        else if (way == QLatin1String("close box"))
            m_editor->close();
        else
            command(way == QLatin1String("Nuevo") ? "FileNewItem" : "FileExitItem")->trigger();
        QCOMPARE(m_dialogs->messages.size(), leaving ? 2 : 1);
        QCOMPARE(m_dialogs->messages.last().text, QStringLiteral("¿Guardar cambios en Sin título?"));
        if (chooseFile)
            QCOMPARE(RichTextFile::readLines(path(QStringLiteral("guardado.rtf"))), QStringList{text});
        if (leaving)
            QCOMPARE(practice->isVisible(), !goesOn);
        if (way == QLatin1String("Nuevo")) {
            QCOMPARE(document()->toPlainText().isEmpty(), goesOn);
            QCOMPARE(document()->isModified(), !goesOn);
            QCOMPARE(m_editor->documentName(), PhraseEditor::Untitled);
            return;
        }
        QCOMPARE(document()->toPlainText(), text);
        if (!leaving) {
            QCOMPARE(m_editor->isVisible(), !goesOn);
            QVERIFY(document()->isModified());
        }
    }

    void overwriteAsks_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addRow("Yes") << MessageAnswer::Yes;
        QTest::addRow("No") << MessageAnswer::No;
        QTest::addRow("Cancel") << MessageAnswer::Cancel;
    }
    void overwriteAsks()
    {
        QFETCH(MessageAnswer, answer);
        const QString target = path(QStringLiteral("frases.txt"));
        const QByteArray before = fileBytes(target);
        type(QStringLiteral("Nueva frase."));
        m_dialogs->queueFile(target);
        m_dialogs->queueAnswer(answer);
        command("FileSaveAsItem")->trigger();
        QCOMPARE(messageText(), QStringLiteral("¿Quieres sobrescribir %1?").arg(QDir::toNativeSeparators(target)));
        if (answer == MessageAnswer::Yes) {
            QVERIFY(RichTextFile::isRtf(fileBytes(target)));
            QCOMPARE(m_editor->documentName(), target);
            QVERIFY(!document()->isModified());
        } else {
            QCOMPARE(fileBytes(target), before);
            QCOMPARE(m_editor->documentName(), QStringLiteral("Sin título"));
            QVERIFY(document()->isModified());
        }
    }

    // A phrase file opened as plain text is saved back as RTF under its own name; the exercise
    // loaders still read its lines.
    void savingATextFileWritesRtf()
    {
        const QString phrases = path(QStringLiteral("frases.txt"));
        m_dialogs->queueFile(phrases);
        command("FileOpenItem")->trigger();
        type(QStringLiteral("\nAún no.")); 
        button("SaveButton")->click();
        QVERIFY(m_dialogs->saveRequests.isEmpty());
        QVERIFY(fileBytes(phrases).startsWith("{\\rtf"));
        QCOMPARE(RichTextFile::readLines(phrases),
                 QStringList({QStringLiteral("El camión llegó tarde."), QStringLiteral("¿Qué día es hoy?"),
                              QStringLiteral("Aún no.")}));
        QVERIFY(!document()->isModified());
    }

    // A save that fails says why and keeps the text unsaved, under its name. A full disk meets
    // a short document in the write buffer, where it used to go unnoticed: the file became
    // empty and the text was marked saved.
    void failedSaveKeepsTheText_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addRow("folder gone") << false;
        QTest::addRow("full disk") << true;
    }
    void failedSaveKeepsTheText()
    {
        QFETCH(bool, fullDisk);
        std::optional<FullDisk> disk;
        QString opened = path(QStringLiteral("carpeta/frases.txt"));
        if (fullDisk) {
            disk.emplace();
            if (!disk->ready())
                QSKIP(disk->reason());
            opened = disk->filePath(QStringLiteral("frases.txt"));
        } else {
            QVERIFY(QDir().mkpath(path(QStringLiteral("carpeta"))));
        }
        QVERIFY(QFile::copy(path(QStringLiteral("frases.txt")), opened));
        const QByteArray saved = fileBytes(opened);
        m_dialogs->queueFile(opened);
        command("FileOpenItem")->trigger();
        type(QStringLiteral(" más"));
        if (fullDisk) {
            QVERIFY(disk->fill());
        } else {
            // The folder gives way to a file of its name: nothing can be created there.
            QVERIFY(QDir(path(QStringLiteral("carpeta"))).removeRecursively());
            TextFile::writeLines(path(QStringLiteral("carpeta")), {QStringLiteral("no es una carpeta")});
        }
        button("SaveButton")->click();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].icon, MessageIcon::Error);
        if (fullDisk) {
            QCOMPARE(fileBytes(opened), saved);
            QCOMPARE(messageText(), QStringLiteral("No se ha podido guardar el archivo %1: el disco está lleno. "
                                                   "No se ha perdido nada de lo guardado antes.").arg(opened));
        }
        QVERIFY(document()->isModified());
        QCOMPARE(m_editor->documentName(), opened);
    }

    void formattedDocumentRoundTrip()
    {
        type(QStringLiteral("Frases con tilde\nÁrbol\nCamión\nUna frase con sangría que ocupa su línea."));
        selectParagraph(0);
        button("BoldButton")->click();
        button("CenterAlign")->click();
        QTextCursor bullets(document()->findBlockByNumber(1));
        bullets.setPosition(document()->findBlockByNumber(2).position() + 2, QTextCursor::KeepAnchor);
        box()->setTextCursor(bullets);
        button("BulletsButton")->click();
        selectParagraph(3, false);
        drag(marker("FirstInd"), 5, 40);
        drag(marker("RightInd"), 5, -16);
        const PhraseEditor::Indents set = m_editor->paragraphIndents();
        QCOMPARE(set.first, 30);
        QCOMPARE(set.left, -30);
        QCOMPARE(set.right, 12);

        const QString saved = path(QStringLiteral("formato.rtf"));
        m_dialogs->queueFile(saved);
        command("FileSaveAsItem")->trigger();
        command("FileNewItem")->trigger();
        QVERIFY(document()->toPlainText().isEmpty());
        m_dialogs->queueFile(saved);
        command("FileOpenItem")->trigger();

        QCOMPARE(document()->blockCount(), 4);
        const QTextBlock title = document()->findBlockByNumber(0);
        QCOMPARE(title.text(), QStringLiteral("Frases con tilde"));
        QVERIFY(title.blockFormat().alignment() & Qt::AlignHCenter);
        QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        for (int n : {1, 2}) {
            QVERIFY(document()->findBlockByNumber(n).textList());
            QCOMPARE(document()->findBlockByNumber(n).textList()->format().style(), QTextListFormat::ListDisc);
        }
        QVERIFY(!document()->findBlockByNumber(3).textList());
        QVERIFY(document()->findBlockByNumber(3).charFormat().fontWeight() != QFont::Bold);
        selectParagraph(3, false);
        const PhraseEditor::Indents read = m_editor->paragraphIndents();
        QCOMPARE(read.first, 30);
        QCOMPARE(read.left, -30);
        QCOMPARE(read.right, 12);
        selectParagraph(0);
        QVERIFY(button("BoldButton")->isChecked());
        QVERIFY(button("CenterAlign")->isChecked());
    }

    void printsToPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (package poppler-utils) is not installed: the printed text cannot be read back.");
        m_dialogs->queueFile(path(QStringLiteral("frases.txt")));
        command("FileOpenItem")->trigger();
        const QString pdf = path(QStringLiteral("frases.pdf"));
        // The student sets the printer up to print into a PDF file, then cancels: nothing printed.
        QPrinter *printer = nullptr;
        m_dialogs->queueModal([&printer, &pdf](QDialog &dialog) {
            printer = static_cast<QPrintDialog &>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Rejected);
        });
        command("FilePrintItem")->trigger();
        QCOMPARE(m_dialogs->modalWindows, QStringList{QStringLiteral("PrintDialog")});
        QVERIFY(printer);
        QVERIFY(!QFile::exists(pdf));

        // The printer keeps its set-up for the next job.
        m_dialogs->queueModal([](QDialog &) { return int(QDialog::Accepted); });
        button("PrintButton")->click();
        QCOMPARE(printer->docName(), path(QStringLiteral("frases.txt")));
        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("El camión llegó tarde.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("¿Qué día es hoy?")));
    }

    void alignmentGroup()
    {
        type(QStringLiteral("Centrada\nIzquierda"));
        selectParagraph(0);
        button("CenterAlign")->click();
        selectParagraph(1);
        QVERIFY(button("LeftAlign")->isChecked());
        QVERIFY(!button("CenterAlign")->isChecked());
        selectParagraph(0);
        QVERIFY(button("CenterAlign")->isChecked());
        QVERIFY(!button("LeftAlign")->isChecked() && !button("RightAlign")->isChecked());
        // Pressed again, the button is released and the alignment stays centred.
        button("CenterAlign")->click();
        QVERIFY(!button("CenterAlign")->isChecked());
        QVERIFY(document()->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter);
        button("RightAlign")->click();
        QVERIFY(document()->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignRight);
        QVERIFY(!button("CenterAlign")->isChecked() && !button("LeftAlign")->isChecked());
    }

    // Reading the selection into the tool bar never writes formatting back.
    void selectionChangeWritesNothingBack()
    {
        m_dialogs->queueFile(path(QStringLiteral("frases.txt")));
        command("FileOpenItem")->trigger();
        QTextCharFormat large;
        large.setFontPointSize(20);
        large.setFontFamilies({QStringLiteral("DejaVu Serif")});
        QTextCursor(document()->findBlockByNumber(1)).mergeBlockCharFormat(large);
        QTextCursor second(document()->findBlockByNumber(1));
        second.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        second.mergeCharFormat(large);
        document()->setModified(false);
        selectParagraph(1);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("20"));
        QCOMPARE(control<QComboBox>("FontName")->currentText(), QStringLiteral("DejaVu Serif"));
        selectParagraph(0);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("8"));
        QVERIFY(!document()->isModified());
    }

    void sizeAndFontNameInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::addRow("emptied size") << "FontSize" << "" << "'' no es un número entero válido";
        QTest::addRow("size with a letter") << "FontSize" << "12a" << "'12a' no es un número entero válido";
        QTest::addRow("size") << "FontSize" << "14" << "";
        QTest::addRow("first letters of a name") << "FontName" << "DejaVu S" << "Índice de lista fuera de rango (-1)";
        QTest::addRow("name from the list") << "FontName" << "DejaVu Serif" << "";
    }
    void sizeAndFontNameInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, error);
        m_dialogs->queueFile(path(QStringLiteral("frases.txt")));
        command("FileOpenItem")->trigger();
        selectParagraph(0);
        const QTextCharFormat before = QTextCursor(document()->findBlockByNumber(0)).charFormat();
        if (field == QLatin1String("FontSize"))
            control<QLineEdit>("FontSize")->setText(text);
        else
            control<QComboBox>("FontName")->setEditText(text);
        QCOMPARE(messageText(), error);
        QTextCursor inside(document()->findBlockByNumber(0));
        inside.movePosition(QTextCursor::NextCharacter);
        const QTextCharFormat after = inside.charFormat();
        if (!error.isEmpty())
            QCOMPARE(after, before);
        else if (field == QLatin1String("FontSize"))
            QCOMPARE(after.fontPointSize(), 14.0);
        else
            QCOMPARE(after.fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
    }

    void keyboardReachesFormatting()
    {
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        type(QStringLiteral("Una frase."));
        selectParagraph(0);
        box()->setFocus();
        // A button's key presses it as a click would, a moment later.
        QTest::keyClick(box(), Qt::Key_B, Qt::ControlModifier);
        QTRY_VERIFY(button("BoldButton")->isChecked());
        QTest::keyClick(box(), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
        // The alignment keys are one group: one key presses its button and releases the others.
        QVERIFY(button("CenterAlign")->isChecked());
        QVERIFY(!button("LeftAlign")->isChecked() && !button("RightAlign")->isChecked());
        QTextCursor inside(document()->firstBlock());
        inside.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(inside.charFormat().fontWeight(), int(QFont::Bold));
        // A ruler marker takes the focus and steps three points a key.
        marker("FirstInd")->setFocus();
        QTest::keyClick(marker("FirstInd"), Qt::Key_Right);
        QTest::keyClick(marker("FirstInd"), Qt::Key_Right);
        QCOMPARE(m_editor->paragraphIndents().first, 6);
        QCOMPARE(m_editor->paragraphIndents().left, -6);
    }

    void upDownSteps()
    {
        control<QLineEdit>("FontSize")->setText(QStringLiteral("11"));
        control<UpDown>("UpDown1")->step(1);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("12"));
        control<QLineEdit>("FontSize")->setText(QStringLiteral("100"));
        control<UpDown>("UpDown1")->step(1);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("100"));
        QTest::keyClick(control<QLineEdit>("FontSize"), Qt::Key_Down);
        QCOMPARE(control<QLineEdit>("FontSize")->text(), QStringLiteral("99"));
    }

    // Releasing a marker where it stands gives back the indents it shows.
    void markerReleasedInPlaceChangesNothing_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addRow("none") << 0 << 0 << 0;
        QTest::addRow("first line in") << 7 << -7 << 0;
        QTest::addRow("hanging") << 0 << 13 << 5;
        QTest::addRow("all") << 31 << 2 << 44;
    }
    void markerReleasedInPlaceChangesNothing()
    {
        QFETCH(int, first);
        QFETCH(int, left);
        QFETCH(int, right);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        type(QStringLiteral("Una frase."));
        QTextBlockFormat format;
        format.setLeftMargin((first + left) * 4.0 / 3.0);
        format.setTextIndent(-left * 4.0 / 3.0);
        format.setRightMargin(right * 4.0 / 3.0);
        box()->textCursor().setBlockFormat(format);
        // The cursor moved into the paragraph: the ruler shows its indents.
        selectParagraph(0, false);
        if (right == 0)
            QCOMPARE(marker("RightInd")->x(), control<RulerPanel>("Ruler")->width() - 14);
        for (RulerMarker *each : {marker("FirstInd"), marker("LeftInd"), marker("RightInd")}) {
            const QPoint centre(each->width() / 2, each->height() / 2);
            QTest::mousePress(each, Qt::LeftButton, {}, centre);
            QTest::mouseRelease(each, Qt::LeftButton, {}, centre);
            const PhraseEditor::Indents now = m_editor->paragraphIndents();
            QCOMPARE(now.first, first);
            QCOMPARE(now.left, left);
            QCOMPARE(now.right, right);
        }
    }

    // Dragging the first-line marker 40 pixels right: 30 points, and the other lines stay.
    void firstLineMarkerDrag()
    {
        type(QStringLiteral("Una frase."));
        RulerMarker *first = marker("FirstInd");
        QCOMPARE(first->x(), 2);
        mouse(first, QEvent::MouseButtonPress, 5);
        QCOMPARE(first->x(), 2);
        mouse(first, QEvent::MouseMove, 45);
        QCOMPARE(first->x(), 42);
        mouse(first, QEvent::MouseButtonRelease, 45);
        // Let go, the marker no longer follows the mouse.
        mouse(first, QEvent::MouseMove, 20);
        const PhraseEditor::Indents indents = m_editor->paragraphIndents();
        QCOMPARE(indents.first, 30);
        QCOMPARE(indents.left, -30);
        QCOMPARE(marker("FirstInd")->x(), 42);
        QCOMPARE(marker("LeftInd")->x(), 2);
        QCOMPARE(marker("FirstInd")->accessibleName(), QStringLiteral("Sangría de primera línea: 30 puntos"));
        const QTextBlockFormat format = document()->firstBlock().blockFormat();
        QCOMPARE(format.leftMargin(), 0.0);
        QCOMPARE(format.textIndent(), 40.0);
    }

    // The usual keys, shown beside the menu items; the file commands' keys run them from
    // anywhere in the window.
    void menuShortcuts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("pressed");
        QTest::addRow("Nuevo") << "FileNewItem" << QKeySequence(Qt::CTRL | Qt::Key_N) << true;
        QTest::addRow("Abrir") << "FileOpenItem" << QKeySequence(Qt::CTRL | Qt::Key_O) << true;
        QTest::addRow("Guardar") << "FileSaveItem" << QKeySequence(Qt::CTRL | Qt::Key_S) << true;
        QTest::addRow("Imprimir") << "FilePrintItem" << QKeySequence(Qt::CTRL | Qt::Key_P) << true;
        QTest::addRow("Salir") << "FileExitItem" << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
        QTest::addRow("Comprobar tildes") << "EditCheckAccentsItem" << QKeySequence(Qt::Key_F7) << true;
        // The text box answers these itself while it has the focus.
        QTest::addRow("Deshacer") << "EditUndoItem" << QKeySequence(Qt::CTRL | Qt::Key_Z) << false;
        QTest::addRow("Pegar") << "EditPasteItem" << QKeySequence(Qt::CTRL | Qt::Key_V) << false;
    }
    void menuShortcuts()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, pressed);
        auto *action = m_editor->findChild<QAction *>(item);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), keys);
        if (!pressed)
            return;
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        box()->setFocus();
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(box(), keys);
        QCOMPARE(triggered.size(), 1);
    }

    // "Comprobar tildes" marks the words misspelt only by their accents, steps from one to the
    // next, and mends the one at the cursor from the context menu opened by the keyboard.
    void checkAccentsMarksAndMends()
    {
        type(QStringLiteral("El arbol del jardin.\nTres examenes y un árbol, xyzzy."));
        command("EditCheckAccentsItem")->trigger();
        // The marks are the red underlines of the box.
        const auto marks = [this] { return box()->extraSelections().size(); };
        QCOMPARE(marks(), 3);
        QCOMPARE(box()->textCursor().selectedText(), QStringLiteral("arbol"));
        const QString hint = m_editor->statusBar()->currentMessage();
        QVERIFY2(hint.contains(QStringLiteral("3 palabras")), qPrintable(hint));
        command("EditCheckAccentsItem")->trigger();
        QCOMPARE(box()->textCursor().selectedText(), QStringLiteral("jardin"));

        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        QString offered;
        QTimer::singleShot(0, this, [&offered] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || !menu->activeAction())
                return;
            offered = menu->activeAction()->text();
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint caret = box()->cursorRect().center();
        QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, caret, box()->mapToGlobal(caret));
        QApplication::sendEvent(box(), &byKeyboard);
        QCOMPARE(offered, QStringLiteral("jardín"));
        QCOMPARE(document()->toPlainText(), QStringLiteral("El arbol del jardín.\nTres examenes y un árbol, xyzzy."));
        QCOMPARE(marks(), 2);

        // Undone, the word is marked again; the text cleared, no mark is left.
        box()->undo();
        QCOMPARE(marks(), 3);
        box()->clear();
        QCOMPARE(marks(), 0);
    }

    // A tool button shows its menu item's command, and each toggle has one of its own: state,
    // picture, shortcut and handler in one place, the button keeping its name.
    void toolButtonsShowTheCommands()
    {
        const QList<std::pair<QToolButton *, QAction *>> shared = {
            {button("OpenButton"), command("FileOpenItem")},   {button("SaveButton"), command("FileSaveItem")},
            {button("PrintButton"), command("FilePrintItem")}, {button("UndoButton"), command("EditUndoItem")},
            {button("CutButton"), command("EditCutItem")},     {button("CopyButton"), command("EditCopyItem")},
            {button("PasteButton"), command("EditPasteItem")}};
        for (const auto &[button, item] : shared)
            QCOMPARE(button->defaultAction(), item);
    }

    void hintsReachTheStatusBar()
    {
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        const auto hover = [](QWidget *control) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(control, &enter);
        };
        hover(button("BoldButton"));
        QCOMPARE(m_editor->statusBar()->currentMessage(), QStringLiteral("Negrita"));
        QCOMPARE(button("BoldButton")->toolTip(), QStringLiteral("Negrita"));
        // "Abrir|": a tooltip and an empty status hint.
        hover(button("OpenButton"));
        QCOMPARE(button("OpenButton")->toolTip(), QStringLiteral("Abrir"));
        QCOMPARE(m_editor->statusBar()->currentMessage(), QString());
        command("FileOpenItem")->showStatusText(m_editor->menuBar());
        QCOMPARE(m_editor->statusBar()->currentMessage(), QStringLiteral("Abre un archivo existente"));
        // Another window's hints show here too.
        QToolButton elsewhere;
        elsewhere.setToolTip(QStringLiteral("Abrir un tablero"));
        hover(&elsewhere);
        QCOMPARE(m_editor->statusBar()->currentMessage(), QStringLiteral("Abrir un tablero"));
    }

    // No help file shows anything: each command shows the editor's own short help instead,
    // each its own (mended: all three showed the same box).
    void helpCommandsReachTheViewer()
    {
        RecordingViewer viewer;
        HelpViewer::setViewer(&viewer);
        command("HelpContentsItem")->trigger();
        // The search asks for a word, found without its accent or capitals.
        const auto searchFor = [this](const QString &word) {
            m_dialogs->queueModal([word](QDialog &dialog) {
                static_cast<QInputDialog &>(dialog).setTextValue(word);
                return int(QDialog::Accepted);
            });
            command("HelpSearchItem")->trigger();
        };
        searchFor(QStringLiteral("VINETAS"));
        command("HelpHowToUseItem")->trigger();
        searchFor(QStringLiteral("zarzuela"));
        command("HelpSearchItem")->trigger(); // cancelled: nothing shown
        HelpViewer::setViewer(nullptr);
        QCOMPARE(viewer.requests, QStringList({"3:", "105:", "4:", "105:", "105:"}));
        QCOMPARE(m_dialogs->modalWindows, QStringList(3, QStringLiteral("BuscarAyuda")));
        QCOMPARE(m_dialogs->messages.size(), 4);
        const ShownMessage &contents = m_dialogs->messages[0];
        QCOMPARE(contents.caption, QStringLiteral("Ayuda del editor"));
        // The keys read as the menus show them.
        QVERIFY(contents.text.contains(
            QStringLiteral("Guardar (%1)").arg(command("FileSaveItem")->shortcut().toString(QKeySequence::NativeText))));
        // The bullets button is called as the help calls it.
        QCOMPARE(button("BulletsButton")->toolTip(), QStringLiteral("Viñetas"));
        QVERIFY(contents.text.contains(QStringLiteral("viñetas")));
        const ShownMessage &search = m_dialogs->messages[1];
        QCOMPARE(search.caption, QStringLiteral("Buscar ayuda sobre..."));
        QVERIFY(search.text.contains(QStringLiteral("viñetas")));
        QVERIFY(!search.text.contains(QStringLiteral("Fichero:")));
        const ShownMessage &howTo = m_dialogs->messages[2];
        QVERIFY(howTo.text.contains(QStringLiteral("Buscar ayuda sobre")));
        QVERIFY(howTo.text != contents.text);
        QCOMPARE(m_dialogs->messages[3].text, QStringLiteral("La ayuda del editor no dice nada de «zarzuela»."));
        m_dialogs->modalWindows.clear();
        command("HelpAboutItem")->trigger();
        QCOMPARE(m_dialogs->modalWindows, QStringList{QStringLiteral("AboutBox")});
    }

    // The practice window's "Información" comes up once, at its first activation.
    void aboutAtFirstActivationOnly()
    {
        PracticeWindow practice;
        practice.setNeighbours(besideTheEditor());
        practice.show();
        QVERIFY(QTest::qWaitForWindowActive(&practice));
        QTRY_COMPARE(m_dialogs->modalWindows, QStringList{QStringLiteral("AboutBox")});
        QVERIFY(practice.aboutShown());
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        practice.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&practice));
        QTest::qWait(20);
        QCOMPARE(m_dialogs->modalWindows.size(), 1);
        practice.findChild<QAction *>(QStringLiteral("Info"))->trigger();
        QCOMPARE(m_dialogs->modalWindows.size(), 2);
    }

    // Text the student answered No for when closing the editor is out of sight: neither
    // leaving the program nor "&Modificar" asks about it again (mended: leaving offered to
    // save it over the teacher's file).
    void hiddenTextIsNotAskedAbout()
    {
        PracticeWindow practice;
        practice.setNeighbours(besideTheEditor());
        practice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&practice));
        m_dialogs->queueFile(path(QStringLiteral("frases.txt")));
        practice.findChild<QAction *>(QStringLiteral("Modificar1"))->trigger();
        type(QStringLiteral(" cambiada"));
        m_dialogs->queueAnswer(MessageAnswer::No);
        command("FileExitItem")->trigger();
        QVERIFY(!m_editor->isVisible());

        m_dialogs->queueCancel();
        practice.findChild<QAction *>(QStringLiteral("Modificar1"))->trigger();
        QCOMPARE(m_dialogs->openRequests.size(), 2);
        m_dialogs->queueAnswer(MessageAnswer::Yes); // "Vas a salir del programa..."
        practice.findChild<QAction *>(QStringLiteral("Salir1"))->trigger();
        QCOMPARE(m_dialogs->messages.size(), 2);
        QVERIFY(!practice.isVisible());
        QVERIFY(m_dialogs->saveRequests.isEmpty());
    }

    // The open and save dialogs start in the exercise folder (the working folder), whoever
    // opens them.
    void dialogsStartInTheExerciseFolder()
    {
        PracticeWindow practice;
        practice.setNeighbours(besideTheEditor());
        QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());
        command("FileOpenItem")->trigger();
        practice.findChild<QAction *>(QStringLiteral("Modificar1"))->trigger();
        command("FileSaveAsItem")->trigger();
        QCOMPARE(m_dialogs->openRequests.size(), 2);
        for (const FileDialogRequest &request : {m_dialogs->openRequests[0], m_dialogs->openRequests[1],
                                                 m_dialogs->saveRequests.value(0)})
            QCOMPARE(request.initialFolder, QDir::currentPath());
    }

    // A file that is not text, or too large to lay out at once, is refused with a message that
    // names it; the document stays as it was.
    void unfitFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addRow("a program") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20)
                                   << QStringLiteral("El archivo %1 no es un archivo de texto.");
        QTest::addRow("over the size limit") << QByteArray(PhraseEditor::MaxDocumentBytes + 1, 'a')
                                             << QStringLiteral("El archivo %1 ocupa ");
    }
    void unfitFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString unfit = path(QStringLiteral("raro.txt"));
        writeFile(unfit, bytes);
        type(QStringLiteral("lo de antes"));
        document()->setModified(false);
        m_dialogs->queueFile(unfit);
        command("FileOpenItem")->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(messageText().startsWith(message.arg(QDir::toNativeSeparators(unfit))), qPrintable(messageText()));
        QCOMPARE(document()->toPlainText(), QStringLiteral("lo de antes"));
        QCOMPARE(m_editor->documentName(), PhraseEditor::Untitled);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
