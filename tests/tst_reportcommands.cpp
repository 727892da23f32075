// The practice window's report commands: "Guardar PDF", the history record of each saved
// result, and the windows "Progreso" and "Resultados de la clase" from the menu.
#include "FakeMailTransport.h"
#include "ScriptedDialogs.h"

#include "exercises/ScoreHistory.h"
#include "practice/ReportCommands.h"
#include "practice/Unit1.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"
#include "shared/AppError.h"
#include "shared/RunScores.h"
#include "ui/StoredPicture.h"

#include <QAction>
#include <QLabel>
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
    std::unique_ptr<TForm1> m_form;
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
        m_form = std::make_unique<TForm1>();
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

    void eachSavedResultAddsOneRecord()
    {
        // The box before sending is answered OK, so the mail goes too.
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->Op1Click();
        m_dialogs->queueAnswer(MessageAnswer::Ok);
        m_form->Op1Click();
        const ScoreHistory::Contents history = ScoreHistory::read(ScoreHistory::defaultPath());
        QCOMPARE(history.records.size(), 2);
        QCOMPARE(history.records.at(1).name, QStringLiteral("Ana Núñez"));
        QCOMPARE(history.records.at(1).total, m_form->gaugeFigures().total);
        QCOMPARE(m_transport->messages.size(), 2);
    }

    void unsavedResultsAddNoRecord()
    {
        // A folder where the results file should be: the save fails, so no session is recorded.
        QVERIFY(QDir(m_home->path()).mkdir(QStringLiteral("result.txt")));
        QVERIFY_THROWS_EXCEPTION(AppError, m_form->Op1Click());
        QVERIFY(!QFile::exists(ScoreHistory::defaultPath()));
    }

    void menuOpensProgressAndClassWindows()
    {
        ScoreHistory::append(ScoreHistory::defaultPath(),
                             {{{1, 2, 3, 4, 3}, QStringLiteral("Ana"), QString()}, QDateTime(QDate(2026, 3, 14), QTime(9, 5))});
        m_form->Progreso1->trigger();
        auto *progress = m_form->findChild<ProgressWindow *>();
        QVERIFY(progress && progress->isVisible());
        QVERIFY(progress->LastSession->text().contains(QStringLiteral("14/03/2026 09:05")));

        m_dialogs->queueFile(m_home->filePath(QStringLiteral("cualquiera.txt")));
        m_form->Clase1->trigger();
        auto *classView = m_form->findChild<ClassResultsWindow *>();
        QVERIFY(classView && classView->isVisible());
        QCOMPARE(classView->folder(), m_home->path());
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
