#pragma once

#include <QtGlobal>

class QString;

namespace viewers::gui {
class IFilter;
}

namespace pluginGui {

// Holds the row filter of every table category of a page; the queries go to the current one.
class IFilterManager {
public:
    virtual ~IFilterManager() = default;

    // Gives the search text to every category's filter.
    virtual void SetSearchTag(const QString& tag) = 0;
    virtual uint GetMatchesCount() = 0;
    virtual uint CountAllMatches() = 0;
    virtual int GetFirstAcceptedRow() = 0;
    // A category outside the manager's range makes none current.
    virtual void SetCurrentCategory(int category) = 0;
    // Null for -1, a category outside the range or one without a filter.
    virtual viewers::gui::IFilter* GetFilter(int category) = 0;
};

} // namespace pluginGui
