#pragma once

#include "appleMaps/records/AppleMapsRecords.h"
#include "location/LocationHistoryFileFormat.h"
#include "pluginGui/IStackedFilter.h"

#include <QString>

#include <boost/filesystem/path.hpp>

#include <vector>

namespace appleMaps {

// What the Apple Maps page asks of the plug-in. The save operations run on a worker thread and
// only read the records; null entries in the record lists are allowed.
class IAppleMapsPresenter : public pluginGui::IStackedFilter {
public:
    virtual const AppleMapsRecords& GetRecords() const = 0;
    virtual QString GetCategoryName() const = 0;
    virtual void SaveQuerySearchToFile(location::LocationHistoryFileFormat format,
                                       const std::vector<const AppleMapsHistoryQuerySearchItem*>& records,
                                       const boost::filesystem::path& path) = 0;
    virtual void SaveBookmarkToFile(location::LocationHistoryFileFormat format,
                                    const std::vector<const AppleMapsPlaceBookmarkItem*>& records,
                                    const boost::filesystem::path& path) = 0;
    virtual void SavePlaceDisplayToFile(location::LocationHistoryFileFormat format,
                                        const std::vector<const AppleMapsPlaceDisplayItem*>& records,
                                        const boost::filesystem::path& path) = 0;
    virtual void SaveDirectionsSearchesToFile(location::LocationHistoryFileFormat format,
                                              const std::vector<const AppleMapsDirectionSearchItem*>& records,
                                              const boost::filesystem::path& path) = 0;
    // Journals the message as an error of the category.
    virtual void ReportError(const QString& message) = 0;
};

} // namespace appleMaps
