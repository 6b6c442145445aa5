#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>

namespace test {

// One log line: named groups "time", "severity" (padded to 5), "thread", "function", "line"
// and "message".
const QRegularExpression& LogLinePattern();

// Decrypts an encrypted log file and splits it into its lines (without line breaks).
// Throws CryptLog::CryptedLogException like the decryptor.
QStringList DecryptLogLines(const QString& logPath);

// The encrypted record of one line, as the file sink writes it.
QByteArray EncryptedRecord(const QByteArray& line, int keyIndex = 1);

// Writes a log file: header, then one record per line (each line as given, no break added).
void WriteEncryptedLog(const QString& logPath, const QList<QByteArray>& lines, int keyIndex = 1);

} // namespace test
