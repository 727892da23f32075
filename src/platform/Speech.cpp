// The program's voice, on a thread of its own.
#include "platform/Speech.h"

#include "platform/EspeakSpeech.h"
#include "platform/SpeechBackend.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

// How often the voice's thread looks whether a word is still being heard: the end of a word
// shows within this, well before a student can ask for the next.
constexpr int watchMilliseconds = 40;

} // namespace

Speech &Speech::shared()
{
    static QPointer<Speech> voice;
    if (!voice)
        voice = new Speech(std::make_unique<EspeakSpeech>(), QCoreApplication::instance());
    return *voice;
}

Speech::Speech(std::unique_ptr<SpeechBackend> backend, QObject *parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("Speech"));
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.start();
    open(std::move(backend));
}

Speech::~Speech()
{
    // The engine is stopped and let go on its own thread, then the thread ends.
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            delete m_watch;
            m_watch = nullptr;
            if (m_backend)
                m_backend->stop();
            m_backend.reset();
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

void Speech::replaceBackend(std::unique_ptr<SpeechBackend> backend)
{
    stop();
    open(std::move(backend));
}

void Speech::run(std::function<void()> work)
{
    QMetaObject::invokeMethod(m_context, std::move(work), Qt::QueuedConnection);
}

void Speech::open(std::shared_ptr<SpeechBackend> backend)
{
    const quint64 engine = ++m_engine;
    if (m_state != State::Starting) {
        m_state = State::Starting;
        m_problem.clear();
        emit stateChanged();
    }
    run([this, engine, backend] {
        if (m_watch)
            m_watch->stop();
        if (m_backend)
            m_backend->stop();
        m_backend = backend;
        const QString problem = m_backend ? m_backend->open() : QStringLiteral("No se puede usar la voz.");
        QMetaObject::invokeMethod(this, [this, engine, problem] { opened(engine, problem); }, Qt::QueuedConnection);
    });
}

void Speech::opened(quint64 engine, const QString &problem)
{
    if (engine != m_engine)
        return;
    m_state = problem.isEmpty() ? State::Ready : State::Unavailable;
    m_problem = problem;
    emit stateChanged();
}

bool Speech::speak(const QString &word)
{
    if (m_state != State::Ready || word.isEmpty())
        return false;
    stop();
    const quint64 number = ++m_wordNumber;
    m_word = word;
    emit started(word);
    run([this, number, word] {
        m_backend->say(word);
        watch(number);
    });
    return true;
}

void Speech::watch(quint64 number)
{
    if (!m_watch) {
        m_watch = new QTimer(m_context);
        m_watch->setInterval(watchMilliseconds);
    }
    m_watch->disconnect();
    connect(m_watch, &QTimer::timeout, m_context, [this, number] {
        if (m_backend->speaking())
            return;
        m_watch->stop();
        QMetaObject::invokeMethod(this, [this, number] { ended(number); }, Qt::QueuedConnection);
    });
    m_watch->start();
}

void Speech::ended(quint64 number)
{
    if (number != m_wordNumber || m_word.isEmpty())
        return;
    const QString word = m_word;
    m_word.clear();
    emit finished(word);
}

void Speech::stop()
{
    if (m_word.isEmpty())
        return;
    ++m_wordNumber;
    const QString word = m_word;
    m_word.clear();
    emit finished(word);
    run([this] {
        if (m_watch)
            m_watch->stop();
        if (m_backend)
            m_backend->stop();
    });
}
