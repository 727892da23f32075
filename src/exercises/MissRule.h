// The rule a missed answer broke, as the results name it (a key of MissRules): the accent rule
// of the right word, the group a classified word belongs to, the pair a question asks about;
// and the misses built from them, as the detail file keeps them.
#pragma once

#include "results/SessionDetail.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace MissRule {

// The accent rule the right word follows: "aguda-n" for "camión", "hiato" for "país",
// "solo-demostrativo" for "este". Nothing for a word the engine cannot take (a digit, no
// vowel, longer than any word), which no rule explains.
QString ofWord(QStringView word);

// "grupo-aguda" ... "grupo-triptongo", by ClassificationExercise::Group.
QString ofGroup(int group);

// "porque", "sino", "aun", "hecho", "ha", "haber", by the questions' group (0 ... 5).
QString ofQuestionGroup(int group);

// What the student typed, as a miss keeps it: a text longer than any word is cut, so that a
// slip of the keyboard cannot swell the detail file.
QString kept(const QString &typed);

// A miss of an accent: the right word with its rule, its Spanish name and why the right word
// is written so; nothing when the engine has no rule for the right word.
std::optional<SessionDetail::Miss> ofRightWord(SessionDetail::Exercise exercise, const QString &shown,
                                               const QString &answer, const QString &right);

// A miss whose rule is known already (a group, a pair), with that rule's Spanish name.
SessionDetail::Miss withRule(SessionDetail::Exercise exercise, const QString &shown, const QString &answer,
                             const QString &right, const QString &rule, const QString &explanation);

} // namespace MissRule
