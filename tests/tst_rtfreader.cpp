// RTF reading: text, code pages, Unicode, destinations, formats, lists, fixtures in the shapes
// word processors write, and hostile input.
#include "RtfFixtures.h"

#include "richtext/RichTextFile.h"
#include "richtext/RtfPlainText.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QTextBlock blockAt(const QTextDocument &document, int number)
{
    return document.findBlockByNumber(number);
}

// The format of the character at offset in the block.
QTextCharFormat charAt(const QTextDocument &document, int blockNumber, int offset)
{
    QTextCursor cursor(blockAt(document, blockNumber));
    cursor.setPosition(cursor.block().position() + offset + 1);
    return cursor.charFormat();
}

QString family(const QTextCharFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? QString() : families.constFirst();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("paragraphs") << QByteArray(R"({\rtf1 Hola\par mundo})") << QStringList{"Hola", "mundo"};
        QTest::addRow("last par adds no line") << QByteArray(R"({\rtf1 a\par b\par })") << QStringList{"a", "b"};
        QTest::addRow("empty paragraphs kept") << QByteArray(R"({\rtf1 a\par\par b\par})") << QStringList{"a", "", "b"};
        QTest::addRow("source line breaks are not text") << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringList{"abc"};
        QTest::addRow("backslash before a line break ends the paragraph") << QByteArray("{\\rtf1 a\\\nb}") << QStringList{"a", "b"};
        QTest::addRow("hex in the ANSI code page") << QByteArray(R"({\rtf1\ansi\ansicpg1252 \'e1rbol \'d1and\'fa \'80})") << QStringList{u"árbol Ñandú €"_qs};
        QTest::addRow("hex in another code page") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})") << QStringList{u"При"_qs};
        QTest::addRow("font charset picks the code page") << QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Times;}}\f1 \'c0\f0 \'e1})") << QStringList{u"Аá"_qs};
        QTest::addRow("double-byte code page") << QByteArray(R"({\rtf1\ansi\ansicpg932 \'82\'a0\'82\'a2})") << QStringList{u"あい"_qs};
        QTest::addRow("unicode with fallback") << QByteArray(R"({\rtf1 \u225?rbol})") << QStringList{u"árbol"_qs};
        QTest::addRow("unicode with hex fallback") << QByteArray(R"({\rtf1 cami\u243\'f3n})") << QStringList{u"camión"_qs};
        QTest::addRow("uc0 skips nothing") << QByteArray(R"({\rtf1\uc0 \u225 rbol})") << QStringList{u"árbol"_qs};
        QTest::addRow("uc2 skips two") << QByteArray(R"({\rtf1\uc2\u225 xyrbol})") << QStringList{u"árbol"_qs};
        QTest::addRow("uc2 skips two escapes") << QByteArray(R"({\rtf1\uc2\u225\'e1\'e1rbol})") << QStringList{u"árbol"_qs};
        QTest::addRow("uc is scoped to its group") << QByteArray(R"({\rtf1{\uc2\u225 xy}\u233?s})") << QStringList{u"áés"_qs};
        QTest::addRow("fallback ends at a group") << QByteArray(R"({\rtf1\uc3\u225{b}c})") << QStringList{u"ábc"_qs};
        QTest::addRow("negative values") << QByteArray(R"({\rtf1 \u-3?\u-8?})") << QStringList{QString(QChar(0xFFFD)) + QChar(0xFFF8)};
        QTest::addRow("surrogate pair") << QByteArray(R"({\rtf1 \u-10179?\u-8704?!})") << QStringList{u"😀!"_qs};
        QTest::addRow("lone high surrogate") << QByteArray(R"({\rtf1 \u-10179?x})") << QStringList{QString(QChar(0xFFFD)) + u'x'};
        QTest::addRow("lone low surrogate") << QByteArray(R"({\rtf1 a\u-8704?b})") << QStringList{u"a\uFFFDb"_qs};
        QTest::addRow("control symbols") << QByteArray(R"({\rtf1 a\~b\-c\_d\{\}\\})") << QStringList{u"a bc\u2011d{}\\"_qs};
        QTest::addRow("line and tab") << QByteArray(R"({\rtf1 a\line b\tab c})") << QStringList{"a", "b\tc"};
        QTest::addRow("page and section end paragraphs") << QByteArray(R"({\rtf1 a\page b\sect c})") << QStringList{"a", "b", "c"};
        QTest::addRow("typographic words") << QByteArray(R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote  \emdash\endash\bullet})") << QStringList{u"‘a’ “b” —–•"_qs};
        QTest::addRow("skipped destinations")
            << QByteArray(R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header H\par}{\footer F\par}{\*\generator G;}{\*\foo{\bar x}y}{\pict\wmetafile8 0102ff}Body})")
            << QStringList{"Body"};
        QTest::addRow("unknown words keep their text") << QByteArray(R"({\rtf1\foo1 a{\bar b}})") << QStringList{"ab"};
        QTest::addRow("binary data skipped") << QByteArray("{\\rtf1 a\\bin3 x}yb}") << QStringList{"ab"};
        QTest::addRow("list fallback text skipped") << QByteArray(R"({\rtf1{\pntext\'b7\tab}a\par{\listtext 1.\tab}b})") << QStringList{"a", "b"};
        QTest::addRow("field keeps its result")
            << QByteArray("{\\rtf1 ver {\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt enlace}} y {\\field{\\fldinst PAGE}{\\fldrslt 3}}}")
            << QStringList{"ver enlace y 3"};
        QTest::addRow("table one paragraph a cell")
            << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\intbl uno\cell dos\cell\row\pard tres\par})")
            << QStringList{"uno", "dos", "tres"};
        QTest::addRow("text after the document ignored") << QByteArray(R"({\rtf1 a}junk)") << QStringList{"a"};
        QTest::addRow("text before the document ignored") << QByteArray(R"(junk{\rtf1 a})") << QStringList{"a"};
        QTest::addRow("nbsp is a space in lines") << QByteArray(R"({\rtf1 a\u160?b})") << QStringList{"a b"};
    }
    void lines()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, expected);
        QCOMPARE(RtfPlainText::lines(rtf), expected);
    }

    void documentKeepsWhatLinesFlatten()
    {
        QTextDocument document;
        readInto(document, R"({\rtf1 a\line b\~c\-d})");
        QCOMPARE(document.blockCount(), 1);
        QCOMPARE(document.begin().text(), u"a\u2028b\u00A0c\u00ADd"_qs);
    }

    void characterFormats()
    {
        QTextDocument document;
        readInto(document,
                 R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                 R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                 R"(\fs20 a\b b\b0\i c\i0\ul d\ulnone\f0\fs36 e\cf1 f\cf0\highlight2 g\highlight0\cb1 h\plain i\ul j\ul0 k})");
        QCOMPARE(document.begin().text(), QStringLiteral("abcdefghijk"));
        const auto at = [&](int i) { return charAt(document, 0, i); };
        QCOMPARE(family(at(0)), QStringLiteral("Times New Roman")); // the \deff font
        QCOMPARE(at(0).fontPointSize(), 10.0);
        QCOMPARE(at(0).fontWeight(), int(QFont::Normal));
        QCOMPARE(at(1).fontWeight(), int(QFont::Bold));
        QVERIFY(!at(2).fontWeight() || at(2).fontWeight() == QFont::Normal);
        QVERIFY(at(2).fontItalic());
        QVERIFY(!at(3).fontItalic());
        QVERIFY(at(3).fontUnderline());
        QVERIFY(!at(4).fontUnderline());
        QCOMPARE(family(at(4)), QStringLiteral("Arial"));
        QCOMPARE(at(4).fontPointSize(), 18.0);
        QCOMPARE(at(5).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(at(6).foreground().style(), Qt::NoBrush); // entry 0 is the automatic colour
        QCOMPARE(at(6).background().color(), QColor(0, 0, 255));
        QCOMPARE(at(7).background().color(), QColor(255, 0, 0));
        QCOMPARE(at(8).background().style(), Qt::NoBrush);
        QCOMPARE(family(at(8)), QStringLiteral("Times New Roman"));
        QCOMPARE(at(8).fontPointSize(), 12.0);
        QVERIFY(at(9).fontUnderline());
        QVERIFY(!at(10).fontUnderline());
    }

    void groupsRestoreFormats()
    {
        QTextDocument document;
        readInto(document, R"({\rtf1 a{\b b{\i c}d}e})");
        QCOMPARE(charAt(document, 0, 1).fontWeight(), int(QFont::Bold));
        QVERIFY(charAt(document, 0, 2).fontItalic());
        QVERIFY(!charAt(document, 0, 3).fontItalic());
        QCOMPARE(charAt(document, 0, 3).fontWeight(), int(QFont::Bold));
        QCOMPARE(charAt(document, 0, 4).fontWeight(), int(QFont::Normal));
    }

    void paragraphFormats_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("textIndent");
        QTest::addColumn<double>("leftMargin");
        QTest::addColumn<double>("rightMargin");
        QTest::addRow("default") << QByteArray(R"({\rtf1 a})") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0;
        QTest::addRow("centred") << QByteArray(R"({\rtf1\qc a})") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0;
        QTest::addRow("right") << QByteArray(R"({\rtf1\qr a})") << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0;
        QTest::addRow("justified") << QByteArray(R"({\rtf1\qj a})") << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0;
        QTest::addRow("left after pard") << QByteArray(R"({\rtf1\qc\pard a})") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0;
        QTest::addRow("indents in twips") << QByteArray(R"({\rtf1\fi-360\li720\ri1440 a})") << int(Qt::AlignLeft) << -24.0 << 48.0 << 96.0;
        QTest::addRow("state at the paragraph end counts") << QByteArray(R"({\rtf1 a\qr\li150\par})") << int(Qt::AlignRight) << 0.0 << 10.0 << 0.0;
    }
    void paragraphFormats()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, alignment);
        QFETCH(double, textIndent);
        QFETCH(double, leftMargin);
        QFETCH(double, rightMargin);
        QTextDocument document;
        readInto(document, rtf);
        const QTextBlockFormat format = document.begin().blockFormat();
        QCOMPARE(int(format.alignment()), alignment);
        QCOMPARE(format.textIndent(), textIndent);
        QCOMPARE(format.leftMargin(), leftMargin);
        QCOMPARE(format.rightMargin(), rightMargin);
    }

    void pageBreak()
    {
        QTextDocument document;
        readInto(document, R"({\rtf1 a\page b\par\pagebb c})");
        QCOMPARE(blockTexts(document), (QStringList{"a", "b", "c"}));
        QVERIFY(!(blockAt(document, 0).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore));
        QVERIFY(blockAt(document, 1).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
        QVERIFY(blockAt(document, 2).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    }

    void simpleEditorFixture()
    {
        QTextDocument document;
        readInto(document, rtfFixture("simple_editor.rtf"));
        QCOMPARE(blockTexts(document),
                 (QStringList{u"El árbol y la canción"_qs, "Negrita e cursiva y subrayado", "Rojo en Arial",
                              "Centrado azul", u"Привет"_qs}));
        QCOMPARE(family(charAt(document, 0, 0)), QStringLiteral("Calibri"));
        QCOMPARE(charAt(document, 0, 0).fontPointSize(), 11.0);
        QCOMPARE(charAt(document, 1, 0).fontWeight(), int(QFont::Bold));
        QVERIFY(charAt(document, 1, 12).fontItalic());
        QVERIFY(charAt(document, 1, 24).fontUnderline());
        QCOMPARE(family(charAt(document, 2, 0)), QStringLiteral("Arial"));
        QCOMPARE(charAt(document, 2, 0).fontPointSize(), 14.0);
        QCOMPARE(charAt(document, 2, 0).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(blockAt(document, 3).blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(charAt(document, 3, 0).foreground().color(), QColor(0, 112, 192));
        QCOMPARE(family(charAt(document, 4, 0)), QStringLiteral("Times New Roman Cyr"));
    }

    void oldStyleBullets()
    {
        QTextDocument document;
        readInto(document, rtfFixture("pn_bullets.rtf"));
        QCOMPARE(blockTexts(document),
                 (QStringList{"Lista de la compra:", "pan", u"azúcar"_qs, u"café"_qs, "Fin de la lista."}));
        QVERIFY(!blockAt(document, 0).textList());
        const QTextList *list = blockAt(document, 1).textList();
        QVERIFY(list);
        QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(blockAt(document, 2).textList(), list);
        QCOMPARE(blockAt(document, 3).textList(), list);
        QCOMPARE(list->count(), 3);
        QVERIFY(!blockAt(document, 4).textList());
        QCOMPARE(blockAt(document, 1).blockFormat().textIndent(), -48.0);
        QCOMPARE(blockAt(document, 1).blockFormat().leftMargin(), 48.0);
    }

    // Qt renumbers a whole list on every paragraph added, so very long lists are split into
    // lists of the same look: every paragraph keeps its bullet and the file loads in time
    // proportional to its size.
    void longListsKeepEveryBullet()
    {
        QByteArray rtf = "{\\rtf1\\ansi ";
        for (int i = 0; i < 1200; ++i)
            rtf += "{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}\\fi-360\\li720 linea\\par ";
        rtf += "}";
        QTextDocument document;
        readInto(document, rtf);
        QCOMPARE(document.blockCount(), 1200);
        for (int i = 0; i < 1200; ++i) {
            const QTextList *list = blockAt(document, i).textList();
            QVERIFY(list);
            QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
            QVERIFY(list->count() <= 500);
        }
    }

    void wordFixture()
    {
        QTextDocument document;
        readInto(document, rtfFixture("word_processor.rtf"));
        QCOMPARE(blockTexts(document),
                 (QStringList{u"Acentos: árbol, camión, pingüino."_qs, u"Primera viñeta"_qs, u"Segunda viñeta"_qs,
                              "Uno", "Dos", "Visite el sitio.", "Celda uno", "Celda dos", "Fin",
                              "Imagen binaria saltada"}));
        QCOMPARE(family(charAt(document, 0, 0)), QStringLiteral("Verdana"));
        const QTextList *bullets = blockAt(document, 1).textList();
        QVERIFY(bullets);
        QCOMPARE(bullets->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(blockAt(document, 2).textList(), bullets);
        const QTextList *numbers = blockAt(document, 3).textList();
        QVERIFY(numbers);
        QVERIFY(numbers != bullets);
        QCOMPARE(numbers->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(blockAt(document, 4).textList(), numbers);
        QVERIFY(!blockAt(document, 5).textList());
        QVERIFY(charAt(document, 5, 7).fontUnderline());
        QCOMPARE(charAt(document, 5, 7).foreground().color(), QColor(0, 0, 255));
    }

    void listLevelsPickTheirKind()
    {
        const QByteArray rtf =
            R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc23}{\listlevel\levelnfc4}\listid7}})"
            R"({\*\listoverridetable{\listoverride\listid7\ls3}})"
            R"(\pard\ls3 a\par\pard\ls3\ilvl1 b\par\pard\ls9 c\par})";
        QTextDocument document;
        readInto(document, rtf);
        QCOMPARE(blockAt(document, 0).textList()->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(blockAt(document, 1).textList()->format().style(), QTextListFormat::ListLowerAlpha);
        QCOMPARE(blockAt(document, 1).textList()->format().indent(), 2);
        // An override the table lacks still shows as a list.
        QCOMPARE(blockAt(document, 2).textList()->format().style(), QTextListFormat::ListDisc);
    }

    void truncatedInputGivesWhatWasRead_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<QStringList>("expected");
        const QByteArray whole = rtfFixture("pn_bullets.rtf");
        QTest::addRow("inside a word") << int(whole.indexOf("ista.")) << QStringList{"Lista de la compra:", "pan", u"azúcar"_qs, u"café"_qs, "Fin de la l"};
        QTest::addRow("inside a hex escape") << int(whole.indexOf("'e9") + 2) << QStringList{"Lista de la compra:", "pan", u"azúcar"_qs, "caf"};
        QTest::addRow("inside the font table") << int(whole.indexOf("Symbol")) << QStringList{};
    }
    void truncatedInputGivesWhatWasRead()
    {
        QFETCH(int, cut);
        QFETCH(QStringList, expected);
        QCOMPARE(RtfPlainText::lines(rtfFixture("pn_bullets.rtf").left(cut)), expected);
    }

    void hostileInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("extra closing braces") << QByteArray("{\\rtf1 a}}}} b") << QStringList{"a"};
        QTest::addRow("missing closing braces") << QByteArray("{\\rtf1 {a{\\b b") << QStringList{"ab"};
        QTest::addRow("closing braces first") << QByteArray("}}{\\rtf1 x}") << QStringList{"x"};
        QTest::addRow("deep nesting closed")
            << QByteArray("{\\rtf1 " + QByteArray(100000, '{') + "hondo" + QByteArray(100000, '}') + " fin}")
            << QStringList{"hondo fin"};
        QTest::addRow("deep nesting never closed")
            << QByteArray("{\\rtf1 " + QByteArray(100000, '{') + "hondo") << QStringList{"hondo"};
        QTest::addRow("deep skipped destination")
            << QByteArray("{\\rtf1 a{\\*\\x" + QByteArray(100000, '{') + "oculto" + QByteArray(100000, '}') + "}b}")
            << QStringList{"ab"};
        QTest::addRow("huge bin") << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << QStringList{"a"};
        QTest::addRow("bin beyond 32 bits") << QByteArray("{\\rtf1 a\\bin99999999999999999999 xyz}") << QStringList{"a"};
        QTest::addRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 xyz}") << QStringList{"axyz"};
        QTest::addRow("40-letter word") << QByteArray("{\\rtf1 a\\" + QByteArray(40, 'b') + " c}") << QStringList{"ac"};
        QTest::addRow("long word that starts like a known one")
            << QByteArray("{\\rtf1 a\\par" + QByteArray(37, 'x') + " c}") << QStringList{"ac"};
        QTest::addRow("32 letters is still a word") << QByteArray("{\\rtf1 a\\" + QByteArray(32, 'z') + "7 c}") << QStringList{"ac"};
        QTest::addRow("huge parameters")
            << QByteArray("{\\rtf1\\fs99999999999999999999\\fi-99999999999\\cf2147483647\\f-2147483648\\ls99999999999 a}")
            << QStringList{"a"};
        QTest::addRow("huge unicode and skip")
            << QByteArray("{\\rtf1 a\\u99999999999 b{\\uc2147483647\\u65 hidden}c}") << QStringList{"aAc"};
        QTest::addRow("broken escapes at the end") << QByteArray("{\\rtf1 a\\'4") << QStringList{"a"};
        QTest::addRow("broken escape mid text") << QByteArray("{\\rtf1 a\\'zzb}") << QStringList{"azzb"};
        QTest::addRow("lone backslash at the end") << QByteArray("{\\rtf1 a\\") << QStringList{"a"};
        QTest::addRow("nul and control bytes") << QByteArray("{\\rtf1 a\0b\x01\x1f" "c}", 14) << QStringList{"abc"};
        QTest::addRow("empty") << QByteArray() << QStringList{};
        QTest::addRow("only braces") << QByteArray("{}") << QStringList{};
    }
    void hostileInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, expected);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(RtfPlainText::lines(rtf), expected);
        QTextDocument document;
        readInto(document, rtf); // the document side must survive the same input
        QVERIFY2(timer.elapsed() < 5000, "reading took too long");
    }

    void tablesAreCapped()
    {
        QByteArray rtf = "{\\rtf1{\\fonttbl";
        for (int i = 0; i < 20000; ++i)
            rtf += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
        rtf += "}{\\colortbl;";
        for (int i = 0; i < 20000; ++i)
            rtf += "\\red1;";
        rtf += "}\\f3\\cf9 a\\f19999\\cf19999 b}";
        QTextDocument document;
        readInto(document, rtf);
        QCOMPARE(document.toPlainText(), QStringLiteral("ab"));
        QCOMPARE(family(charAt(document, 0, 0)), QStringLiteral("F3"));
        QCOMPARE(charAt(document, 0, 0).foreground().color(), QColor(1, 0, 0));
        // Entries past the caps are dropped: the text keeps its default look.
        QVERIFY(family(charAt(document, 0, 1)).isEmpty());
        QCOMPARE(charAt(document, 0, 1).foreground().style(), Qt::NoBrush);
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
