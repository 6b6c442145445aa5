#include "ZipArchive.h"

#include <QProcess>
#include <QStandardPaths>

namespace test {
namespace {

bool HasUnzip()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

QByteArray Run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

const QString PythonZip = QStringLiteral(
    "import sys, zipfile\n"
    "z = zipfile.ZipFile(sys.argv[1])\n"
    "if sys.argv[2] == '-t':\n"
    "    sys.exit(0 if z.testzip() is None else 1)\n"
    "sys.stdout.buffer.write(z.read(sys.argv[2]))\n");

} // namespace

ZipArchive::ZipArchive(QString path)
    : m_path(std::move(path))
{
}

bool ZipArchive::ToolAvailable()
{
    return HasUnzip() || !QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty();
}

bool ZipArchive::IsValid() const
{
    int exitCode = -1;
    if (HasUnzip())
        Run(QStringLiteral("unzip"), {QStringLiteral("-tq"), m_path}, &exitCode);
    else
        Run(QStringLiteral("python3"), {QStringLiteral("-c"), PythonZip, m_path, QStringLiteral("-t")}, &exitCode);
    return exitCode == 0;
}

QByteArray ZipArchive::Member(const QString& name) const
{
    int exitCode = -1;
    const QByteArray bytes = HasUnzip()
        ? Run(QStringLiteral("unzip"), {QStringLiteral("-p"), m_path, name}, &exitCode)
        : Run(QStringLiteral("python3"), {QStringLiteral("-c"), PythonZip, m_path, name}, &exitCode);
    return exitCode == 0 ? bytes : QByteArray();
}

} // namespace test
