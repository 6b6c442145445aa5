#pragma once

#include "StyleNames.h"

#include <QString>

#include <map>

class QWidget;

namespace viewers::gui {

// The style sheets of the kit and the classes they select on. A widget takes a class as a
// dynamic property valued "true" and the sheet of a group as its own style sheet.
class StyleSheetManager final {
public:
    // Created on first use and kept until the process ends.
    static StyleSheetManager& Instance();

    StyleSheetManager(const StyleSheetManager&) = delete;
    StyleSheetManager& operator=(const StyleSheetManager&) = delete;

    bool IsLoaded() const { return m_loaded; }
    // Reads every group's sheet from the resources; does nothing once loaded.
    void Load();
    // Sets the class property to "true" (or "false" when not enabled) unless styleClass is
    // outside the class list, then replaces the widget's sheet by the group's: of several
    // calls on one widget the last group's sheet stays, every property stays.
    void Apply(int group, int styleClass, QWidget* widget, bool enabled);

private:
    StyleSheetManager() = default;

    bool m_loaded = false;
    std::map<int, QString> m_sheets;
    std::map<int, QString> m_classes;
};

// Loads the sheets when they are not yet loaded and applies: what every kit widget does.
void ApplyStyle(int group, int styleClass, QWidget* widget, bool enabled = true);

} // namespace viewers::gui
