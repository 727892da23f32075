// What "tildora --explicar" prints.
#include "spanish/ExplainCommand.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"

using namespace Qt::StringLiterals;

namespace ExplainCommand {

QString line(QStringView word, bool *ok)
{
    const SpanishWord analysis(word);
    if (ok)
        *ok = analysis.isValid();
    const QChar tab = u'\t';
    if (!analysis.isValid())
        return word.toString() + tab + u"error"_s + tab + u'-' + tab + u'-' + tab + u'-' + tab + analysis.problemText();
    QString sequences;
    for (int i = 0; i < analysis.sequenceCount(); ++i) {
        if (i > 0)
            sequences += u", "_s;
        sequences += analysis.sequenceText(i);
    }
    if (sequences.isEmpty())
        sequences = u"-"_s;
    return word.toString() + tab + analysis.syllables() + tab + QString::number(analysis.stressFromEnd()) + tab
        + SpanishWord::className(analysis.stressClass()) + tab + sequences + tab
        + SpellingExplanation::ruleSentence(word, SpellingDictionary::shared());
}

QString spellingNotice()
{
    return SpellingDictionary::shared().unavailableText();
}

QString helpText()
{
    return u"Uso: tildora [--explicar PALABRA…] [--clase CARPETA]\n"
           "\n"
           "Sin opciones, abre la ventana de práctica de la acentuación.\n"
           "\n"
           "  --explicar PALABRA…  Explica cada palabra sin abrir ninguna ventana: escribe una\n"
           "                       línea por palabra con seis campos separados por tabuladores:\n"
           "                       la palabra; sus sílabas separadas por guiones; la posición\n"
           "                       de la sílaba tónica contada desde el final (1 = la última);\n"
           "                       la clase (monosílaba, aguda, llana, esdrújula o\n"
           "                       sobresdrújula); los diptongos, triptongos e hiatos (o «-»);\n"
           "                       y la regla que le pide o le quita la tilde. Si la palabra\n"
           "                       no está bien escrita, ese último campo empieza por su forma\n"
           "                       correcta («\"arbol\" se escribe \"árbol\"…») y explica esa\n"
           "                       forma; los otros cinco describen la palabra tal como se ha\n"
           "                       dado. El diccionario es el de hunspell (paquete\n"
           "                       hunspell-es) y la lista de palabras del sistema (wspanish),\n"
           "                       corregidos según la Ortografía de 2010.\n"
           "                       Una palabra que no se puede analizar muestra «error» en el\n"
           "                       segundo campo y el motivo en el último; entonces el programa\n"
           "                       termina con el código 1.\n"
           "  --clase CARPETA      Abre «Resultados de la clase» con los archivos de resultados\n"
           "                       de la carpeta, sin la ventana de práctica.\n"
           "  --help               Muestra esta ayuda.\n"
           "\n"
           "Las palabras con prefijo se dividen por las reglas generales (su-bra-yar).\n"_s;
}

} // namespace ExplainCommand
