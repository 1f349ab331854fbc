// The installed file type as a desktop reads it: a log is known by its first
// bytes whatever its name, and ordinary files are not taken for logs.
#include <QMimeDatabase>
#include <QTest>

#include "AppTestSupport.h"

namespace {

constexpr const char* kLogType = "application/x-qlx-log";

QString TypeOf(const QTemporaryDir& dir, const QString& name, const Bytes& bytes) {
  return QMimeDatabase().mimeTypeForFile(WriteFile(dir, name, bytes), QMimeDatabase::MatchContent).name();
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

}  // namespace

class MimeTypeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The test's environment points the database at the package file alone.
    QVERIFY(QMimeDatabase().mimeTypeForName(QString::fromLatin1(kLogType)).isValid());
  }

  void logsAreKnownByTheirFirstBytes() {
    QTemporaryDir dir;
    QFile sample(SamplePath());
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray head = sample.read(4096);
    Bytes tagged(head.begin(), head.end());
    QCOMPARE(TypeOf(dir, "renamed.dat", tagged), QString::fromLatin1(kLogType));
    Bytes timed;
    AppendTimeTag(timed, 0x01DCFBE05F09DC00);
    AppendSentence(timed, WithChecksum("$GPZDA,093000.00,14,06,2026,00,00"));
    QCOMPARE(TypeOf(dir, "timed.bin", timed), QString::fromLatin1(kLogType));
    Bytes frame;
    AppendKvtFrame(frame, MakeKvtBody(0x93, std::vector<uint8_t>{2, 1, 0xF8, 1, 0xFF}));
    QCOMPARE(TypeOf(dir, "frames.bin", frame), QString::fromLatin1(kLogType));
    QCOMPARE(TypeOf(dir, "gps.log", SentenceLog({"$GPGGA,093000.00,5930.0,N,01030.0,E,1,08,0.9,10.0,M,,,,"})),
             QString::fromLatin1(kLogType));
    QCOMPARE(TypeOf(dir, "ais.log", SentenceLog({"!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"})),
             QString::fromLatin1(kLogType));
  }

  void otherFilesAreNotLogs() {
    QTemporaryDir dir;
    QVERIFY(TypeOf(dir, "notes.txt", Text("$HOME is where the logs are\n")) != QString::fromLatin1(kLogType));
    QVERIFY(TypeOf(dir, "price.txt", Text("$12.50, paid\n")) != QString::fromLatin1(kLogType));
    QVERIFY(TypeOf(dir, "shell.txt", Text("$hello, world\n")) != QString::fromLatin1(kLogType));
    // A frame start with no frame end after it.
    Bytes binary(400, 0x55);
    binary[0] = 0x10;
    binary[1] = 0x02;
    QVERIFY(TypeOf(dir, "data.bin", binary) != QString::fromLatin1(kLogType));
  }
};

QTEST_MAIN(MimeTypeTest)
#include "MimeTypeTest.moc"
