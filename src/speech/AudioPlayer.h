#pragma once

#include "SpeechOutput.h"

#include <QAudioDevice>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class QAudioSink;
class QIODevice;

// Plays a reading on the system's default sound output. The sink takes samples only as fast
// as it plays them, so what does not fit yet waits here and a short timer hands it on.
class TAudioPlayer : public QObject, public TSpeechOutput
{
    Q_OBJECT
public:
    explicit TAudioPlayer(QObject* parent = nullptr);
    ~TAudioPlayer() override;

    QString Problem() override;
    void Begin(int sampleRate) override;
    void Play(const QByteArray& pcm) override;
    void Stop() override;

private:
    void Feed();

    // Looked up once, at the first question: asking the sound system costs a moment.
    std::optional<QAudioDevice> device;
    std::unique_ptr<QAudioSink> sink;
    QIODevice* into = nullptr;
    QByteArray waiting;
    QTimer feeder;
};
