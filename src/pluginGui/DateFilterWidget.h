#pragma once

#include <QDate>
#include <QWidget>

class QDateTime;
class QLabel;

namespace cmn::filter {
struct ItemBaseInfo;
}

namespace viewers::gui {
class DateEditStyleWidget;
}

namespace pluginGui {

class CheckBoxWithItemsCount;

// The date block of the filter panel: a check box with the date item's counts and a "From:" and
// an "Until:" editor that bound each other, so that from never lies after until. A bound changes
// only to a complete date within the other bound: while a date is being typed, or after one was
// rejected, the range keeps its last bound.
class DateFilterWidget final : public QWidget {
    Q_OBJECT

public:
    explicit DateFilterWidget(QWidget* parent);

    // An invalid from shows today in both editors and disables the check box: there is no
    // date to filter by.
    void SetDateRange(const QDateTime& from, const QDateTime& until);
    void SetCheckBoxText(const QString& text);
    void SetCheckState(Qt::CheckState state);
    // Null leaves the counts as they are.
    void SetItemInfo(const cmn::filter::ItemBaseInfo* info);

signals:
    void ChkDateCreatedClicked(bool checked);
    void FromDateChanged(QDate date);
    void UntilDateChanged(QDate date);
    void FromDateEditingFinished(QDate date);
    void UntilDateEditingFinished(QDate date);
    void ShowCountData(bool isShow);

private slots:
    void OnChkDateCreatedClicked(bool checked);
    void OnDateFromDateChanged();
    void OnDateUntilChanged();
    void OnFromDateEditingFinished();
    void OnUntilDateEditingFinished();

private:
    QLabel* CreateCaption(const QString& text);

    CheckBoxWithItemsCount* m_checkBox;
    viewers::gui::DateEditStyleWidget* m_fromEditor;
    viewers::gui::DateEditStyleWidget* m_untilEditor;
    // The range's accepted bounds.
    QDate m_from;
    QDate m_until;
};

} // namespace pluginGui
