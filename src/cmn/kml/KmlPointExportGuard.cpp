#include "KmlPointExportGuard.h"

#include "KmlNamespaces.h"
#include "XmlSafeText.h"

#include "CryptLog/log/Log.h"

#include <QXmlStreamWriter>

#include <exception>

namespace cmn {

KmlPointExportGuard::KmlPointExportGuard(QXmlStreamWriter& writer, const QString& category,
                                         const QString& sourceName)
    : m_writer(writer)
{
    try {
        m_writer.setCodec("UTF-8");
        m_writer.setAutoFormatting(true);
        m_writer.writeStartDocument();
        m_writer.writeStartElement(QStringLiteral("kml"));
        m_writer.writeAttribute(QStringLiteral("xmlns"), QLatin1String(kml::KmlNamespace));
        m_writer.writeAttribute(QStringLiteral("xmlns:gx"), QLatin1String(kml::GxNamespace));
        m_writer.writeStartElement(QStringLiteral("Document"));
        m_writer.writeTextElement(QStringLiteral("name"), kml::XmlSafeText(QStringLiteral("%1 history for %2").arg(category, sourceName)));
        m_writer.writeTextElement(QStringLiteral("open"), QStringLiteral("1"));
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

KmlPointExportGuard::~KmlPointExportGuard()
{
    try {
        m_writer.writeEndElement(); // Document
        m_writer.writeEndElement(); // kml
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

} // namespace cmn
