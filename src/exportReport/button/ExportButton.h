#pragma once

#include "exportReport/interfaces/ExportReportActionType.h"

#include <QToolButton>

namespace pluginGui {

class ExportSaveMenu;

// The "Export..." button at the foot of a category page. A left click opens the scope menu above
// the button, or, while the backup is still downloading, only reports the attempt.
class ExportButton : public QToolButton {
    Q_OBJECT

public:
    explicit ExportButton(QWidget* parent);

    ExportSaveMenu* GetMenu() const { return m_menu; }

signals:
    void ActionTypeTriggered(exportReport::ExportReportActionType actionType);
    void DownloadInProgressExportTry();

public slots:
    void OnBackupDownloadingStateChanged(bool backupDownloading);
    // Offers or withdraws a menu entry; see ExportSaveMenu::ShowAction.
    void OnShowExportButton(exportReport::ExportReportActionType actionType, bool show);
    // What a left click does: the scope menu above the button (nothing while disabled).
    void OpenMenu();

protected:
    // The style sheet sets the caption's font: the width follows it. Disabling closes the menu.
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Replaces the tool button's own press handling, so the menu never opens by itself.
    void mousePressEvent(QMouseEvent* event) override;
    // Space and Return open the menu as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QString Caption();
    void FitCaption();

    ExportSaveMenu* m_menu;
    bool m_backupDownloading = false;
};

} // namespace pluginGui
