// Feeds arbitrary text to the Spanish engine, word by word, and checks what must hold of any
// word it takes: the syllables give the word back, the stressed syllable is one of them, and
// the rule's sentence says whether the word takes a tilde.
#include "spanish/ExplainCommand.h"
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"
#include "spanish/WordExplanation.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (QStringView word : QStringView(text).split(u' ')) {
        const SpanishWord analysis(word);
        const QString line = ExplainCommand::line(word);
        if (!analysis.isValid()) {
            if (analysis.problemText().isEmpty())
                std::abort();
            continue;
        }
        if (analysis.syllables().remove(u'-') != word.toString().remove(u'-'))
            std::abort();
        if (analysis.stressFromEnd() < 1 || analysis.stressFromEnd() > analysis.syllableCount())
            std::abort();
        if (!TildeRule(analysis).sentence().contains(u"lleva tilde"))
            std::abort();
        WordExplanation::ofGroup(word.toString());
    }
    WordExplanation::ofPhraseDifferences(text, text.left(text.size() / 2));
    return 0;
}
