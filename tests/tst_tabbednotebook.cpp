// TabbedNotebook: asking before every switch, whatever causes it.
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

namespace {

enum class Trigger {
    MouseOnTab,
    RightKeyOnTabs,
    LeftKeyOnTabs,
    EndKeyOnTabs,
    CtrlTabInTextBox,
    CtrlShiftTabInLineEdit,
    CtrlPageDown,
    WheelDown,
    WheelUp,
    PageIndexInCode,
    ActivePageInCode,
    TabBarMovedDirectly,
};

// What a handler saw while OnChange ran.
struct Seen {
    int calls = 0;
    int newTab = -99;
    int pageIndex = -99;
    QString activePage;
    int tabBarIndex = -99;
    int stackIndex = -99;
};

void sendWheel(QWidget *target, int delta)
{
    const QPointF at = QPointF(target->rect().center());
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestTabbedNotebook : public QObject {
    Q_OBJECT

    // Four pages "Cero" .. "Tres" on view at page 1, which holds a text box and a line edit.
    struct Fixture {
        TabbedNotebook notebook;
        QTextEdit *textBox = nullptr;
        QLineEdit *lineEdit = nullptr;
        Fixture()
        {
            notebook.resize(400, 300);
            for (const char *caption : {"Cero", "Uno", "Dos", "Tres"})
                notebook.addPage(QString::fromLatin1(caption));
            textBox = new QTextEdit(notebook.page(1));
            textBox->setGeometry(10, 10, 200, 100);
            lineEdit = new QLineEdit(notebook.page(1));
            lineEdit->setGeometry(10, 120, 200, 24);
            notebook.setPageIndex(1);
            notebook.show();
        }
    };

private slots:
    void asksBeforeEverySwitch_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("allow");
        const struct {
            const char *name;
            Trigger trigger;
            int target;
        } rows[] = {
            {"mouse on a tab", Trigger::MouseOnTab, 3},
            {"Right on the tabs", Trigger::RightKeyOnTabs, 2},
            {"Left on the tabs", Trigger::LeftKeyOnTabs, 0},
            {"End on the tabs", Trigger::EndKeyOnTabs, 3},
            {"Ctrl+Tab in a text box", Trigger::CtrlTabInTextBox, 2},
            {"Ctrl+Shift+Tab in a line edit", Trigger::CtrlShiftTabInLineEdit, 0},
            {"Ctrl+PgDown", Trigger::CtrlPageDown, 2},
            {"wheel towards the user", Trigger::WheelDown, 2},
            {"wheel away from the user", Trigger::WheelUp, 0},
            {"PageIndex in code", Trigger::PageIndexInCode, 3},
            {"ActivePage in code", Trigger::ActivePageInCode, 2},
            {"tab bar moved directly", Trigger::TabBarMovedDirectly, 3},
        };
        for (const auto &row : rows) {
            QTest::addRow("%s, allowed", row.name) << int(row.trigger) << row.target << true;
            QTest::addRow("%s, refused", row.name) << int(row.trigger) << row.target << false;
        }
    }
    void asksBeforeEverySwitch()
    {
        QFETCH(int, trigger);
        QFETCH(int, target);
        QFETCH(bool, allow);
        Fixture f;
        TabbedNotebook &nb = f.notebook;
        QVERIFY(QTest::qWaitForWindowExposed(&nb));
        auto *stack = nb.findChild<QStackedWidget *>();
        QVERIFY(stack);

        Seen seen;
        connect(&nb, &TabbedNotebook::OnChange, this, [&](int newTab, bool &allowChange) {
            ++seen.calls;
            seen.newTab = newTab;
            seen.pageIndex = nb.pageIndex();
            seen.activePage = nb.activePage();
            seen.tabBarIndex = nb.tabBar()->currentIndex();
            seen.stackIndex = stack->currentIndex();
            allowChange = allow;
        });

        switch (Trigger(trigger)) {
        case Trigger::MouseOnTab:
            QTest::mouseClick(nb.tabBar(), Qt::LeftButton, {}, nb.tabBar()->tabRect(target).center());
            break;
        case Trigger::RightKeyOnTabs: QTest::keyClick(nb.tabBar(), Qt::Key_Right); break;
        case Trigger::LeftKeyOnTabs: QTest::keyClick(nb.tabBar(), Qt::Key_Left); break;
        case Trigger::EndKeyOnTabs: QTest::keyClick(nb.tabBar(), Qt::Key_End); break;
        case Trigger::CtrlTabInTextBox:
            f.textBox->setFocus();
            QTest::keyClick(f.textBox, Qt::Key_Tab, Qt::ControlModifier);
            break;
        case Trigger::CtrlShiftTabInLineEdit:
            f.lineEdit->setFocus();
            QTest::keyClick(f.lineEdit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case Trigger::CtrlPageDown:
            f.lineEdit->setFocus();
            QTest::keyClick(f.lineEdit, Qt::Key_PageDown, Qt::ControlModifier);
            break;
        case Trigger::WheelDown: sendWheel(nb.tabBar(), -120); break;
        case Trigger::WheelUp: sendWheel(nb.tabBar(), 120); break;
        case Trigger::PageIndexInCode: nb.setPageIndex(target); break;
        case Trigger::ActivePageInCode: nb.setActivePage(QStringLiteral("Dos")); break;
        case Trigger::TabBarMovedDirectly: nb.tabBar()->setCurrentIndex(target); break;
        }

        QCOMPARE(seen.calls, 1);
        QCOMPARE(seen.newTab, target);
        // While asked, everything still names and shows the page being left.
        QCOMPARE(seen.pageIndex, 1);
        QCOMPARE(seen.activePage, QStringLiteral("Uno"));
        QCOMPARE(seen.tabBarIndex, 1);
        QCOMPARE(seen.stackIndex, 1);

        const int expected = allow ? target : 1;
        QCOMPARE(nb.pageIndex(), expected);
        QCOMPARE(nb.tabBar()->currentIndex(), expected);
        QCOMPARE(stack->currentIndex(), expected);
        QCOMPARE(nb.activePage(), nb.pages().at(expected));
    }

    void onlyThePageOnViewIsVisibleAndEnabled()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.notebook));
        for (int shown : {1, 3, 0}) {
            f.notebook.setPageIndex(shown);
            for (int i = 0; i < f.notebook.count(); ++i) {
                QCOMPARE(f.notebook.page(i)->isVisible(), i == shown);
                QCOMPARE(f.notebook.page(i)->isEnabled(), i == shown);
            }
        }
    }

    void noQuestionWithoutASwitch_data()
    {
        QTest::addColumn<int>("request");
        QTest::addRow("the current page") << 1;
        QTest::addRow("below the first") << -1;
        QTest::addRow("past the last") << 4;
    }
    void noQuestionWithoutASwitch()
    {
        QFETCH(int, request);
        Fixture f;
        int calls = 0;
        connect(&f.notebook, &TabbedNotebook::OnChange, this, [&](int, bool &) { ++calls; });
        f.notebook.setPageIndex(request);
        QTest::mouseClick(f.notebook.tabBar(), Qt::LeftButton, {},
                          f.notebook.tabBar()->tabRect(1).center());
        QCOMPARE(calls, 0);
        QCOMPARE(f.notebook.pageIndex(), 1);
    }

    void keysStopAtTheEndsButCtrlTabGoesRound()
    {
        Fixture f;
        f.notebook.setPageIndex(3);
        QTest::keyClick(f.notebook.tabBar(), Qt::Key_Right);
        QCOMPARE(f.notebook.pageIndex(), 3);
        f.notebook.setFocus();
        QTest::keyClick(f.notebook.tabBar(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.notebook.pageIndex(), 0);
        QTest::keyClick(f.notebook.tabBar(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.notebook.pageIndex(), 3);
    }

    void wheelNeedsAWholeNotch()
    {
        Fixture f;
        sendWheel(f.notebook.tabBar(), -60);
        QCOMPARE(f.notebook.pageIndex(), 1);
        sendWheel(f.notebook.tabBar(), -60);
        QCOMPARE(f.notebook.pageIndex(), 2);
        sendWheel(f.notebook.tabBar(), 240);
        QCOMPARE(f.notebook.pageIndex(), 0);
    }

    void aSwitchAskedForInsideTheHandlerIsNotStarted()
    {
        Fixture f;
        QList<int> asked;
        connect(&f.notebook, &TabbedNotebook::OnChange, this, [&](int newTab, bool &) {
            asked.append(newTab);
            QVERIFY(!f.notebook.selectPage(0));
        });
        QVERIFY(f.notebook.selectPage(2));
        QCOMPARE(asked, QList<int>{2});
        QCOMPARE(f.notebook.pageIndex(), 2);
    }

    void emptyNotebookAndFirstPage()
    {
        TabbedNotebook nb;
        int calls = 0;
        connect(&nb, &TabbedNotebook::OnChange, this, [&](int, bool &) { ++calls; });
        QCOMPARE(nb.pageIndex(), -1);
        QCOMPARE(nb.activePage(), QString());
        QVERIFY(!nb.selectPage(0));
        nb.addPage(QStringLiteral("Reglas"));
        QCOMPARE(calls, 0);
        QCOMPARE(nb.pageIndex(), 0);
        QCOMPARE(nb.activePage(), QStringLiteral("Reglas"));
        nb.addPage(QStringLiteral("Ejemplos"));
        QCOMPARE(nb.pageIndex(), 0);
        QCOMPARE(nb.tabBar()->currentIndex(), 0);
    }

    void pagesHaveTheirSizeBeforeBeingShown()
    {
        TabbedNotebook nb;
        nb.resize(400, 300);
        nb.addPage(QStringLiteral("Cero"));
        nb.addPage(QStringLiteral("Uno"));
        const QSize expected = nb.findChild<QStackedWidget *>()->size();
        QCOMPARE(expected.width(), 400 - 8);
        QCOMPARE(nb.page(1)->size(), expected);
        nb.show();
        nb.resize(500, 350);
        QCOMPARE(nb.page(1)->width(), 500 - 8);
        QCOMPARE(nb.page(0)->size(), nb.page(1)->size());
    }

    void tabFollowsTheCaption()
    {
        TabbedNotebook nb;
        auto *page = new TabPage;
        nb.addPage(page);
        page->setCaption(QStringLiteral("Frases y palabras"));
        QCOMPARE(nb.tabBar()->tabText(0), QStringLiteral("Frases y palabras"));
        QCOMPARE(nb.pages(), QStringList{QStringLiteral("Frases y palabras")});
    }

    void clickOnATabRaisesOnClick()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.notebook));
        int clicks = 0;
        connect(&f.notebook, &TabbedNotebook::OnClick, this, [&] { ++clicks; });
        QTest::mouseClick(f.notebook.tabBar(), Qt::LeftButton, {}, f.notebook.tabBar()->tabRect(2).center());
        QCOMPARE(clicks, 1);
        QCOMPARE(f.notebook.pageIndex(), 2);
    }
};

QTEST_MAIN(TestTabbedNotebook)
#include "tst_tabbednotebook.moc"
