#include "support/CaughtException.h"
#include "support/FileContents.h"
#include "support/LogLines.h"
#include "support/TestRegistry.h"

#include "CryptLog/CryptLogApi.h"
#include "CryptLog/CryptedLogException.h"
#include "CryptLog/EncryptedFileSink.h"
#include "CryptLog/LogFileFormat.h"
#include "CryptLog/LogKeyManager.h"

#include <openssl/evp.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <thread>

namespace {

std::shared_ptr<const CryptLog::LogKeyManager> Keys(int keyIndex = 1)
{
    return std::make_shared<const CryptLog::LogKeyManager>(keyIndex);
}

// AES-128-ECB with OpenSSL directly, apart from the code under test.
QByteArray TransformBlocks(const QByteArray& input, bool encrypt)
{
    QByteArray output(input.size(), '\0');
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int written = 0;
    EVP_CipherInit_ex(context, EVP_aes_128_ecb(), nullptr, Keys()->GetKey()->data(), nullptr, encrypt ? 1 : 0);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_CipherUpdate(context, reinterpret_cast<unsigned char*>(output.data()), &written,
                     reinterpret_cast<const unsigned char*>(input.constData()), input.size());
    EVP_CIPHER_CTX_free(context);
    return output.left(written);
}

// The plain record: 16-bit little-endian length, text, zero bytes to a multiple of 16.
QByteArray PlainRecord(const QByteArray& text)
{
    QByteArray record;
    record.append(char(text.size() & 0xFF)).append(char(text.size() >> 8)).append(text);
    record.append((16 - record.size() % 16) % 16, '\0');
    return record;
}

QByteArray Header(int keyIndex = 1)
{
    const CryptLog::LogFile::Header header = CryptLog::LogFile::MakeHeader(keyIndex);
    return QByteArray(header.data(), int(header.size()));
}

void Decrypt(const QString& source, const QString& destination)
{
    CryptLog::CryptLogApi().DecryptFile(source.toStdWString(), destination.toStdWString());
}

// What the decryptor makes of a log file of the header and `records`.
QByteArray DecryptedLog(const QByteArray& records)
{
    const QTemporaryDir folder;
    test::WriteFile(folder.filePath("ULQ.log"), Header() + records);
    Decrypt(folder.filePath("ULQ.log"), folder.filePath("plain.txt"));
    return test::ReadFile(folder.filePath("plain.txt"));
}

// Stops a follow-mode decryption and waits for its thread, also when a check returns early.
struct FollowingThread {
    CryptLog::CryptLogApi& decryptor;
    std::thread thread;

    ~FollowingThread() { Stop(); }
    void Stop()
    {
        decryptor.SetStopped(true);
        if (thread.joinable())
            thread.join();
    }
};

} // namespace

class CryptLogApiTest : public QObject {
    Q_OBJECT

private slots:
    void recordLayout_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("recordSize");
        QTest::newRow("empty line") << 0 << 16;
        QTest::newRow("14 bytes fill one block") << 14 << 16;
        QTest::newRow("15 bytes need a second block") << 15 << 32;
        QTest::newRow("65535 bytes, the longest line") << 65535 << 65552;
    }

    void recordLayout()
    {
        QFETCH(int, length);
        QFETCH(int, recordSize);
        const QByteArray text(length, 'x');
        CryptLog::CryptLogApi encryptor(Keys());
        QCOMPARE(encryptor.GetEncryptedSize(length), std::size_t(recordSize));
        // A spare block: the buffer must be at least 18 bytes, and the record is no longer.
        QByteArray buffer(recordSize + 16, '\0');
        QCOMPARE(encryptor.Encrypt(text.toStdString(), reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()),
                 std::size_t(recordSize));
        QCOMPARE(TransformBlocks(buffer.left(recordSize), false), PlainRecord(text));
        QCOMPARE(test::EncryptedRecord(text), buffer.left(recordSize));
    }

    // Lines that do not fit are cut at a character boundary and decrypt to what was kept.
    void lineCutToFit_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<int>("keptBytes");
        const QByteArray cyrillic = QString(40000, QChar(0x0436)).toUtf8(); // "ж", 2 bytes each
        const QByteArray emoji = "ab" + QString::fromUtf8("\xF0\x9F\x97\xBA").repeated(20000).toUtf8();
        QTest::newRow("over 65535 bytes, ASCII") << QByteArray(70000, 'a') << 65552 << 65535;
        QTest::newRow("over 65535 bytes, 2-byte characters") << cyrillic << 65552 << 65534;
        QTest::newRow("over 65535 bytes, 4-byte characters") << emoji << 65552 << 65534;
        QTest::newRow("buffer of 18 bytes, character across the end")
            << QByteArray("0123456789abc\xD0\xB9xyz") << 18 << 13;
    }

    void lineCutToFit()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, bufferSize);
        QFETCH(int, keptBytes);
        CryptLog::CryptLogApi encryptor(Keys());
        QByteArray record(bufferSize, '\0');
        const std::size_t written =
            encryptor.Encrypt(line.toStdString(), reinterpret_cast<std::uint8_t*>(record.data()), record.size());
        QCOMPARE(written, CryptLog::LogFile::RecordSize(keptBytes));
        QCOMPARE(DecryptedLog(record.left(int(written))), line.left(keptBytes));
    }

    void decryptFailure_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("message");
        const QByteArray missing;
        const QByteArray valid = Header() + test::EncryptedRecord("line\n");
        QTest::newRow("missing source") << missing << "plain.txt" << "Cannot find the source file specified.";
        QTest::newRow("destination is a folder") << valid << "" << "{destination}: Invalid path.";
        QTest::newRow("key index 3") << Header(3) + test::EncryptedRecord("line\n") << "plain.txt"
                                     << "Cannot get key for decrypting";
        QTest::newRow("header cut short") << QByteArray("XJ\x01", 3) << "plain.txt"
                                          << "Cannot get key for decrypting";
    }

    void decryptFailure()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, destination);
        QFETCH(QString, message);
        const QTemporaryDir folder;
        const QString sourcePath = folder.filePath("ULQ.log");
        if (!source.isNull())
            test::WriteFile(sourcePath, source);
        const QString destinationPath = folder.path() + '/' + destination;
        const auto failure =
            test::CaughtException<CryptLog::CryptedLogException>([&] { Decrypt(sourcePath, destinationPath); });
        QVERIFY(failure);
        QCOMPARE(QString::fromUtf8(failure->what()), QString(message).replace("{destination}", destinationPath));
        QVERIFY(!QFile::exists(folder.filePath("plain.txt")));
    }

    // Damage ends the decryption after the last whole record; nothing hangs or crashes.
    void damagedInput_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QByteArray>("plain");
        const QByteArray first = test::EncryptedRecord("first line\n");
        const QByteArray second = test::EncryptedRecord("second line, long enough for three blocks\n");
        const QByteArray pastTheEnd = TransformBlocks(QByteArray("\x88\x13", 2) + QByteArray(14, 'y'), true); // 5000 bytes
        QTest::newRow("header only") << QByteArray() << QByteArray();
        QTest::newRow("last record cut short") << first + second.left(second.size() - 5) << QByteArray("first line\n");
        QTest::newRow("trailing partial block") << first + QByteArray(7, 'z') << QByteArray("first line\n");
        QTest::newRow("length running past the end")
            << first + pastTheEnd + QByteArray(64, '\0') << QByteArray("first line\n");
    }

    void damagedInput()
    {
        QFETCH(QByteArray, records);
        QFETCH(QByteArray, plain);
        QCOMPARE(DecryptedLog(records), plain);
    }

    void garbageEndsWithoutCrash()
    {
        QByteArray garbage(256 * 1024, '\0');
        QRandomGenerator(20261205).fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
        QVERIFY(DecryptedLog(garbage).size() < garbage.size());
    }

    // Logging goes on, writing nothing, when the log's folder cannot be made.
    void fileSinkWithoutFileGoesOn()
    {
        const QTemporaryDir folder;
        test::WriteFile(folder.filePath("not-a-folder"), "a file");
        const QString path = folder.filePath("not-a-folder/ULQ.log");
        CryptLog::EncryptedFileSink sink(path.toStdWString(), Keys());
        sink.log(spdlog::details::log_msg(spdlog::source_loc{"", 1, "ns::F"}, "ULQ", spdlog::level::info, "lost"));
        sink.flush();
        QVERIFY(!QFile::exists(path));
    }

    // Follow mode picks up appended records, also one that arrives in two pieces, until stopped.
    void followReadsAppendedRecords()
    {
        const QTemporaryDir folder;
        const QString logPath = folder.filePath("ULQ.log");
        const QString plainPath = folder.filePath("plain.txt");
        test::WriteEncryptedLog(logPath, {"first\n"});

        CryptLog::CryptLogApi decryptor;
        decryptor.SetFollow(true);
        QString failure;
        FollowingThread follower{decryptor, std::thread([&] {
                                     try {
                                         decryptor.DecryptFile(logPath.toStdWString(), plainPath.toStdWString());
                                     } catch (const std::exception& exception) {
                                         failure = exception.what();
                                     }
                                 })};
        QTRY_COMPARE_WITH_TIMEOUT(test::ReadFile(plainPath), QByteArray("first\n"), 5000);
        test::WriteFile(logPath, test::EncryptedRecord("second\n"), QIODevice::Append);
        QTRY_COMPARE_WITH_TIMEOUT(test::ReadFile(plainPath), QByteArray("first\nsecond\n"), 5000);

        const QByteArray third = test::EncryptedRecord("third, in two pieces\n");
        test::WriteFile(logPath, third.left(20), QIODevice::Append);
        QTest::qWait(1500);
        test::WriteFile(logPath, third.mid(20), QIODevice::Append);
        QTRY_COMPARE_WITH_TIMEOUT(test::ReadFile(plainPath), QByteArray("first\nsecond\nthird, in two pieces\n"), 5000);

        follower.Stop();
        QCOMPARE(failure, QString());
    }
};

MAPS_TEST_CLASS(CryptLogApiTest);
#include "tst_CryptLogApi.moc"
