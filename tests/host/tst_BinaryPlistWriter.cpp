#include "support/FileContents.h"
#include "support/TestRegistry.h"

#include "sample/BinaryPlistWriter.h"
#include "sample/SampleDescriptor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using host::sample::PlistValue;

Q_DECLARE_METATYPE(PlistValue)

namespace {

// Reads a binary property list with Python's plistlib, an independent reader, and prints it as a
// tagged JSON tree that keeps dictionary order and 64-bit integers exactly.
const char kPlistlibReader[] = R"(
import json, plistlib, sys
def tagged(value):
    if isinstance(value, bool):
        raise TypeError('bool')
    if isinstance(value, int):
        return {'integer': str(value)}
    if isinstance(value, str):
        return {'string': value}
    if isinstance(value, list):
        return {'array': [tagged(item) for item in value]}
    if isinstance(value, dict):
        return {'dict': [[key, tagged(item)] for key, item in value.items()]}
    raise TypeError(type(value).__name__)
with open(sys.argv[1], 'rb') as file:
    print(json.dumps(tagged(plistlib.loads(file.read(), fmt=plistlib.FMT_BINARY))))
)";

QJsonValue Tagged(const PlistValue& value)
{
    switch (value.kind) {
    case PlistValue::Kind::Integer:
        return QJsonObject{{QStringLiteral("integer"), QString::number(value.integer)}};
    case PlistValue::Kind::String:
        return QJsonObject{{QStringLiteral("string"), QString::fromStdString(value.text)}};
    case PlistValue::Kind::Array: {
        QJsonArray items;
        for (const PlistValue& item : value.items)
            items.append(Tagged(item));
        return QJsonObject{{QStringLiteral("array"), items}};
    }
    case PlistValue::Kind::Dictionary: {
        QJsonArray entries;
        for (std::size_t index = 0; index < value.keys.size(); ++index)
            entries.append(QJsonArray{QString::fromStdString(value.keys[index]), Tagged(value.items[index])});
        return QJsonObject{{QStringLiteral("dict"), entries}};
    }
    }
    return {};
}

PlistValue Integers(std::initializer_list<std::int64_t> numbers)
{
    std::vector<PlistValue> items;
    for (std::int64_t number : numbers)
        items.push_back(PlistValue::Integer(number));
    return PlistValue::Array(std::move(items));
}

} // namespace

class TestBinaryPlistWriter : public QObject {
    Q_OBJECT

private slots:
    void plistlibReadsWhatIsWritten_data();
    void plistlibReadsWhatIsWritten();
};

void TestBinaryPlistWriter::plistlibReadsWhatIsWritten_data()
{
    QTest::addColumn<PlistValue>("value");
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    QTest::newRow("integers at every width boundary")
        << Integers({0, 1, 255, 256, 65535, 65536, 4294967295LL, 4294967296LL, kMax});
    QTest::newRow("negative integers take eight bytes") << Integers({-1, -256, kMin});
    QTest::newRow("empty texts and containers") << PlistValue::Array(
        {PlistValue::String(""), PlistValue::Array({}), PlistValue::Dictionary({})});
    QTest::newRow("ASCII text of 14 and 15 characters, the inline count limit")
        << PlistValue::Array({PlistValue::String("fourteen chars"), PlistValue::String("fifteen chars!!")});
    QTest::newRow("non-ASCII texts, one beyond the BMP")
        << PlistValue::Array({PlistValue::String("Москва"), PlistValue::String("東京都千代田区丸の内一丁目九番一号"),
                              PlistValue::String("دبي"), PlistValue::String("\xF0\x9F\x97\xBA map 𠀋")});
    QTest::newRow("dictionary keeps its key order")
        << PlistValue::Dictionary({{"Zulu", PlistValue::Integer(1)},
                                   {"Alpha", PlistValue::String("a")},
                                   {"Ключ", PlistValue::Dictionary({{"inner", PlistValue::Integer(2)}})}});
    std::vector<PlistValue> many;
    for (int index = 0; index < 300; ++index)
        many.push_back(PlistValue::Integer(index * 1000));
    QTest::newRow("more than 255 objects need two-byte references") << PlistValue::Array(std::move(many));
    QTest::newRow("offsets beyond 64 KiB take four bytes")
        << PlistValue::Array({PlistValue::String(std::string(70000, 'x')), PlistValue::Integer(7)});
    QTest::newRow("the backup descriptor")
        << host::sample::DescriptorPlist(host::sample::MakeSampleDescriptor(3, "AppleMaps/MapsSync.sqlite"));
}

void TestBinaryPlistWriter::plistlibReadsWhatIsWritten()
{
    QFETCH(PlistValue, value);
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("value.plist"));
    test::WriteFile(path, host::sample::WriteBinaryPlist(value));

    QProcess reader;
    reader.start(python, {QStringLiteral("-c"), QString::fromLatin1(kPlistlibReader), path});
    QVERIFY(reader.waitForFinished(30000));
    QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
    const QJsonDocument read = QJsonDocument::fromJson(reader.readAllStandardOutput());
    QCOMPARE(read.object(), Tagged(value).toObject());
}

MAPS_TEST_CLASS(TestBinaryPlistWriter);
#include "tst_BinaryPlistWriter.moc"
