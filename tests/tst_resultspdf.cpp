// The student's results page: what it says, how it is laid out over pages (read from the
// layout), the PDF read back with pdftotext, its default name and a save that fails.
#include "results/ResultsPage.h"
#include "results/ResultsPdf.h"

#include "FileFixtures.h"
#include "SampleFigures.h"

#include <QPdfWriter>
#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ResultsSummary::Figures)
Q_DECLARE_METATYPE(SessionDetail::Miss)
Q_DECLARE_METATYPE(TextFile::SaveStatus)

using namespace Qt::StringLiterals;
using SessionDetail::Exercise;
using SessionDetail::Miss;

namespace {

ResultsSummary::Figures namedFigures()
{
    ResultsSummary::Figures figures = sampleFigures();
    figures.studentName = QStringLiteral("Íñigo Pérez");
    figures.studentGroup = QStringLiteral("2º B");
    return figures;
}

// A session without a miss anywhere.
ResultsSummary::Figures perfectFigures()
{
    ResultsSummary::Figures figures = namedFigures();
    figures.boardHits = 40;
    figures.boardMisses = 0;
    figures.exampleHits = figures.exampleAttempts = 60;
    figures.phraseHits = figures.phraseTotal = 5;
    figures.percentages = {100, 100, 100, 100, 100};
    return figures;
}

// One miss of each exercise, as the four exercises record them; the question left blank.
QList<Miss> missesInEveryExercise()
{
    return {
        {Exercise::Board, QStringLiteral("pais"), QStringLiteral("pais"), QStringLiteral("país"), QStringLiteral("hiato"),
         QStringLiteral("hiato con vocal cerrada tónica"), QStringLiteral("Hiato de vocal cerrada tónica: lleva tilde.")},
        {Exercise::Examples, QStringLiteral("camión"), QStringLiteral("llanas"), QStringLiteral("agudas"),
         QStringLiteral("grupo-aguda"), QStringLiteral("reconocer las agudas"), QString()},
        {Exercise::Phrases, QStringLiteral("arbol"), QStringLiteral("arbol"), QStringLiteral("árbol"),
         QStringLiteral("llana-con-tilde"), QString(), QStringLiteral("Llana terminada en -l: lleva tilde.")},
        {Exercise::Questions, QStringLiteral("porque / por qué / porqué / por que"), QString(), QStringLiteral("por qué"),
         QStringLiteral("porque"), QString(), QString()},
    };
}

// `count` board misses spread over three rules, a third of them each.
QList<Miss> manyMisses(int count)
{
    const QStringList rules{QStringLiteral("hiato"), QStringLiteral("aguda-n"), QStringLiteral("esdrujula")};
    QList<Miss> misses;
    for (int n = 0; n < count; ++n)
        misses << Miss{Exercise::Board, QStringLiteral("palabra%1").arg(n), QStringLiteral("palabra%1").arg(n),
                       QStringLiteral("palábra%1").arg(n), rules.at(n % 3), QString(),
                       QStringLiteral("Explicación de la palabra %1, que ocupa más de una línea de su columna.").arg(n)};
    return misses;
}

// The page laid out as the PDF lays it out, on the A4 area the writer gives.
struct LaidPage {
    QBuffer buffer;
    QPdfWriter pdf{&buffer};
    QSizeF area;
    std::unique_ptr<ResultsPage> page;

    LaidPage(const ResultsSummary::Figures &figures, const QList<Miss> &misses)
    {
        buffer.open(QIODevice::WriteOnly);
        ResultsPdf::setUpA4(pdf, 18, QString());
        area = pdf.pageLayout().paintRectPixels(pdf.resolution()).size();
        page = std::make_unique<ResultsPage>(figures, misses, QDateTime(QDate(2026, 12, 8), QTime(10, 15)), &pdf, area);
    }
};

} // namespace

class TestResultsPdf : public QObject {
    Q_OBJECT

private slots:
    // The pages as the PDF has them: how many, and what a reader finds and never finds there.
    void pageReadsBack_data()
    {
        QTest::addColumn<QList<Miss>>("misses");
        QTest::addColumn<int>("fewestPages");
        QTest::addColumn<int>("mostPages");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QStringList always{u"Alumno: Íñigo Pérez"_s, u"Curso y grupo: 2º B"_s, u"Fecha: 14 de marzo de 2026"_s,
                                 u"Tablero 30 10 75 %"_s, u"Ejemplos 40 10 80 %"_s, u"Frases 6 2 75 %"_s,
                                 u"Cuestiones — — 50 %"_s, u"Promedio 70 %"_s, u"Para practicar ahora"_s};
        QTest::addRow("misses in every exercise")
            << missesInEveryExercise() << 1 << 1
            << always + QStringList{u"Palabras falladas, por regla"_s, u"Hiato con vocal cerrada tónica: 1 fallo"_s,
                                    u"Tablero pais pais país Hiato de vocal cerrada tónica: lleva tilde."_s,
                                    u"Ejemplos camión llanas agudas Reconocer las agudas"_s,
                                    u"Frases arbol arbol árbol Llana terminada en -l: lleva tilde."_s,
                                    u"(sin respuesta) por qué"_s, u"Página 1 de 1"_s}
            << QStringList{u"continuación"_s, u"___"_s, u"enhorabuena"_s};
        QTest::addRow("no misses") << QList<Miss>() << 1 << 1
                                   << QStringList{u"Promedio 100 %"_s, u"No has tenido fallos: ¡enhorabuena!"_s}
                                   << QStringList{u"Palabras falladas"_s, u"___"_s};
        // Twenty misses overflow the first page's room under the summary, never a second page's.
        QTest::addRow("20 misses") << manyMisses(20) << 2 << 2
                                   << always + QStringList{u"Palabras falladas, por regla (continuación)"_s,
                                                           u"Página 2 de 2"_s}
                                   << QStringList{u"___"_s};
        // A page holds 20 to 30 rows of two lines and their headings: 300 take 10 to 16 pages.
        QTest::addRow("300 misses") << manyMisses(300) << 10 << 16 << QStringList{u"palabra299"_s, u"Página 1 de"_s}
                                    << QStringList{u"___"_s};
    }
    void pageReadsBack()
    {
        QFETCH(QList<Miss>, misses);
        const ResultsSummary::Figures figures = misses.isEmpty() ? perfectFigures() : namedFigures();
        QFETCH(int, fewestPages);
        QFETCH(int, mostPages);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("resultados.pdf"));
        QCOMPARE(ResultsPdf::write(path, figures, misses, QDateTime(QDate(2026, 3, 14), QTime(9, 5))),
                 TextFile::SaveStatus::Ok);

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const int pages = int(text.count(QLatin1Char('\f')));
        QVERIFY2(pages >= fewestPages && pages <= mostPages, qPrintable(QString::number(pages)));
        QVERIFY(text.contains(QStringLiteral("Página %1 de %1").arg(pages)));
        // The extractor guesses spaces and line ends from the glyphs' places: compare without them.
        static const QRegularExpression space(QStringLiteral("\\s"));
        text.remove(space);
        for (QString expected : present)
            QVERIFY2(text.contains(expected.remove(space)), qPrintable(expected));
        for (QString unexpected : absent)
            QVERIFY2(!text.contains(unexpected.remove(space)), qPrintable(unexpected));
    }

    // The layout over pages: every miss once, grouped by rule in the order of byRule, nothing
    // below the footer's line, each later page under the list's headings again (and the rule's,
    // when a rule runs on), no heading left alone at a page's foot.
    void layoutFlowsOverPages_data()
    {
        QTest::addColumn<QList<Miss>>("misses");
        QTest::addRow("none") << QList<Miss>();
        QTest::addRow("one in each exercise") << missesInEveryExercise();
        QTest::addRow("20") << manyMisses(20);
        QTest::addRow("300") << manyMisses(300);
        QList<Miss> huge = manyMisses(3);
        huge[1].explanation = QStringLiteral("larguísima ").repeated(500);
        huge[2].right = QStringLiteral("x").repeated(5000);
        QTest::addRow("explanation and word of thousands of characters") << huge;
    }
    void layoutFlowsOverPages()
    {
        QFETCH(QList<Miss>, misses);
        const LaidPage laid(namedFigures(), misses);
        const ResultsPage &page = *laid.page;
        using Kind = ResultsPage::Kind;
        QStringList rowsInOrder;
        qsizetype headings = 0;
        int lastPage = 0;
        Kind previous = Kind::Title;
        int footers = 0;
        for (const ResultsPage::Block &block : page.blocks()) {
            QVERIFY(block.rect.top() >= 0 && block.rect.bottom() <= laid.area.height() + 0.5);
            for (const QStringList &cell : block.cells)
                QVERIFY(cell.size() <= ResultsPage::maxCellLines);
            // One footer a page, after the page's content.
            if (block.kind == Kind::Footer) {
                QCOMPARE(block.page, footers++);
                continue;
            }
            QVERIFY(block.page >= lastPage && block.page < page.pageCount());
            QVERIFY(block.rect.bottom() <= page.blocks().constLast().rect.top() + 0.5);
            if (block.page != lastPage) {
                QVERIFY2(previous != Kind::RuleHeading && previous != Kind::Heading && previous != Kind::MissHead,
                         "a heading ends a page");
                QCOMPARE(block.kind, Kind::Heading);
                QCOMPARE(block.cells.at(0).at(0), QStringLiteral("Palabras falladas, por regla (continuación)"));
            }
            if (previous == Kind::Heading && block.page > 0)
                QCOMPARE(block.kind, Kind::MissHead);
            if (block.kind == Kind::MissRow)
                rowsInOrder << block.cells.at(1).join(QLatin1Char(' '));
            if (block.kind == Kind::RuleHeading && !block.cells.at(0).at(0).endsWith(QStringLiteral("(continuación)")))
                ++headings;
            lastPage = block.page;
            previous = block.kind;
        }
        QCOMPARE(lastPage + 1, page.pageCount());
        QCOMPARE(footers, page.pageCount());
        // Every miss once, its rule's misses together under its heading, most missed rule first.
        const QList<SessionDetail::RuleCount> rules = SessionDetail::byRule(misses);
        QStringList expectedRows;
        for (const SessionDetail::RuleCount &rule : rules)
            for (const Miss &miss : misses)
                if (miss.rule == rule.rule)
                    expectedRows << miss.shown;
        QCOMPARE(rowsInOrder, expectedRows);
        QCOMPARE(headings, rules.size());
    }

    void practiseNext_data()
    {
        QTest::addColumn<ResultsSummary::Figures>("figures");
        QTest::addColumn<QList<Miss>>("misses");
        QTest::addColumn<QStringList>("expected");
        const ResultsSummary::Figures played = namedFigures();
        QList<Miss> ranked = manyMisses(2); // hiato, aguda-n
        ranked << manyMisses(1) << manyMisses(1) << missesInEveryExercise().mid(1, 1);
        QTest::addRow("the two rules missed most")
            << played << ranked
            << QStringList{u"Hiato con vocal cerrada tónica: 3 fallos"_s, u"Aguda terminada en -n: 1 fallo"_s};
        const ResultsSummary::Figures perfect = perfectFigures();
        QTest::addRow("no miss anywhere") << perfect << QList<Miss>() << QStringList{u"No has tenido fallos: ¡enhorabuena!"_s};
        ResultsSummary::Figures questionsMissed = perfect;
        questionsMissed.percentages.questions = 50;
        QTest::addRow("misses counted but not kept")
            << questionsMissed << QList<Miss>()
            << QStringList{u"Repasa el apartado con la nota más baja: Cuestiones (50 %)."_s};
        QTest::addRow("nothing answered") << ResultsSummary::Figures() << QList<Miss>()
                                          << QStringList{u"Todavía no has respondido a ningún ejercicio."_s};
    }
    void practiseNext()
    {
        QFETCH(ResultsSummary::Figures, figures);
        QFETCH(QList<Miss>, misses);
        QFETCH(QStringList, expected);
        QCOMPARE(ResultsPage::practiseNext(figures, misses), expected);
    }

    // A save that fails, before or while writing, leaves the file that was there whole.
    void failedSaveLeavesEarlierFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("limitSize");
        QTest::addColumn<TextFile::SaveStatus>("expected");
        // A folder that is really a file: nothing can be created in it, not even by root.
        QTest::addRow("folder that is a file") << u"archivo/r.pdf"_s << false << TextFile::SaveStatus::CannotCreate;
        QTest::addRow("write cut short") << u"r.pdf"_s << true << TextFile::SaveStatus::CannotWrite;
    }
    void failedSaveLeavesEarlierFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, limitSize);
        QFETCH(TextFile::SaveStatus, expected);
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("archivo")), {});
        const QString path = folder.filePath(name);
        const bool earlier = !name.contains(QLatin1Char('/'));
        if (earlier)
            QCOMPARE(ResultsPdf::write(path, namedFigures(), {}, QDateTime::currentDateTime()), TextFile::SaveStatus::Ok);
        const QByteArray before = fileBytes(path);
        {
            FileSizeLimit limit(limitSize ? rlim_t(before.size() / 2) : RLIM_INFINITY);
            if (limitSize && !limit.isSet())
                QSKIP("the file-size limit cannot be set here");
            QCOMPARE(ResultsPdf::write(path, namedFigures(), manyMisses(40), QDateTime::currentDateTime()), expected);
        }
        QCOMPARE(fileBytes(path), before);
    }

    void defaultFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addRow("name") << QStringLiteral("Ana Núñez") << QStringLiteral("Resultados de Ana Núñez 2026-03-14.pdf");
        QTest::addRow("no name") << QString() << QStringLiteral("Resultados 2026-03-14.pdf");
        QTest::addRow("slashes") << QStringLiteral(" Ana/Luis: 2ºB ") << QStringLiteral("Resultados de Ana Luis 2ºB 2026-03-14.pdf");
    }
    void defaultFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(ResultsPdf::defaultFileName(name, QDate(2026, 3, 14)), expected);
    }
};

QTEST_MAIN(TestResultsPdf)
#include "tst_resultspdf.moc"
