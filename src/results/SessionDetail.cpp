#include "results/SessionDetail.h"

#include "results/MissRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <array>

namespace SessionDetail {

namespace {

const QString formatName = QStringLiteral("tildora-detalle");

// No field of a detail file is longer than a phrase: a longer one is cut, never kept whole
// to grow every window and page it is shown in. The longest explanation the program writes
// (an interrogative's, with the word and its syllables) passes 200 characters.
constexpr qsizetype maxField = 400;

struct ExerciseText {
    Exercise exercise;
    const char *key;
    const char *name;
};
constexpr std::array exercises{
    ExerciseText{Exercise::Board, "tablero", "Tablero"},
    ExerciseText{Exercise::Examples, "ejemplos", "Ejemplos"},
    ExerciseText{Exercise::Phrases, "frases", "Frases"},
    ExerciseText{Exercise::Questions, "cuestiones", "Cuestiones"},
};

const ExerciseText &textOf(Exercise exercise)
{
    return exercises[std::size_t(exercise)];
}

QString field(const QJsonObject &object, const char *name)
{
    return object.value(QLatin1StringView(name)).toString().left(maxField);
}

// A score from 0 to 100, or -1 when the field is not one.
int score(const QJsonObject &object, const char *name)
{
    const QJsonValue value = object.value(QLatin1StringView(name));
    const double number = value.toDouble(-1);
    return value.isDouble() && number >= 0 && number <= 100 && number == int(number) ? int(number) : -1;
}

Reading refused(Reading::Status status, const QString &problem)
{
    Reading reading;
    reading.status = status;
    reading.problem = problem;
    return reading;
}

QString damaged(const QString &path, const QString &why)
{
    return QStringLiteral("El archivo de detalle %1 está dañado (%2): no se han leído sus fallos, "
                          "pero los resultados cuentan.")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

QString exerciseKey(Exercise exercise)
{
    return QString::fromLatin1(textOf(exercise).key);
}

QString exerciseName(Exercise exercise)
{
    return QString::fromLatin1(textOf(exercise).name);
}

QByteArray toJson(const Detail &detail)
{
    QJsonArray misses;
    for (const Miss &miss : detail.misses) {
        misses.append(QJsonObject{
            {QStringLiteral("ejercicio"), exerciseKey(miss.exercise)},
            {QStringLiteral("mostrada"), miss.shown},
            {QStringLiteral("respuesta"), miss.answer},
            {QStringLiteral("correcta"), miss.right},
            {QStringLiteral("regla"), miss.rule},
            {QStringLiteral("nombreRegla"), miss.ruleName.isEmpty() ? MissRules::name(miss.rule) : miss.ruleName},
            {QStringLiteral("explicacion"), miss.explanation},
        });
    }
    const StudentScores &scores = detail.scores;
    const QJsonObject root{
        {QStringLiteral("formato"), formatName},
        {QStringLiteral("version"), formatVersion},
        {QStringLiteral("alumno"), scores.name},
        {QStringLiteral("grupo"), scores.group},
        {QStringLiteral("fecha"), detail.when.toString(Qt::ISODate)},
        {QStringLiteral("puntuaciones"), QJsonObject{{QStringLiteral("tablero"), scores.board},
                                                     {QStringLiteral("ejemplos"), scores.examples},
                                                     {QStringLiteral("frases"), scores.phrases},
                                                     {QStringLiteral("cuestiones"), scores.questions},
                                                     {QStringLiteral("media"), scores.total}}},
        {QStringLiteral("fallos"), misses},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Reading parse(const QByteArray &bytes, const QString &path)
{
    // Said here, not only by read(): a caller that opens the file its own way gets it too.
    if (bytes.size() > maxBytes)
        return refused(Reading::TooLarge,
                       QStringLiteral("El archivo de detalle %1 es demasiado grande: no se ha leído, pero los "
                                      "resultados cuentan.")
                           .arg(QDir::toNativeSeparators(path)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused(Reading::Damaged, damaged(path, QStringLiteral("no es un JSON completo")));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("formato")).toString() != formatName)
        return refused(Reading::Damaged, damaged(path, QStringLiteral("no es un detalle de Tildora")));
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > formatVersion)
        return refused(Reading::LaterVersion,
                       QStringLiteral("El archivo de detalle %1 es de una versión posterior de Tildora (formato %2; "
                                      "esta lee hasta el %3): no se han leído sus fallos, pero los resultados cuentan.")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(version)
                           .arg(formatVersion));
    if (version < 1)
        return refused(Reading::Damaged, damaged(path, QStringLiteral("no dice su versión")));

    Reading reading;
    reading.status = Reading::Ok;
    Detail &detail = reading.detail;
    detail.scores.name = field(root, "alumno");
    detail.scores.group = field(root, "grupo");
    detail.when = QDateTime::fromString(root.value(QStringLiteral("fecha")).toString(), Qt::ISODate);
    const QJsonObject scores = root.value(QStringLiteral("puntuaciones")).toObject();
    detail.scores.board = score(scores, "tablero");
    detail.scores.examples = score(scores, "ejemplos");
    detail.scores.phrases = score(scores, "frases");
    detail.scores.questions = score(scores, "cuestiones");
    detail.scores.total = score(scores, "media");

    const QJsonArray misses = root.value(QStringLiteral("fallos")).toArray();
    int skipped = 0;
    for (const QJsonValue &value : misses) {
        const QJsonObject object = value.toObject();
        const QString exercise = field(object, "ejercicio");
        const auto known = std::find_if(exercises.begin(), exercises.end(), [&](const ExerciseText &text) {
            return exercise == QLatin1StringView(text.key);
        });
        Miss miss;
        miss.rule = field(object, "regla");
        if (known == exercises.end() || miss.rule.isEmpty()) {
            ++skipped;
            continue;
        }
        miss.exercise = known->exercise;
        miss.shown = field(object, "mostrada");
        miss.answer = field(object, "respuesta");
        miss.right = field(object, "correcta");
        miss.ruleName = MissRules::shownName(miss.rule, field(object, "nombreRegla"));
        miss.explanation = field(object, "explicacion");
        detail.misses.append(miss);
    }
    if (skipped > 0)
        reading.problem = damaged(path, QStringLiteral("%1 fallos sin ejercicio o sin regla, que no se cuentan")
                                            .arg(QLocale().toString(skipped)));
    return reading;
}

Reading read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(Reading::Missing, QString());
    const QString file = QDir::toNativeSeparators(path);
    if (!info.isFile())
        return refused(Reading::Unreadable,
                       QStringLiteral("No se puede leer el archivo de detalle %1: no es un archivo.").arg(file));
    if (info.size() > maxBytes)
        return refused(Reading::TooLarge,
                       QStringLiteral("El archivo de detalle %1 es demasiado grande (%2 MB; uno de Tildora ocupa "
                                      "unos pocos KB): no se ha leído, pero los resultados cuentan.")
                           .arg(file, QLocale().toString(double(info.size()) / (1024 * 1024), 'f', 1)));
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return refused(Reading::Unreadable,
                       QStringLiteral("No se puede leer el archivo de detalle %1: %2.").arg(file, input.errorString()));
    // One byte more than allowed tells a file that grew after it was measured.
    return parse(input.read(maxBytes + 1), path);
}

QString pathBeside(const QString &resultsFile)
{
    const QFileInfo info(resultsFile);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString folder = info.path();
    return folder == QLatin1String(".") && !resultsFile.startsWith(QLatin1String("./"))
               ? base + QStringLiteral(".json")
               : QDir(folder).filePath(base + QStringLiteral(".json"));
}

QList<RuleCount> byRule(const QList<Miss> &misses)
{
    QList<RuleCount> counts;
    QHash<QString, qsizetype> where;
    for (const Miss &miss : misses) {
        const auto found = where.constFind(miss.rule);
        if (found != where.cend()) {
            ++counts[*found].misses;
            continue;
        }
        where.insert(miss.rule, counts.size());
        counts.append({miss.rule, MissRules::shownName(miss.rule, miss.ruleName), 1});
    }
    std::stable_sort(counts.begin(), counts.end(), missedMoreOften);
    return counts;
}

bool missedMoreOften(const RuleCount &a, const RuleCount &b)
{
    if (a.misses != b.misses)
        return a.misses > b.misses;
    const int orderA = MissRules::order(a.rule);
    const int orderB = MissRules::order(b.rule);
    return orderA != orderB ? orderA < orderB : a.rule < b.rule;
}

} // namespace SessionDetail
