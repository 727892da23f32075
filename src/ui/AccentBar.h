// A row of buttons for the Spanish letters a keyboard may lack: á é í ó ú ü ñ ¿ ¡.
#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

// Each button types its letter into the text field of the same window that last had the
// focus, at its cursor, as if the key had been pressed there (so each field's own key
// handling, length limit and undo apply). The buttons never take the focus. "Mayús" (or
// Shift held while clicking) gives the capitals; Alt+1 ... Alt+9 type the letters and Alt+0
// switches the capitals, so a keyboard alone reaches all of it.
class AccentBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool capitals READ capitals WRITE setCapitals NOTIFY capitalsChanged)

public:
    explicit AccentBar(QWidget *parent = nullptr);

    static constexpr int letterCount = 9;

    // The letter of button n (0 ... 8) in the current case.
    QString letter(int n) const;
    QToolButton *key(int n) const { return m_keys[n]; }
    QToolButton *capitalsKey() const { return m_capitalsKey; }

    bool capitals() const { return m_capitals; }
    void setCapitals(bool on);

    // Types the text into the field that last had the focus; false when there is none.
    bool type(const QString &text);

    // The field the letters go to: the window's focused text field, else the last one it had.
    QWidget *target() const;

signals:
    void capitalsChanged(bool on);

private:
    void keyClicked(int n);
    void focusChanged(QWidget *old, QWidget *now);
    void updateKeys();

    QToolButton *m_keys[letterCount] = {};
    QToolButton *m_capitalsKey = nullptr;
    bool m_capitals = false;
    QPointer<QWidget> m_lastField;
};
