// Times our RTF reading and writing of a formatted document of about 1 MB against Qt's own
// HTML path for the same document (setHtml and toHtml).
#include "richtext/RichTextFile.h"
#include "richtext/RtfWriter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <memory>

namespace {

// A document shaped like a long set of exercise notes: headings, paragraphs with several
// runs of different looks, bullet lists and indented paragraphs.
std::unique_ptr<QTextDocument> makeDocument(int paragraphs)
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Times New Roman")});
    plain.setFontPointSize(12);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic = plain;
    italic.setFontItalic(true);
    italic.setForeground(QColor(0, 0, 128));
    QTextCharFormat sans;
    sans.setFontFamilies({QStringLiteral("Arial")});
    sans.setFontPointSize(10);
    sans.setFontUnderline(true);
    sans.setForeground(QColor(200, 0, 0));
    QTextCharFormat heading;
    heading.setFontFamilies({QStringLiteral("Comic Sans MS")});
    heading.setFontPointSize(16);
    heading.setFontWeight(QFont::Bold);
    heading.setBackground(QColor(255, 255, 0));

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setTextIndent(-24);
    indented.setRightMargin(12);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);

    QTextList *list = nullptr;
    for (int i = 0; i < paragraphs; ++i) {
        const int kind = i % 10;
        if (i > 0)
            cursor.insertBlock(kind == 0 ? centred : kind == 5 ? indented : justified, plain);
        else
            cursor.setBlockFormat(centred);
        if (kind == 0) {
            cursor.insertText(QStringLiteral("Lección %1: la acentuación de las palabras agudas").arg(i / 10 + 1), heading);
            list = nullptr;
            continue;
        }
        if (kind >= 7) {
            cursor.insertText(QStringLiteral("Ejemplo %1: canción, árbol, pingüino, ñandú y «comillas»").arg(i), plain);
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(QTextListFormat::ListDisc);
            continue;
        }
        cursor.insertText(QStringLiteral("Las palabras agudas llevan tilde cuando terminan en vocal, "), plain);
        cursor.insertText(QStringLiteral("en «n» o en «s»"), bold);
        cursor.insertText(QStringLiteral(": sofá, camión, compás. "), plain);
        cursor.insertText(QStringLiteral("Las llanas, cuando no terminan así: lápiz, árbol, cárcel. "), italic);
        cursor.insertText(QStringLiteral("Las esdrújulas siempre: música, teléfono, pájaro (nº %1)."). arg(i), sans);
    }
    return document;
}

struct Fixture {
    std::unique_ptr<QTextDocument> document = makeDocument(3600);
    QByteArray rtf = RichTextFile::write(*document);
    QString html = document->toHtml();
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void readRtf(benchmark::State &state)
{
    const QByteArray &rtf = fixture().rtf;
    for (auto _ : state) {
        QTextDocument document;
        RichTextFile::read(document, rtf);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["input_bytes"] = rtf.size();
}

void setHtml(benchmark::State &state)
{
    const QString &html = fixture().html;
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(html);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.counters["input_bytes"] = html.toUtf8().size();
}

void writeRtf(benchmark::State &state)
{
    const QTextDocument &document = *fixture().document;
    for (auto _ : state) {
        const QByteArray rtf = RtfWriter::write(document);
        benchmark::DoNotOptimize(rtf.size());
    }
}

void toHtml(benchmark::State &state)
{
    const QTextDocument &document = *fixture().document;
    for (auto _ : state) {
        const QString html = document.toHtml();
        benchmark::DoNotOptimize(html.size());
    }
}

BENCHMARK(readRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(setHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(writeRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(toHtml)->Unit(benchmark::kMillisecond);

} // namespace
