#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Where the voice comes from: a voice of the speech library by name, and the folder of its
// data (empty: the library's own installed data).
struct TVoice
{
    // The Mandarin voice that reads Latin letters as pinyin: the library's dictionary gives
    // many characters as pinyin, which the plain Mandarin voice would spell out in English.
    QString name = QStringLiteral("cmn-latn-pinyin");
    QString dataPath;
};

// Mandarin speech synthesised in memory on a worker thread of its own. Nothing here makes
// the caller wait on the synthesis: Speak hands the text over and returns, the samples follow
// as Samples signals on this object's thread, then Finished. A later Speak or a Stop makes the
// earlier job stale: its synthesis breaks off at its next chunk and nothing more of it arrives.
class TSpeechEngine : public QObject
{
    Q_OBJECT
public:
    enum class TState
    {
        Preparing,
        Ready,
        Unavailable
    };

    explicit TSpeechEngine(TVoice voice = {}, QObject* parent = nullptr);
    ~TSpeechEngine() override;
    TSpeechEngine(const TSpeechEngine&) = delete;
    TSpeechEngine& operator=(const TSpeechEngine&) = delete;

    TState State() const { return state; }
    // Why the voice cannot speak, for the learner; empty unless Unavailable.
    QString Problem() const { return problem; }
    // Samples per second of the 16-bit mono samples; known once Ready.
    int SampleRate() const { return sampleRate; }

    // Reads the parts in order with a short pause between them; returns the job's number.
    // Before the voice is ready the job waits for it; an unavailable voice drops it.
    int Speak(const QStringList& parts);
    // Ends the current job at once.
    void Stop();

signals:
    void StateChanged();
    // Signed 16-bit mono samples in the machine's byte order.
    void Samples(int job, const QByteArray& pcm);
    void Finished(int job);

private:
    struct TJob
    {
        int id;
        std::string ssml;
    };

    void Run();
    void Synthesize(const TJob& job);
    bool Live(int job) const { return generation.load() == job; }

    const TVoice voice;
    TState state = TState::Preparing;
    QString problem;
    int sampleRate = 0;

    std::atomic<int> generation{0};
    std::mutex lock;
    std::condition_variable wake;
    std::optional<TJob> pending;
    bool quitting = false;
    std::thread worker;
};
