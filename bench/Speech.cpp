#include "BenchContext.h"
#include "Benchmarks.h"
#include "SoundRecording.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QToolButton>

namespace {

TSoundRecording sound;

QToolButton* Entry()
{
    return Context().Window().findChild<QToolButton*>(QStringLiteral("BtnSpeak"));
}

// The window's reader playing into the recording, its voice ready, a text question on
// display; false when the voice never became ready.
bool ReadyToRead()
{
    TFrmMain& window = Context().Window();
    window.Reader().SetOutput(sound);
    window.Controls().BtnOrder->click();
    QElapsedTimer waited;
    waited.start();
    while (!Entry()->isEnabled() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return Entry()->isEnabled();
}

// The press of 朗读 alone: it hands the text to the worker and returns.
void Press(benchmark::State& state)
{
    if (!ReadyToRead()) {
        state.SkipWithError("the voice is not ready");
        return;
    }
    TimeEach(state, [] { Entry()->click(); });
    Context().Window().Reader().Stop();
}

// From the press until the first samples of the reading are there to play.
void FirstSamples(benchmark::State& state)
{
    if (!ReadyToRead()) {
        state.SkipWithError("the voice is not ready");
        return;
    }
    bool late = false;
    TimeEach(
        state,
        [&] {
            Entry()->click();
            QElapsedTimer waited;
            waited.start();
            while (sound.played == 0 && !(late = waited.elapsed() > 5000))
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        },
        [] {
            Context().Window().Reader().Stop();
            sound.played = 0;
        });
    Context().Window().Reader().Stop();
    if (late)
        state.SkipWithError("no samples within 5 s");
}

} // namespace

void RegisterSpeech()
{
    Register(names::SpeakPress, Press);
    Register(names::SpeakFirstSamples, FirstSamples);
}
