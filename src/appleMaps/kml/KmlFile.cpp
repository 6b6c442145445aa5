#include "KmlFile.h"

#include "cmn/CommonExceptions.h"
#include "cmn/PathEncoding.h"
#include "cmn/WrittenFile.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace appleMaps::details {

KmlFile::KmlFile(const boost::filesystem::path& path, const cmn::SourceLocation& writer)
    : m_file(ulq::cmn::utils::PathToQString(path))
    , m_writer(writer)
{
    if (!m_file.open(QIODevice::WriteOnly))
        throw cmn::PlugInCommonException(writer, QCoreApplication::translate("cmn", "Can't open file").toStdString());
}

KmlFile::~KmlFile()
{
    if (m_committed)
        return;
    m_file.close();
    ulq::cmn::utils::RemovePartialFile(m_file.fileName());
}

void KmlFile::Commit(const QXmlStreamWriter& writer)
{
    if (writer.hasError() || !ulq::cmn::utils::FinishWrittenFile(m_file))
        throw cmn::PlugInCommonException(m_writer,
                                         QCoreApplication::translate("cmn", "Unable to write file").toStdString());
    m_committed = true;
}

} // namespace appleMaps::details
