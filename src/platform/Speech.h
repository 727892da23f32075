// The program's voice: one word at a time, said on a thread of its own so that the interface
// never waits for the sound.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>

class QTimer;
class SpeechBackend;

// The engine starts on the voice's thread as soon as the object is made; until it answers the
// voice is Starting. Words are said there too: speak() returns at once, and a new word stops
// the one being said. Everything but the engine lives on the interface's thread, which alone
// calls the object.
class Speech : public QObject {
    Q_OBJECT

public:
    enum class State { Starting, Ready, Unavailable };

    // The program's one voice, made on first use as a child of the application object, with the
    // libespeak-ng engine on the sound device.
    static Speech &shared();

    explicit Speech(std::unique_ptr<SpeechBackend> backend, QObject *parent = nullptr);
    ~Speech() override;

    // Another engine from now on (a test's that makes no sound): the word being said stops,
    // and the voice starts again with it.
    void replaceBackend(std::unique_ptr<SpeechBackend> backend);

    State state() const { return m_state; }
    // Why the voice cannot speak, in Spanish ("" unless Unavailable).
    QString problem() const { return m_problem; }
    // The word being said, "" once it has been heard.
    QString word() const { return m_word; }

    // Says the word, stopping any other; false (and nothing said) when the voice is not Ready
    // or the word is empty.
    bool speak(const QString &word);
    void stop();

signals:
    void stateChanged();
    void started(const QString &word);
    // The word has been heard, or stopped.
    void finished(const QString &word);

private:
    void open(std::shared_ptr<SpeechBackend> backend);
    // Runs the work on the voice's thread, in the order given.
    void run(std::function<void()> work);
    // On the voice's thread: looks every few milliseconds whether the word is still heard.
    void watch(quint64 word);
    // Back on the interface's thread: the engine's answer, the end of a word.
    void opened(quint64 engine, const QString &problem);
    void ended(quint64 word);

    QThread m_thread;
    // Lives on m_thread. The engine and the watch are touched only by work run there.
    QObject *m_context = nullptr;
    std::shared_ptr<SpeechBackend> m_backend;
    QTimer *m_watch = nullptr;

    State m_state = State::Starting;
    QString m_problem;
    QString m_word;
    // The newest engine and word given to the voice: an answer about an older one is late.
    quint64 m_engine = 0;
    quint64 m_wordNumber = 0;
};
