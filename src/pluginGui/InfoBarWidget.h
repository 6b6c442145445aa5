#pragma once

#include "InfoBarStatInfo.h"

#include <QWidget>

#include <map>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLabel;

namespace pluginGui {

class InfoBarElidedLabel;

// The statistics bar above a category table: an icon, then one column per group of lines, each
// line a caption and its value.
class InfoBarWidget : public QWidget {
    Q_OBJECT

public:
    explicit InfoBarWidget(QWidget* parent);

    // Replaces every line.
    virtual void SetStatistics(const InfoBarStatGroups& groups);
    // Changes the values of the updatable lines, found by their captions; other lines are
    // ignored and the layout stays.
    virtual void UpdateStatistics(const InfoBarStatGroups& groups);

    // Shows or hides the lines of one column, such as the filtered figures.
    void SetGroupVisible(int group, bool visible);

private:
    QWidget* CreateLine(const InfoBarStatInfo& info);

    QHBoxLayout* m_mainLayout;
    QGridLayout* m_columnLayout;
    QLabel* m_image;
    std::map<QString, InfoBarElidedLabel*> m_updatableValues;
    std::vector<QWidget*> m_lines;
};

} // namespace pluginGui
