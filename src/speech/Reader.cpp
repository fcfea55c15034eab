#include "Reader.h"

#include "Practice.h"
#include "Reading.h"
#include "SpeechEngine.h"
#include "SpeechOutput.h"

TReader::TReader(TPractice& practice, TSpeechEngine& engine, TSpeechOutput& output, QObject* parent)
    : QObject(parent), practice(practice), engine(engine), output(&output),
      problem(QStringLiteral("正在准备语音…"))
{
    connect(&engine, &TSpeechEngine::StateChanged, this, &TReader::EngineStateChanged);
    connect(&engine, &TSpeechEngine::Samples, this, &TReader::Heard);
    connect(&practice, &TPractice::QuestionShown, this, &TReader::QuestionShown);
    connect(&practice, &TPractice::PracticeReset, this, &TReader::Stop);
    EngineStateChanged();
}

void TReader::EngineStateChanged()
{
    switch (engine.State()) {
    case TSpeechEngine::TState::Preparing:
        return;
    case TSpeechEngine::TState::Unavailable:
        problem = engine.Problem();
        break;
    case TSpeechEngine::TState::Ready:
        problem = output->Problem();
        break;
    }
    emit AvailabilityChanged();
}

void TReader::SetOutput(TSpeechOutput& to)
{
    Stop();
    output = &to;
    EngineStateChanged();
}

void TReader::ReadCurrent()
{
    Stop();
    const myRecord* question = practice.Current();
    if (!Available() || !question)
        return;
    job = engine.Speak(ReadingOf(*question, AnswerMayBeRead(practice)));
}

void TReader::Stop()
{
    engine.Stop();
    output->Stop();
    job = 0;
    begun = false;
}

void TReader::SetAutoRead(bool on)
{
    autoRead = on;
    if (on)
        ReadCurrent();
}

void TReader::KeyUp(quint16 key)
{
    if (key == ReadKey && !practice.IsBound(key))
        ReadCurrent();
}

void TReader::QuestionShown()
{
    Stop();
    if (autoRead)
        ReadCurrent();
}

void TReader::Heard(int from, const QByteArray& pcm)
{
    if (from != job)
        return;
    if (!begun) {
        output->Begin(engine.SampleRate());
        begun = true;
    }
    output->Play(pcm);
}
