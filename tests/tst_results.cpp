// The practice window's score strip, results summary, student data and results mail.
#include "DoubledPixels.h"
#include "ExercisesWindowParts.h"
#include "FileFixtures.h"
#include "FullDisk.h"
#include "PracticeRoom.h"

#include "exercises/BoardExercise.h"
#include "exercises/ExerciseScores.h"
#include "exercises/QuestionsExercise.h"
#include "help/ExercisesWindow.h"
#include "help/QuestionsPage.h"
#include "practice/StudentDataDialog.h"
#include "practice/PracticeWindow.h"
#include "results/ClassResults.h"
#include "results/MissRules.h"
#include "results/ScoreHistory.h"
#include "results/SessionDetail.h"
#include "shared/TextFile.h"
#include "widgets/BoolComboBox.h"
#include "widgets/Gauges.h"
#include "platform/ResultsMail.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

class TestResults : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PracticeRoom> m_room;
    ScriptedDialogs *m_dialogs = nullptr;
    FakeMailTransport *m_transport = nullptr;
    ExerciseScores *m_scores = nullptr;
    ExercisesWindow *m_ayuda = nullptr;
    PracticeWindow *m_form = nullptr;

    QString resultsPath() const { return m_room->filePath(QStringLiteral("result.txt")); }
    QString detailPath() const { return m_room->filePath(QStringLiteral("result.json")); }

    // The four percentages as the exercises hand them to the score object.
    void write(int boardHits, int boardMisses, int examples, long double phrases, long double questions)
    {
        m_scores->setBoard(boardHits, boardMisses);
        m_scores->setExamples(examples);
        m_scores->setPhrases(phrases);
        m_scores->setQuestions(questions);
    }

    // The four percentages, read by one tick of the strip.
    void tick(int boardHits, int boardMisses, int examples, long double phrases, long double questions)
    {
        write(boardHits, boardMisses, examples, phrases, questions);
        m_scores->takeStripReading();
    }

    QList<int> gauges() const
    {
        return {m_room->named<Gauge>("Gauge1")->Progress(), m_room->named<Gauge>("Gauge2")->Progress(), m_room->named<Gauge>("Gauge3")->Progress(),
                m_room->named<Gauge>("Gauge4")->Progress(), m_room->named<Gauge>("Gaugetot")->Progress()};
    }

    void setExampleRun()
    {
        RunCounts &counts = m_scores->counts();
        counts.boardHits = 30;
        counts.boardMisses = 10;
        counts.exampleHits = 40;
        counts.exampleAttempts = 50;
        counts.phraseHits = 6;
        counts.phraseTotal = 8;
        tick(3, 1, 80, 75, 50);
    }

    QStringList captions() const
    {
        QStringList list;
        for (const ShownMessage &shown : m_dialogs->messages)
            list << shown.caption;
        return list;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        m_room = std::make_unique<PracticeRoom>();
        m_room->writeBoard(QStringList(50, QStringLiteral("camión")));
        m_dialogs = &m_room->dialogs;
        m_transport = &m_room->transport;
        m_form = &m_room->practiceWindow();
        m_scores = &m_room->scores();
        m_ayuda = &m_room->windows().exercisesWindow();
        // The exercises window's own tick recounts its exercises into these labels; here the
        // tests write them.
        m_ayuda->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    }

    void cleanup()
    {
        m_room.reset();
    }

    void stripStartsAtTheDesignValueAndFollowsTheLabels()
    {
        QCOMPARE(gauges(), (QList<int>{44, 44, 44, 44, 44}));
        QVERIFY(m_room->named<QTimer>("Timer1")->isActive());
        QCOMPARE(m_room->named<QTimer>("Timer1")->interval(), 1000);
        write(2, 1, 80, 0, 50);
        // The percentage labels of both windows are views of the one score object.
        QCOMPARE(m_room->named<QLabel>("Label1")->text(), QStringLiteral("66,7"));
        QCOMPARE(m_ayuda->findChild<QLabel *>(QStringLiteral("porcen1"))->text(), QStringLiteral("80"));
        QCOMPARE(m_ayuda->findChild<QLabel *>(QStringLiteral("Tpercentfrases"))->text(), QString());
        QCOMPARE(m_ayuda->findChild<QLabel *>(QStringLiteral("TCuestPercent"))->text(), QStringLiteral("50"));
        // The real tick, within its second.
        QTRY_COMPARE_WITH_TIMEOUT(gauges(), (QList<int>{66, 80, 0, 50, 49}), 2500);
        QCOMPARE(m_room->named<Gauge>("Gauge1")->accessibleName(), QStringLiteral("Tablero: 66 %"));
        QCOMPARE(m_room->named<Gauge>("Gaugetot")->accessibleName(), QStringLiteral("Total: 49 %"));
    }

    void anUnchangedTickPaintsNothing()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        tick(3, 1, 80, 75, 50);
        QCoreApplication::processEvents();
        PaintCounter counter;
        for (Gauge *gauge : {m_room->named<Gauge>("Gauge1"), m_room->named<Gauge>("Gauge2"), m_room->named<Gauge>("Gauge3"), m_room->named<Gauge>("Gauge4"), m_room->named<Gauge>("Gaugetot")})
            counter.watch(gauge);
        m_scores->takeStripReading();
        m_scores->takeStripReading();
        QCoreApplication::processEvents();
        QCOMPARE(counter.total(), 0);
        tick(19, 6, 80, 75, 50);
        QTRY_VERIFY(counter.total() > 0);
    }

    void summaryBox()
    {
        setExampleRun();
        QTest::mouseClick(m_room->named<QPushButton>("OK"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 1);
        const ShownMessage shown = m_dialogs->messages.first();
        QCOMPARE(shown.caption, QStringLiteral("PUNTUACIÓN"));
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        const QStringList lines = shown.text.split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[4], QStringLiteral(" de "));
        QCOMPARE(lines[6], QStringLiteral("Tablero: 30 aciertos y 10 fallos = 75 %"));
        QCOMPARE(lines[11], QStringLiteral("Promedio: 70 %"));
    }

    void sendingWritesTheFileAndHandsItOver()
    {
        setExampleRun();
        m_scores->setStudentName(QStringLiteral("José Peña"));
        m_scores->setStudentGroup(QStringLiteral("3º A"));
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QTest::mouseClick(m_room->named<QPushButton>("Op1"), Qt::LeftButton);

        const QByteArray bytes = fileBytes(resultsPath());
        QVERIFY(bytes.startsWith(" Resultados del test de acentos del alumno:\r\n"));
        QVERIFY(bytes.contains("\r\nJos\xE9 Pe\xF1" "a de 3\xBA A\r\n"));
        QVERIFY(bytes.endsWith("\r\nPromedio: 70 %\r\n"));
        QCOMPARE(bytes.count("\r\n"), 10);

        QCOMPARE(m_transport->messages.size(), 1);
        const SimpleMapi::MapiMessage &m = m_transport->messages.first();
        QCOMPARE(m.lpFiles.first().lpszPathName, resultsPath());
        QCOMPARE(m.lpszNoteText, QLatin1Char(' ') + m_room->path() + QLatin1Char('/'));
        QCOMPARE(m.lpRecips.first().lpszName, PracticeWindow::placeholderRecipient);
        QVERIFY(QRegularExpression(QStringLiteral("^Resultados del test de acentos: / \\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d$"))
                    .match(m.lpszSubject)
                    .hasMatch());
        QCOMPARE(m_transport->attachments.first(), bytes);

        QCOMPARE(captions(), (QStringList{"Enviar correo", "Envío de correo"}));
#ifdef Q_OS_WIN
        QCOMPARE(m_dialogs->messages[0].text,
                 QStringLiteral(" Escribe la dirección de correo electrónico y pulsa\r"
                                "      CONTROL + INTRO para enviar el mensaje\r"
                                "Para separar varias direcciones de correo usa el carácter < ; >\r"
                                "       y la tecla <ESC> para anular el envío "));
#else
        QCOMPARE(m_dialogs->messages[0].text,
                 QStringLiteral(" Se abrirá tu programa de correo con el mensaje preparado\r"
                                " y el archivo de resultados adjunto.\r"
                                " Escribe la dirección de tu profesor y envía el mensaje\r"
                                " desde ese programa."));
#endif
        QCOMPARE(m_dialogs->messages[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(m_dialogs->messages[1].text, QStringLiteral("Mensaje de correo finalizado"));
        QCOMPARE(m_dialogs->messages[1].buttons, MessageButtons::OkCancel);
    }

    void sendingTwiceOverwritesWithTheCurrentFigures()
    {
        // With a name: the student-data dialog does not come first.
        m_scores->setStudentName(QStringLiteral("Ana"));
        setExampleRun();
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        m_scores->counts().boardHits = 31;
        tick(1, 0, 100, 100, 100);
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        QCOMPARE(m_transport->messages.size(), 2);
        QVERIFY(m_transport->attachments[0].contains("Promedio: 70 %"));
        QVERIFY(m_transport->attachments[1].contains("Tablero: 31 aciertos y 10 fallos = 100 %"));
        QVERIFY(m_transport->attachments[1].contains("Promedio: 100 %"));
        QVERIFY(!m_transport->attachments[1].contains("70 %"));
        QCOMPARE(fileBytes(resultsPath()), m_transport->attachments[1]);
    }

    void aNameOutsideWindows1252IsKept()
    {
        m_scores->setStudentName(QStringLiteral("Łucja Nowak"));
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        const QByteArray bytes = fileBytes(resultsPath());
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral("\r\nŁucja Nowak de \r\n")));
    }

    void handOffOutcomes_data()
    {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<bool>("serviceMissing");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("shownBeforeTheEnd");
        QTest::addColumn<bool>("endBox");
        QTest::addRow("sent") << 0u << false << QString() << QString() << true;
        QTest::addRow("compose window cancelled") << 1u << false << QString() << QString() << true;
        QTest::addRow("failure") << 2u << false << QString()
                                 << "No se ha podido preparar el mensaje de correo con los resultados.\r"
                                    "El programa de correo ha fallado sin indicar la causa." << true;
        QTest::addRow("failure the mail program explains")
            << 2u << false << "El programa de correo no ha aceptado el mensaje."
            << "No se ha podido preparar el mensaje de correo con los resultados.\r"
               "El programa de correo no ha aceptado el mensaje." << true;
        QTest::addRow("code without text") << 42u << false << QString()
                                           << "No se ha podido preparar el mensaje de correo con los resultados.\r"
                                              "Código de error 42." << true;
        // One clear message and nothing after it that could pass for a mail sent.
        QTest::addRow("no mail program") << 1u << true << QString()
                                         << "No hay ningún programa de correo en este equipo.\r"
                                            "Los resultados están guardados en el archivo\r%1\r"
                                            "Adjúntalo a un mensaje para enviárselo a tu profesor.\r"
                                            "Adjunta también el archivo\r%2\rcon la lista de tus fallos." << false;
    }

    void handOffOutcomes()
    {
        m_scores->setStudentName(QStringLiteral("Ana"));
        QFETCH(quint32, code);
        QFETCH(bool, serviceMissing);
        QFETCH(QString, detail);
        QFETCH(QString, shownBeforeTheEnd);
        QFETCH(bool, endBox);
        m_transport->result = {code, serviceMissing, detail};
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        QStringList texts;
        for (const ShownMessage &shown : m_dialogs->messages)
            texts << shown.text;
        QCOMPARE(texts.size(), 1 + !shownBeforeTheEnd.isEmpty() + endBox);
        QCOMPARE(texts.last() == QStringLiteral("Mensaje de correo finalizado"), endBox);
        if (!shownBeforeTheEnd.isEmpty())
            QCOMPARE(texts[1], shownBeforeTheEnd.contains(QLatin1String("%1"))
                                   ? shownBeforeTheEnd.arg(resultsPath(), detailPath())
                                   : shownBeforeTheEnd);
    }

    // Each send writes the session's misses beside the results file and attaches both. A
    // detail that cannot be written is told, naming it, and the results go out all the same;
    // an earlier detail never stays behind to pass for this session's.
    void detailBesideTheResults_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<bool>("written");
        QTest::addRow("nothing in the way") << QString() << true;
        QTest::addRow("an earlier detail") << u"earlier"_s << true;
        QTest::addRow("a link to another file") << u"link"_s << true;
        QTest::addRow("a folder") << u"folder"_s << false;
        QTest::addRow("an earlier detail, and the new one fails part-way") << u"earlier, too large"_s << false;
    }
    void detailBesideTheResults()
    {
        QFETCH(QString, inTheWay);
        QFETCH(bool, written);
        setExampleRun();
        m_scores->setStudentName(u"Ana Núñez"_s);
        for (const char16_t *word : {u"país", u"camión", u"árbol", u"pájaro", u"raíz", u"búho", u"sofá", u"tú"})
            m_scores->addMiss(*BoardExercise::missOf(u"?"_s, QString::fromUtf16(word)));
        const QString other = m_room->filePath(u"trabajo.txt"_s);
        writeFile(other, "trabajo del alumno");
        if (inTheWay.startsWith(u"earlier"_s))
            writeFile(detailPath(), "{\"formato\": \"tildora-detalle\", \"version\": 1, \"fallos\": []}");
        else if (inTheWay == u"link"_s)
            QVERIFY(QFile::link(other, detailPath()));
        else if (inTheWay == u"folder"_s)
            QVERIFY(QDir(m_room->path()).mkdir(u"result.json"_s));
        // The results file and the history fit under the limit; the detail of eight misses does not.
        std::optional<FileSizeLimit> limit;
        if (inTheWay.endsWith(u"too large"_s)) {
            limit.emplace(1500);
            QVERIFY(limit->isSet());
        }
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        limit.reset();

        QVERIFY(fileBytes(resultsPath()).endsWith("\r\nPromedio: 70 %\r\n"));
        QCOMPARE(ScoreHistory::read(ScoreHistory::defaultPath()).records.size(), 1);
        QCOMPARE(fileBytes(other), QByteArray("trabajo del alumno"));
        QCOMPARE(m_transport->messages.size(), 1);
        QStringList attached;
        for (const SimpleMapi::MapiFileDesc &file : m_transport->messages.first().lpFiles)
            attached << file.lpszPathName;
        QStringList expected{resultsPath()};
        QStringList boxes{u"Enviar correo"_s, u"Envío de correo"_s};
        if (written)
            expected << detailPath();
        else
            boxes.insert(1, u"Enviar resultados"_s);
        QCOMPARE(attached, expected);
        QCOMPARE(captions(), boxes);
        if (!written) {
            QCOMPARE(m_dialogs->messages[1].icon, MessageIcon::Warning);
            QVERIFY2(m_dialogs->messages[1].text.startsWith(u"No se ha podido escribir el archivo de detalle %1 ("_s.arg(detailPath())),
                     qPrintable(m_dialogs->messages[1].text));
            QVERIFY(!QFileInfo(detailPath()).isFile());
            return;
        }
        QVERIFY(!QFileInfo(detailPath()).isSymLink());
        const SessionDetail::Reading reading = SessionDetail::read(detailPath());
        QCOMPARE(reading.status, SessionDetail::Reading::Ok);
        QCOMPARE(reading.detail.misses, m_scores->misses());
        QCOMPARE(reading.detail.scores.name, u"Ana Núñez"_s);
        QCOMPARE(reading.detail.scores.total, 70);
        QCOMPARE(reading.detail.scores.board, m_scores->strip().board);
    }

    // A session played through the windows and sent, then filed by the teacher ("ana.txt"
    // beside "ana.json") and read by the class view, gives the misses per rule the student made.
    void theClassViewReadsBackTheSessionsMisses()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        // The board: "camión" twice without its accent.
        for (int selector : {1, 2}) {
            m_form->selector(selector)->setFocus(Qt::MouseFocusReason);
            m_form->selector(selector)->setCurrentIndex(0);
            emit m_form->selector(selector)->activated(0);
        }
        // The classification: "caimán", with its diphthong, put among the agudas by key.
        using namespace ExercisesWindowParts;
        QVERIFY(showOn(*m_ayuda, ExercisesWindow::PageEjemplos));
        auto *words = part<QListWidget>(*m_ayuda, u"ListBox1"_s);
        words->setFocus();
        words->setCurrentItem(words->findItems(u"caimán"_s, Qt::MatchExactly).value(0));
        QTest::keyClick(words, Qt::Key_Space);
        QTest::keyClick(words, Qt::Key_1);
        // The phrases: "Tú" and "llegó" written without their accents.
        const QString phraseFile = m_room->filePath(u"Frases.txt"_s);
        writeFile(phraseFile, TextFile::encodeWindows1252(u"Tú sabes que tu hermano llegó tarde.\r\n"_s));
        m_dialogs->queueFile(phraseFile);
        tabs(*m_ayuda)->setPageIndex(ExercisesWindow::PageFrases);
        part<QPushButton>(*m_ayuda, u"Abrefrases"_s)->click();
        auto *phrases = part<QTextEdit>(*m_ayuda, u"RichEdit2"_s);
        QTextCursor line(phrases->document()->firstBlock());
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.insertText(u"Tu sabes que tu hermano llego tarde."_s);
        part<QPushButton>(*m_ayuda, u"Corregir"_s)->click();
        // The questions: every blank right but the first.
        tabs(*m_ayuda)->setPageIndex(ExercisesWindow::PageCuestiones);
        auto *questions = pageOf<QuestionsPage>(*m_ayuda);
        for (int blank = 1; blank <= QuestionsExercise::blankCount; ++blank)
            questions->blank(blank)->setText(blank == 1 ? u"por que"_s : QuestionsExercise::rightAnswer(blank));
        part<QPushButton>(*m_ayuda, u"CorregirCuestiones"_s)->click();

        m_scores->takeStripReading();
        m_scores->setStudentName(u"Ana Núñez"_s);
        m_scores->setStudentGroup(u"3º B"_s);
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        QTemporaryDir teacher;
        QVERIFY(QFile::copy(resultsPath(), teacher.filePath(u"ana.txt"_s)));
        QVERIFY(QFile::copy(detailPath(), teacher.filePath(u"ana.json"_s)));
        const ClassResults::Folder folder = ClassResults::readFolder(teacher.path());

        QCOMPARE(folder.rows.size(), 1);
        QVERIFY(folder.notes.isEmpty() && folder.rejected.isEmpty());
        QList<SessionDetail::RuleCount> expected;
        for (const auto &[rule, misses] : {std::pair{u"aguda-n"_s, 2}, {u"aguda-vocal"_s, 1}, {u"diacritico"_s, 1},
                                           {u"grupo-diptongo"_s, 1}, {u"porque"_s, 1}})
            expected << SessionDetail::RuleCount{rule, MissRules::name(rule), misses};
        QCOMPARE(folder.rows.first().rules, expected);
        QCOMPARE(ClassResults::ruleShares(folder.rows).first().percent, 100.0 * 2 / 6);
    }

    void cancellingBeforeSendingSendsNothing()
    {
        m_scores->setStudentName(QStringLiteral("Ana"));
        writeFile(resultsPath(), "Promedio: 90 %\r\n");
        setExampleRun();
        // "Cancelar", Esc and the close box all answer Cancel.
        m_dialogs->queueAnswer(MessageAnswer::Cancel);
        QTest::mouseClick(m_room->named<QPushButton>("Op1"), Qt::LeftButton);
        QVERIFY(m_transport->messages.isEmpty());
        QCOMPARE(captions(), QStringList{"Enviar correo"});
        // A send called off writes nothing: the earlier results stay, and no session is recorded.
        QCOMPARE(fileBytes(resultsPath()), QByteArray("Promedio: 90 %\r\n"));
        QVERIFY(!QFile::exists(ScoreHistory::defaultPath()));
    }

    void fullDiskKeepsTheResultsFileAndSendsNothing()
    {
        m_scores->setStudentName(QStringLiteral("Ana"));
        FullDisk disk;
        if (!disk.ready())
            QSKIP(disk.reason());
        qputenv("HOME", disk.path().toUtf8());
        const QString path = disk.filePath(QStringLiteral("result.txt"));
        writeFile(path, "Promedio: 90 %\r\n");
        QVERIFY(disk.fill());

        setExampleRun();
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QTest::mouseClick(m_room->named<QPushButton>("Op1"), Qt::LeftButton);
        QCOMPARE(fileBytes(path), QByteArray("Promedio: 90 %\r\n"));
        QVERIFY(m_transport->messages.isEmpty());
        QCOMPARE(m_dialogs->messages.size(), 2);
        QCOMPARE(m_dialogs->messages.last().text,
                 QStringLiteral("No se puede escribir el archivo de resultados %1: el disco está lleno. "
                                "No se ha enviado nada.")
                     .arg(path));
    }

    void aLinkAtTheResultsPathIsReplacedNotFollowed()
    {
        m_scores->setStudentName(QStringLiteral("Ana"));
        const QString elsewhere = m_room->filePath(QStringLiteral("trabajo.txt"));
        writeFile(elsewhere, "trabajo del alumno");
        QVERIFY(QFile::link(elsewhere, resultsPath()));

        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        QCOMPARE(fileBytes(elsewhere), QByteArray("trabajo del alumno"));
        QVERIFY(!QFileInfo(resultsPath()).isSymLink());
        QVERIFY(fileBytes(resultsPath()).startsWith(" Resultados del test de acentos del alumno:\r\n"));
        QCOMPARE(m_transport->attachments.value(0), fileBytes(resultsPath()));
    }

    void studentDataStaysOnOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("line");
        QTest::addRow("line breaks") << "Ana\nNúñez" << "2º\r\nB" << "Ana Núñez de 2º  B";
        QTest::addRow("a tab and a paragraph separator") << "Ana\tNúñez" << u"2º\u2029B"_qs << "Ana Núñez de 2º B";
        QTest::addRow("overlong fields are cut") << QString(120, QLatin1Char('n')) << QString(90, QLatin1Char('g'))
                                                 << QString(80, QLatin1Char('n')) + " de " + QString(80, QLatin1Char('g'));
    }
    void studentDataStaysOnOneLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, group);
        QFETCH(QString, line);
        m_scores->setStudentName(name);
        m_scores->setStudentGroup(group);
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->sendResults();
        const QStringList lines = QString::fromLatin1(fileBytes(resultsPath())).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[2], line);
    }

    void anOverlongFieldIsCutWithAMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("message");
        QTest::addRow("name") << QString(100, QLatin1Char('n')) << "1º A"
                              << "«Nombre y apellidos» tiene más de 80 caracteres: se guardan solo los 80 primeros.";
        QTest::addRow("group") << "Ana" << QString(81, QLatin1Char('g'))
                               << "«Curso y grupo» tiene más de 80 caracteres: se guardan solo los 80 primeros.";
    }
    void anOverlongFieldIsCutWithAMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, group);
        QFETCH(QString, message);
        const StudentDataControls data(m_room->windows().studentDataDialog());
        data.name->setText(name);
        data.group->setText(group);
        data.leave->click();
        QCOMPARE(m_scores->studentName(), name.left(80));
        QCOMPARE(data.name->text(), name.left(80));
        QCOMPARE(m_scores->studentGroup(), group.left(80));
        QCOMPARE(data.group->text(), group.left(80));
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages.first().text, message);
    }

    void anUnwritableResultsFileSendsNothing()
    {
        m_scores->setStudentName(QStringLiteral("Ana"));
        // A home folder that is a plain file: nothing can be written under it.
        const QString notAFolder = m_room->filePath(QStringLiteral("casa"));
        TextFile::writeLines(notAFolder, {QStringLiteral("x")});
        qputenv("HOME", notAFolder.toUtf8());
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QTest::mouseClick(m_room->named<QPushButton>("Op1"), Qt::LeftButton);
        QVERIFY(m_transport->messages.isEmpty());
        QCOMPARE(m_dialogs->messages.size(), 2);
        QCOMPARE(m_dialogs->messages.first().caption, QStringLiteral("Enviar correo"));
        QCOMPARE(m_dialogs->messages.last().icon, MessageIcon::Error);
        QCOMPARE(m_dialogs->messages.last().text,
                 QStringLiteral("No se puede escribir el archivo de resultados %1/result.txt. No se ha enviado nada.")
                     .arg(notAFolder));
    }

    // Results without a name go nowhere: the student-data dialog comes first, and only a
    // name given there lets them out.
    void sendingWithoutANameAsksForIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("salir");
        QTest::addRow("name given") << "Ana Núñez" << true;
        QTest::addRow("closed") << "Ana Núñez" << false;
        QTest::addRow("salir without a name") << "" << true;
    }
    void sendingWithoutANameAsksForIt()
    {
        QFETCH(QString, typed);
        QFETCH(bool, salir);
        const StudentDataControls data(m_room->windows().studentDataDialog());
        m_room->answerStudentData(typed, salir);
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QTest::mouseClick(m_room->named<QPushButton>("Op1"), Qt::LeftButton);
        QCOMPARE(m_dialogs->modalWindows, QStringList{"DatosBox"});
        const bool sent = salir && !typed.isEmpty();
        // "Salir" without a name keeps the dialog and says that the name is needed.
        QCOMPARE(!data.nameNeeded->isHidden(), salir && typed.isEmpty());
        QCOMPARE(m_transport->messages.size(), sent ? 1 : 0);
        QCOMPARE(QFile::exists(resultsPath()), sent);
        if (sent)
            QVERIFY(m_transport->attachments.first().contains("Ana N\xFA\xF1" "ez de \r\n"));
    }

    void studentData()
    {
        StudentDataDialog &box = m_room->windows().studentDataDialog();
        const StudentDataControls data(box);
        m_room->named<QAction>("Datos")->trigger();
        QVERIFY(box.isVisible());
        QVERIFY(!box.isModal());
        QVERIFY(QTest::qWaitForWindowActive(&box));

        // Tab order: name, class, "Salir".
        data.name->setFocus();
        QTest::keyClick(&box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), data.group);
        QTest::keyClick(&box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), data.leave);

        // No name yet: "Salir" keeps the dialog open with the line asking for it.
        QTest::keyClick(data.leave, Qt::Key_Space);
        QVERIFY(box.isVisible());
        QVERIFY(data.nameNeeded->isVisible());
        QCOMPARE(data.leave->text(), QStringLiteral("Salir"));
        QCOMPARE(QApplication::focusWidget(), data.name);

        data.name->setText(QStringLiteral("Ana Núñez"));
        data.group->setText(QStringLiteral("2º B"));
        QVERIFY(!data.nameNeeded->isVisible());
        QTest::mouseClick(data.leave, Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(m_scores->studentName(), QStringLiteral("Ana Núñez"));
        QCOMPARE(m_scores->studentGroup(), QStringLiteral("2º B"));

        // An emptied field keeps what was stored before.
        m_room->named<QAction>("Datos")->trigger();
        data.name->clear();
        data.group->setText(QStringLiteral("3º A"));
        data.leave->click();
        QCOMPARE(m_scores->studentName(), QStringLiteral("Ana Núñez"));
        QCOMPARE(m_scores->studentGroup(), QStringLiteral("3º A"));

        // The close box hides the dialog without storing.
        m_room->named<QAction>("Datos")->trigger();
        data.group->setText(QStringLiteral("4º C"));
        box.close();
        QCOMPARE(m_scores->studentGroup(), QStringLiteral("3º A"));
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
