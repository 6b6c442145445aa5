#pragma once

#include <QString>

#include <cstdint>

namespace host {

// One JSON object on one line, its members in the order they are added (QJsonObject sorts them).
class JsonLine {
public:
    JsonLine& Add(const char* key, const QString& text);
    JsonLine& Add(const char* key, std::uint64_t number);
    JsonLine& AddNull(const char* key);

    QString ToString() const { return QStringLiteral("{") + m_members + QStringLiteral("}"); }

private:
    void AddMember(const char* key, const QString& value);

    QString m_members;
};

} // namespace host
