// Reading a results file back, line by line, with a reason for every refusal.
#include "results/ResultsFileReader.h"

#include "results/ResultsSummary.h"
#include "shared/NumberFormat.h"
#include "shared/TextFile.h"

#include <QRegularExpression>
#include <QStringList>

namespace ResultsFileReader {

namespace {

const QString separator = QStringLiteral(" de ");

bool isRule(const QString &line)
{
    static const QRegularExpression rule(QStringLiteral("^_{10,}$"));
    return rule.match(line.trimmed()).hasMatch();
}

// The percentage that ends a line "<prefix>... <n> %": digits only, 0 to 100. The line's
// form and the number are told apart so the refusal can say which is wrong.
enum class Percent { Read, NotThisLine, NotAPercentage };
Percent readPercent(const QString &line, const QString &prefix, int &value, QString &written)
{
    static const QRegularExpression tail(QStringLiteral("\\s(\\S+) %\\s*$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!line.startsWith(prefix))
        return Percent::NotThisLine;
    const QRegularExpressionMatch match = tail.match(line);
    if (!match.hasMatch())
        return Percent::NotThisLine;
    written = match.captured(1);
    bool ok = false;
    value = written.toInt(&ok);
    // "-5", "50,5", "70.9" and a number past an int are not percentages the program writes.
    if (!digits.match(written).hasMatch() || !ok || value > 100)
        return Percent::NotAPercentage;
    return Percent::Read;
}

Result refused(const QString &reason)
{
    Result result;
    result.reason = reason;
    return result;
}

} // namespace

void splitStudent(const QString &line, QString &name, QString &group)
{
    qsizetype at = -1;
    for (qsizetype i = line.indexOf(separator); i >= 0; i = line.indexOf(separator, i + 1)) {
        const qsizetype next = i + separator.size();
        if (next < line.size() && line.at(next).isDigit()) {
            at = i;
            break;
        }
    }
    if (at < 0)
        at = line.lastIndexOf(separator);
    if (at < 0) {
        name = line.trimmed();
        group.clear();
        return;
    }
    name = line.left(at).trimmed();
    group = line.mid(at + separator.size()).trimmed();
}

QString sizeRefusal(qint64 bytes)
{
    if (bytes <= maxFileBytes)
        return {};
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    return QStringLiteral("Ocupa %1 y un archivo de resultados ocupa menos de %2.")
        .arg(NumberFormat::dataSize(bytes, spanish), NumberFormat::dataSize(maxFileBytes, spanish));
}

Result parse(const QByteArray &bytes)
{
    if (const QString tooLarge = sizeRefusal(bytes.size()); !tooLarge.isEmpty())
        return refused(tooLarge);
    if (bytes.trimmed().isEmpty())
        return refused(QStringLiteral("El archivo está vacío."));
    const QString text = TextFile::decode(bytes);
    if (!TextFile::looksLikeText(text))
        return refused(QStringLiteral("No es un archivo de texto."));
    QStringList lines = TextFile::splitLines(text);
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.first().trimmed() != QStringLiteral("Resultados del test de acentos del alumno:"))
        return refused(QStringLiteral("No es un archivo de resultados de Tildora."));
    if (lines.size() != 10)
        return refused(QStringLiteral("Tiene %1 líneas y un archivo de resultados tiene 10.").arg(lines.size()));
    for (int n : {1, 3, 8})
        if (!isRule(lines.at(n)))
            return refused(QStringLiteral("La línea %1 no es la raya que separa los resultados.").arg(n + 1));

    Result result;
    splitStudent(lines.at(2), result.name, result.group);
    // The program's own limit: a name of any length would push every score off the table.
    result.name = ResultsSummary::studentField(result.name).trimmed();
    result.group = ResultsSummary::studentField(result.group).trimmed();
    if (result.name.isEmpty())
        return refused(QStringLiteral("Sin nombre del alumno."));
    const struct {
        int line;
        const char *prefix;
        int *value;
    } figures[] = {{4, "Tablero: ", &result.board},       {5, "Ejemplos: ", &result.examples},
                   {6, "Frases: ", &result.phrases},      {7, "Cuestiones: ", &result.questions},
                   {9, "Promedio: ", &result.total}};
    for (const auto &figure : figures) {
        const QString prefix = QString::fromLatin1(figure.prefix);
        QString written;
        switch (readPercent(lines.at(figure.line), prefix, *figure.value, written)) {
        case Percent::Read:
            break;
        case Percent::NotThisLine:
            return refused(QStringLiteral("La línea %1 no tiene la forma «%2… %».").arg(figure.line + 1).arg(prefix.trimmed()));
        case Percent::NotAPercentage:
            return refused(QStringLiteral("La línea %1 tiene «%2 %» y una nota es un número entero de 0 a 100.")
                               .arg(figure.line + 1)
                               .arg(written.left(20)));
        }
    }
    const int average = ResultsSummary::average(result.board, result.examples, result.phrases, result.questions);
    if (result.total != average)
        return refused(QStringLiteral("La línea 10 da un promedio de %1 % y el de las cuatro notas es %2 %.")
                           .arg(result.total)
                           .arg(average));
    result.ok = true;
    return result;
}

} // namespace ResultsFileReader
