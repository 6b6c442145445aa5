#include "JsonLine.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace host {
namespace {

// Qt's own escaping: the text as the only element of a compact array, without the brackets.
QString Quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

JsonLine& JsonLine::Add(const char* key, const QString& text)
{
    AddMember(key, Quoted(text));
    return *this;
}

JsonLine& JsonLine::Add(const char* key, std::uint64_t number)
{
    AddMember(key, QString::number(number));
    return *this;
}

JsonLine& JsonLine::AddNull(const char* key)
{
    AddMember(key, QStringLiteral("null"));
    return *this;
}

void JsonLine::AddMember(const char* key, const QString& value)
{
    if (!m_members.isEmpty())
        m_members += QStringLiteral(", ");
    m_members += Quoted(QString::fromUtf8(key)) + QStringLiteral(": ") + value;
}

} // namespace host
