#include "XlsxWorkbook.h"

#include "SheetName.h"
#include "XlsxTable.h"

#include "cmn/WrittenFile.h"

#include <QFile>

#include <xlsxwriter.h>

#include <stdexcept>

namespace host::xlsx {
namespace {

XlsxFormats AddFormats(lxw_workbook* workbook)
{
    XlsxFormats formats;
    formats.caption = workbook_add_format(workbook);
    format_set_bold(formats.caption);
    formats.text = workbook_add_format(workbook);
    format_set_text_wrap(formats.text);
    format_set_align(formats.text, LXW_ALIGN_VERTICAL_TOP);
    formats.link = workbook_add_format(workbook);
    format_set_text_wrap(formats.link);
    format_set_align(formats.link, LXW_ALIGN_VERTICAL_TOP);
    format_set_underline(formats.link, LXW_UNDERLINE_SINGLE);
    format_set_font_color(formats.link, LXW_COLOR_BLUE);
    formats.summary = workbook_add_format(workbook);
    format_set_italic(formats.summary);
    return formats;
}

lxw_workbook* NewWorkbook(const QString& path)
{
    // Reports of large backups: rows go to temporary files instead of memory, and parts of the
    // file past 4 GB stay readable.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    return workbook_new_opt(QFile::encodeName(path).constData(), &options);
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& path, SheetLimits limits)
    : m_workbook(NewWorkbook(path))
    , m_limits(limits)
    , m_path(path)
{
    if (!m_workbook)
        throw std::runtime_error("Cannot create the workbook " + path.toStdString());
    m_formats = AddFormats(m_workbook);
}

XlsxWorkbook::~XlsxWorkbook()
{
    if (m_workbook)
        lxw_workbook_free(m_workbook);
}

std::shared_ptr<exportReport::ITableExport> XlsxWorkbook::CreateTable(const std::string& name, int /*kind*/)
{
    return std::make_shared<XlsxTable>([this](const std::string& wantedName) { return AddSheet(wantedName); },
                                       name, m_formats, m_limits);
}

Sheet XlsxWorkbook::AddSheet(const std::string& wantedName)
{
    if (!m_workbook)
        throw std::runtime_error("The workbook " + m_path.toStdString() + " is closed");
    const QString sheetName = MakeSheetName(QString::fromStdString(wantedName), m_sheetNames);
    const QByteArray utf8Name = sheetName.toUtf8();
    lxw_worksheet* worksheet = workbook_add_worksheet(m_workbook, utf8Name.constData());
    if (!worksheet)
        throw std::runtime_error("Cannot add the sheet " + utf8Name.toStdString());
    m_sheetNames << sheetName;
    return {worksheet, utf8Name.toStdString()};
}

void XlsxWorkbook::Close()
{
    if (!m_workbook)
        return;
    const lxw_error error = workbook_close(m_workbook);
    m_workbook = nullptr;
    // A full disk may show only when the written file is put on disk.
    if (error != LXW_NO_ERROR || !ulq::cmn::utils::SyncWrittenFile(m_path)) {
        ulq::cmn::utils::RemovePartialFile(m_path);
        throw std::runtime_error(error != LXW_NO_ERROR ? lxw_strerror(error) : "Cannot write " + m_path.toStdString());
    }
}

} // namespace host::xlsx
