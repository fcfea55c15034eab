#include "AudioPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

TAudioPlayer::TAudioPlayer(QObject* parent) : QObject(parent)
{
    feeder.setInterval(20);
    connect(&feeder, &QTimer::timeout, this, &TAudioPlayer::Feed);
}

TAudioPlayer::~TAudioPlayer()
{
    Stop();
}

QString TAudioPlayer::Problem()
{
    if (!device)
        device = QMediaDevices::defaultAudioOutput();
    return device->isNull() ? QStringLiteral("没有可用的声音设备，无法朗读") : QString();
}

void TAudioPlayer::Begin(int sampleRate)
{
    Stop();
    if (!Problem().isEmpty())
        return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!sink || sink->format() != format)
        sink = std::make_unique<QAudioSink>(*device, format);
    into = sink->start();
}

void TAudioPlayer::Play(const QByteArray& pcm)
{
    if (!into)
        return;
    waiting += pcm;
    Feed();
}

void TAudioPlayer::Feed()
{
    // A sink that broke (the device went away) ends the reading; running dry between two
    // chunks is no fault.
    if (into && sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
        Stop();
        return;
    }
    if (into && !waiting.isEmpty()) {
        const qint64 room = std::min<qint64>(sink->bytesFree(), waiting.size());
        const qint64 written = room > 0 ? into->write(waiting.constData(), room) : 0;
        if (written > 0)
            waiting.remove(0, written);
    }
    if (into && !waiting.isEmpty())
        feeder.start();
    else
        feeder.stop();
}

void TAudioPlayer::Stop()
{
    feeder.stop();
    waiting.clear();
    into = nullptr;
    if (sink) {
        sink->reset();
        sink->stop();
    }
}
