#include "Codec.h"

#include <QTest>

using platform::FromCodePage936;
using platform::ToCodePage936;

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void everyPairRoundTrips();
    void unwritableCharacterIsNamed();
};

// The bank's bytes as they come, good and damaged, and the text the learner sees.
void TestCodec::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString replacement(QChar::ReplacementCharacter);
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("A. 50 km/h\r\n") << QStringLiteral("A. 50 km/h\r\n");
    QTest::newRow("chinese") << QByteArray("\xB5\xC0\xC2\xB7") << QStringLiteral("道路");
    QTest::newRow("mixed") << QByteArray("A\xA3\xAE\xB5\xC0 3") << QStringLiteral("A．道 3");
    QTest::newRow("second byte below 0x80") << QByteArray("\x81\x40") << QStringLiteral("丂");
    QTest::newRow("lead byte at the end")
        << QByteArray("\xB5\xC0\xC2") << QStringLiteral("道") + replacement;
    QTest::newRow("lead byte before ascii") << QByteArray("\xB5"
                                                          "1")
                                            << replacement + QStringLiteral("1");
    QTest::newRow("second byte 0x7F") << QByteArray("\x81\x7F"
                                                    "A")
                                      << replacement + QStringLiteral("\x7F"
                                                                      "A");
    QTest::newRow("0xFF alone") << QByteArray("\xFF"
                                              "A")
                                << replacement + QStringLiteral("A");
    QTest::newRow("lead byte before a pair")
        << QByteArray("\xB5\xB5\xC0") << QStringLiteral("档") + replacement;
    QTest::newRow("nul inside") << QByteArray("A\0B", 3) << QString::fromLatin1("A\0B", 3);
}

void TestCodec::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromCodePage936(bytes), text);
}

// Every two-byte sequence that reads as one character writes back as the same two bytes, so
// a bank that the tool wrote reads as it was written, whatever its characters.
void TestCodec::everyPairRoundTrips()
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const QByteArray pair(bytes, 2);
            const QString text = FromCodePage936(pair);
            if (text.size() != 1 || text[0] == QChar::ReplacementCharacter)
                continue;
            ++characters;
            QVERIFY2(ToCodePage936(text) == pair, pair.toHex().constData());
        }
    }
    // The code page holds some 21,800 two-byte characters; a table that lost whole rows of
    // them would still round-trip the rest.
    QVERIFY(characters > 21000);
}

void TestCodec::unwritableCharacterIsNamed()
{
    try {
        ToCodePage936(QStringLiteral("限速\U0001F697"));
        QFAIL("a character outside the code page was written");
    } catch (const platform::ECodecError& e) {
        QVERIFY(QString::fromStdString(e.what()).contains(QStringLiteral("U+1f697")));
    }
}

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
