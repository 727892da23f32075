// "Escuchar": the command that says a word with the program's voice, enabled only when the
// word can be heard, its tip saying why not otherwise.
#pragma once

#include <QAction>
#include <QString>

class Speech;

class ListenAction : public QAction {
    Q_OBJECT

public:
    // Follows the program's voice, or the one given (a test's).
    explicit ListenAction(QObject *parent, Speech *voice = nullptr);

    // The word the command says; refusal says why it cannot be said ("" when it can), as the
    // Spanish engine tells of a word it cannot take apart.
    void setWord(const QString &word, const QString &refusal = QString());
    QString word() const { return m_word; }

    // The tip of a command that can be given: what it says and its key.
    static QString readyTip(const QString &word);

private:
    void follow();

    Speech &m_voice;
    QString m_word;
    QString m_refusal;
};
