// What "tildora --explicar" prints.
#include "spanish/ExplainCommand.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"

using namespace Qt::StringLiterals;

namespace ExplainCommand {

QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'\\': result += u"\\\\"_s; break;
        case u'\t': result += u"\\t"_s; break;
        case u'\n': result += u"\\n"_s; break;
        case u'\r': result += u"\\r"_s; break;
        default:
            // Control and format characters (escape sequences, direction marks) would act on
            // the terminal or hide in the line instead of being seen.
            if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format)
                result += u"\\u{%1}"_s.arg(uint(ch.unicode()), 4, 16, QLatin1Char('0'));
            else
                result += ch;
        }
    }
    return result;
}

QString line(QStringView given, bool *ok)
{
    // A word typed or pasted with its accent as a separate combining mark is the same word.
    const QString word = given.toString().normalized(QString::NormalizationForm_C);
    const SpanishWord analysis(word);
    if (ok)
        *ok = analysis.isValid();
    const QChar tab = u'\t';
    if (!analysis.isValid())
        return shown(word) + tab + u"error"_s + tab + u'-' + tab + u'-' + tab + u'-' + tab
            + shown(analysis.problemText());
    QString sequences;
    for (int i = 0; i < analysis.sequenceCount(); ++i) {
        if (i > 0)
            sequences += u", "_s;
        sequences += analysis.sequenceText(i);
    }
    if (sequences.isEmpty())
        sequences = u"-"_s;
    return shown(word) + tab + analysis.syllables() + tab + QString::number(analysis.stressFromEnd()) + tab
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
           "                       termina con el código 1. Todo lo que sigue a --explicar\n"
           "                       es una palabra, también lo que empieza por «-». Los\n"
           "                       caracteres de control se muestran como \\t, \\n o \\u{001b}.\n"
           "  --clase CARPETA      Abre «Resultados de la clase» con los archivos de resultados\n"
           "                       de la carpeta, sin la ventana de práctica.\n"
           "  --help               Muestra esta ayuda.\n"
           "\n"
           "En un adverbio en -mente con tilde (fácilmente), la posición de la sílaba tónica y\n"
           "la clase son las del adjetivo, que conserva su tilde: se cuentan desde el final\n"
           "del adjetivo (fá-cil: 2, llana).\n"
           "\n"
           "Las palabras con prefijo se dividen por las reglas generales (de-sam-pa-ro), salvo\n"
           "las que llevan sub- ante l o r, en las que la b cierra la sílaba (y la r suena\n"
           "fuerte): las familias de sublevar, sublingual, sublunar, subrayar, subregión,\n"
           "subreino, subrepticio y subrogar (sub-le-var, sub-ra-yar). En sublime y sublimar\n"
           "no hay prefijo, y en subranquial y subrigadier la br es la de branquial y\n"
           "brigadier: su-bli-me, su-bran-quial.\n"_s;
}

} // namespace ExplainCommand
