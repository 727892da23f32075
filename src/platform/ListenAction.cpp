// "Escuchar" and its state.
#include "platform/ListenAction.h"

#include "platform/Speech.h"

#include <QKeySequence>

using namespace Qt::StringLiterals;

ListenAction::ListenAction(QObject *parent, Speech *voice)
    : QAction(u"Escuchar"_s, parent), m_voice(voice ? *voice : Speech::shared())
{
    setObjectName(u"Escuchar"_s);
    setShortcut(QKeySequence(Qt::Key_F8));
    connect(this, &QAction::triggered, this, [this] { m_voice.speak(m_word); });
    connect(&m_voice, &Speech::stateChanged, this, &ListenAction::follow);
    follow();
}

void ListenAction::setWord(const QString &word, const QString &refusal)
{
    m_word = word;
    m_refusal = refusal;
    follow();
}

QString ListenAction::readyTip(const QString &word)
{
    return u"Escuchar «%1» (%2)"_s.arg(word, QKeySequence(Qt::Key_F8).toString(QKeySequence::NativeText));
}

void ListenAction::follow()
{
    // The voice's own reason first: with no sound device no word can be heard, whatever it is.
    QString tip;
    switch (m_voice.state()) {
    case Speech::State::Starting: tip = u"Preparando la voz…"_s; break;
    case Speech::State::Unavailable: tip = m_voice.problem(); break;
    case Speech::State::Ready:
        if (m_word.isEmpty())
            tip = u"No hay ninguna palabra que escuchar."_s;
        else if (!m_refusal.isEmpty())
            tip = u"«%1» no se puede escuchar. %2"_s.arg(m_word, m_refusal);
        break;
    }
    setEnabled(tip.isEmpty());
    setToolTip(tip.isEmpty() ? readyTip(m_word) : tip);
}
