// The large text viewer and its segmented store: loading, line limits, scrolling and painting.
#include "AppErrorText.h"
#include "DoubledPixels.h"
#include "FileFixtures.h"

#include "widgets/BigList.h"
#include "widgets/BigText.h"
#include "widgets/TextAttributes.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

QString line(int i)
{
    return QStringLiteral("line %1").arg(i);
}

// A viewer on screen whose client area holds exactly the given number of whole rows (and half
// of one more).
void showWithRows(BigText &viewer, int rows)
{
    viewer.resize(320, rows * viewer.LineHeight() + viewer.LineHeight() / 2);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QCOMPARE(viewer.VisibleRows(), rows);
}

void fill(BigText &viewer, int lines)
{
    for (int i = 0; i < lines; ++i)
        viewer.AddLine(line(i), Colors::clBlack, Colors::clWhite, false);
    viewer.RecalcRange();
}

// A monospaced font whose average character is 8 pixels wide, when the machine has one.
bool fontEightWide(QFont &font)
{
    for (const QString &family : {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier")}) {
        for (int pixels = 8; pixels <= 20; ++pixels) {
            QFont candidate(family);
            candidate.setPixelSize(pixels);
            if (QFontMetrics(candidate).averageCharWidth() == 8) {
                font = candidate;
                return true;
            }
        }
    }
    return false;
}

// Records the areas the viewer repaints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<KeyPress>)

class TestBigText : public QObject {
    Q_OBJECT
private slots:
    void storeSpansSegments()
    {
        BigList list(4);
        int items[16];
        for (int i = 0; i < 10; ++i)
            QCOMPARE(list.Add(&items[i]), i);
        QCOMPARE(list.Count(), 10);
        QCOMPARE(list.SegmentCount(), 3);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(list.Get(i), static_cast<void *>(&items[i]));
        QVERIFY(list.Capacity() >= 10);

        // Deleting from the front segments and packing moves the later items forward in order.
        list.Delete(0);
        list.Delete(0);
        list.Delete(3);
        QCOMPARE(list.Get(3), static_cast<void *>(&items[6]));
        list.Pack();
        QCOMPARE(list.Count(), 7);
        QCOMPARE(list.SegmentCount(), 2);
        QCOMPARE(list.SegmentItems(0), 4);
        const int expected[] = {2, 3, 4, 6, 7, 8, 9};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(list.Get(i), static_cast<void *>(&items[expected[i]]));

        // The first items go in one step, across segments.
        list.DeleteFirst(5);
        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.Get(0), static_cast<void *>(&items[8]));
        list.DeleteFirst(5);
        QCOMPARE(list.Count(), 0);

        list.Clear();
        QCOMPARE(list.Count(), 0);
        QCOMPARE(list.SegmentCount(), 1);
    }

    void storeErrors_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("message");
        QTest::addRow("get at count") << 3 << "get 3" << "BigList Index out of bounds";
        QTest::addRow("delete at count") << 3 << "delete 3" << "BigList Index out of bounds";
        QTest::addRow("get from empty") << 0 << "get 0" << "BigList Index out of bounds";
        QTest::addRow("negative") << 3 << "get -1" << "List index out of bounds (-1)";
        QTest::addRow("all segments full") << 16 << "add" << "Out of Memory at line 16";
    }
    void storeErrors()
    {
        QFETCH(int, held);
        QFETCH(QString, operation);
        QFETCH(QString, message);
        BigList list(4);
        int item = 0;
        for (int i = 0; i < held; ++i)
            list.Add(&item);
        const QStringList parts = operation.split(QLatin1Char(' '));
        const QString text = appErrorText([&] {
            if (parts[0] == QLatin1String("get"))
                list.Get(parts[1].toInt());
            else if (parts[0] == QLatin1String("delete"))
                list.Delete(parts[1].toInt());
            else
                list.Add(&item);
        });
        QCOMPARE(text, message);
        QCOMPARE(list.Count(), held);
    }

    void loadFromFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("tab after one letter") << QByteArray("a\tb") << QStringList{"a      b"};
        QTest::addRow("tab on column 8") << QByteArray("abcdefg\th") << QStringList{"abcdefgh"};
        QTest::addRow("two tabs") << QByteArray("a\tb\tc") << QStringList{"a      b       c"};
        QTest::addRow("leading tab") << QByteArray("\tx") << QStringList{"       x"};
        QTest::addRow("cut at NUL") << QByteArray("ab\0cd\r\nef", 9) << QStringList{"ab", "ef"};
        QTest::addRow("tab before NUL") << QByteArray("a\t\0b", 4) << QStringList{"a      "};
        QTest::addRow("windows-1252") << QByteArray("canci\xf3n\r\nacci\xf3n\r\n")
                                      << QStringList{"canción", "acción"};
        QTest::addRow("utf-8") << QByteArray("canci\xc3\xb3n\n\npe\xc3\xb1" "a")
                               << QStringList{"canción", "", "peña"};
        QTest::addRow("long line cut") << QByteArray(300, 'x') << QStringList{QString(255, QLatin1Char('x'))};
        QTest::addRow("tab on a tab stop") << QByteArray("\t\tz") << QStringList{"       z"};
        // The first tab stands on column 2 and leaves six spaces; every later one seven.
        QByteArray tabbed;
        QString expanded = QStringLiteral("a      ");
        for (int i = 0; i < 40; ++i) {
            tabbed += "a\t";
            if (i > 0)
                expanded += QStringLiteral("a       ");
        }
        QTest::addRow("tabs past the limit") << tabbed << QStringList{expanded.left(255)};
        QTest::addRow("empty file") << QByteArray() << QStringList{};
    }
    void loadFromFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frases.txt"));
        writeFile(path, bytes);

        BigText viewer;
        viewer.AddLine(QStringLiteral("old"), Colors::clRed, Colors::clLime, false);
        viewer.LoadFromFile(path);
        QCOMPARE(viewer.Count(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(viewer.GetLine(i), lines[i]);
            const auto *attributes = static_cast<const TextAttributes *>(viewer.AttributeStore().Get(i));
            QCOMPARE(attributes->FontColor, Colors::clWindowText);
            QCOMPARE(attributes->BackColor, Colors::clWindow);
        }
        QVERIFY(!viewer.viewport()->testAttribute(Qt::WA_SetCursor));
    }

    void loadingAMissingFileFails()
    {
        BigText viewer;
        viewer.AddLine(QStringLiteral("old"), Colors::clRed, Colors::clLime, false);
        const QString message = appErrorText([&] { viewer.LoadFromFile(QStringLiteral("/nonexistent/frases.txt")); });
        QVERIFY2(message.contains(QStringLiteral("frases.txt")), qPrintable(message));
        QCOMPARE(viewer.Count(), 0);
        QVERIFY(!viewer.viewport()->testAttribute(Qt::WA_SetCursor));
    }

    void addLineKeepsWhatFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        const QString face = QStringLiteral("\U0001F600");
        QTest::addRow("plain") << QStringLiteral("el árbol") << QStringLiteral("el árbol");
        QTest::addRow("cut at NUL") << QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd") << QStringLiteral("ab");
        QTest::addRow("tabs kept") << QStringLiteral("a\tb") << QStringLiteral("a\tb");
        QTest::addRow("exactly 255") << QString(255, QLatin1Char('y')) << QString(255, QLatin1Char('y'));
        QTest::addRow("cut at 255") << QString(400, QLatin1Char('y')) << QString(255, QLatin1Char('y'));
        QTest::addRow("pair not split") << QString(254, QLatin1Char('y')) + face
                                        << QString(254, QLatin1Char('y'));
    }
    void addLineKeepsWhatFits()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        BigText viewer;
        viewer.AddLine(text, Colors::clRed, Colors::clLime, false);
        QCOMPARE(viewer.GetLine(0), stored);
        QCOMPARE(viewer.Count(), 1);
    }

    void getLineOutsideTheLines()
    {
        BigText viewer;
        fill(viewer, 3);
        QCOMPARE(viewer.GetLine(2), line(2));
        QCOMPARE(viewer.GetLine(3), QString());
        QCOMPARE(viewer.GetLine(-1), QString());
        QCOMPARE(appErrorText([&] { viewer.TextStore().Get(viewer.Count()); }),
                 QStringLiteral("BigList Index out of bounds"));
    }

    void lineLimit_data()
    {
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<int>("purgeLines");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<QString>("error");
        QTest::addRow("purge three") << 10 << 3 << 11 << 8 << 3 << "";
        QTest::addRow("purge three twice") << 10 << 3 << 15 << 9 << 6 << "";
        QTest::addRow("no purge raises") << 10 << 0 << 11 << 10 << 0 << "Maximum line count at line 10";
        QTest::addRow("purge more than held") << 10 << 200 << 11 << 1 << 10 << "";
        QTest::addRow("no limit") << 0 << 0 << 500 << 500 << 0 << "";
        QTest::addRow("hard limit") << 65535 << 200 << 32002 << 31802 << 200 << "";
    }
    void lineLimit()
    {
        QFETCH(int, maxLines);
        QFETCH(int, purgeLines);
        QFETCH(int, added);
        QFETCH(int, count);
        QFETCH(int, firstLine);
        QFETCH(QString, error);
        BigText viewer;
        viewer.setMaxLines(quint16(maxLines));
        viewer.setPurgeLines(quint16(purgeLines));
        const QString message = appErrorText([&] { fill(viewer, added); });
        QCOMPARE(message, error);
        QCOMPARE(viewer.Count(), count);
        QCOMPARE(viewer.GetLine(0), line(firstLine));
        QCOMPARE(viewer.TextStore().Count(), viewer.AttributeStore().Count());
    }

    // Purging drops its lines in one step (mended: one line at a time moved every kept line
    // once per dropped line, so a long run of lines took minutes). Timed against the same lines
    // added with no limit, so that a busy machine slows both alike.
    void purgingCostsNoMoreThanAdding()
    {
        constexpr int lines = 300000;
        const auto timeAdding = [](int maxLines, int purgeLines) {
            BigText viewer;
            viewer.setMaxLines(quint16(maxLines));
            viewer.setPurgeLines(quint16(purgeLines));
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < lines; ++i)
                viewer.AddLine(QStringLiteral("Frase número %1").arg(i), Colors::clBlack, Colors::clWhite, false);
            return std::max<qint64>(1, timer.elapsed());
        };
        const qint64 unlimited = timeAdding(0, 0);
        const qint64 purging = timeAdding(65535, 30000);
        QVERIFY2(purging < 5 * unlimited + 200,
                 qPrintable(QStringLiteral("%1 ms purging, %2 ms without a limit").arg(purging).arg(unlimited)));
    }

    void emptyViewer()
    {
        BigText viewer;
        showWithRows(viewer, 20);
        QCOMPARE(viewer.Count(), 0);
        QCOMPARE(viewer.VMax(), 0);
        QCOMPARE(viewer.verticalScrollBar()->minimum(), 0);
        QCOMPARE(viewer.verticalScrollBar()->maximum(), 1);
        QCOMPARE(viewer.verticalScrollBar()->value(), 0);
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        QTest::keyClick(&viewer, Qt::Key_End, Qt::ControlModifier);
        viewer.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(viewer.VPos(), 0);
        QCOMPARE(viewer.verticalScrollBar()->value(), 0);
    }

    void verticalKeys_data()
    {
        QTest::addColumn<QList<KeyPress>>("keys");
        QTest::addColumn<int>("vPos");
        QTest::addColumn<int>("hPos");
        const Qt::KeyboardModifiers none;
        QTest::addRow("page down") << QList<KeyPress>{{Qt::Key_PageDown, none}} << 20 << 0;
        QTest::addRow("page down past the end")
            << QList<KeyPress>(5, {Qt::Key_PageDown, none}) << 80 << 0;
        QTest::addRow("ctrl end") << QList<KeyPress>{{Qt::Key_End, Qt::ControlModifier}} << 80 << 0;
        QTest::addRow("F4") << QList<KeyPress>{{Qt::Key_F4, none}} << 80 << 0;
        QTest::addRow("F1 then F2")
            << QList<KeyPress>{{Qt::Key_F1, none}, {Qt::Key_F1, none}, {Qt::Key_F2, none}} << 20 << 0;
        QTest::addRow("down, down, up")
            << QList<KeyPress>{{Qt::Key_Down, none}, {Qt::Key_Down, none}, {Qt::Key_Up, none}} << 1 << 0;
        QTest::addRow("shift down is down") << QList<KeyPress>{{Qt::Key_Down, Qt::ShiftModifier}} << 1 << 0;
        QTest::addRow("ctrl down does nothing") << QList<KeyPress>{{Qt::Key_Down, Qt::ControlModifier}} << 0 << 0;
        QTest::addRow("up at the top") << QList<KeyPress>{{Qt::Key_Up, none}} << 0 << 0;
        QTest::addRow("end, then ctrl home")
            << QList<KeyPress>{{Qt::Key_F4, none}, {Qt::Key_Home, Qt::ControlModifier}} << 0 << 0;
        QTest::addRow("F3 to the top")
            << QList<KeyPress>{{Qt::Key_PageDown, none}, {Qt::Key_F3, none}} << 0 << 0;
        // Ctrl with Shift counts as no Ctrl: plain End, the end of the lines' width.
        QTest::addRow("ctrl shift end")
            << QList<KeyPress>{{Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier}} << 0 << -1;
    }
    void verticalKeys()
    {
        QFETCH(QList<KeyPress>, keys);
        QFETCH(int, vPos);
        QFETCH(int, hPos);
        BigText viewer;
        showWithRows(viewer, 20);
        fill(viewer, 100);
        QCOMPARE(viewer.VMax(), 80);
        QCOMPARE(viewer.verticalScrollBar()->maximum(), 80);
        for (const KeyPress &press : keys)
            QTest::keyClick(&viewer, press.key, press.modifiers);
        QCOMPARE(viewer.VPos(), vPos);
        QCOMPARE(viewer.HPos(), hPos < 0 ? viewer.HMax() : hPos);
        QCOMPARE(viewer.verticalScrollBar()->value(), vPos);
    }

    void scrollBarDrivesTheView_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("thumb");
        QTest::addColumn<int>("vPos");
        QTest::addRow("line down") << int(QAbstractSlider::SliderSingleStepAdd) << -1 << 11;
        QTest::addRow("page up") << int(QAbstractSlider::SliderPageStepSub) << -1 << 0;
        QTest::addRow("page down") << int(QAbstractSlider::SliderPageStepAdd) << -1 << 30;
        QTest::addRow("thumb to the end") << -1 << 80 << 80;
        QTest::addRow("thumb to 42") << -1 << 42 << 42;
    }
    void scrollBarDrivesTheView()
    {
        QFETCH(int, action);
        QFETCH(int, thumb);
        QFETCH(int, vPos);
        BigText viewer;
        showWithRows(viewer, 20);
        fill(viewer, 100);
        viewer.ScrollTo(0, 10);
        if (action >= 0)
            viewer.verticalScrollBar()->triggerAction(QAbstractSlider::SliderAction(action));
        else
            viewer.verticalScrollBar()->setValue(thumb);
        QCOMPARE(viewer.VPos(), vPos);
        QCOMPARE(viewer.HPos(), 0);
        if (vPos == 80)
            QCOMPARE(viewer.GetLine(viewer.VPos() + viewer.VisibleRows() - 1), line(99));
    }

    void horizontalKeys_data()
    {
        QTest::addColumn<QList<KeyPress>>("keys");
        QTest::addColumn<int>("hPos");
        const Qt::KeyboardModifiers none;
        QTest::addRow("ctrl right") << QList<KeyPress>{{Qt::Key_Right, Qt::ControlModifier}} << 18;
        QTest::addRow("right twice") << QList<KeyPress>{{Qt::Key_Right, none}, {Qt::Key_Right, none}} << 2;
        QTest::addRow("end") << QList<KeyPress>{{Qt::Key_End, none}} << 218;
        QTest::addRow("end then home") << QList<KeyPress>{{Qt::Key_End, none}, {Qt::Key_Home, none}} << 0;
        QTest::addRow("ctrl right, left")
            << QList<KeyPress>{{Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Left, none}} << 17;
        QTest::addRow("ctrl left at the start") << QList<KeyPress>{{Qt::Key_Left, Qt::ControlModifier}} << 0;
    }
    void horizontalKeys()
    {
        QFETCH(QList<KeyPress>, keys);
        QFETCH(int, hPos);
        QFont font;
        if (!fontEightWide(font))
            QSKIP("no font 8 pixels wide on this machine");
        BigText viewer;
        viewer.setFont(font);
        viewer.setScrollBars(BigText::ssBoth);
        viewer.resize(300 + viewer.verticalScrollBar()->sizeHint().width(), 200);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.viewport()->width(), 300);
        QCOMPARE(viewer.CharWidth(), 8);
        QCOMPARE(viewer.VisibleColumns(), 37);
        // The sideways range reaches the end of the longest line: here the longest kept.
        for (int i = 0; i < 5; ++i)
            viewer.AddLine(QString(BigText::MaxLineLength, QLatin1Char('a')), Colors::clBlack, Colors::clWhite, false);
        viewer.RecalcRange();
        QCOMPARE(viewer.HMax(), 218);
        QCOMPARE(viewer.horizontalScrollBar()->maximum(), 218);
        for (const KeyPress &press : keys)
            QTest::keyClick(&viewer, press.key, press.modifiers);
        QCOMPARE(viewer.HPos(), hPos);
        QCOMPARE(viewer.horizontalScrollBar()->value(), hPos);
        QCOMPARE(viewer.VPos(), 0);
    }

    // Sideways scrolling stops where the longest line ends: lines that fit the view never
    // scroll out of it, and a long line scrolled to its end still shows that end.
    void sidewaysScrollKeepsTheLinesInView_data()
    {
        QTest::addColumn<int>("longest");
        QTest::addColumn<QList<KeyPress>>("keys");
        const Qt::KeyboardModifiers none;
        QTest::addRow("end") << 6 << QList<KeyPress>{{Qt::Key_End, none}};
        QTest::addRow("right") << 6 << QList<KeyPress>{{Qt::Key_Right, none}};
        QTest::addRow("ctrl right") << 6 << QList<KeyPress>{{Qt::Key_Right, Qt::ControlModifier}};
        QTest::addRow("end of a long line") << 200 << QList<KeyPress>{{Qt::Key_End, none}};
    }
    void sidewaysScrollKeepsTheLinesInView()
    {
        QFETCH(int, longest);
        QFETCH(QList<KeyPress>, keys);
        BigText viewer;
        showWithRows(viewer, 10);
        fill(viewer, 5);
        if (longest > line(0).size())
            viewer.AddLine(QString(longest, QLatin1Char('x')), Colors::clBlack, Colors::clWhite, false);
        viewer.RecalcRange();
        QCoreApplication::processEvents();
        for (const KeyPress &press : keys)
            QTest::keyClick(&viewer, press.key, press.modifiers);
        QCOMPARE(viewer.HPos(), std::max(0, longest - viewer.VisibleColumns()));
        // The last line still shows its text.
        const QImage image = viewer.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect lastRow(0, (viewer.Count() - 1) * viewer.LineHeight(), image.width(), viewer.LineHeight());
        QVERIFY(countColour(image, lastRow, QColor(0, 0, 0), 60) > 10);
    }

    void fontChangeRemeasures()
    {
        BigText viewer;
        QFont big(QStringLiteral("DejaVu Sans Mono"));
        big.setPixelSize(24);
        viewer.setFont(big);
        showWithRows(viewer, 10);
        fill(viewer, 100);
        QTest::keyClick(&viewer, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(viewer.VPos(), 90);
        const int tallLine = viewer.LineHeight();
        QFont small = viewer.font();
        small.setPixelSize(12);
        viewer.setFont(small);
        QVERIFY(viewer.LineHeight() < tallLine);
        QVERIFY(viewer.VisibleRows() > 10);
        QCOMPARE(viewer.VMax(), 100 - viewer.VisibleRows());
        QCOMPARE(viewer.VPos(), viewer.VMax());
    }

    void addLineShownFollowsTheEnd()
    {
        BigText viewer;
        showWithRows(viewer, 20);
        for (int i = 0; i < 30; ++i)
            viewer.AddLine(line(i), Colors::clBlack, Colors::clWhite, true);
        QCOMPARE(viewer.VMax(), 10);
        QCOMPARE(viewer.VPos(), 10);
        QCOMPARE(viewer.verticalScrollBar()->value(), 10);
        // Without Show nothing moves until the range is recomputed.
        viewer.AddLine(line(30), Colors::clBlack, Colors::clWhite, false);
        QCOMPARE(viewer.VMax(), 10);
        viewer.RecalcRange();
        QCOMPARE(viewer.VMax(), 11);
        QCOMPARE(viewer.VPos(), 10);
    }

    void lineColours_data()
    {
        QTest::addColumn<bool>("fillBack");
        QTest::addColumn<QColor>("restOfRow");
        QTest::addRow("cells only") << false << QColor(0, 0, 128);
        QTest::addRow("fill back") << true << QColor(0, 255, 0);
    }
    void lineColours()
    {
        QFETCH(bool, fillBack);
        QFETCH(QColor, restOfRow);
        BigText viewer;
        viewer.setColor(Colors::clNavy);
        viewer.setFillBack(fillBack);
        showWithRows(viewer, 10);
        viewer.AddLine(QStringLiteral("WWWW"), Colors::clRed, Colors::clLime, false);
        viewer.RecalcRange();
        const QImage image = viewer.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int lineHeight = viewer.LineHeight();
        const int textWidth = QFontMetrics(viewer.font()).horizontalAdvance(QStringLiteral("WWWW"));
        const QRect cells(0, 0, textWidth, lineHeight);
        QVERIFY(countColour(image, cells, QColor(255, 0, 0), 60) > 10);
        QVERIFY(countColour(image, cells, QColor(0, 255, 0), 60) > 10);
        QCOMPARE(countColour(image, cells, QColor(0, 0, 128), 60), 0);
        QCOMPARE(image.pixelColor(image.width() - 3, lineHeight / 2), restOfRow);
        // Below the lines the window colour shows.
        QCOMPARE(image.pixelColor(5, lineHeight * 3), QColor(0, 0, 128));
    }

    void scrollingRepaintsOnlyTheUncoveredStrip()
    {
        BigText viewer;
        showWithRows(viewer, 20);
        fill(viewer, 100);
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        viewer.viewport()->installEventFilter(&recorder);
        QTest::keyClick(&viewer, Qt::Key_Down);
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QCoreApplication::processEvents();
        const QRect strip = recorder.painted.boundingRect();
        QVERIFY2(strip.height() <= 2 * viewer.LineHeight(),
                 qPrintable(QStringLiteral("repainted %1 pixels high").arg(strip.height())));
        QVERIFY(strip.bottom() >= viewer.viewport()->height() - 1);
    }

    void clickTakesTheFocus()
    {
        QWidget window;
        auto *viewer = new BigText(&window);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!viewer->hasFocus());
        QTest::mouseClick(viewer->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(viewer->hasFocus());
    }

    void scrollBarStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::addRow("none") << int(BigText::ssNone) << false << false;
        QTest::addRow("horizontal") << int(BigText::ssHorizontal) << true << false;
        QTest::addRow("vertical") << int(BigText::ssVertical) << false << true;
        QTest::addRow("both") << int(BigText::ssBoth) << true << true;
    }
    void scrollBarStyles()
    {
        QFETCH(int, style);
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        BigText viewer;
        viewer.setScrollBars(BigText::TScrollStyle(style));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.horizontalScrollBar()->isVisible(), horizontal);
        QCOMPARE(viewer.verticalScrollBar()->isVisible(), vertical);
    }
};

QTEST_MAIN(TestBigText)
#include "tst_bigtext.moc"
