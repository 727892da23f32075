// The accented-letter bar: buttons that type the Spanish letters into the focused field.
#include "ui/AccentBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QString lowerLetters = QStringLiteral("áéíóúüñ¿¡");
const QString upperLetters = QStringLiteral("ÁÉÍÓÚÜÑ¿¡");

// What a screen reader says for each button.
const char *const spokenNames[AccentBar::letterCount] = {
    "a con tilde", "e con tilde", "i con tilde", "o con tilde", "u con tilde",
    "u con diéresis", "eñe", "abrir interrogación", "abrir exclamación"};

// A field the student types in: an editable line, text box or plain-text box.
bool isTextField(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return !line->isReadOnly();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return !text->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->isReadOnly();
    return false;
}

} // namespace

AccentBar::AccentBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AccentBar"));
    setAccessibleName(QStringLiteral("Letras del español"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int n = 0; n < letterCount; ++n) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("AccentKey%1").arg(n + 1));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        button->setMinimumSize(30, 26);
        QFont letterFont = button->font();
        letterFont.setPixelSize(15);
        letterFont.setBold(true);
        button->setFont(letterFont);
        connect(button, &QToolButton::clicked, this, [this, n] { keyClicked(n); });
        row->addWidget(button);
        m_keys[n] = button;
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + n)), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, n] { keyClicked(n); });
    }
    m_capitalsKey = new QToolButton(this);
    m_capitalsKey->setObjectName(QStringLiteral("AccentCapitals"));
    m_capitalsKey->setText(QStringLiteral("Mayús"));
    m_capitalsKey->setCheckable(true);
    m_capitalsKey->setFocusPolicy(Qt::NoFocus);
    m_capitalsKey->setMinimumHeight(26);
    m_capitalsKey->setAccessibleName(QStringLiteral("Mayúsculas"));
    m_capitalsKey->setToolTip(QStringLiteral("Mayúsculas (Alt+0)"));
    connect(m_capitalsKey, &QToolButton::toggled, this, &AccentBar::setCapitals);
    row->addWidget(m_capitalsKey);
    row->addStretch();
    auto *capitalsShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_0), this);
    capitalsShortcut->setContext(Qt::WindowShortcut);
    connect(capitalsShortcut, &QShortcut::activated, this, [this] { setCapitals(!m_capitals); });

    connect(qApp, &QApplication::focusChanged, this, &AccentBar::focusChanged);
    if (isTextField(QApplication::focusWidget()) && QApplication::focusWidget()->window() == window())
        m_lastField = QApplication::focusWidget();
    updateKeys();
}

QString AccentBar::letter(int n) const
{
    return QString((m_capitals ? upperLetters : lowerLetters).at(n));
}

void AccentBar::setCapitals(bool on)
{
    if (on == m_capitals)
        return;
    m_capitals = on;
    m_capitalsKey->setChecked(on);
    updateKeys();
    emit capitalsChanged(on);
}

void AccentBar::updateKeys()
{
    for (int n = 0; n < letterCount; ++n) {
        m_keys[n]->setText(letter(n));
        QString spoken = QString::fromUtf8(spokenNames[n]);
        if (m_capitals && n < 7)
            spoken += QStringLiteral(" mayúscula");
        m_keys[n]->setAccessibleName(spoken);
        m_keys[n]->setToolTip(QStringLiteral("%1 (Alt+%2)").arg(spoken).arg(n + 1));
    }
}

void AccentBar::focusChanged(QWidget *, QWidget *now)
{
    if (now && now->window() == window() && isTextField(now))
        m_lastField = now;
}

QWidget *AccentBar::target() const
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->window() == window() && isTextField(focused))
        return focused;
    if (m_lastField && m_lastField->isVisible() && m_lastField->isEnabled() && isTextField(m_lastField))
        return m_lastField;
    return nullptr;
}

bool AccentBar::type(const QString &text)
{
    QWidget *field = target();
    if (!field)
        return false;
    if (QApplication::focusWidget() != field)
        field->setFocus(Qt::OtherFocusReason);
    // As a key press, so the field's own key handling sees the letter as if typed.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    return true;
}

void AccentBar::keyClicked(int n)
{
    // Shift held while clicking gives the capital without switching the whole bar.
    const bool shift = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    const QString text = shift != m_capitals ? QString(upperLetters.at(n)) : QString(lowerLetters.at(n));
    type(text);
}
