#pragma once

class QString;
class QXmlStreamWriter;

namespace cmn {

// Opens a KML document for point and line placemarks on construction, named
// "<category> history for <source>", and closes it on destruction. Writer failures are logged,
// never thrown: the placemarks already written stay usable.
class KmlPointExportGuard final {
public:
    KmlPointExportGuard(QXmlStreamWriter& writer, const QString& category, const QString& sourceName);
    ~KmlPointExportGuard();

    KmlPointExportGuard(const KmlPointExportGuard&) = delete;
    KmlPointExportGuard& operator=(const KmlPointExportGuard&) = delete;

private:
    QXmlStreamWriter& m_writer;
};

} // namespace cmn
