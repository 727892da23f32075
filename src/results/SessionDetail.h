// A session's misses, answer by answer, each with the rule it broke: kept beside the results
// file as "result.json", so that the teacher reads what a student got wrong, not only how
// much. The results file itself never changes for it; a reader that finds no detail file, or
// one it cannot take, still reads the results file.
//
// The file is UTF-8 JSON:
//   { "formato": "tildora-detalle", "version": 1,
//     "alumno": "Ana Pérez", "grupo": "3º B", "fecha": "2026-12-08T10:15:00",
//     "puntuaciones": { "tablero": 93, "ejemplos": 80, "frases": 75, "cuestiones": 90, "media": 84 },
//     "fallos": [ { "ejercicio": "tablero", "mostrada": "pais", "respuesta": "pais",
//                   "correcta": "país", "regla": "hiato",
//                   "nombreRegla": "hiato con vocal cerrada tónica",
//                   "explicacion": "hiato de vocal cerrada tónica, lleva tilde." }, … ] }
// "ejercicio" is "tablero", "ejemplos", "frases" or "cuestiones"; "regla" is a key of
// MissRules. A reader of version 1 refuses a file of a later version, naming it.
#pragma once

#include "results/StudentScores.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace SessionDetail {

inline constexpr int formatVersion = 1;

// A session's misses take a few kilobytes; a larger file is no detail file the program wrote,
// and is refused before it is read.
inline constexpr qint64 maxBytes = 1024 * 1024;

enum class Exercise { Board, Examples, Phrases, Questions };

// The key the file gives the exercise ("tablero", ...).
QString exerciseKey(Exercise exercise);
// "Tablero", "Ejemplos", "Frases", "Cuestiones".
QString exerciseName(Exercise exercise);

struct Miss {
    Exercise exercise = Exercise::Board;
    // The board: the word as shown, the form the student left chosen, the right form.
    // The classification: the word, the group it was put in, its right group.
    // The phrases: the word as the model has it without accents, the word typed, the right one.
    // The questions: the pair ("porque / por qué"), the answer given, the right one.
    QString shown;
    QString answer;
    QString right;
    // A key of MissRules, and its name as written (a later program's rule keeps its name).
    QString rule;
    QString ruleName;
    // One line saying why the right form is right; may be empty.
    QString explanation;

    bool operator==(const Miss &) const = default;
};

struct Detail {
    // Who, and the five figures as the results file gives them.
    StudentScores scores;
    QDateTime when;
    QList<Miss> misses;
};

// The file's bytes.
QByteArray toJson(const Detail &detail);

struct Reading {
    enum Status { Ok, Missing, Damaged, LaterVersion, TooLarge, Unreadable } status = Missing;
    Detail detail;
    // What is wrong with the file, in Spanish, naming it; empty when Ok or Missing (a results
    // file without details is no fault).
    QString problem;
};

// The bytes read as a detail file; path only names the file in the problem.
Reading parse(const QByteArray &bytes, const QString &path);
// The file read; a larger file than maxBytes is refused unread.
Reading read(const QString &path);

// The detail file that belongs to a results file: the same name with ".json"
// ("result.txt" -> "result.json", "ana.TXT" -> "ana.json").
QString pathBeside(const QString &resultsFile);

struct RuleCount {
    QString rule;
    QString name;
    int misses = 0;

    bool operator==(const RuleCount &) const = default;
};

// The misses counted by rule, the most missed first; ties in the order of MissRules.
QList<RuleCount> byRule(const QList<Miss> &misses);
// That order: whether a comes before b.
bool missedMoreOften(const RuleCount &a, const RuleCount &b);

} // namespace SessionDetail
