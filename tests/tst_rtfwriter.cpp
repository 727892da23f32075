// RTF writing: what the output looks like, and that our own output reads back to the same
// text and formats.
#include "RtfFixtures.h"

#include "richtext/RtfPlainText.h"
#include "richtext/RtfWriter.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

// What a run looks like, with unset properties taken from the document's default font, so
// that documents that store the same look differently compare equal.
QString describeRun(const QTextDocument &document, const QTextCharFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    const QString family = families.isEmpty() ? document.defaultFont().family() : families.constFirst();
    const double size = format.fontPointSize() > 0 ? format.fontPointSize() : document.defaultFont().pointSizeF();
    QString text = QStringLiteral("%1 %2pt").arg(family).arg(size);
    if (format.fontWeight() >= QFont::DemiBold)
        text += QStringLiteral(" bold");
    if (format.fontItalic())
        text += QStringLiteral(" italic");
    if (format.fontUnderline())
        text += QStringLiteral(" underline");
    if (format.foreground().style() != Qt::NoBrush)
        text += QStringLiteral(" fg") + format.foreground().color().name();
    if (format.background().style() != Qt::NoBrush)
        text += QStringLiteral(" bg") + format.background().color().name();
    return text;
}

// One entry per paragraph (its text and paragraph format) and per run of equal look.
QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QString paragraph = QStringLiteral("P[%1] align=%2 fi=%3 li=%4 ri=%5")
                                .arg(block.text())
                                .arg(int(format.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute))
                                .arg(format.textIndent())
                                .arg(format.leftMargin())
                                .arg(format.rightMargin());
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            paragraph += QStringLiteral(" pagebreak");
        if (const QTextList *list = block.textList())
            paragraph += QStringLiteral(" list=%1/%2").arg(int(list->format().style())).arg(list->format().indent());
        lines << paragraph;
        QString lastLook;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QString look = describeRun(document, it.fragment().charFormat());
            if (look == lastLook)
                lines.last() += it.fragment().text();
            else
                lines << look + QStringLiteral(": ") + it.fragment().text();
            lastLook = look;
        }
    }
    return lines;
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addRow("plain") << QStringLiteral("<p>Hola mundo</p>");
        QTest::addRow("bold") << QStringLiteral("<p>a <b>negrita</b> b</p>");
        QTest::addRow("italic") << QStringLiteral("<p>a <i>cursiva</i></p>");
        QTest::addRow("underline") << QStringLiteral("<p><u>subrayado</u> no</p>");
        QTest::addRow("all three") << QStringLiteral("<p><b><i><u>todo</u></i></b></p>");
        QTest::addRow("font family") << QStringLiteral("<p><span style='font-family:Arial'>a</span><span style='font-family:Courier New'>b</span></p>");
        QTest::addRow("sizes") << QStringLiteral("<p><span style='font-size:8pt'>a</span><span style='font-size:13.5pt'>b</span><span style='font-size:72pt'>c</span></p>");
        QTest::addRow("colours") << QStringLiteral("<p><span style='color:#ff0000'>rojo</span> <span style='color:#008080;background-color:#00ff00'>verde</span></p>");
        QTest::addRow("alignment") << QStringLiteral("<p align=center>c</p><p align=right>r</p><p align=justify>j</p><p>l</p>");
        QTest::addRow("indents") << QStringLiteral("<p style='margin-left:48px;margin-right:20px;text-indent:-24px'>sangrado</p>");
        QTest::addRow("bullets") << QStringLiteral("<p>antes</p><ul><li>uno</li><li>dos</li></ul><p>después</p>");
        QTest::addRow("numbered") << QStringLiteral("<ol><li>uno</li><li>dos</li></ol>");
        QTest::addRow("nested list") << QStringLiteral("<ul><li>uno</li></ul><ol style='-qt-list-indent:2'><li>a</li></ol>");
        QTest::addRow("letters and roman") << QStringLiteral("<ol type=a><li>x</li></ol><p>-</p><ol type=I><li>y</li></ol>");
        QTest::addRow("page break") << QStringLiteral("<p>a</p><p style='page-break-before:always'>b</p>");
        QTest::addRow("empty paragraphs") << QStringLiteral("<p>a</p><p></p><p></p><p>b</p><p></p>");
        QTest::addRow("Spanish accents") << QStringLiteral("<p>¿Qué pasó? ¡Ñandú, pingüino, acción! ÁÉÍÓÚ €</p>");
        QTest::addRow("outside the code page") << QStringLiteral("<p>Ωμέγα Привет 漢字 😀</p>");
        QTest::addRow("RTF syntax characters") << QStringLiteral("<p>a\\b {c} \\par d</p>");
        QTest::addRow("tab and line break") << QStringLiteral("<p>a\tb<br>c</p>");
        QTest::addRow("accented font name") << QStringLiteral("<p><span style='font-family:Fuente Ñ'>x</span></p>");
    }
    void roundTrip()
    {
        QFETCH(QString, html);
        QTextDocument original;
        original.setHtml(html);
        const QByteArray rtf = RtfWriter::write(original);
        QTextDocument copy;
        readInto(copy, rtf);
        QCOMPARE(describe(copy), describe(original));
        // Writing the copy again gives the same bytes: nothing drifts from one save to the next.
        QCOMPARE(RtfWriter::write(copy), rtf);
    }

    void editorFormatsRoundTrip()
    {
        // Formats as the editor sets them: whole fonts on the selection, lists made on blocks.
        QTextDocument original;
        QTextCursor cursor(&original);
        QTextCharFormat courier;
        courier.setFont(QFont(QStringLiteral("Courier New"), 13));
        cursor.insertText(QStringLiteral("uno"), courier);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("dos"));
        cursor.createList(QTextListFormat::ListDisc);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("tres"));
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setLeftMargin(40);
        cursor.setBlockFormat(centred);

        QTextDocument copy;
        readInto(copy, RtfWriter::write(original));
        QCOMPARE(describe(copy), describe(original));
    }

    void output_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("Windows-1252 as hex") << QStringLiteral("árbol") << QByteArray("\\'e1rbol");
        QTest::addRow("euro from the upper half") << QStringLiteral("5 €") << QByteArray("5 \\'80");
        QTest::addRow("others as unicode") << QStringLiteral("Ω") << QByteArray("\\u937?");
        QTest::addRow("above 32767 negative") << QStringLiteral("\uFFFD") << QByteArray("\\u-3?");
        QTest::addRow("surrogate pair") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
        QTest::addRow("syntax escaped") << QStringLiteral("\\{}") << QByteArray("\\\\\\{\\}");
        QTest::addRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    }
    void output()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QTextDocument document;
        document.setPlainText(text);
        const QByteArray rtf = RtfWriter::write(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY2(rtf.contains(expected), rtf.constData());
        QVERIFY(rtf.endsWith("}\n"));
    }

    void pixelSizedTextKeepsItsSize()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat format;
        QFont font(QStringLiteral("Times"));
        font.setPixelSize(32);
        format.setFont(font);
        cursor.insertText(QStringLiteral("grande"), format);
        QVERIFY2(RtfWriter::write(document).contains("\\fs48 grande"), RtfWriter::write(document).constData());
    }

    void tablesListEachFontAndColourOnce()
    {
        QTextDocument document;
        document.setHtml(QStringLiteral(
            "<p><span style='font-family:Arial;color:#ff0000'>a</span><span style='font-family:Arial;color:#ff0000'><b>b</b></span>"
            "<span style='font-family:Verdana;color:#0000ff'>c</span></p><p><span style='font-family:Arial'>d</span></p>"));
        const QByteArray rtf = RtfWriter::write(document);
        QCOMPARE(rtf.count(" Arial;"), 1);
        QCOMPARE(rtf.count(" Verdana;"), 1);
        QVERIFY(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"));
    }

    void linesOfOurOutput()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("uno\n\ndós\n"));
        QCOMPARE(RtfPlainText::lines(RtfWriter::write(document)), (QStringList{"uno", "", u"dós"_qs, ""}));
    }

    void emptyDocument()
    {
        QTextDocument document;
        QTextDocument copy;
        readInto(copy, RtfWriter::write(document));
        QCOMPARE(copy.blockCount(), 1);
        QVERIFY(copy.isEmpty());
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
