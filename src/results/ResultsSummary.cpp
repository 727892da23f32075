// The four exercise scores gathered: strip readings, the summary box and the results file.
#include "results/ResultsSummary.h"

#include "shared/NumberFormat.h"
#include "shared/TextFile.h"

namespace ResultsSummary {

namespace {

QString n(int value)
{
    return QString::number(value);
}

// The lines both texts share, from the student line to the average; `rule` is the line of
// underscores, which is longer in the box than in the file.
QStringList scoreLines(const Figures &f, const QString &rule)
{
    const StripFigures &p = f.percentages;
    return {
        studentField(f.studentName) + QStringLiteral(" de ") + studentField(f.studentGroup),
        rule,
        QStringLiteral("Tablero: ") + n(f.boardHits) + QStringLiteral(" aciertos y ") + n(f.boardMisses)
            + QStringLiteral(" fallos = ") + n(p.board) + QStringLiteral(" %"),
        QStringLiteral("Ejemplos: ") + n(f.exampleHits) + QStringLiteral(" aciertos de ") + n(f.exampleAttempts)
            + QStringLiteral(" = ") + n(p.examples) + QStringLiteral(" %"),
        QStringLiteral("Frases: ") + n(f.phraseHits) + QStringLiteral("/") + n(f.phraseTotal) + QStringLiteral(" = ")
            + n(p.phrases) + QStringLiteral(" %"),
        QStringLiteral("Cuestiones: ") + n(p.questions) + QStringLiteral(" %"),
        rule,
        QStringLiteral("Promedio: ") + n(p.total) + QStringLiteral(" %"),
    };
}

const QString header = QStringLiteral(" Resultados del test de acentos del alumno:");

QString oneLine(const QString &typed)
{
    QString line = typed;
    for (QChar &ch : line)
        if (ch.category() == QChar::Other_Control || ch.category() == QChar::Separator_Line
            || ch.category() == QChar::Separator_Paragraph)
            ch = QLatin1Char(' ');
    return line;
}

} // namespace

QString studentField(const QString &typed)
{
    QString line = oneLine(typed);
    if (line.size() > maxStudentField) {
        qsizetype cut = maxStudentField;
        if (line.at(cut - 1).isHighSurrogate())
            --cut;
        line.truncate(cut);
    }
    return line;
}

bool studentFieldTooLong(const QString &typed)
{
    return typed.size() > maxStudentField;
}

int average(int board, int examples, int phrases, int questions)
{
    // In floating point: four percentages cannot overflow, four saturated readings could.
    const double sum = double(board) + double(examples) + double(phrases) + double(questions);
    return NumberFormat::roundHalfEven(sum / 4);
}

QString summaryText(const Figures &figures)
{
    QStringList lines = {QStringLiteral(" Tildora.  "), QStringLiteral(" "), header};
    const QString rule(48, QLatin1Char('_'));
    lines << rule << scoreLines(figures, rule) << QStringLiteral("  ") << QStringLiteral("  ");
    return lines.join(QLatin1Char('\r'));
}

QStringList fileLines(const Figures &figures)
{
    const QString rule(46, QLatin1Char('_'));
    return QStringList{header, rule} + scoreLines(figures, rule);
}

QByteArray fileBytes(const QStringList &lines)
{
    return TextFile::encodeKeepingEveryLetter(TextFile::joinCrLf(lines));
}

} // namespace ResultsSummary
