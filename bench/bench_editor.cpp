// How long the phrase-file editor is out of reach while it opens a file: reading it into the
// box and laying out every paragraph, for RTF and plain files of growing size. The largest size
// whose opening stays well under a second sets the editor's limit (PhraseEditor::MaxDocumentBytes).
#include "editor/EditorControls.h"
#include "editor/PhraseEditor.h"
#include "richtext/RichTextFile.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

// One phrase as teachers write them, Windows-1252 in the RTF escapes.
constexpr char rtfPhrase[] = "La canci\\'f3n n\\'famero %1 se oy\\'f3 tambi\\'e9n en el jard\\'edn de Mar\\'eda.\\par\n";
constexpr char plainPhrase[] = "La canci\xf3n n\xfamero %1 se oy\xf3 tambi\xe9n en el jard\xed" "n de Mar\xed" "a.\r\n";

// A file of at most the kilobytes asked for, made once per size and kind.
QString makeFile(const QTemporaryDir &dir, qint64 kilobytes, bool rtf)
{
    const QString path = dir.filePath(QStringLiteral("%1-%2.%3").arg(rtf ? "rtf" : "txt").arg(kilobytes).arg(rtf ? "rtf" : "txt"));
    if (QFile::exists(path))
        return path;
    QByteArray bytes;
    bytes.reserve(kilobytes * 1024 + 1024);
    if (rtf)
        bytes += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20\n";
    const QByteArray phrase = rtf ? QByteArray(rtfPhrase) : QByteArray(plainPhrase);
    const qint64 room = kilobytes * 1024 - (rtf ? 1 : 0);
    for (int n = 1;; ++n) {
        const QByteArray line = QByteArray(phrase).replace("%1", QByteArray::number(n));
        if (bytes.size() + line.size() > room)
            break;
        bytes += line;
    }
    if (rtf)
        bytes += "}";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the document");
    return path;
}

void openInEditor(benchmark::State &state, bool rtf)
{
    static QTemporaryDir dir;
    const QString path = makeFile(dir, state.range(0), rtf);
    PhraseEditor editor;
    editor.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // The box's own load, past the editor's size check, so that sizes beyond the limit
        // show what the limit spares.
        RichTextFile::load(*editor.textBox()->document(), path);
        // The window answers again only once every paragraph is laid out.
        benchmark::DoNotOptimize(editor.textBox()->document()->documentLayout()->documentSize());
        QCoreApplication::processEvents();
    }
    state.counters["underLimit"] = state.range(0) * 1024 <= PhraseEditor::MaxDocumentBytes;
    state.counters["paragraphs"] = editor.textBox()->document()->blockCount();
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024);
}

void BM_EditorOpensRtf(benchmark::State &state)
{
    openInEditor(state, true);
}
BENCHMARK(BM_EditorOpensRtf)->Arg(256)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)
    ->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_EditorOpensText(benchmark::State &state)
{
    openInEditor(state, false);
}
BENCHMARK(BM_EditorOpensText)->Arg(256)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)
    ->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
