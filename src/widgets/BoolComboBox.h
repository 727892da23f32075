// BoolComboBox: a drop-down list that offers a yes/no choice in one of four wordings, or, in
// the accent format, a word in all its one-accent variants, telling whether the right one
// was chosen.
#pragma once

#include "spanish/AccentVariants.h"
#include "shared/Colors.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <functional>

enum TBoolFormat : quint8 { bfTrueFalse = 0, bfYesNo = 1, bfOnOff = 2, bfByte = 3, bfAccent = 4 };
enum TBoolean : quint8 { bFalse = 0, bTrue = 1, bNull = 2 };

class BoolComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool AllowNull READ AllowNull WRITE SetAllowNull)
    Q_PROPERTY(int BoolFormat READ BoolFormat WRITE SetBoolFormat)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool IsRight MEMBER IsRight)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(quint32 Color READ Color WRITE setColor)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(int visibleWidth READ visibleWidth WRITE setVisibleWidth)

public:
    static constexpr int captionLimit = AccentVariants::captionLimit;

    explicit BoolComboBox(QWidget *parent = nullptr);

    bool AllowNull() const { return m_allowNull; }
    void SetAllowNull(bool allow);
    TBoolFormat BoolFormat() const { return m_boolFormat; }
    void SetBoolFormat(int format);
    // The current value: after a choice from the list, the chosen item's index (low byte).
    quint8 Value() const { return m_value; }
    void SetValue(int value);
    // The correct word, lower-cased (A-Z only) and cut to 25 characters.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &word);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }
    // Background colour, resolved from the palette when drawn.
    TColor Color() const { return m_color; }
    void setColor(TColor color);

    // Height in pixels of each row of the drop-down list.
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // The drop-down list, made with its row height and the box's font the first time it is
    // wanted: a board of forty selectors shows before any of their lists exists.
    QAbstractItemView *listView();
    void showPopup() override;

    // How much of the control, from its left edge, is not covered by the controls laid over
    // it (0: all of it). A word wider than that part is drawn condensed to show whole.
    int visibleWidth() const { return m_visibleWidth; }
    void setVisibleWidth(int width);

    // First item starting with text (compared with a-z upper-cased), or -1.
    int FindItemByPrefix(const QString &text) const;

    // Whether the control's exit step is running: a change it raises comes from leaving the
    // control, and must not move the focus again.
    bool isLeaving() const { return m_leaving; }
    // Runs the exit step for a control that was entered and has lost the focus without being
    // told, as when its window, coming back to the front, gives the focus to another control.
    void leave();

    // What a typed key that matches no item sounds like. The owner hands in the program's beep;
    // until then (or given an empty function) the box rings the toolkit's own.
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    // The last choice from the list was exactly Caption. Read by the board, reset by it.
    bool IsRight = false;

signals:
    void OnChange(BoolComboBox *sender);
    void OnEnter(BoolComboBox *sender);
    void OnExit(BoolComboBox *sender);
    void OnDblClick(BoolComboBox *sender);
    void OnKeyPress(BoolComboBox *sender, QChar key);

protected:
    void Change();
    void DoExit();
    void DblClick();
    // Returns whether the key was consumed.
    bool KeyPress(QChar key);

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;

private:
    void BuildVariantList(TBoolFormat format);
    void selectByValue();
    void ListChoice(int index);
    bool typeAhead(QChar key);
    QString textWithTypedKey(QChar key) const;
    QRect dropDownButtonRect() const;
    QRect textFieldRect() const;

    TBoolFormat m_boolFormat = bfTrueFalse;
    quint8 m_value = bFalse;
    bool m_allowNull = false;
    QString m_caption;
    int m_maxLength = 0;
    TColor m_color = Colors::clWindow;
    int m_itemHeight = 0;
    bool m_listMade = false;
    int m_visibleWidth = 0;
    bool m_entered = false;
    bool m_leaving = false;
    QString m_typedKeys;
    QElapsedTimer m_lastKey;
    std::function<void()> m_beep;
};
