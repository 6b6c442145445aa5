#include "XlsxTable.h"

#include "SheetName.h"

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

XlsxTable::XlsxTable(SheetSource addSheet, const std::string& wantedName, const XlsxFormats& formats,
                     SheetLimits limits)
    : m_addSheet(std::move(addSheet))
    , m_formats(formats)
    , m_limits(limits)
{
    StartSheet(m_addSheet(wantedName));
    m_name = m_sheet.name;
}

std::string XlsxTable::GetName() const
{
    return m_name;
}

void XlsxTable::AddColumn(const std::string& caption, double width)
{
    const auto column = static_cast<unsigned short>(m_columns.size());
    if (column >= LXW_COL_MAX)
        throw std::runtime_error("Too many columns in sheet " + m_sheet.name);
    m_columns.push_back({caption, width});
    m_columnIndex.emplace(caption, column);
    WriteColumnCaption(column);
}

int XlsxTable::GetColumnCount() const
{
    return static_cast<int>(m_columns.size());
}

void XlsxTable::BeginRow(double height)
{
    ContinueWhenFull();
    Check(worksheet_set_row(m_sheet.worksheet, m_row, height, nullptr));
}

void XlsxTable::SetCell(const std::string& columnCaption, const std::string& text)
{
    WriteText(ColumnOf(columnCaption), text);
}

void XlsxTable::SetNumberCell(const std::string& columnCaption, double value)
{
    Check(worksheet_write_number(m_sheet.worksheet, m_row, ColumnOf(columnCaption), value, m_formats.text));
}

void XlsxTable::SetLinkCell(const std::string& columnCaption, const std::string& target, const std::string& text)
{
    const unsigned short column = ColumnOf(columnCaption);
    // Past the sheet's link limit the text is still what the reader needs.
    if (!IsWebLink(target) || m_sheetLinks >= m_limits.links) {
        WriteText(column, text);
        return;
    }
    Check(worksheet_write_url_opt(m_sheet.worksheet, m_row, column, target.c_str(), m_formats.link,
                                  Truncated(text, MaxCellTextLength).c_str(), nullptr));
    ++m_sheetLinks;
}

void XlsxTable::SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    WriteText(ColumnOf(columnCaption), text);
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
    ContinueWhenFull();
    Check(worksheet_write_string(m_sheet.worksheet, m_row, 0, Truncated(text, MaxCellTextLength).c_str(),
                                 m_formats.summary));
    ++m_row;
}

void XlsxTable::EndRow()
{
    ++m_row;
    ++m_rowCount;
}

void XlsxTable::WriteColumnCaption(unsigned short column)
{
    const Column& added = m_columns[column];
    Check(worksheet_set_column(m_sheet.worksheet, column, column, added.width, nullptr));
    Check(worksheet_write_string(m_sheet.worksheet, 0, column, Truncated(added.caption, MaxCellTextLength).c_str(),
                                 m_formats.caption));
}

void XlsxTable::ContinueWhenFull()
{
    if (m_row < m_limits.rows)
        return;
    StartSheet(m_addSheet(ContinuationSheetName(QString::fromStdString(m_name), ++m_sheetCount).toStdString()));
}

void XlsxTable::StartSheet(Sheet sheet)
{
    m_sheet = std::move(sheet);
    worksheet_freeze_panes(m_sheet.worksheet, 1, 0);
    for (unsigned short column = 0; column < m_columns.size(); ++column)
        WriteColumnCaption(column);
    m_row = 1;
    m_sheetLinks = 0;
}

unsigned short XlsxTable::ColumnOf(const std::string& caption) const
{
    const auto column = m_columnIndex.find(caption);
    if (column == m_columnIndex.end())
        throw std::runtime_error("No column \"" + caption + "\" in sheet " + m_sheet.name);
    return column->second;
}

void XlsxTable::WriteText(unsigned short column, const std::string& text)
{
    Check(worksheet_write_string(m_sheet.worksheet, m_row, column, Truncated(text, MaxCellTextLength).c_str(),
                                 m_formats.text));
}

void XlsxTable::Check(int error) const
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("Sheet " + m_sheet.name + ": " + lxw_strerror(static_cast<lxw_error>(error)));
}

} // namespace host::xlsx
