// The practice window's report commands: "Guardar PDF", the history record of each saved
// result, and the windows "Progreso" and "Resultados de la clase" from the menu.
#include "FileFixtures.h"
#include "PracticeRoom.h"

#include "exercises/BoardMaker.h"
#include "exercises/ExerciseScores.h"
#include "results/ScoreHistory.h"
#include "practice/ReportCommands.h"
#include "practice/PracticeWindow.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"
#include "shared/AppError.h"
#include "ui/StoredPicture.h"
#include "widgets/BoolComboBox.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class TestReportCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PracticeRoom> m_room;
    ScriptedDialogs *m_dialogs = nullptr;
    ExerciseScores *m_scores = nullptr;
    PracticeWindow *m_form = nullptr;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_room = std::make_unique<PracticeRoom>();
        QFile::remove(ScoreHistory::defaultPath());
        m_dialogs = &m_room->dialogs;
        m_dialogs->queueCancel(); // no board file at start
        m_form = &m_room->practiceWindow();
        m_scores = &m_room->scores();
        m_scores->setStudentName(QStringLiteral("Ana Núñez"));
        m_scores->setStudentGroup(QStringLiteral("2º B"));
        m_dialogs->messages.clear();
    }

    void cleanup()
    {
        QFile::remove(ScoreHistory::defaultPath());
        m_room.reset();
    }

    // The page carries the misses the score object keeps, grouped under their rule.
    void guardarPdfWritesThePage_data()
    {
        QTest::addColumn<QList<SessionDetail::Miss>>("misses");
        QTest::addColumn<QString>("listed");
        QTest::addRow("no misses") << QList<SessionDetail::Miss>() << QString();
        QTest::addRow("a board miss")
            << QList<SessionDetail::Miss>{{SessionDetail::Exercise::Board, QStringLiteral("raiz"), QStringLiteral("raiz"),
                                           QStringLiteral("raíz"), QStringLiteral("hiato"), QString(), QString()}}
            << QStringLiteral("Hiato con vocal cerrada tónica: 1 fallo");
    }
    void guardarPdfWritesThePage()
    {
        QFETCH(QList<SessionDetail::Miss>, misses);
        QFETCH(QString, listed);
        for (const SessionDetail::Miss &miss : misses)
            m_scores->addMiss(miss);
        // On screen, as the student uses it: the status bar has its width.
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        const QString path = m_room->filePath(QStringLiteral("ana"));
        m_dialogs->queueFile(path);
        QVERIFY(!m_room->named<QPushButton>("GuardarPDF")->icon().isNull());
        m_room->named<QPushButton>("GuardarPDF")->click();
        QCOMPARE(m_dialogs->saveRequests.size(), 1);
        QCOMPARE(m_dialogs->saveRequests.at(0).fileName,
                 QStringLiteral("Resultados de Ana Núñez %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
        QVERIFY(fileBytes(path + QStringLiteral(".pdf")).startsWith("%PDF-"));
        QVERIFY(m_dialogs->messages.isEmpty());
        // The window says where the page went, and the session is in the history.
        QCOMPARE(m_room->named<QLabel>("Explicacion")->text(), QStringLiteral("Resultados guardados en %1.pdf").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(ScoreHistory::read(ScoreHistory::defaultPath()).records.size(), 1);
        if (listed.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return;
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path + QStringLiteral(".pdf"), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QVERIFY(QString::fromUtf8(pdftotext.readAllStandardOutput()).contains(listed));
    }

    // Without a name the page asks for it first, as the mail does; no name, no page.
    void guardarPdfAsksForTheName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saved");
        QTest::addRow("name given") << "Luis Ortiz" << true;
        QTest::addRow("dialog closed") << "" << false;
    }
    void guardarPdfAsksForTheName()
    {
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        m_scores->setStudentName(QString());
        m_room->answerStudentData(typed, !typed.isEmpty());
        m_dialogs->queueFile(m_room->filePath(QStringLiteral("luis.pdf")));
        m_room->named<QPushButton>("GuardarPDF")->click();
        QCOMPARE(m_dialogs->modalWindows, QStringList{"DatosBox"});
        QCOMPARE(m_dialogs->saveRequests.size(), saved ? 1 : 0);
        if (saved)
            QVERIFY(m_dialogs->saveRequests.at(0).fileName.startsWith(QStringLiteral("Resultados de Luis Ortiz ")));
        QCOMPARE(QFile::exists(m_room->filePath(QStringLiteral("luis.pdf"))), saved);
        QCOMPARE(QFile::exists(ScoreHistory::defaultPath()), saved);
    }

    // The banner gives up room to "Guardar PDF": it fills the narrower place whatever the
    // screen's pixel ratio, at that ratio's sharpness.
    void bannerFitsItsPlace_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("ordinary screen") << 1.0;
        QTest::addRow("pixel ratio 2") << 2.0;
    }
    void bannerFitsItsPlace()
    {
        QFETCH(qreal, ratio);
        QLabel banner;
        banner.setPixmap(StoredPicture::pixmap(QStringLiteral(":/resources/banner.rgba"), ratio));
        ReportCommands::fitBanner(&banner, QRect(419, -3, 265, 45));
        const QPixmap fitted = banner.pixmap();
        QCOMPARE(fitted.devicePixelRatio(), ratio);
        QCOMPARE(fitted.deviceIndependentSize().width(), 265.0);
        QVERIFY(fitted.deviceIndependentSize().height() <= 45);
    }

    void guardarPdfInAnUnwritablePlaceSaysSo()
    {
        const QString path = m_room->filePath(QStringLiteral("no-existe/r.pdf"));
        m_dialogs->queueFile(path);
        m_room->named<QAction>("GuardarPDF1")->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages.at(0).text,
                 QStringLiteral("No se puede crear el archivo %1. Elige otra carpeta, por ejemplo tu carpeta personal.")
                     .arg(QDir::toNativeSeparators(path)));
    }

    // One record per session saved or sent: none for a send called off, one for the same
    // figures saved and sent, a new one once the figures change. Each record holds the board's
    // misses by rule since the last one, so the history counts every miss once.
    void historyRecords_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("records");
        QTest::addRow("sent") << "send" << 1;
        QTest::addRow("send called off") << "cancel" << 0;
        QTest::addRow("sent twice") << "send send" << 1;
        QTest::addRow("saved as PDF, then sent") << "pdf send" << 1;
        QTest::addRow("sent, new name, sent") << "send rename send" << 2;
        QTest::addRow("new board, a miss saved, another sent") << "new miss pdf miss send" << 2;
    }
    void historyRecords()
    {
        QFETCH(QString, steps);
        QFETCH(int, records);
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("pdf")) {
                m_dialogs->queueFile(m_room->filePath(QStringLiteral("ana.pdf")));
                m_form->saveResultsPdf();
            } else if (step == QLatin1String("new")) {
                m_form->newBoard(7);
                m_form->setAboutShown(true);
                m_form->show();
                QVERIFY(QTest::qWaitForWindowActive(m_form));
            } else if (step == QLatin1String("miss")) {
                // A word still to answer entered and left untouched: a miss if it needs a tilde.
                BoolComboBox *missed = nullptr;
                for (int n = 1; n <= PracticeWindow::boardSize && !missed; ++n)
                    if (!m_form->selector(n)->IsRight)
                        missed = m_form->selector(n);
                QVERIFY(missed);
                missed->setFocus(Qt::TabFocusReason);
                m_room->named<QPushButton>("OK")->setFocus(Qt::TabFocusReason);
            } else if (step == QLatin1String("rename")) {
                m_scores->setStudentName(QStringLiteral("Ana Núñez Gil"));
            } else {
                m_dialogs->queueAnswer(step == QLatin1String("send") ? MessageAnswer::Ok : MessageAnswer::Cancel);
                m_form->sendResults();
            }
        }
        const ScoreHistory::Contents history = ScoreHistory::read(ScoreHistory::defaultPath());
        QCOMPARE(history.records.size(), records);
        if (records > 0)
            QCOMPARE(history.records.last().total, m_scores->strip().total);
        QCOMPARE(BoardMaker::historyMisses(history.records), m_form->ruleMisses());
        QCOMPARE(m_form->ruleMisses().size() > 0, steps.contains(QLatin1String("miss")));
    }

    void unsavedResultsAddNoRecord()
    {
        // A folder where the results file should be: the save fails, so no session is recorded.
        QVERIFY(QDir(m_room->path()).mkdir(QStringLiteral("result.txt")));
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QVERIFY_THROWS_EXCEPTION(AppError, m_form->sendResults());
        QVERIFY(!QFile::exists(ScoreHistory::defaultPath()));
    }

    void aHistoryThatIsALinkIsLeftAloneAndSaysSo()
    {
        const QString other = m_room->filePath(QStringLiteral("notas.csv"));
        writeFile(other, "nombre;nota\n");
        QVERIFY(QDir().mkpath(QFileInfo(ScoreHistory::defaultPath()).absolutePath()));
        QVERIFY(QFile::link(other, ScoreHistory::defaultPath()));
        m_dialogs->queueFile(m_room->filePath(QStringLiteral("ana.pdf")));
        m_form->saveResultsPdf();
        QCOMPARE(fileBytes(other), QByteArray("nombre;nota\n"));
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages.at(0).text.contains(QStringLiteral("es un enlace a otro archivo")));
    }

    void menuOpensProgressAndClassWindows()
    {
        ScoreHistory::append(ScoreHistory::defaultPath(),
                             {{{1, 2, 3, 4, 3}, QStringLiteral("Ana"), QString()}, QDateTime(QDate(2026, 3, 14), QTime(9, 5))});
        m_room->named<QAction>("Progreso1")->trigger();
        auto *progress = m_form->findChild<ProgressWindow *>();
        QVERIFY(progress && progress->isVisible());
        QVERIFY(progress->findChild<QLabel *>(QStringLiteral("LastSession"))->text().contains(QStringLiteral("14/03/2026 09:05")));

        m_dialogs->queueFile(m_room->filePath(QStringLiteral("cualquiera.txt")));
        m_room->named<QAction>("Clase1")->trigger();
        auto *classView = m_form->findChild<ClassResultsWindow *>();
        QVERIFY(classView && classView->isVisible());
        QCOMPARE(classView->folder(), m_room->path());
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
