#include "RecordingTableSink.h"

#include <stdexcept>

namespace test {
namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

RecordingTable::RecordingTable(std::string name)
    : m_name(std::move(name))
{
}

void RecordingTable::AddColumn(const std::string& caption, double width)
{
    captions << Text(caption);
    calls << QStringLiteral("column %1|%2").arg(Text(caption)).arg(width);
}

void RecordingTable::BeginRow(double height)
{
    calls << QStringLiteral("row %1").arg(height);
    m_openRow.clear();
}

void RecordingTable::SetCell(const std::string& columnCaption, const std::string& text)
{
    const QString cell = Text(columnCaption) + QLatin1Char('=') + Text(text);
    calls << QStringLiteral("cell ") + cell;
    m_openRow << cell;
}

void RecordingTable::SetNumberCell(const std::string& columnCaption, double value)
{
    SetCell(columnCaption, std::to_string(value));
}

void RecordingTable::SetLinkCell(const std::string& columnCaption, const std::string& target, const std::string& text)
{
    const QString cell = Text(columnCaption) + QLatin1Char('=') + Text(target) + QLatin1Char('|') + Text(text);
    calls << QStringLiteral("link ") + cell;
    m_openRow << cell;
}

void RecordingTable::SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    SetCell(columnCaption, text);
}

void RecordingTable::AddSummary(const std::string& text)
{
    summaries << Text(text);
    calls << QStringLiteral("summary ") + Text(text);
}

void RecordingTable::EndRow()
{
    calls << QStringLiteral("end");
    rows.push_back(m_openRow);
    m_openRow.clear();
}

std::shared_ptr<exportReport::ITableExport> RecordingTableFactory::CreateTable(const std::string& name, int kind)
{
    if (name == failOn) {
        if (failure)
            failure();
        throw std::runtime_error("no table " + name);
    }
    kinds.push_back(kind);
    m_tables.push_back(std::make_shared<RecordingTable>(name));
    return m_tables.back();
}

QStringList RecordingTableFactory::Names() const
{
    QStringList names;
    for (const auto& table : m_tables)
        names << Text(table->GetName());
    return names;
}

RecordingTable* RecordingTableFactory::Table(const QString& name) const
{
    for (const auto& table : m_tables) {
        if (Text(table->GetName()) == name)
            return table.get();
    }
    return nullptr;
}

} // namespace test
