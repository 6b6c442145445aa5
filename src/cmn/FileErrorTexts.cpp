#include "FileErrorTexts.h"

#include <QCoreApplication>

namespace ulq::cmn::utils::details {

FileErrorTexts& FileErrorTexts::Translatable(const char* text)
{
    m_user += QCoreApplication::translate("cmn", text).toStdString();
    m_log += text;
    return *this;
}

FileErrorTexts& FileErrorTexts::Translatable(const char* text, const QString& argument)
{
    m_user += QCoreApplication::translate("cmn", text).arg(argument).toStdString();
    m_log += QString::fromUtf8(text).arg(argument).toStdString();
    return *this;
}

FileErrorTexts& FileErrorTexts::Verbatim(const std::string& text)
{
    m_user += text;
    m_log += text;
    return *this;
}

FileErrorTexts& FileErrorTexts::LogOnly(const std::string& text)
{
    m_log += text;
    return *this;
}

FileErrorTexts& FileErrorTexts::Append(const FileErrorTexts& more)
{
    m_user += more.m_user;
    m_log += more.m_log;
    return *this;
}

} // namespace ulq::cmn::utils::details
