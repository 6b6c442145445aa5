#pragma once

#include "AppleMapsCategoryPlugIn.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/records/IAppleMapsParser.h"
#include "appleMaps/records/IAppleMapsParserFactory.h"
#include "cmn/filter/FilterContext.h"
#include "core/interfaces/IPlugInBase.h"
#include "exportReport/interfaces/IExport.h"
#include "exportReport/interfaces/IExportButtonFormat.h"
#include "exportReport/interfaces/INativeExport.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

namespace appleMaps {

namespace ui {
class AppleMapsWidget;
}

// The plug-in's root object. moc answers the host's interface queries: the base class names
// ("IAppleMapsPresenter", "AppleMapsCategoryPlugIn", "exportReport::IExport", ...) and the
// interface ids ("ulq.core.IPlugInBase", "exportReport.IExport", ...).
class AppleMapsPlugIn : public QObject,
                        public IAppleMapsPresenter,
                        public AppleMapsCategoryPlugIn,
                        public exportReport::IExport,
                        public exportReport::IExportButtonFormat,
                        public exportReport::INativeExport {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "wulq.core.IPlugInVersion")
    Q_INTERFACES(core::IPlugInVersion core::IPlugInBase exportReport::IExport exportReport::IExportButtonFormat
                     exportReport::INativeExport)

public:
    AppleMapsPlugIn();
    ~AppleMapsPlugIn() override;

    // IAppleMapsPresenter
    cmn::filter::FilterContext& GetFilterContext(int kind) override;
    const AppleMapsRecords& GetRecords() const override;
    QString GetCategoryName() const override;
    void SaveQuerySearchToFile(location::LocationHistoryFileFormat format,
                               const std::vector<const AppleMapsHistoryQuerySearchItem*>& records,
                               const boost::filesystem::path& path) override;
    void SaveBookmarkToFile(location::LocationHistoryFileFormat format,
                            const std::vector<const AppleMapsPlaceBookmarkItem*>& records,
                            const boost::filesystem::path& path) override;
    void SavePlaceDisplayToFile(location::LocationHistoryFileFormat format,
                                const std::vector<const AppleMapsPlaceDisplayItem*>& records,
                                const boost::filesystem::path& path) override;
    void SaveDirectionsSearchesToFile(location::LocationHistoryFileFormat format,
                                      const std::vector<const AppleMapsDirectionSearchItem*>& records,
                                      const boost::filesystem::path& path) override;
    void ReportError(const QString& message) override;

    // IPlugInBase
    void DetachView() override;
    void CreateParser(const QString& path) override;
    void ParseData(const QString& path) override;
    void CreateDataView() override;
    void CreateEmptyView() override;
    bool HasParser() const override;
    bool IsDataEmpty() const override;
    std::uint64_t CalculateDataSize() override;

    // exportReport::IExport
    void Export(const exportReport::ExportContext& context) override;
    void SetExportSettings(void* settings) override;

    // exportReport::IExportButtonFormat
    QString GetExportFormats() const override;
    QWidget* GetExportParentWidget() const override;

    // exportReport::INativeExport
    void Export(const exportReport::NativeExportRequest& request) override;

protected:
    // The parser factories that may read the backup at `path`, in the order they are asked.
    virtual AppleMapsParserFactories CreateParserFactories(const QString& path) const;

private:
    // The backup's identifier, which names the exported KML documents.
    QString GetSourceName() const;

    std::unique_ptr<IAppleMapsParser> m_parser;
    std::unique_ptr<AppleMapsParserFactories> m_parserFactories;
    AppleMapsRecords m_records;
    QPointer<ui::AppleMapsWidget> m_view;
    // Handed out while no parser exists, so that a page never holds a dangling context.
    std::map<int, cmn::filter::FilterContext> m_contextsWithoutParser;
};

} // namespace appleMaps
