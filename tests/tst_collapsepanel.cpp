// Tests of CollapsePanel: folding, the header button, the pointer and the close timer.
#include "widgets/CollapsePanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

namespace {

const TColor pageColour = Colors::rgb(194, 218, 203);

// Records every height the watched widget takes while it is shown.
class HeightRecorder : public QObject {
public:
    QList<int> heights;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            heights << static_cast<QResizeEvent *>(event)->size().height();
        return QObject::eventFilter(watched, event);
    }
};

QList<int> range(int from, int to, int step = 1)
{
    QList<int> values;
    for (int h = from; step > 0 ? h <= to : h >= to; h += step)
        values << h;
    return values;
}

// A shown window holding one panel at the top, like the questions page.
struct Page {
    QWidget window;
    CollapsePanel *panel;

    explicit Page(int height = 283)
    {
        window.resize(700, 400);
        panel = new CollapsePanel(&window);
        panel->setGeometry(0, 0, 681, height);
        panel->setColor(pageColour);
        window.show();
    }
};

void movePointer(QWidget &window, QPoint position)
{
    QTest::mouseMove(&window, position);
    QCoreApplication::processEvents();
}

} // namespace

class TestCollapsePanel : public QObject {
    Q_OBJECT

private slots:
    void construction();
    void stepping_data();
    void stepping();
    void assigningCurrentValueDoesNothing_data();
    void assigningCurrentValueDoesNothing();
    void heightSetWhileExpandedIsRestored();
    void stackedPanelsFollow_data();
    void stackedPanelsFollow();
    void buttonWithoutAutoClose();
    void buttonPinsWithAutoClose();
    void autoCloseTimeSetsInterval();
    void pointerOpensAndTimerCloses();
    void pinnedPanelStaysOpen();
    void reentryCancelsClose();
    void childrenKeepPanelOpen();
    void pointerIgnoredWithoutAutoClose();
    void darken_data();
    void darken();
    void headerTakesLighterShadeWhenPainted();
};

void TestCollapsePanel::construction()
{
    CollapsePanel panel;
    QVERIFY(!panel.Collapsed());
    QVERIFY(!panel.AutoClose());
    QVERIFY(!panel.Pinned());
    QCOMPARE(panel.AutoCloseTime(), 1500);
    QCOMPARE(panel.CloseTimer()->interval(), 1500);
    QVERIFY(!panel.CloseTimer()->isActive());
    QCOMPARE(panel.Caption(), QString());
    QCOMPARE(panel.HeaderCaption(), QString());
    QCOMPARE(panel.ExpandedHeight(), panel.height());
    QCOMPARE(panel.Header()->height(), 16);
    QCOMPARE(panel.MarkerButton()->geometry(), QRect(0, 0, 15, 15));
    QCOMPARE(panel.MarkerButton()->text(), QStringLiteral("-"));
    QCOMPARE(panel.MarkerButton()->focusPolicy(), Qt::NoFocus);
    QVERIFY(panel.MarkerButton()->font().bold());
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("Header")), panel.Header());
    QCOMPARE(panel.findChild<QTimer *>(QStringLiteral("CloseTimer")), panel.CloseTimer());

    const QString caption = QStringLiteral("1. Las formas \"porque\", \"por qué\", \"porqué\" y \"por que\".");
    panel.setHeaderCaption(caption);
    QCOMPARE(panel.HeaderCaption(), caption);
    QCOMPARE(panel.Header()->text(), caption);

    const QString about = panel.About();
    QVERIFY(!about.isEmpty());
    panel.setAbout(QStringLiteral("otra cosa"));
    QCOMPARE(panel.About(), about);
    QVERIFY(panel.setProperty("About", QStringLiteral("otra cosa")));
    QCOMPARE(panel.property("About").toString(), about);
}

void TestCollapsePanel::stepping_data()
{
    QTest::addColumn<int>("expanded");
    QTest::addColumn<QList<int>>("folding");
    QTest::addColumn<QList<int>>("unfolding");

    QTest::addRow("283 passes every height") << 283 << range(282, 17, -1) << range(18, 283);
    QTest::addRow("299 passes every height") << 299 << range(298, 17, -1) << range(18, 299);
    QTest::addRow("300 steps by four") << 300 << (range(296, 20, -4) << 17) << (range(20, 300, 4));
    QTest::addRow("301 steps by four") << 301 << (range(300, 20, -4) << 17) << (range(20, 300, 4) << 301);
    QTest::addRow("already at the header") << 17 << QList<int>() << QList<int>();
}

void TestCollapsePanel::stepping()
{
    QFETCH(int, expanded);
    QFETCH(QList<int>, folding);
    QFETCH(QList<int>, unfolding);

    Page page(expanded);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    HeightRecorder recorder;
    page.panel->installEventFilter(&recorder);

    page.panel->setCollapsed(true);
    QVERIFY(page.panel->Collapsed());
    QCOMPARE(page.panel->height(), 17);
    QCOMPARE(page.panel->MarkerButton()->text(), QStringLiteral("+"));
    QCOMPARE(page.panel->ExpandedHeight(), expanded);
    QCOMPARE(recorder.heights, folding);

    recorder.heights.clear();
    page.panel->setCollapsed(false);
    QVERIFY(!page.panel->Collapsed());
    QCOMPARE(page.panel->height(), expanded);
    QCOMPARE(page.panel->MarkerButton()->text(), QStringLiteral("-"));
    QCOMPARE(recorder.heights, unfolding);
}

void TestCollapsePanel::assigningCurrentValueDoesNothing_data()
{
    QTest::addColumn<bool>("collapsed");
    QTest::addRow("expanded, assigned false") << false;
    QTest::addRow("collapsed, assigned true") << true;
}

void TestCollapsePanel::assigningCurrentValueDoesNothing()
{
    QFETCH(bool, collapsed);

    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setCollapsed(collapsed);
    const int height = page.panel->height();
    const QString marker = page.panel->MarkerButton()->text();
    const int expandedHeight = page.panel->ExpandedHeight();
    HeightRecorder recorder;
    page.panel->installEventFilter(&recorder);

    page.panel->setCollapsed(collapsed);
    QCOMPARE(recorder.heights, QList<int>());
    QCOMPARE(page.panel->height(), height);
    QCOMPARE(page.panel->MarkerButton()->text(), marker);
    QCOMPARE(page.panel->ExpandedHeight(), expandedHeight);
}

void TestCollapsePanel::heightSetWhileExpandedIsRestored()
{
    CollapsePanel panel;
    panel.resize(400, 283);
    panel.setCollapsed(true);
    panel.setCollapsed(false);
    panel.resize(400, 200);
    panel.setCollapsed(true);
    QCOMPARE(panel.height(), 17);
    panel.setCollapsed(false);
    QCOMPARE(panel.height(), 200);
}

void TestCollapsePanel::stackedPanelsFollow_data()
{
    QTest::addColumn<bool>("aligned");
    QTest::addRow("aligned to the top under a strip") << true;
    QTest::addRow("in a vertical layout") << false;
}

void TestCollapsePanel::stackedPanelsFollow()
{
    QFETCH(bool, aligned);

    // The panels sit on a page inside a window, as on the help window's notebook, under a
    // 30-pixel strip.
    QWidget window;
    window.resize(681, 500);
    QWidget page(&window);
    page.resize(681, 900);
    auto *strip = new QFrame(&page);
    strip->resize(100, 30);
    QVBoxLayout *layout = nullptr;
    if (aligned) {
        ControlAlign::setAlign(strip, ControlAlign::alTop);
    } else {
        layout = new QVBoxLayout(&page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        strip->setFixedHeight(30);
        layout->addWidget(strip);
    }
    const int heights[] = {283, 282, 281};
    QList<CollapsePanel *> panels;
    for (int height : heights) {
        auto *panel = new CollapsePanel(&page);
        panel->resize(200, height);
        panel->move(0, 600);
        if (aligned)
            panel->setAlign(ControlAlign::alTop);
        else
            layout->addWidget(panel);
        panels << panel;
    }
    if (layout)
        layout->addStretch();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(strip->geometry(), QRect(0, 0, 681, 30));
    QCOMPARE(panels[0]->geometry(), QRect(0, 30, 681, 283));
    QCOMPARE(panels[1]->y(), 30 + 283);
    QCOMPARE(panels[2]->y(), 30 + 283 + 282);

    // The panel below moves with every step, not just at the end.
    QList<int> positions;
    class MoveRecorder : public QObject {
    public:
        QList<int> *positions;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Move)
                *positions << static_cast<QWidget *>(watched)->y();
            return false;
        }
    } recorder;
    recorder.positions = &positions;
    panels[1]->installEventFilter(&recorder);

    panels[0]->setCollapsed(true);
    QCOMPARE(panels[1]->y(), 30 + 17);
    QCOMPARE(panels[2]->y(), 30 + 17 + 282);
    QCOMPARE(positions, range(30 + 282, 30 + 17, -1));
    for (CollapsePanel *panel : panels)
        panel->setCollapsed(true);
    QCOMPARE(panels[2]->y(), 30 + 34);
    for (CollapsePanel *panel : panels)
        panel->setCollapsed(false);
    QCOMPARE(panels[2]->y(), 30 + 283 + 282);
    QCOMPARE(panels[2]->height(), 281);

    // A wider page widens the aligned panels.
    if (aligned) {
        page.resize(700, 900);
        QCOMPARE(panels[1]->width(), 700);
    }
}

void TestCollapsePanel::buttonWithoutAutoClose()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    QToolButton *button = page.panel->MarkerButton();
    QVERIFY(!button->isCheckable());

    button->click();
    QVERIFY(page.panel->Collapsed());
    QCOMPARE(page.panel->height(), 17);
    QCOMPARE(button->text(), QStringLiteral("+"));
    button->click();
    QVERIFY(!page.panel->Collapsed());
    QCOMPARE(page.panel->height(), 283);
    QCOMPARE(button->text(), QStringLiteral("-"));
    QVERIFY(!page.panel->Pinned());
}

void TestCollapsePanel::buttonPinsWithAutoClose()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoClose(true);
    QToolButton *button = page.panel->MarkerButton();
    QVERIFY(button->isCheckable());

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(page.panel->Pinned());
    QVERIFY(button->isChecked());
    QVERIFY(!page.panel->Collapsed());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!page.panel->Pinned());
    QVERIFY(!page.panel->Collapsed());

    page.panel->setCollapsed(true);
    button->click();
    QVERIFY(page.panel->Pinned());
    QVERIFY(page.panel->Collapsed()); // the click neither opens nor closes

    // Switched off, the button is a plain one again and pins nothing.
    page.panel->setAutoClose(false);
    QVERIFY(!button->isCheckable());
    QVERIFY(!page.panel->Pinned());
    button->click();
    QVERIFY(!page.panel->Collapsed());
}

void TestCollapsePanel::autoCloseTimeSetsInterval()
{
    CollapsePanel panel;
    panel.setAutoCloseTime(400);
    QCOMPARE(panel.AutoCloseTime(), 400);
    QCOMPARE(panel.CloseTimer()->interval(), 400);
    panel.setAutoCloseTime(-5);
    QCOMPARE(panel.CloseTimer()->interval(), 0);
}

void TestCollapsePanel::pointerOpensAndTimerCloses()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoClose(true);
    page.panel->setAutoCloseTime(50);
    movePointer(page.window, QPoint(650, 390));
    page.panel->setCollapsed(true);

    movePointer(page.window, QPoint(300, 10));
    QVERIFY(!page.panel->Collapsed());
    QCOMPARE(page.panel->height(), 283);
    QVERIFY(!page.panel->CloseTimer()->isActive());

    movePointer(page.window, QPoint(690, 390));
    QVERIFY(page.panel->CloseTimer()->isActive());
    QVERIFY(!page.panel->Collapsed());
    QTRY_VERIFY(page.panel->Collapsed());
    QCOMPARE(page.panel->height(), 17);
    QVERIFY(!page.panel->CloseTimer()->isActive());
}

void TestCollapsePanel::pinnedPanelStaysOpen()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoClose(true);
    page.panel->setAutoCloseTime(50);
    movePointer(page.window, QPoint(300, 100));
    page.panel->MarkerButton()->click();
    QVERIFY(page.panel->Pinned());

    movePointer(page.window, QPoint(690, 390));
    QVERIFY(!page.panel->CloseTimer()->isActive());
    QVERIFY(!page.panel->Collapsed());

    movePointer(page.window, QPoint(300, 100));
    page.panel->MarkerButton()->click();
    QVERIFY(!page.panel->Pinned());
    movePointer(page.window, QPoint(690, 390));
    QVERIFY(page.panel->CloseTimer()->isActive());
    QTRY_VERIFY(page.panel->Collapsed());
}

void TestCollapsePanel::reentryCancelsClose()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoClose(true);
    movePointer(page.window, QPoint(300, 100));
    movePointer(page.window, QPoint(690, 390));
    QVERIFY(page.panel->CloseTimer()->isActive());

    movePointer(page.window, QPoint(300, 100));
    // A stopped timer cannot fire: the close is cancelled for good.
    QVERIFY(!page.panel->CloseTimer()->isActive());
    QVERIFY(!page.panel->Collapsed());
}

void TestCollapsePanel::childrenKeepPanelOpen()
{
    Page page;
    auto *blank = new QLineEdit(page.panel);
    blank->setGeometry(100, 100, 120, 24);
    blank->show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoClose(true);

    movePointer(page.window, QPoint(300, 200));
    movePointer(page.window, QPoint(150, 110)); // onto the blank
    QVERIFY(!page.panel->CloseTimer()->isActive());
    movePointer(page.window, QPoint(400, 8)); // onto the header
    QVERIFY(!page.panel->CloseTimer()->isActive());
    movePointer(page.window, QPoint(5, 5)); // onto the header button
    QVERIFY(!page.panel->CloseTimer()->isActive());
    movePointer(page.window, QPoint(300, 350)); // out of the panel
    QVERIFY(page.panel->CloseTimer()->isActive());
}

void TestCollapsePanel::pointerIgnoredWithoutAutoClose()
{
    Page page;
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    page.panel->setAutoCloseTime(10);
    movePointer(page.window, QPoint(690, 390));
    page.panel->setCollapsed(true);

    movePointer(page.window, QPoint(300, 8));
    QVERIFY(page.panel->Collapsed());
    page.panel->setCollapsed(false);
    movePointer(page.window, QPoint(690, 390));
    QVERIFY(!page.panel->CloseTimer()->isActive());
    QVERIFY(!page.panel->Collapsed());
}

void TestCollapsePanel::darken_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<int>("amount");
    QTest::addColumn<TColor>("darker");

    QTest::addRow("questions page, header") << pageColour << 20 << Colors::rgb(174, 198, 183);
    QTest::addRow("questions page, at creation") << pageColour << 100 << Colors::rgb(94, 118, 103);
    QTest::addRow("channel equal to amount") << Colors::rgb(20, 21, 19) << 20 << Colors::rgb(0, 1, 0);
    QTest::addRow("black stays black") << Colors::clBlack << 20 << Colors::clBlack;
    QTest::addRow("nothing taken") << Colors::clAqua << 0 << Colors::clAqua;
    QTest::addRow("negative amount stops at white") << Colors::rgb(250, 10, 0) << -20 << Colors::rgb(255, 30, 20);
    QTest::addRow("most negative amount") << Colors::rgb(1, 2, 3) << std::numeric_limits<int>::min() << Colors::clWhite;
}

void TestCollapsePanel::darken()
{
    QFETCH(TColor, colour);
    QFETCH(int, amount);
    QFETCH(TColor, darker);

    QCOMPARE(CollapsePanel::Darken(colour, amount), darker);
}

void TestCollapsePanel::headerTakesLighterShadeWhenPainted()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(120, 130, 140));
    QCOMPARE(CollapsePanel::Darken(Colors::clBtnFace, 20, palette), Colors::rgb(100, 110, 120));

    CollapsePanel panel;
    panel.resize(300, 100);
    const QColor atCreation = panel.Header()->palette().color(QPalette::Window);
    QCOMPARE(atCreation, Colors::toQColor(CollapsePanel::Darken(Colors::clBtnFace, 100, panel.palette())));

    panel.setColor(pageColour);
    QImage image(panel.size(), QImage::Format_RGB32);
    panel.render(&image);
    // Header pixels away from its bevel, caption and button; the panel body below it.
    QCOMPARE(QColor(image.pixel(200, 8)), QColor(174, 198, 183));
    QCOMPARE(QColor(image.pixel(150, 60)), QColor(194, 218, 203));
    // The header lies inside the panel's bevel.
    QCOMPARE(panel.Header()->geometry(), QRect(1, 1, 298, 16));

    panel.setColor(Colors::clWhite);
    panel.render(&image);
    QCOMPARE(QColor(image.pixel(200, 8)), QColor(235, 235, 235));
}

QTEST_MAIN(TestCollapsePanel)
#include "tst_collapsepanel.moc"
