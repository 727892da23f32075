// Reading a results file back, line by line, with a reason for every refusal.
#include "exercises/ResultsFileReader.h"

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

// The percentage at the end of a line "<prefix>... <n> %".
bool readPercent(const QString &line, const QString &prefix, int &value)
{
    static const QRegularExpression tail(QStringLiteral("(\\d+) %\\s*$"));
    if (!line.startsWith(prefix))
        return false;
    const QRegularExpressionMatch match = tail.match(line);
    if (!match.hasMatch())
        return false;
    value = match.captured(1).toInt();
    return value <= 100;
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

Result parse(const QByteArray &bytes)
{
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
    const struct {
        int line;
        const char *prefix;
        int *value;
    } figures[] = {{4, "Tablero: ", &result.board},       {5, "Ejemplos: ", &result.examples},
                   {6, "Frases: ", &result.phrases},      {7, "Cuestiones: ", &result.questions},
                   {9, "Promedio: ", &result.total}};
    for (const auto &figure : figures)
        if (!readPercent(lines.at(figure.line), QString::fromLatin1(figure.prefix), *figure.value))
            return refused(QStringLiteral("La línea %1 no tiene la forma «%2… %».")
                               .arg(figure.line + 1)
                               .arg(QString::fromLatin1(figure.prefix).trimmed()));
    result.ok = true;
    return result;
}

} // namespace ResultsFileReader
