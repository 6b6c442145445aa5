#pragma once

#include "viewers/gui/IFilter.h"

#include <QtGlobal>

class QString;
class QTimeZone;

namespace pluginGui {

// The operations through which a filter manager drives the filter of one table.
class IFilterManaged : public viewers::gui::IFilter {
public:
    virtual void SetSearchText(const QString& text) = 0;
    // Search-text occurrences over all accepted rows.
    virtual uint CountAllMatches() = 0;
    virtual uint GetMatchesCount() = 0;
    // Search-text occurrences in the record at row (of the filtered data); 0 for a rejected row.
    virtual uint CountRowMatches(int row) = 0;
    // The zone in which record dates are compared with the date filter.
    virtual void SetTimeZone(const QTimeZone& zone) = 0;
    // A switch a concrete filter may react to.
    virtual void SetFlag(bool flag) = 0;
};

} // namespace pluginGui
