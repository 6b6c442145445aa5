#pragma once

#include <QSortFilterProxyModel>

namespace viewers::gui {
class IFilter;
}

namespace pluginGui {

// The base of every category proxy: a source row is shown when the category's record filter
// accepts it.
class SortFilterProxyModelBase : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // filter: not owned, may be null (then every row is shown).
    SortFilterProxyModelBase(QObject* parent, viewers::gui::IFilter* filter);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    // Emitted by derived proxies.
    void ShowAdditionalDataForRow(int row);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    viewers::gui::IFilter* m_filter;
};

} // namespace pluginGui
