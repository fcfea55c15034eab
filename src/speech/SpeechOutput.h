#pragma once

#include <QByteArray>
#include <QString>

// Where the samples of a reading go. None of it may make the caller wait for the sound.
class TSpeechOutput
{
public:
    virtual ~TSpeechOutput() = default;
    // Why no sound can be played, for the learner; empty when it can.
    virtual QString Problem() = 0;
    // A new reading of signed 16-bit mono samples at this rate; whatever played before ends.
    virtual void Begin(int sampleRate) = 0;
    // The next samples of the reading, played after those already given.
    virtual void Play(const QByteArray& pcm) = 0;
    // Silence at once; what was not yet heard is dropped.
    virtual void Stop() = 0;
};
