#include "XlsxTable.h"

#include <xlsxwriter.h>

#include <stdexcept>

namespace host::xlsx {
namespace {

// The workbook's limits for one cell's text and one link's target.
constexpr std::size_t MaxCellTextLength = 32767;
constexpr std::size_t MaxUrlLength = 2079;

// Cuts a UTF-8 text to at most `length` bytes without splitting a character.
std::string Truncated(const std::string& text, std::size_t length)
{
    if (text.size() <= length)
        return text;
    std::size_t end = length;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

// Only web and mail targets become links: the workbook library gives other prefixes
// ("internal:", "external:") meanings of its own.
bool IsWebLink(const std::string& target)
{
    for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"}) {
        if (target.rfind(scheme, 0) == 0)
            return target.size() <= MaxUrlLength;
    }
    return false;
}

} // namespace

XlsxTable::XlsxTable(lxw_worksheet* worksheet, std::string name, const XlsxFormats& formats)
    : m_worksheet(worksheet)
    , m_name(std::move(name))
    , m_formats(formats)
{
    worksheet_freeze_panes(m_worksheet, 1, 0);
}

std::string XlsxTable::GetName() const
{
    return m_name;
}

void XlsxTable::AddColumn(const std::string& caption, double width)
{
    const auto column = static_cast<unsigned short>(m_columns.size());
    if (column >= LXW_COL_MAX)
        throw std::runtime_error("Too many columns in sheet " + m_name);
    m_columns.emplace(caption, column);
    Check(worksheet_set_column(m_worksheet, column, column, width, nullptr));
    Check(worksheet_write_string(m_worksheet, 0, column, Truncated(caption, MaxCellTextLength).c_str(),
                                 m_formats.caption));
}

int XlsxTable::GetColumnCount() const
{
    return static_cast<int>(m_columns.size());
}

void XlsxTable::BeginRow(double height)
{
    if (m_row >= LXW_ROW_MAX)
        throw std::runtime_error("Too many rows in sheet " + m_name);
    Check(worksheet_set_row(m_worksheet, m_row, height, nullptr));
}

void XlsxTable::SetCell(const std::string& columnCaption, const std::string& text)
{
    WriteText(Column(columnCaption), text);
}

void XlsxTable::SetNumberCell(const std::string& columnCaption, double value)
{
    Check(worksheet_write_number(m_worksheet, m_row, Column(columnCaption), value, m_formats.text));
}

void XlsxTable::SetLinkCell(const std::string& columnCaption, const std::string& target, const std::string& text)
{
    const unsigned short column = Column(columnCaption);
    if (!IsWebLink(target)) {
        WriteText(column, text);
        return;
    }
    const lxw_error error = worksheet_write_url_opt(m_worksheet, m_row, column, target.c_str(), m_formats.link,
                                                    Truncated(text, MaxCellTextLength).c_str(), nullptr);
    // A sheet holds a limited number of links; the text is what the reader needs.
    if (error != LXW_NO_ERROR)
        WriteText(column, text);
}

void XlsxTable::SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    WriteText(Column(columnCaption), text);
}

int XlsxTable::GetRowCount() const
{
    return m_rowCount;
}

void XlsxTable::AddEmptyRow()
{
    ++m_row;
}

void XlsxTable::AddSummary(const std::string& text)
{
    if (!m_summaryStarted) {
        ++m_row; // a blank row between the table and its summary
        m_summaryStarted = true;
    }
    Check(worksheet_write_string(m_worksheet, m_row, 0, Truncated(text, MaxCellTextLength).c_str(),
                                 m_formats.summary));
    ++m_row;
}

void XlsxTable::EndRow()
{
    ++m_row;
    ++m_rowCount;
}

unsigned short XlsxTable::Column(const std::string& caption) const
{
    const auto column = m_columns.find(caption);
    if (column == m_columns.end())
        throw std::runtime_error("No column \"" + caption + "\" in sheet " + m_name);
    return column->second;
}

void XlsxTable::WriteText(unsigned short column, const std::string& text)
{
    Check(worksheet_write_string(m_worksheet, m_row, column, Truncated(text, MaxCellTextLength).c_str(),
                                 m_formats.text));
}

void XlsxTable::Check(int error) const
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("Sheet " + m_name + ": " + lxw_strerror(static_cast<lxw_error>(error)));
}

} // namespace host::xlsx
