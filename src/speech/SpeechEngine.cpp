#include "SpeechEngine.h"

#include <QFile>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <functional>

namespace {

// Samples arrive in chunks of this much speech: short enough that the first is ready almost
// at once and that a stale job breaks off within a few milliseconds.
constexpr int ChunkMs = 60;
// The pause where the text has its line breaks.
const QString Pause = QStringLiteral("<break time=\"400ms\"/>");

// The speech library keeps one state for the whole process, so every engine reaches it through
// this one lock. It is never shut down: in the synchronous mode its shutdown waits for ever on
// a thread of its own, so the state stays until the process ends.
struct TLibrary
{
    std::mutex lock;
    bool initialised = false;
    std::string dataPath;
    std::string voice;
    int sampleRate = 0;
    // Takes each chunk of the synthesis under way; false breaks the synthesis off.
    std::function<bool(const short*, int)> sink;
};

TLibrary& Library()
{
    static auto* library = new TLibrary; // outlives every engine, static destructors included
    return *library;
}

// Runs on the synthesising thread, which holds the library's lock.
int OnSamples(short* wav, int count, espeak_EVENT*)
{
    const TLibrary& library = Library();
    return library.sink && library.sink(wav, count) ? 0 : 1;
}

// Brings the library to the voice, with its lock held; returns why it cannot speak, if so.
std::optional<QString> Use(TLibrary& library, const TVoice& voice)
{
    const std::string path = QFile::encodeName(voice.dataPath).toStdString();
    if (!library.initialised || library.dataPath != path) {
        library.initialised = false;
        library.voice.clear();
        espeak_ng_InitializePath(path.empty() ? nullptr : path.c_str());
        espeak_ng_ERROR_CONTEXT context = nullptr;
        const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        if (context)
            espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK)
            return QStringLiteral("找不到语音数据，无法朗读");
        if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, ChunkMs, nullptr) != ENS_OK)
            return QStringLiteral("语音库无法启动，无法朗读");
        espeak_SetSynthCallback(OnSamples);
        library.sampleRate = espeak_ng_GetSampleRate();
        library.dataPath = path;
        library.initialised = true;
    }
    const std::string name = voice.name.toStdString();
    if (library.voice != name) {
        library.voice.clear();
        if (espeak_ng_SetVoiceByName(name.c_str()) != ENS_OK)
            return QStringLiteral("找不到普通话语音，无法朗读");
        library.voice = name;
    }
    return std::nullopt;
}

std::string Markup(const QStringList& parts)
{
    QStringList escaped;
    for (const QString& part : parts)
        escaped << part.toHtmlEscaped();
    return (QStringLiteral("<speak>") + escaped.join(Pause) + QStringLiteral("</speak>"))
        .toStdString();
}

} // namespace

TSpeechEngine::TSpeechEngine(TVoice voice, QObject* parent)
    : QObject(parent), voice(std::move(voice))
{
    worker = std::thread([this] { Run(); });
}

TSpeechEngine::~TSpeechEngine()
{
    {
        const std::lock_guard held(lock);
        quitting = true;
        pending.reset();
    }
    ++generation;
    wake.notify_one();
    // Bounded: a stale synthesis ends at its next chunk, and starting the library takes a
    // fraction of a second. What the worker still posted is dropped with this object.
    worker.join();
}

int TSpeechEngine::Speak(const QStringList& parts)
{
    const int id = ++generation;
    {
        const std::lock_guard held(lock);
        pending = TJob{id, Markup(parts)};
    }
    wake.notify_one();
    return id;
}

void TSpeechEngine::Stop()
{
    ++generation;
    const std::lock_guard held(lock);
    pending.reset();
}

void TSpeechEngine::Run()
{
    std::optional<QString> why;
    int rate = 0;
    {
        TLibrary& library = Library();
        const std::lock_guard held(library.lock);
        why = Use(library, voice);
        rate = library.sampleRate;
    }
    QMetaObject::invokeMethod(
        this,
        [this, why, rate] {
            state = why ? TState::Unavailable : TState::Ready;
            problem = why.value_or(QString());
            sampleRate = rate;
            emit StateChanged();
        },
        Qt::QueuedConnection);
    if (why)
        return;
    for (;;) {
        std::optional<TJob> job;
        {
            std::unique_lock held(lock);
            wake.wait(held, [this] { return quitting || pending; });
            if (quitting)
                return;
            job.swap(pending);
        }
        if (Live(job->id))
            Synthesize(*job);
    }
}

void TSpeechEngine::Synthesize(const TJob& job)
{
    TLibrary& library = Library();
    const std::lock_guard held(library.lock);
    // Another engine of the process may have taken the library to another voice meanwhile.
    if (Use(library, voice) || !Live(job.id))
        return;
    const int id = job.id;
    library.sink = [this, id](const short* wav, int count) {
        if (!Live(id))
            return false;
        if (count > 0) {
            const QByteArray pcm(reinterpret_cast<const char*>(wav),
                                 static_cast<qsizetype>(count * sizeof(short)));
            QMetaObject::invokeMethod(
                this,
                [this, id, pcm] {
                    if (Live(id))
                        emit Samples(id, pcm);
                },
                Qt::QueuedConnection);
        }
        return true;
    };
    espeak_ng_Synthesize(job.ssml.c_str(), job.ssml.size() + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8 | espeakSSML, nullptr, nullptr);
    library.sink = nullptr;
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (Live(id))
                emit Finished(id);
        },
        Qt::QueuedConnection);
}
