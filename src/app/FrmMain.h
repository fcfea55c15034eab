#pragma once

#include "AudioPlayer.h"
#include "ErrorBook.h"
#include "KeySettings.h"
#include "Keys.h"
#include "MainControls.h"
#include "MockExam.h"
#include "Practice.h"
#include "PracticeStart.h"
#include "Reader.h"
#include "Review.h"
#include "Selection.h"
#include "SpeechEngine.h"

#include <QWidget>

// The one window of the program: its controls, the clock, and the wiring of every part.
class TFrmMain : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    TPractice& Practice() { return practice; }
    TPracticeStart& Starts() { return starts; }
    TSelection& Selection() { return selection; }
    TErrorBook& ErrorBook() { return errorBook; }
    TMockExam& Exam() { return exam; }
    TKeySettings& KeySettings() { return keySettings; }
    TReview& Review() { return review; }
    TReader& Reader() { return reader; }
    const TMainControls& Controls() const { return c; }

    void FormShow();
    void Timer1Timer();
    void BtnAboutClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The first start of a day keeps a copy of the bank before anything is written to it.
    void BackUpToday();
    void FormDestroy();

    TMainControls c;
    TPractice practice;
    TPracticeStart starts;
    TSelection selection;
    TMockExam exam;
    TErrorBook errorBook;
    TKeySettings keySettings;
    TReview review;
    TSpeechEngine speechEngine;
    TAudioPlayer audioPlayer;
    TReader reader;
    bool shown = false;
    // The key release being handed on to its control after the preview.
    QEvent* redelivered = nullptr;
    platform::TPressedKeys pressedKeys;
};
