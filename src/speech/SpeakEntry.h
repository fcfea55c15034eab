#pragma once

class QToolButton;
class QWidget;
class TReader;

// The entry "朗读" of the banner strip: a press reads the question on display; its menu reads
// it too and turns 自动朗读 on or off. Disabled, its tooltip says why there is no reading.
QToolButton* BuildSpeakEntry(QWidget& window, TReader& reader);
