// The word chooser: row geometry, hover inversion, choices reported on click and on leaving.
#include "widgets/SelPanel.h"

#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor paper(255, 255, 0);
const QColor parentColour(10, 200, 30);

QImage plainPicture(int width, int height, const QColor &colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QImage renderPanel(SelPanel &panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(parentColour);
    panel.render(&image);
    return image;
}

void setPixelHeight(SelPanel &panel, int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    panel.setFont(font);
}

void sendEnter(SelPanel &panel)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&panel, &enter);
}

void sendMove(SelPanel &panel, int y)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(40, y), panel.mapToGlobal(QPointF(40, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&panel, &move);
}

void sendLeave(SelPanel &panel)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&panel, &leave);
}

struct Choice {
    QString value;
    int index;
    bool operator==(const Choice &other) const { return value == other.value && index == other.index; }
};

QList<Choice> choices(const QSignalSpy &spy)
{
    QList<Choice> result;
    for (const QList<QVariant> &args : spy)
        result.append({args.at(1).toString(), args.at(2).toInt()});
    return result;
}

char *toString(const Choice &choice)
{
    return qstrdup(QStringLiteral("(%1,%2)").arg(choice.value).arg(choice.index).toUtf8().constData());
}

} // namespace

Q_DECLARE_METATYPE(Choice)

class TestSelPanel : public QObject {
    Q_OBJECT
private slots:
    void startsHiddenAndUnfocusable()
    {
        SelPanel panel;
        QVERIFY(panel.isHidden());
        QCOMPARE(panel.width(), 160);
        QCOMPARE(panel.focusPolicy(), Qt::NoFocus);
        QCOMPARE(panel.Resp(), QString());
        QCOMPARE(panel.SelIndex(), 0);
    }

    void heightFollowsRows_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("expected");
        QTest::addRow("two at 19") << 19 << 2 << 76;
        QTest::addRow("four at 19") << 19 << 4 << 152;
        QTest::addRow("three at 11") << 11 << 3 << 66;
        QTest::addRow("empty") << 19 << 0 << 0;
    }
    void heightFollowsRows()
    {
        QFETCH(int, pixels);
        QFETCH(int, items);
        QFETCH(int, expected);
        SelPanel panel;
        panel.resize(104, 300);
        setPixelHeight(panel, pixels);
        QStringList values;
        for (int i = 0; i < items; ++i)
            values << QStringLiteral("w%1").arg(i);
        panel.setStringListValues(values);
        panel.resize(104, 10);
        QCOMPARE(panel.height(), expected);
        QCOMPARE(panel.width(), 104);
    }

    void hoverInvertsTheRowUnderThePointer_data()
    {
        QTest::addColumn<int>("moveToY");
        QTest::addColumn<int>("hoveredRow");
        QTest::addRow("before any move") << -1 << 0;
        QTest::addRow("second row") << 50 << 1;
        QTest::addRow("back to first") << 37 << 0;
    }
    void hoverInvertsTheRowUnderThePointer()
    {
        QFETCH(int, moveToY);
        QFETCH(int, hoveredRow);
        SelPanel panel;
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("si no"), QStringLiteral("sino")});
        panel.setBitmap(plainPicture(200, 100, paper));
        QSignalSpy moves(&panel, &SelPanel::OnMouseMove);
        if (moveToY >= 0) {
            sendMove(panel, 50);
            sendMove(panel, moveToY);
            QCOMPARE(moves.count(), 2);
        }
        QCOMPARE(panel.HoverTop(), hoveredRow * 38);
        const QImage image = renderPanel(panel);
        const QColor inverted(0, 0, 255);
        for (int row = 0; row < 2; ++row) {
            const QColor expected = row == hoveredRow ? inverted : paper;
            // Right of the text, inside the bevel.
            QCOMPARE(image.pixelColor(150, row * 38 + 19), expected);
        }
    }

    void hoverTextIsDrawnInverted()
    {
        SelPanel panel;
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("WWWW"), QStringLiteral("WWWW")});
        panel.setBitmap(plainPicture(200, 100, Qt::white));
        const QImage image = renderPanel(panel);
        // The hovered row is black with white text; the other row has black text on white.
        auto countColour = [&image](int top, QRgb colour) {
            int n = 0;
            for (int y = top + 3; y < top + 35; ++y)
                for (int x = 29; x < 100; ++x)
                    n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
            return n;
        };
        QVERIFY(countColour(0, qRgb(255, 255, 255)) > 20);
        QVERIFY(countColour(0, qRgb(255, 255, 255)) < 71 * 32 / 2);
        QVERIFY(countColour(38, qRgb(0, 0, 0)) > 20);
        QVERIFY(countColour(38, qRgb(0, 0, 0)) < 71 * 32 / 2);
    }

    void bevelsAndFrame_data()
    {
        QTest::addColumn<bool>("activa");
        QTest::addColumn<bool>("xp");
        QTest::addColumn<QColor>("leftEdge");   // x 1, inside row 2
        QTest::addColumn<QColor>("rightEdge");  // x width-1, inside row 2
        QTest::addColumn<QColor>("outerEdge");  // x 0, inside row 2
        const QColor white(255, 255, 255), gray(128, 128, 128);
        QTest::addRow("raised") << false << false << white << gray << paper;
        QTest::addRow("sunken") << true << false << gray << white << paper;
        QTest::addRow("flat frame") << false << true << paper << gray << gray;
    }
    void bevelsAndFrame()
    {
        QFETCH(bool, activa);
        QFETCH(bool, xp);
        QFETCH(QColor, leftEdge);
        QFETCH(QColor, rightEdge);
        QFETCH(QColor, outerEdge);
        SelPanel panel;
        panel.resize(104, 0);
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("a"), QStringLiteral("b")});
        panel.setBitmap(plainPicture(200, 100, paper));
        panel.setActiva(activa);
        panel.setXP(xp);
        const QImage image = renderPanel(panel);
        QCOMPARE(image.pixelColor(1, 60), leftEdge);
        QCOMPARE(image.pixelColor(103, 60), rightEdge);
        QCOMPARE(image.pixelColor(0, 60), outerEdge);
    }

    void iconsSitBesideTheirRows()
    {
        SelPanel panel;
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("a"), QStringLiteral("b")});
        panel.setBitmap(plainPicture(200, 100, paper));
        // Two 12-pixel cells: red, then white (which must let the picture through).
        QImage strip(24, 20, QImage::Format_RGB32);
        strip.fill(Qt::white);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 12; ++x)
                strip.setPixelColor(x, y, Qt::red);
        panel.setIcoBMP(strip);
        const QImage image = renderPanel(panel);
        // Row 2 is not hovered: its cell (white) leaves the picture; row 1's red cell is drawn
        // over the highlight, uninverted.
        QCOMPARE(image.pixelColor(6, 38 + 10), paper);
        QCOMPARE(image.pixelColor(6, 10), QColor(Qt::red));
    }

    void clicksReportTheRow_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QList<int>>("clickYs");
        QTest::addColumn<QList<Choice>>("expected");
        const QStringList sino{QStringLiteral("si no"), QStringLiteral("sino")};
        QTest::addRow("second row") << sino << QList<int>{50} << QList<Choice>{{"sino", 2}};
        QTest::addRow("same row twice") << sino << QList<int>{10, 30}
                                        << QList<Choice>{{"si no", 1}, {"si no", 1}};
        QTest::addRow("same text keeps first number")
            << QStringList{QStringLiteral("a"), QStringLiteral("a")} << QList<int>{5, 60}
            << QList<Choice>{{"a", 1}, {"a", 1}};
        QTest::addRow("below the last row") << sino << QList<int>{76, 120} << QList<Choice>{};
        QTest::addRow("no items") << QStringList{} << QList<int>{0, 5} << QList<Choice>{};
    }
    void clicksReportTheRow()
    {
        QFETCH(QStringList, items);
        QFETCH(QList<int>, clickYs);
        QFETCH(QList<Choice>, expected);
        SelPanel panel;
        setPixelHeight(panel, 19);
        panel.setStringListValues(items);
        QSignalSpy changes(&panel, &SelPanel::OnChange);
        QSignalSpy downs(&panel, &SelPanel::OnMouseDown);
        for (int y : clickYs)
            QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, y));
        QCOMPARE(choices(changes), expected);
        QCOMPARE(downs.count(), expected.count());
        for (const QList<QVariant> &args : changes)
            QCOMPARE(args.at(0).value<SelPanel *>(), &panel);
    }

    void enterAndLeave_data()
    {
        QTest::addColumn<bool>("clickInside");
        QTest::addColumn<Choice>("reported");
        QTest::addRow("no click") << false << Choice{QString(), 0};
        QTest::addRow("click") << true << Choice{QStringLiteral("sino"), 2};
    }
    void enterAndLeave()
    {
        QFETCH(bool, clickInside);
        QFETCH(Choice, reported);
        SelPanel panel;
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("si no"), QStringLiteral("sino")});
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(panel.Resp(), QStringLiteral("si no"));
        QSignalSpy changes(&panel, &SelPanel::OnChange);
        QSignalSpy enters(&panel, &SelPanel::OnEnter);
        QSignalSpy exits(&panel, &SelPanel::OnExit);
        sendEnter(panel);
        QCOMPARE(panel.Resp(), QString());
        QCOMPARE(panel.SelIndex(), 0);
        QCOMPARE(enters.count(), 1);
        if (clickInside) {
            QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 50));
            changes.clear();
        }
        sendLeave(panel);
        QCOMPARE(choices(changes), QList<Choice>{reported});
        QCOMPARE(exits.count(), 1);
    }

    void disabledPanelIgnoresThePointer()
    {
        QWidget parent;
        SelPanel &panel = *new SelPanel(&parent);
        setPixelHeight(panel, 19);
        panel.setStringListValues({QStringLiteral("aun"), QStringLiteral("aún")});
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 50));
        panel.setEnabled(false);
        panel.setCursor(Qt::PointingHandCursor);
        QSignalSpy changes(&panel, &SelPanel::OnChange);
        QSignalSpy enters(&panel, &SelPanel::OnEnter);
        QSignalSpy exits(&panel, &SelPanel::OnExit);
        sendEnter(panel);
        sendLeave(panel);
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(panel.Resp(), QStringLiteral("aún"));
        QCOMPARE(panel.SelIndex(), 2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(enters.count(), 0);
        QCOMPARE(exits.count(), 0);
        QVERIFY(!panel.testAttribute(Qt::WA_SetCursor));
    }

    void clickLeavesTheFocusWhereItWas()
    {
        QWidget window;
        auto *edit = new QLineEdit(&window);
        auto *panel = new SelPanel(&window);
        setPixelHeight(*panel, 19);
        panel->setStringListValues({QStringLiteral("hecho"), QStringLiteral("echo")});
        panel->move(0, 40);
        window.resize(200, 200);
        window.show();
        panel->show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QString chosen;
        connect(panel, &SelPanel::OnChange, edit,
                [&chosen](SelPanel *, const QString &value, int) { chosen = value; });
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(40, 50));
        QCOMPARE(chosen, QStringLiteral("echo"));
        QVERIFY(edit->hasFocus());
    }
};

QTEST_MAIN(TestSelPanel)
#include "tst_selpanel.moc"
