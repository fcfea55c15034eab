#pragma once

#include "SpeechOutput.h"

// Stands in for the sound card: notes what a reading plays instead of playing it.
struct TSoundRecording : TSpeechOutput
{
    QString Problem() override { return problem; }
    void Begin(int) override { ++begun; }
    void Play(const QByteArray& pcm) override { played += pcm.size(); }
    void Stop() override { ++stopped; }

    // Why there is no sound, when a test wants none.
    QString problem;
    int begun = 0;
    int stopped = 0;
    qsizetype played = 0;
};
