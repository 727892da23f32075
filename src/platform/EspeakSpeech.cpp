// The Spanish voice of the libespeak-ng library.
#include "platform/EspeakSpeech.h"

#include <QDir>
#include <QFileInfo>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The process's one engine: started by the first object that opens it, with that object's
// output, and never ended.
struct Engine {
    std::mutex mutex;
    std::optional<EspeakSpeech::Output> output;
    QString problem;
};

Engine &engine()
{
    static Engine shared;
    return shared;
}

// The library's words on a failure, for the end of the student's message.
QString statusText(espeak_ng_STATUS status)
{
    char text[256] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return QString::fromLocal8Bit(text).trimmed();
}

QString start(EspeakSpeech::Output output)
{
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK)
        return u"No se puede usar la voz: espeak-ng no se ha podido iniciar (%1)."_s.arg(statusText(status));
    status = espeak_ng_InitializeOutput(
        output == EspeakSpeech::Output::Device ? ENOUTPUT_MODE_SPEAK_AUDIO : ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK)
        return u"No hay ningún dispositivo de sonido: espeak-ng no ha podido abrirlo (%1)."_s.arg(statusText(status));
    status = espeak_ng_SetVoiceByName("es");
    if (status != ENS_OK)
        return u"No se puede usar la voz: espeak-ng no tiene la voz española (%1)."_s.arg(statusText(status));
    // Synthesised samples come here only when they are kept (Buffer); played ones go to the
    // device and the calls have nothing to keep.
    espeak_SetSynthCallback([](short *samples, int count, espeak_EVENT *events) -> int {
        if (samples && count > 0 && events && events->user_data)
            static_cast<QList<qint16> *>(events->user_data)->append(QList<qint16>(samples, samples + count));
        return 0;
    });
    return QString();
}

} // namespace

EspeakSpeech::EspeakSpeech(Output output) : m_output(output)
{
}

EspeakSpeech::~EspeakSpeech()
{
    if (m_open)
        stop();
}

QString EspeakSpeech::deviceProblem()
{
    if (!qEnvironmentVariableIsEmpty(silenceVariable))
        return u"No hay ningún dispositivo de sonido: el sonido del programa está apagado (%1)."_s.arg(
            QLatin1String(silenceVariable));
    // A sound server (PulseAudio, or PipeWire in its place) plays wherever it plays; without
    // one, the library writes to a card's playback device.
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return QString();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + u"/pulse/native"_s))
        return QString();
    if (!QDir(u"/dev/snd"_s).entryList({u"pcmC*D*p"_s}, QDir::System).isEmpty())
        return QString();
    return u"No hay ningún dispositivo de sonido: no se encuentra ninguna tarjeta de sonido ni ningún servidor de sonido."_s;
}

QString EspeakSpeech::open()
{
    if (m_output == Output::Device) {
        if (const QString problem = deviceProblem(); !problem.isEmpty())
            return problem;
    }
    Engine &shared = engine();
    const std::lock_guard lock(shared.mutex);
    if (!shared.output) {
        shared.output = m_output;
        shared.problem = start(m_output);
    } else if (*shared.output != m_output) {
        return u"No se puede usar la voz: espeak-ng ya está en uso con otra salida de sonido."_s;
    }
    m_open = shared.problem.isEmpty();
    return shared.problem;
}

void EspeakSpeech::say(const QString &word)
{
    if (!m_open)
        return;
    espeak_ng_Cancel();
    m_samples.clear();
    // Plain text (no markup is read in it), with its terminating zero.
    const QByteArray text = word.toUtf8();
    espeak_ng_Synthesize(text.constData(), std::size_t(text.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                         nullptr, m_output == Output::Buffer ? &m_samples : nullptr);
}

bool EspeakSpeech::speaking()
{
    // Kept samples are ready when say() returns.
    return m_open && m_output == Output::Device && espeak_IsPlaying() == 1;
}

void EspeakSpeech::waitUntilHeard()
{
    if (m_open)
        espeak_ng_Synchronize();
}

void EspeakSpeech::stop()
{
    if (m_open)
        espeak_ng_Cancel();
}

int EspeakSpeech::sampleRate() const
{
    return m_open ? espeak_ng_GetSampleRate() : 0;
}
