// The accent-variant selector: variant lists, the right choice, values, type-ahead, search.
#include "widgets/BoolComboBox.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <qdrawutil.h>

namespace {

QStringList items(const QComboBox &box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

// What the list does for a choice made with the mouse or the arrow keys.
void choose(BoolComboBox &box, int index)
{
    box.setCurrentIndex(index);
    emit box.activated(index);
}

} // namespace

class TestBoolComboBox : public QObject {
    Q_OBJECT

private slots:
    void variantList_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("conspiración") << "conspiración"
                                      << QStringList{"conspiracion", "cónspiracion", "conspíracion",
                                                     "conspirácion", "conspiracíon", "conspiración"};
        QTest::addRow("diaeresis never accented") << "pingüino"
                                                  << QStringList{"pingüino", "píngüino", "pingüíno", "pingüinó"};
        QTest::addRow("y is no vowel") << "hoy" << QStringList{"hoy", "hóy"};
        QTest::addRow("accented capital kept") << "Árbol" << QStringList{"Árbol", "Árból"};
        QTest::addRow("only A-Z lowered") << "CAMIÓN" << QStringList{"camiÓn", "cámiÓn", "camíÓn"};
        QTest::addRow("ñ and spaces kept") << "año nuevo"
                                           << QStringList{"año nuevo", "áño nuevo", "añó nuevo", "año núevo",
                                                          "año nuévo", "año nuevó"};
        QTest::addRow("empty") << "" << QStringList{""};
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcd");
        QStringList cut{thirty.left(25)};
        const QString plain = thirty.left(25);
        for (int i = 0; i < plain.size(); ++i) {
            const int vowel = QStringLiteral("aeiou").indexOf(plain[i]);
            if (vowel >= 0) {
                QString variant = plain;
                variant[i] = QStringLiteral("áéíóú")[vowel];
                cut << variant;
            }
        }
        QTest::addRow("cut to 25") << thirty << cut;
    }
    void variantList()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, expected);
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetCaption(caption);
        QCOMPARE(items(box), expected);
        QCOMPARE(box.currentIndex(), 0);
        for (const QString &item : expected)
            QVERIFY(item.size() <= BoolComboBox::captionLimit);
    }

    void rightChoice_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("right");
        QTest::addRow("accented word, right") << "conspiración" << 5 << true;
        QTest::addRow("accented word, plain form") << "conspiración" << 0 << false;
        QTest::addRow("accented word, accent misplaced") << "conspiración" << 4 << false;
        QTest::addRow("word without accent, plain") << "examen" << 0 << true;
        QTest::addRow("word without accent, accented") << "examen" << 2 << false;
        QTest::addRow("capitalised word, plain") << "Árbol" << 0 << true;
        QTest::addRow("empty caption") << "" << 0 << true;
    }
    void rightChoice()
    {
        QFETCH(QString, caption);
        QFETCH(int, chosen);
        QFETCH(bool, right);
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetCaption(caption);
        box.IsRight = !right;
        QSignalSpy changes(&box, &BoolComboBox::OnChange);
        choose(box, chosen);
        QCOMPARE(box.IsRight, right);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(int(box.Value()), chosen);
    }

    void valueCarriedToNewCaption_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("newCaption");
        QTest::addColumn<int>("selected");
        QTest::addRow("item 3 of a longer word") << 3 << "murciélago" << 3;
        QTest::addRow("item 2 past a two-item list") << 2 << "hoy" << -1;
        QTest::addRow("item 0") << 0 << "sol" << 0;
    }
    void valueCarriedToNewCaption()
    {
        QFETCH(int, chosen);
        QFETCH(QString, newCaption);
        QFETCH(int, selected);
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetCaption(QStringLiteral("conspiración"));
        choose(box, chosen);
        box.SetCaption(newCaption);
        QCOMPARE(box.currentIndex(), selected);
    }

    void twoValueFormats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("maxLength");
        QTest::addRow("true/false") << int(bfTrueFalse) << QStringList{"NO", "SÍ"} << 5;
        QTest::addRow("yes/no") << int(bfYesNo) << QStringList{"No", "Yes"} << 3;
        QTest::addRow("on/off") << int(bfOnOff) << QStringList{"Off", "On"} << 3;
        QTest::addRow("byte") << int(bfByte) << QStringList{"0", "1"} << 1;
    }
    void twoValueFormats()
    {
        QFETCH(int, format);
        QFETCH(QStringList, expected);
        QFETCH(int, maxLength);
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetBoolFormat(bfAccent);
        box.SetBoolFormat(format);
        QCOMPARE(items(box), expected);
        QCOMPARE(box.MaxLength(), maxLength);
    }

    void placedOnParentBuildsTheTwoValueList()
    {
        QWidget parent;
        BoolComboBox box;
        QCOMPARE(box.count(), 0);
        box.setParent(&parent);
        QCOMPARE(items(box), (QStringList{"NO", "SÍ"}));
    }

    void nullValue()
    {
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetValue(bNull);
        QCOMPARE(int(box.Value()), int(bFalse));
        QCOMPARE(box.currentIndex(), 0);
        box.SetAllowNull(true);
        box.SetValue(bNull);
        QCOMPARE(int(box.Value()), int(bNull));
        QCOMPARE(box.currentIndex(), -1);
        box.SetAllowNull(false);
        QCOMPARE(int(box.Value()), int(bFalse));
        QCOMPARE(box.currentIndex(), 0);
    }

    void doubleClickStepsTheValue_data()
    {
        QTest::addColumn<bool>("allowNull");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addRow("false to true") << false << 0 << 1;
        QTest::addRow("true to false") << false << 1 << 0;
        QTest::addRow("true to null") << true << 1 << -1;
        QTest::addRow("null to false") << true << -1 << 0;
    }
    void doubleClickStepsTheValue()
    {
        QFETCH(bool, allowNull);
        QFETCH(int, from);
        QFETCH(int, to);
        QWidget parent;
        BoolComboBox box(&parent);
        box.SetAllowNull(allowNull);
        box.setCurrentIndex(from);
        QSignalSpy changes(&box, &BoolComboBox::OnChange);
        QSignalSpy doubleClicks(&box, &BoolComboBox::OnDblClick);
        QTest::mouseDClick(&box, Qt::LeftButton);
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(box.currentIndex(), to);
        QVERIFY(changes.count() >= 1);
    }

    void typeAheadSelectsAndUnknownKeyBeeps()
    {
        QWidget parent;
        BoolComboBox box(&parent);
        int beeps = 0;
        box.setBeep([&beeps] { ++beeps; });
        QSignalSpy changes(&box, &BoolComboBox::OnChange);
        QTest::keyClick(&box, 's');
        QCOMPARE(box.currentText(), QStringLiteral("SÍ"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(beeps, 0);

        box.SetCaption(QStringLiteral("camión"));
        box.setCurrentIndex(2);
        QTest::qWait(600);
        QTest::keyClick(&box, 'x');
        QCOMPARE(beeps, 1);
        QCOMPARE(box.currentIndex(), 2);
        QCOMPARE(changes.count(), 1);
    }

    void exitWithEmptyTextFallsBackToFalse()
    {
        QWidget window;
        BoolComboBox box(&window);
        auto *other = new QWidget(&window);
        other->setFocusPolicy(Qt::StrongFocus);
        box.SetCaption(QStringLiteral("sol"));
        box.setCurrentIndex(-1);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box.setFocus();
        QSignalSpy changes(&box, &BoolComboBox::OnChange);
        QSignalSpy exits(&box, &BoolComboBox::OnExit);
        other->setFocus();
        QCOMPARE(exits.count(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box.currentIndex(), 0);
    }

    // A board of forty selectors shows before any list exists: each makes its list when first
    // opened, with the box's font and row height, and never before.
    void theListIsMadeWhenFirstOpened()
    {
        QWidget window;
        auto *box = new BoolComboBox(&window);
        QFont font = box->font();
        font.setPixelSize(16);
        font.setBold(true);
        box->setFont(font);
        box->setItemHeight(20);
        box->SetCaption(QStringLiteral("camión"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
        box->clearFocus();
        QVERIFY(box->findChildren<QAbstractItemView *>().isEmpty());
        box->showPopup();
        QAbstractItemView *list = box->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->sizeHintForRow(0), 20);
        QCOMPARE(list->window()->font().pixelSize(), 16);
        QVERIFY(list->window()->font().bold());
        box->hidePopup();
    }

    void findItemByPrefix_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const QStringList unsorted{"sol", "Casa", "camión", "cama"};
        const QStringList sorted{"cama", "camión", "Casa", "sol"};
        QTest::addRow("unsorted, first match") << unsorted << "ca" << 1;
        QTest::addRow("unsorted, case folded") << unsorted << "CAM" << 2;
        QTest::addRow("unsorted, none") << unsorted << "x" << -1;
        QTest::addRow("unsorted, empty text") << unsorted << "" << -1;
        QTest::addRow("unsorted, longer than item") << unsorted << "solar" << -1;
        QTest::addRow("sorted, first of several") << sorted << "cam" << 0;
        QTest::addRow("sorted, middle") << sorted << "cas" << 2;
        QTest::addRow("sorted, last") << sorted << "s" << 3;
        QTest::addRow("sorted, none") << sorted << "d" << -1;
        QTest::addRow("empty list") << QStringList{} << "a" << -1;
    }
    void findItemByPrefix()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, text);
        BoolComboBox box;
        box.addItems(list);
        QTEST(box.FindItemByPrefix(text), "expected");
    }

    // The board's colours come out flat whatever the style, and a word of up to twelve
    // letters shows whole in the part of a selector that the next column leaves uncovered.
    void paintsFlatAndFitsTheWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<quint32>("colour");
        QTest::addRow("short, window colour") << "sol" << quint32(Colors::clWindow);
        QTest::addRow("board's design word, aqua") << "conspiración" << quint32(Colors::clAqua);
        QTest::addRow("widest twelve letters, lime") << "mayordomadgo" << quint32(Colors::clLime);
        QTest::addRow("wide m and w") << "mundanamente" << quint32(Colors::clLime);
        QTest::addRow("too wide, squeezed in") << "electroencefalografistas" << quint32(Colors::clAqua);
    }
    void paintsFlatAndFitsTheWord()
    {
        QFETCH(QString, word);
        QFETCH(quint32, colour);
        BoolComboBox box;
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(16);
        font.setBold(true);
        box.setFont(font);
        box.resize(137, 28);
        box.setVisibleWidth(112);
        box.SetCaption(word);
        box.setCurrentIndex(box.count() - 1);
        box.setColor(colour);

        QImage image(box.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        box.render(&image);
        const QColor expected = Colors::toQColor(colour, box.palette());
        for (const QPoint &inside : {QPoint(3, 3), QPoint(3, 24), QPoint(60, 3), QPoint(110, 24)})
            QCOMPARE(QColor(image.pixel(inside)), expected);

        // The sunken frame and the raised drop-down button are the Windows bevels Qt draws.
        QImage bevels(box.size(), QImage::Format_RGB32);
        bevels.fill(Qt::magenta);
        const QRect button(box.width() - 2 - 17, 2, 17, box.height() - 4);
        {
            QPainter painter(&bevels);
            qDrawWinPanel(&painter, bevels.rect(), box.palette(), true);
            qDrawWinButton(&painter, button, box.palette(), false);
        }
        const QRect face = bevels.rect().adjusted(2, 2, -2, -2);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QPoint at(x, y);
                if (!face.contains(at) || (button.contains(at) && !button.adjusted(2, 2, -2, -2).contains(at)))
                    QCOMPARE(image.pixel(at), bevels.pixel(at));
            }

        // The word's ink: dark pixels between the frames.
        int left = image.width(), right = -1;
        for (int y = 3; y < 25; ++y)
            for (int x = 2; x < 118; ++x)
                if (qGray(image.pixel(x, y)) < 96) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(right >= 0);
        QVERIFY2(right < 112, qPrintable(QStringLiteral("ink reaches x = %1").arg(right)));
        QVERIFY(left >= 2 && left <= 6);
        if (word.size() == 12)
            QVERIFY(right - left > 80);
    }
};

QTEST_MAIN(TestBoolComboBox)
#include "tst_boolcombobox.moc"
