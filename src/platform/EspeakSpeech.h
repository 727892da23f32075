// The Spanish voice of the libespeak-ng library, played on the sound device or written to a
// buffer.
#pragma once

#include "platform/SpeechBackend.h"

#include <QList>
#include <QString>

// The library is one engine per process, started once: it cannot be started again after it
// ends (it stops answering), so it is never ended, and the first object to open it chooses
// where its sound goes for the whole process. A second object in the same process shares the
// engine; one that asks for the other output is refused with a message.
class EspeakSpeech : public SpeechBackend {
public:
    enum class Output {
        Device, // played, each word as the library synthesises it
        Buffer, // kept in samples(): nothing is heard (tests, checks)
    };

    // The environment variable that turns the program's sound off: with any value but empty,
    // no device is used.
    static constexpr const char *silenceVariable = "TILDORA_SIN_SONIDO";

    explicit EspeakSpeech(Output output = Output::Device);
    ~EspeakSpeech() override;

    QString open() override;
    void say(const QString &word) override;
    bool speaking() override;
    void stop() override;

    // Returns once every word given has been heard (a command line's wait; never the
    // interface's).
    void waitUntilHeard();

    // With Output::Buffer, the 16-bit mono samples of the last word said, at sampleRate().
    const QList<qint16> &samples() const { return m_samples; }
    int sampleRate() const;

    // Why the sound cannot be heard here ("" when it can): the program's sound turned off, or
    // neither a sound card nor a sound server to be found. Read without touching either.
    static QString deviceProblem();

private:
    Output m_output;
    bool m_open = false;
    QList<qint16> m_samples;
};
