#pragma once

#include <QObject>
#include <QString>

class TPractice;
class TSpeechEngine;
class TSpeechOutput;

// Reads the question on display aloud on request, or each question as it is shown, and falls
// silent whenever another question or another practice comes up.
class TReader : public QObject
{
    Q_OBJECT
public:
    // The code of the key keypad * among the virtual-key codes.
    static constexpr quint16 ReadKey = 106;

    TReader(TPractice& practice, TSpeechEngine& engine, TSpeechOutput& output,
            QObject* parent = nullptr);

    // The voice is ready and there is sound to play it on.
    bool Available() const { return problem.isEmpty(); }
    // Why reading is not possible, for the learner; empty when it is.
    QString Problem() const { return problem; }

    // Plays from now on through another output (a test's recording, say); silences the old one.
    void SetOutput(TSpeechOutput& to);

    // Reads the question on display from its beginning, whatever was being read.
    void ReadCurrent();
    void Stop();
    // Reads each question as it is shown; turned on, it reads the one on display at once.
    bool AutoRead() const { return autoRead; }
    void SetAutoRead(bool on);
    // A key release after the practice's own key handling: keypad * reads, unless one of the
    // learner's eight bindings has taken that key.
    void KeyUp(quint16 key);

signals:
    void AvailabilityChanged();

private:
    void EngineStateChanged();
    void QuestionShown();
    void Heard(int job, const QByteArray& pcm);

    TPractice& practice;
    TSpeechEngine& engine;
    TSpeechOutput* output;
    QString problem;
    bool autoRead = false;
    // The job being played and whether its first samples have come.
    int job = 0;
    bool begun = false;
};
