#include "LogLines.h"

#include "CryptLog/CryptLogApi.h"
#include "CryptLog/EncryptingTxtConverter.h"
#include "CryptLog/LogFileFormat.h"
#include "CryptLog/LogKeyManager.h"

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace test {

const QRegularExpression& LogLinePattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(?<time>\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3}) (?<severity>FATAL|ERROR|WARN |INFO |DEBUG|VERB |NONE ) )"
        R"(\[(?<thread>\d+)\] \[(?<function>[^@\]]+)@(?<line>\d+)\] (?<message>.*)$)"));
    return pattern;
}

QStringList DecryptLogLines(const QString& logPath)
{
    const QTemporaryDir folder;
    const QString plainPath = folder.filePath(QStringLiteral("plain.txt"));
    CryptLog::CryptLogApi().DecryptFile(logPath.toStdWString(), plainPath.toStdWString());
    QFile plain(plainPath);
    if (!plain.open(QIODevice::ReadOnly))
        throw std::runtime_error("the decrypted log cannot be read");
    QString text = QString::fromUtf8(plain.readAll());
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QByteArray EncryptedRecord(const QByteArray& line, int keyIndex)
{
    const CryptLog::EncryptingTxtConverter converter(std::make_shared<const CryptLog::LogKeyManager>(keyIndex));
    const std::vector<std::uint8_t> record = converter.Convert(std::string_view(line.constData(), line.size()));
    return QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<int>(record.size()));
}

void WriteEncryptedLog(const QString& logPath, const QList<QByteArray>& lines, int keyIndex)
{
    CryptLog::LogFile::CreateLogFile(logPath.toStdWString(), keyIndex);
    QFile file(logPath);
    if (!file.open(QIODevice::Append))
        throw std::runtime_error("the log cannot be written");
    for (const QByteArray& line : lines)
        file.write(EncryptedRecord(line, keyIndex));
}

} // namespace test
