#pragma once

#include "exportReport/interfaces/ExportReportActionType.h"

#include <QMenu>

namespace pluginGui {

class ExportMenuAction;

// The export button's callout: a grey box above the button with a point towards it, offering the
// export scopes that currently make sense. At first only "All..." is offered.
class ExportSaveMenu : public QMenu {
    Q_OBJECT

public:
    explicit ExportSaveMenu(QWidget* button);

    // Offers or withdraws "Filtered..." (2), "Selected..." (3) or "Filtered dictionary..." (4);
    // other types change nothing.
    void ShowAction(exportReport::ExportReportActionType actionType, bool show);

signals:
    void ActionTriggered();
    void ActionTypeTriggered(exportReport::ExportReportActionType actionType);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnActionTriggered();

private:
    ExportMenuAction* m_all;
    ExportMenuAction* m_filtered;
    ExportMenuAction* m_selected;
    ExportMenuAction* m_filteredDictionary;
};

} // namespace pluginGui
