#include "SpeechEngine.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

namespace {

// What the engine delivered, job by job.
struct THeard
{
    explicit THeard(TSpeechEngine& engine)
    {
        QObject::connect(&engine, &TSpeechEngine::Samples, &engine,
                         [this](int job, const QByteArray& pcm) {
                             samples[job] += pcm.size() / qsizetype(sizeof(short));
                         });
        QObject::connect(&engine, &TSpeechEngine::Finished, &engine,
                         [this](int job) { finished[job] = true; });
    }
    double Seconds(int job, int rate) const
    {
        const auto found = samples.find(job);
        return found == samples.end() ? 0.0 : double(found->second) / rate;
    }
    std::map<int, qsizetype> samples;
    std::map<int, bool> finished;
};

const QString Sentence = QStringLiteral("驾驶机动车上道路行驶，应当依法取得机动车驾驶证。");

bool WaitReady(TSpeechEngine& engine)
{
    return QTest::qWaitFor([&] { return engine.State() != TSpeechEngine::TState::Preparing; },
                           20000) &&
           engine.State() == TSpeechEngine::TState::Ready;
}

} // namespace

class TestSpeechEngine : public QObject
{
    Q_OBJECT

private slots:
    void sentenceGivesSpeechOfItsLength();
    void linesArePausedBetween();
    void textIsNotReadAsMarkup();
    void stopDropsTheRestOfTheJob();
    void laterJobReplacesTheEarlier();
    void speakingBeforeReadyWaitsForTheVoice();
    void missingVoiceIsUnavailable_data();
    void missingVoiceIsUnavailable();
    void destroyingWhileSpeakingEnds();
};

void TestSpeechEngine::sentenceGivesSpeechOfItsLength()
{
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    QVERIFY(engine.SampleRate() > 0);
    THeard heard(engine);
    const int job = engine.Speak({Sentence});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[job], 20000);
    // 23 syllables: a tenth to half a second each. Characters spelled out letter by letter
    // or an empty synthesis fall outside.
    const double seconds = heard.Seconds(job, engine.SampleRate());
    QVERIFY2(seconds > 2.3 && seconds < 11.5, qPrintable(QString::number(seconds)));
}

void TestSpeechEngine::linesArePausedBetween()
{
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    THeard heard(engine);
    const QString line = QStringLiteral("机动车驾驶证");
    // The library's first synthesis after it takes a voice ends sooner than the later ones.
    const int warmUp = engine.Speak({line});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[warmUp], 20000);
    const int joined = engine.Speak({line + line});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[joined], 20000);
    const int paused = engine.Speak({line, line});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[paused], 20000);
    const double pause =
        heard.Seconds(paused, engine.SampleRate()) - heard.Seconds(joined, engine.SampleRate());
    QVERIFY2(pause > 0.2 && pause < 1.5, qPrintable(QString::number(pause)));
}

void TestSpeechEngine::textIsNotReadAsMarkup()
{
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    THeard heard(engine);
    // A text with the characters of markup in it is read as text, not cut off at them.
    const int plain = engine.Speak({QStringLiteral("车速 小于 限速")});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[plain], 20000);
    const int marked = engine.Speak({QStringLiteral("车速 < 限速 & </speak>")});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[marked], 20000);
    QVERIFY(heard.Seconds(marked, engine.SampleRate()) >
            0.5 * heard.Seconds(plain, engine.SampleRate()));
}

void TestSpeechEngine::stopDropsTheRestOfTheJob()
{
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    THeard heard(engine);
    const int job = engine.Speak(QStringList(20, Sentence));
    QTRY_VERIFY_WITH_TIMEOUT(heard.samples[job] > 0, 20000);
    engine.Stop();
    const qsizetype atStop = heard.samples[job];
    // The next job shows that the worker went past the stopped one.
    const int next = engine.Speak({QStringLiteral("好")});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[next], 20000);
    QCOMPARE(heard.samples[job], atStop);
    QVERIFY(!heard.finished[job]);
}

void TestSpeechEngine::laterJobReplacesTheEarlier()
{
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    THeard heard(engine);
    const int first = engine.Speak(QStringList(20, Sentence));
    QTRY_VERIFY_WITH_TIMEOUT(heard.samples[first] > 0, 20000);
    const int second = engine.Speak({Sentence});
    const qsizetype firstAtSecond = heard.samples[first];
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[second], 20000);
    QCOMPARE(heard.samples[first], firstAtSecond);
    QVERIFY(!heard.finished[first]);
    QVERIFY(heard.Seconds(second, engine.SampleRate()) > 2.3);
}

void TestSpeechEngine::speakingBeforeReadyWaitsForTheVoice()
{
    TSpeechEngine engine;
    THeard heard(engine);
    const int job = engine.Speak({Sentence});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[job], 20000);
    QVERIFY(heard.samples[job] > 0);
}

void TestSpeechEngine::missingVoiceIsUnavailable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("emptyDataFolder");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no such voice")
        << QStringLiteral("xx-none") << false << QStringLiteral("找不到普通话语音，无法朗读");
    QTest::newRow("no voice data")
        << TVoice().name << true << QStringLiteral("找不到语音数据，无法朗读");
}

void TestSpeechEngine::missingVoiceIsUnavailable()
{
    QFETCH(QString, name);
    QFETCH(bool, emptyDataFolder);
    QFETCH(QString, problem);
    QTemporaryDir empty;
    {
        TSpeechEngine engine({name, emptyDataFolder ? empty.path() : QString()});
        THeard heard(engine);
        QSignalSpy changed(&engine, &TSpeechEngine::StateChanged);
        QVERIFY(!WaitReady(engine));
        QCOMPARE(engine.State(), TSpeechEngine::TState::Unavailable);
        QCOMPARE(engine.Problem(), problem);
        QCOMPARE(changed.size(), 1);
        engine.Speak({Sentence});
        QTest::qWait(50);
        QVERIFY(heard.samples.empty() && heard.finished.empty());
    }
    // The library recovers for the next engine with the installed voice.
    TSpeechEngine engine;
    QVERIFY(WaitReady(engine));
    THeard heard(engine);
    const int job = engine.Speak({Sentence});
    QTRY_VERIFY_WITH_TIMEOUT(heard.finished[job], 20000);
    QVERIFY(heard.Seconds(job, engine.SampleRate()) > 2.3);
}

void TestSpeechEngine::destroyingWhileSpeakingEnds()
{
    auto engine = std::make_unique<TSpeechEngine>();
    QVERIFY(WaitReady(*engine));
    THeard heard(*engine);
    const int job = engine->Speak(QStringList(50, Sentence));
    QTRY_VERIFY_WITH_TIMEOUT(heard.samples[job] > 0, 20000);
    engine.reset();
    // Whatever the worker posted before it ended goes with the engine.
    QCoreApplication::processEvents();
}

QTEST_GUILESS_MAIN(TestSpeechEngine)
#include "test_speech_engine.moc"
