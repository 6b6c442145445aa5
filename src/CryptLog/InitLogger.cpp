#include "InitLogger.h"

#include "EncryptedFileSink.h"
#include "LogFileFormat.h"
#include "LogKeyManager.h"
#include "LogVersion.h"
#include "ProxyAppender.h"

#include "CryptLog/log/Logger.h"
#include "CryptLog/log/Severity.h"
#include "cmn/AppFolders.h"

#include <boost/filesystem/operations.hpp>

#include <QSettings>
#include <QString>

#include <exception>
#include <iostream>
#include <mutex>

namespace CryptLog {
namespace {

constexpr int WrittenKeyIndex = 1;

int ReadLogLevel()
{
    const QString settingsPath = QString::fromStdWString(ulq::cmn::utils::GetSettingsFilePath().wstring());
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    bool isNumber = false;
    const int level = settings.value(QStringLiteral("LogLevel/Level"), QStringLiteral("4")).toString().toInt(&isNumber);
    return isNumber ? level : Info;
}

void EnsureLogFile(const boost::filesystem::path& path, int keyIndex)
{
    try {
        boost::system::error_code error;
        if (!boost::filesystem::exists(path, error))
            LogFile::CreateLogFile(path, keyIndex);
    } catch (const std::exception& exception) {
        // The logger is not there yet to tell.
        std::cerr << exception.what() << std::endl;
    }
}

void SetUpCryptLog(const boost::filesystem::path& logPath, int level, spdlog::sink_ptr hostAppender, int keyIndex)
{
    const auto keyManager = std::make_shared<const LogKeyManager>(keyIndex);
    EnsureLogFile(logPath, keyIndex);
    Logger& logger = Logger::Instance();
    if (hostAppender) {
        logger.Create(level, std::move(hostAppender));
        return;
    }
    logger.Create(None, ProxyAppender::Instance());
    ProxyAppender::Instance()->SetTarget(std::make_shared<EncryptedFileSink>(logPath, keyManager));
    logger.SetMaxSeverity(level);
}

} // namespace

void InitLogger(const core::PlugInVersion& version, const std::string& productName, spdlog::sink_ptr hostAppender)
{
    static std::once_flag initialised;
    std::call_once(initialised, [&] {
        SetUpCryptLog(ulq::cmn::utils::GetLogFilePath(), ReadLogLevel(), std::move(hostAppender), WrittenKeyIndex);
        ulq::cmn::utils::LogVersion(version, productName);
    });
}

} // namespace CryptLog
