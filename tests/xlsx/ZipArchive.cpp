#include "ZipArchive.h"

#include <QProcess>

namespace test {
namespace {

QByteArray Unzip(const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.start(QStringLiteral("unzip"), arguments);
    process.waitForFinished(60000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

} // namespace

ZipArchive::ZipArchive(QString path)
    : m_path(std::move(path))
{
}

bool ZipArchive::IsValid() const
{
    int exitCode = -1;
    Unzip({QStringLiteral("-tq"), m_path}, &exitCode);
    return exitCode == 0;
}

QByteArray ZipArchive::Member(const QString& name) const
{
    int exitCode = -1;
    const QByteArray bytes = Unzip({QStringLiteral("-p"), m_path, name}, &exitCode);
    return exitCode == 0 ? bytes : QByteArray();
}

} // namespace test
