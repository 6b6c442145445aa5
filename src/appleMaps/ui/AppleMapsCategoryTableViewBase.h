#pragma once

#include "pluginGui/InfoBarStatInfo.h"

#include <QMargins>
#include <QString>
#include <QTableView>
#include <QTimeZone>

#include <initializer_list>
#include <map>
#include <memory>

namespace location::ui {
class LocationDefaultDelegate;
}

namespace pluginGui {
class ElidedSyntaxHighlighter;
class InfoBarWidget;
class InteractiveDelegateBase;
class SearchMatchCursor;
class TableQDateTimeDelegateBase;
class TableUrlDelegateBase;
} // namespace pluginGui

namespace viewers::gui {
class IFilter;
}

namespace appleMaps::ui {

class AppleMapsModelBase;
class AppleMapsSortFilterProxyModelBase;

// The table of one record kind: sorted newest first, one delegate per column, search text passed
// to the highlighter and the record filter, links that open on a click and a "Copy" context menu.
// Derived views choose the model, the proxy, the delegates and the column widths; their
// constructors call SetModels, SetupColumns and CreateDelegates in this order.
class AppleMapsCategoryTableViewBase : public QTableView {
    Q_OBJECT

public:
    void SetTimeZone(const QTimeZone& zone);
    // Null, after a warning, for a column without a delegate.
    pluginGui::InteractiveDelegateBase* GetDelegateForColumn(int column) const;
    // Re-runs the record filter on every row and sorts again.
    virtual void Invalidate();
    bool HasRows() const;
    // Whether the record filter hides at least one row.
    bool IsFiltered() const;
    AppleMapsModelBase* GetSourceModel() const;
    pluginGui::InfoBarWidget* GetInfoBar() const;

    // The count and date span of the rows shown, as all records and as the shown ones.
    void CollectTotalStatistics(pluginGui::InfoBarStatGroups& out) const;
    // The same figures as the shown records only.
    void CollectFilteredStatistics(pluginGui::InfoBarStatGroups& out) const;

signals:
    void SearchFilterFinished(uint count);

public slots:
    void OnCopy();
    void OnSearchTag(QString searchTag);
    // Makes the row that holds the matchIndex-th search match (1-based, in the order shown) the
    // current one and scrolls to it.
    void OnMoveToMatch(int matchIndex);
    // Puts the selected rows on the clipboard as tab-separated lines of the shown texts.
    void OnCopySelectedRows();

protected:
    // infoBar: the page's, not owned. filter: the record filter of the proxy, not owned, may be null.
    AppleMapsCategoryTableViewBase(QWidget* parent, pluginGui::InfoBarWidget* infoBar, viewers::gui::IFilter* filter);

    // The view's parenthood owns both; the proxy sorts the model by column 0.
    void SetModels(AppleMapsModelBase* model, AppleMapsSortFilterProxyModelBase* proxy, const QTimeZone& zone);
    // Every column but the last interactive and 150 pixels wide; the last stretches.
    virtual void SetupColumns();
    // Builds the delegates, enters them with SetDelegate and ends with InstallDelegates.
    virtual void CreateDelegates() = 0;
    // Widens the columns to their captions and the first rows' texts; call once the delegates
    // are installed and the widths of SetupColumns are set (they are the least widths).
    void FitColumnsToContent();

    // Delegates with the arguments all delegates of the view share, taken now (the last row is
    // the proxy's last row at this moment).
    template <typename Delegate> std::unique_ptr<Delegate> MakeDelegate()
    {
        return MakeDelegateWith<Delegate>(m_highlighter);
    }
    // Empty strings show as empty cells.
    std::unique_ptr<location::ui::LocationDefaultDelegate> MakeTextDelegate();
    // Dates are never highlighted.
    std::unique_ptr<pluginGui::TableQDateTimeDelegateBase> MakeDateDelegate();
    std::unique_ptr<pluginGui::TableUrlDelegateBase> MakeUrlDelegate();
    // Not owned: the derived view owns its delegates.
    void SetDelegate(pluginGui::InteractiveDelegateBase* delegate, std::initializer_list<int> columns);
    void InstallDelegates();

    // Reached by Tab, the table shows where the keyboard stands: the current row is selected.
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    static constexpr int DateColumnWidth = 200;
    static constexpr int PointColumnWidth = 165;

private slots:
    void OnScrollValueChanged();

private:
    static constexpr int DelegateVerticalInset = 5;

    // extra: the arguments after the font, if any.
    template <typename Delegate, typename... Extra>
    std::unique_ptr<Delegate> MakeDelegateWith(pluginGui::ElidedSyntaxHighlighter* highlighter, Extra... extra)
    {
        return std::make_unique<Delegate>(this, QMargins(10, 0, 10, 0), DelegateVerticalInset, ShownRowCount(),
                                          highlighter, &font(), extra...);
    }
    int ShownRowCount() const;
    // The text the cell's delegate draws.
    QString ShownText(const QModelIndex& index) const;
    // Returns whether the menu was shown.
    bool ShowCopyMenu(pluginGui::InteractiveDelegateBase* delegate, const QModelIndex& index, QMouseEvent* event);

    pluginGui::InfoBarWidget* m_infoBar;
    pluginGui::ElidedSyntaxHighlighter* m_highlighter;
    QString m_copyText;
    AppleMapsModelBase* m_sourceModel = nullptr;
    AppleMapsSortFilterProxyModelBase* m_proxy = nullptr;
    QTimeZone m_timeZone;
    std::map<int, pluginGui::InteractiveDelegateBase*> m_delegates;
    viewers::gui::IFilter* m_filter;
    pluginGui::SearchMatchCursor* m_matchCursor = nullptr;
};

} // namespace appleMaps::ui
