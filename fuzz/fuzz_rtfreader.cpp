// Feeds arbitrary bytes to the RTF reader, both into plain-text lines and into a document, and
// checks that the document written back as RTF reads again to the same text.
#include "richtext/RichTextFile.h"
#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfPlainText.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void readInto(QTextDocument &document, QByteArrayView rtf)
{
    RtfDocumentBuilder builder(document);
    RtfReader reader(builder);
    reader.read(rtf);
    builder.finish();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A view on the fuzzer's own buffer, so that any read past its end is caught.
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // The board's path: lines of the data, RTF or plain text, and the RTF lines directly so
    // that plain-looking data is read as RTF too.
    (void)RichTextFile::lines(bytes.toByteArray());
    (void)RtfPlainText::lines(bytes);

    QTextDocument document;
    readInto(document, bytes);

    const QByteArray written = RtfWriter::write(document);
    QTextDocument copy;
    readInto(copy, written);
    const QString before = document.toPlainText();
    const QString after = copy.toPlainText();
    if (after != before) {
        std::fprintf(stderr, "round trip changed the text:\n%s\n---\n%s\n",
                     QByteArray(reinterpret_cast<const char *>(before.utf16()), before.size() * 2).toHex(' ').constData(),
                     QByteArray(reinterpret_cast<const char *>(after.utf16()), after.size() * 2).toHex(' ').constData());
        std::abort();
    }
    return 0;
}
