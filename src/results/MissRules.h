// The rules a missed answer can break, as a teacher names them: the written-accent rules the
// board and the phrases practise, the six groups of the classification and the confusable
// pairs of the questions. Each has a stable ASCII key for the files and a Spanish name.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace MissRules {

// Every known key, in the order the program lists the rules.
QStringList keys();

// "hiato con vocal cerrada tónica" for "hiato"; an empty text for an unknown key.
QString name(QStringView key);

// The name, or when the key is unknown (a file of a later version) the name the file gave,
// or the key itself when it gave none.
QString shownName(QStringView key, const QString &nameInFile);

// Where the key stands in keys(), or keys().size() for an unknown key: the order of ties.
int order(QStringView key);

} // namespace MissRules
