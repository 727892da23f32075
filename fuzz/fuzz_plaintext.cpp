// Feeds arbitrary bytes to the plain-text readers as a file on disk: the file reader, the
// encoding guess and the text check, then the board and phrase loaders on what they accept.
// Checks what every caller relies on: the bytes come back whole, the text is in composed form,
// lines hold no line break, and a loader takes any text it is given.
#include "FuzzCheck.h"
#include "exercises/BoardExercise.h"
#include "exercises/PhrasesExercise.h"
#include "richtext/RichTextFile.h"
#include "shared/AppError.h"
#include "exercises/RunCounts.h"
#include "shared/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString filePath;

// A reader may refuse a file, and says so with a message naming it; nothing else may escape.
template <typename Read>
bool readOrRefuse(Read read)
{
    try {
        read();
        return true;
    } catch (const AppError &error) {
        check(error.message().contains(filePath), "a refusal that does not name the file");
        return false;
    }
}

void loadBoard(const QString &text)
{
    RunCounts scores;
    BoardExercise board(scores);
    board.start(text);
    for (int line = 1; line <= BoardExercise::boardSize; ++line)
        check(!board.wordAt(line).contains(QLatin1Char('\n')), "a board word with a line break");
    // Every miss hands out the next word, also past the end of the file.
    for (int miss = 0; miss < 3; ++miss)
        (void)board.countMiss();
}

void loadPhrases(const QStringList &lines)
{
    RunCounts scores;
    PhrasesExercise phrases(scores);
    phrases.open(lines);
    const QString copy = phrases.studentCopy();
    check(copy.size() == lines.join(QLatin1Char('\n')).size(), "the student's copy changed length");
    (void)phrases.correct(copy.split(QLatin1Char('\n')));
    check(scores.phraseHits <= scores.phraseTotal, "more phrases right than corrected");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    static QTemporaryDir folder;
    filePath = folder.filePath(QStringLiteral("nivel1.txt"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile file(filePath);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write the input file");
    }

    const TextFile::ReadResult read = TextFile::tryReadBytes(filePath);
    check(read.status == TextFile::ReadResult::Ok && read.bytes == bytes, "the file did not come back whole");

    const QString decoded = TextFile::decode(bytes);
    check(decoded == decoded.normalized(QString::NormalizationForm_C), "decoded text not in composed form");
    for (const QString &line : TextFile::splitLines(decoded))
        check(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')), "a line with a line break");

    QString text;
    if (readOrRefuse([&] { text = TextFile::readText(filePath); })) {
        check(text == decoded, "readText and decode disagree");
        check(TextFile::looksLikeText(text), "readText passed something that is not text");
    }

    // The board and phrase files go through the rich-text reader: RTF or plain text.
    QString boardText;
    if (readOrRefuse([&] { boardText = RichTextFile::readText(filePath); }))
        loadBoard(boardText);
    QStringList phraseLines;
    if (readOrRefuse([&] { phraseLines = RichTextFile::readLines(filePath); }))
        loadPhrases(phraseLines);
    return 0;
}
