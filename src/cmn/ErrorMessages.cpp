#include "ErrorMessages.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <utility>

namespace cmn {
namespace {

constexpr const char* kICloudForWindowsArticle = "https://support.apple.com/en-us/HT204283";
constexpr const char* kICloudWebSite = "https://www.icloud.com";

// Shared by every plug-in of the viewer; the English texts are the translation keys.
constexpr std::array<std::pair<std::uint32_t, const char*>, 56> kMessages{{
    {0, QT_TRANSLATE_NOOP("cmn", "No error")},
    {1, QT_TRANSLATE_NOOP("cmn", "Unspecified error")},
    {2, QT_TRANSLATE_NOOP("cmn", "Invalid parameter")},
    {3, QT_TRANSLATE_NOOP("cmn", "Invalid file format")},
    {4, QT_TRANSLATE_NOOP("cmn", "Invalid data")},
    {5, QT_TRANSLATE_NOOP("cmn", "File is not encrypted")},
    {6, QT_TRANSLATE_NOOP("cmn", "Unable to allocate memory")},
    {7, QT_TRANSLATE_NOOP("cmn", "Invalid password")},
    {8, QT_TRANSLATE_NOOP("cmn", "The specified authentication method has failed. Please check that you have "
                                 "entered correct credentials or authentication token.")},
    {9, QT_TRANSLATE_NOOP("cmn", "File is encrypted")},
    {10, QT_TRANSLATE_NOOP("cmn", "Item is not found")},
    {11, QT_TRANSLATE_NOOP("cmn", "The file download link has expired. This could have been caused by your PC "
                                  "entering sleep mode. Please try downloading again.")},
    {15, QT_TRANSLATE_NOOP("cmn", "Backup is not found")},
    {16, QT_TRANSLATE_NOOP("cmn", "Not all selected categories were downloaded")},
    {19, QT_TRANSLATE_NOOP("cmn", "Unexpected backup type")},
    {20, QT_TRANSLATE_NOOP("cmn", "Backup format is not supported by Quorrel")},
    {24, QT_TRANSLATE_NOOP("cmn", "Internal TACC error")},
    {27, QT_TRANSLATE_NOOP("cmn", "Manifest.mbdb is not found.")},
    {28, QT_TRANSLATE_NOOP("cmn", "The manifest.plist file could not be read. The file is either corrupt or the "
                                  "backup was decrypted by Brenlow lower than 3.0. Please select a different backup.")},
    {40, QT_TRANSLATE_NOOP("cmn", "Invalid verification code")},
    {41, QT_TRANSLATE_NOOP("cmn", "Too many verification attemps has been performed")},
    {50, QT_TRANSLATE_NOOP("cmn", "Unable to open file")},
    {51, QT_TRANSLATE_NOOP("cmn", "Unable to create file or directory (or not enough free disk space)")},
    {52, QT_TRANSLATE_NOOP("cmn", "Unable to read file")},
    {53, QT_TRANSLATE_NOOP("cmn", "Unable to write file")},
    {54, QT_TRANSLATE_NOOP("cmn", "Unable to load file")},
    {55, QT_TRANSLATE_NOOP("cmn", "File already exists")},
    {56, QT_TRANSLATE_NOOP("cmn", "File copying failed")},
    {57, QT_TRANSLATE_NOOP("cmn", "There is no free space left on the device")},
    {58, QT_TRANSLATE_NOOP("cmn", "File is skipped")},
    {59, QT_TRANSLATE_NOOP("cmn", "The destination path is not valid.")},
    {60, QT_TRANSLATE_NOOP("cmn", "Thread is running")},
    {61, QT_TRANSLATE_NOOP("cmn", "Thread is not running")},
    {62, QT_TRANSLATE_NOOP("cmn", "Unable to create thread")},
    {63, QT_TRANSLATE_NOOP("cmn", "Can't open backup: Read manifest error")},
    {64, QT_TRANSLATE_NOOP("cmn", "Can't open backup: Parsing Manifest.mbdb error occur")},
    {65, QT_TRANSLATE_NOOP("cmn", "Can't open backup: Parsing Manifest.mbdb error occur")},
    {66, QT_TRANSLATE_NOOP("cmn", "Can't open backup: Parsing Manifest.mbdb error occur")},
    {67, QT_TRANSLATE_NOOP("cmn", "Not enough permissions to access this file")},
    {68, QT_TRANSLATE_NOOP("cmn", "Not enough permissions to access this folder")},
    {69, QT_TRANSLATE_NOOP("cmn", "Can't create directory")},
    {70, QT_TRANSLATE_NOOP("cmn", "Out of memory")},
    {80, QT_TRANSLATE_NOOP("cmn", "Proxy settings are invalid")},
    {91, QT_TRANSLATE_NOOP("cmn", "This feature requires <a href=\"%1\"><span style=\"color:#35AAEC;\">iCloud for "
                                  "Windows</span></a> ver. 4.0 or later to be installed.")},
    {98, QT_TRANSLATE_NOOP("cmn", "This AppleID is not configured to use iCloud Drive. Before signing in, please "
                                  "enable using iCloud Drive for this account at ")},
    {100, QT_TRANSLATE_NOOP("cmn", "The operation has been cancelled by user.")},
    {101, QT_TRANSLATE_NOOP("cmn", "An error occurred while working with SQL database.")},
    {102, QT_TRANSLATE_NOOP("cmn", "Wrong response format")},
    {103, QT_TRANSLATE_NOOP("cmn", "Unexpected response format")},
    {104, QT_TRANSLATE_NOOP("cmn", "Unexpected internal error occurred. Please contact technical support.")},
    {105, QT_TRANSLATE_NOOP("cmn", "No response content")},
    {200, QT_TRANSLATE_NOOP("cmn", "Network can not be initialized")},
    {201, QT_TRANSLATE_NOOP("cmn", "Unable to download data")},
    {202, QT_TRANSLATE_NOOP("cmn", "Network error")},
    {252, QT_TRANSLATE_NOOP("cmn", "Error downloading data. Please contact technical support.")},
    {253, QT_TRANSLATE_NOOP("cmn", "Apple MobileMe or iCloud error")},
}};

const char* FindMessage(std::uint32_t code)
{
    for (const auto& [entryCode, message] : kMessages) {
        if (entryCode == code)
            return message;
    }
    return nullptr;
}

} // namespace

std::string GetErrorMessage(std::uint32_t code)
{
    const char* message = FindMessage(code);
    if (!message) {
        return QCoreApplication::translate("cmn", "Unexpected error: %1. Please contact our development team.")
            .arg(code)
            .toStdString();
    }
    QString text = QCoreApplication::translate("cmn", message);
    if (code == 91)
        text = text.arg(QLatin1String(kICloudForWindowsArticle));
    else if (code == 98)
        text += QLatin1String(kICloudWebSite);
    return text.toStdString();
}

} // namespace cmn
