// The voices a test puts in the program's place: none makes a sound. Each is handed to the
// program's voice (Speech::shared()), which then starts again with it.
#pragma once

#include "platform/EspeakSpeech.h"
#include "platform/Speech.h"
#include "platform/SpeechBackend.h"

#include <QMutex>
#include <QStringList>
#include <QTest>

#include <memory>

// Writes down every word it is given and every stop, and says it could not start when told to.
class CountingVoice : public SpeechBackend {
public:
    explicit CountingVoice(QString problem = QString()) : m_problem(std::move(problem)) {}

    QString open() override { return m_problem; }
    void say(const QString &word) override
    {
        const QMutexLocker lock(&m_mutex);
        m_said << word;
    }
    bool speaking() override { return false; }
    void stop() override {}

    QStringList said()
    {
        const QMutexLocker lock(&m_mutex);
        return m_said;
    }

private:
    QString m_problem;
    QMutex m_mutex;
    QStringList m_said;
};

// Which voice a row of a table wants.
enum class TestVoice {
    SoundOff,      // the real engine with the program's sound turned off: no device
    Counting,      // a voice that writes the words down
    EspeakBuffer,  // the real engine synthesising into memory, heard by nobody
};

// The voice in place and answering; the backend stays the program voice's, and the pointer is
// for reading it once a word has been said.
template <typename Backend>
Backend *useVoice(std::unique_ptr<Backend> backend)
{
    Backend *kept = backend.get();
    Speech::shared().replaceBackend(std::move(backend));
    if (!QTest::qWaitFor([] { return Speech::shared().state() != Speech::State::Starting; }, 10000))
        qFatal("the voice did not start");
    return kept;
}

// The voice a row asks for, with the program's sound off whatever the test was started with.
struct RowVoice {
    CountingVoice *counting = nullptr;
    EspeakSpeech *engine = nullptr;
};

inline RowVoice useVoice(TestVoice voice)
{
    qputenv(EspeakSpeech::silenceVariable, "1");
    if (voice == TestVoice::Counting)
        return {useVoice(std::make_unique<CountingVoice>()), nullptr};
    const auto output = voice == TestVoice::EspeakBuffer ? EspeakSpeech::Output::Buffer : EspeakSpeech::Output::Device;
    return {nullptr, useVoice(std::make_unique<EspeakSpeech>(output))};
}
