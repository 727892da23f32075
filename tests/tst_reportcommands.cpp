// The practice window's report commands: "Guardar PDF", the history record of each saved
// result, and the windows "Progreso" and "Resultados de la clase" from the menu.
#include "FakeMailTransport.h"
#include "ScriptedDialogs.h"

#include "results/ScoreHistory.h"
#include "practice/ReportCommands.h"
#include "practice/StudentDataDialog.h"
#include "practice/PracticeWindow.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"
#include "shared/AppError.h"
#include "shared/RunScores.h"
#include "ui/StoredPicture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestReportCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeMailTransport> m_transport;
    std::unique_ptr<PracticeWindow> m_form;
    QByteArray m_previousHome;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        runScores() = RunScores{};
        runScores().studentName = QStringLiteral("Ana Núñez");
        runScores().studentGroup = QStringLiteral("2º B");
        m_home = std::make_unique<QTemporaryDir>();
        m_previousHome = qgetenv("HOME");
        qputenv("HOME", m_home->path().toUtf8());
        QFile::remove(ScoreHistory::defaultPath());
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_transport = std::make_unique<FakeMailTransport>();
        m_dialogs->queueCancel(); // no board file at start
        m_form = std::make_unique<PracticeWindow>();
        m_dialogs->messages.clear();
    }

    void cleanup()
    {
        m_form.reset();
        m_transport.reset();
        m_dialogs.reset();
        QFile::remove(ScoreHistory::defaultPath());
        qputenv("HOME", m_previousHome);
        m_home.reset();
    }

    void guardarPdfWritesThePage()
    {
        const QString path = m_home->filePath(QStringLiteral("ana"));
        m_dialogs->queueFile(path);
        QVERIFY(!m_form->GuardarPDF->icon().isNull());
        m_form->GuardarPDF->click();
        QCOMPARE(m_dialogs->saveRequests.size(), 1);
        QCOMPARE(m_dialogs->saveRequests.at(0).fileName,
                 QStringLiteral("Resultados de Ana Núñez %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
        QFile pdf(path + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF-"));
        QVERIFY(m_dialogs->messages.isEmpty());
        // The window says where the page went, and the session is in the history.
        QCOMPARE(m_form->Explicacion->text(), QStringLiteral("Resultados guardados en %1.pdf").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(ScoreHistory::read(ScoreHistory::defaultPath()).records.size(), 1);
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
        runScores().studentName.clear();
        StudentDataDialog box;
        DatosBox = &box;
        m_dialogs->queueModal([&](QDialog &dialog) {
            box.Alumno->setText(typed);
            if (!typed.isEmpty())
                box.BitBtn1Click();
            return dialog.result();
        });
        m_dialogs->queueFile(m_home->filePath(QStringLiteral("luis.pdf")));
        m_form->GuardarPDF->click();
        DatosBox = nullptr;
        QCOMPARE(m_dialogs->modalWindows, QStringList{"DatosBox"});
        QCOMPARE(m_dialogs->saveRequests.size(), saved ? 1 : 0);
        if (saved)
            QVERIFY(m_dialogs->saveRequests.at(0).fileName.startsWith(QStringLiteral("Resultados de Luis Ortiz ")));
        QCOMPARE(QFile::exists(m_home->filePath(QStringLiteral("luis.pdf"))), saved);
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
        const QString path = m_home->filePath(QStringLiteral("no-existe/r.pdf"));
        m_dialogs->queueFile(path);
        m_form->GuardarPDF1->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages.at(0).text,
                 QStringLiteral("No se puede crear el archivo %1. Elige otra carpeta, por ejemplo tu carpeta personal.")
                     .arg(QDir::toNativeSeparators(path)));
    }

    // One record per session saved or sent: none for a send called off, one for the same
    // figures saved and sent, a new one once the figures change.
    void historyRecords_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("records");
        QTest::addRow("sent") << "send" << 1;
        QTest::addRow("send called off") << "cancel" << 0;
        QTest::addRow("sent twice") << "send send" << 1;
        QTest::addRow("saved as PDF, then sent") << "pdf send" << 1;
        QTest::addRow("sent, new name, sent") << "send rename send" << 2;
    }
    void historyRecords()
    {
        QFETCH(QString, steps);
        QFETCH(int, records);
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("pdf")) {
                m_dialogs->queueFile(m_home->filePath(QStringLiteral("ana.pdf")));
                m_form->GuardarPDFClick();
            } else if (step == QLatin1String("rename")) {
                runScores().studentName = QStringLiteral("Ana Núñez Gil");
            } else {
                m_dialogs->queueAnswer(step == QLatin1String("send") ? MessageAnswer::Ok : MessageAnswer::Cancel);
                m_form->Op1Click();
            }
        }
        const ScoreHistory::Contents history = ScoreHistory::read(ScoreHistory::defaultPath());
        QCOMPARE(history.records.size(), records);
        if (records > 0)
            QCOMPARE(history.records.last().total, m_form->gaugeFigures().total);
    }

    void unsavedResultsAddNoRecord()
    {
        // A folder where the results file should be: the save fails, so no session is recorded.
        QVERIFY(QDir(m_home->path()).mkdir(QStringLiteral("result.txt")));
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        QVERIFY_THROWS_EXCEPTION(AppError, m_form->Op1Click());
        QVERIFY(!QFile::exists(ScoreHistory::defaultPath()));
    }

    void aHistoryThatIsALinkIsLeftAloneAndSaysSo()
    {
        const QString other = m_home->filePath(QStringLiteral("notas.csv"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("nombre;nota\n") == 12);
        file.close();
        QVERIFY(QDir().mkpath(QFileInfo(ScoreHistory::defaultPath()).absolutePath()));
        QVERIFY(QFile::link(other, ScoreHistory::defaultPath()));
        m_dialogs->queueFile(m_home->filePath(QStringLiteral("ana.pdf")));
        m_form->GuardarPDFClick();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("nombre;nota\n"));
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages.at(0).text.contains(QStringLiteral("es un enlace a otro archivo")));
    }

    void menuOpensProgressAndClassWindows()
    {
        ScoreHistory::append(ScoreHistory::defaultPath(),
                             {{{1, 2, 3, 4, 3}, QStringLiteral("Ana"), QString()}, QDateTime(QDate(2026, 3, 14), QTime(9, 5))});
        m_form->Progreso1->trigger();
        auto *progress = m_form->findChild<ProgressWindow *>();
        QVERIFY(progress && progress->isVisible());
        QVERIFY(progress->findChild<QLabel *>(QStringLiteral("LastSession"))->text().contains(QStringLiteral("14/03/2026 09:05")));

        m_dialogs->queueFile(m_home->filePath(QStringLiteral("cualquiera.txt")));
        m_form->Clase1->trigger();
        auto *classView = m_form->findChild<ClassResultsWindow *>();
        QVERIFY(classView && classView->isVisible());
        QCOMPARE(classView->folder(), m_home->path());
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
