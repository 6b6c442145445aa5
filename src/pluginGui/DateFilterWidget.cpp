#include "DateFilterWidget.h"

#include "CheckBoxWithItemsCount.h"

#include "CryptLog/log/Log.h"
#include "cmn/filter/ItemBaseInfo.h"
#include "viewers/gui/DateEditStyleWidget.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>

#include <exception>

namespace pluginGui {

namespace {

// Lines the captions up with the check box text: indicator width plus its spacing.
constexpr int CaptionIndent = 20;

} // namespace

DateFilterWidget::DateFilterWidget(QWidget* parent)
    : QWidget(parent)
    , m_checkBox(new CheckBoxWithItemsCount(this, QCoreApplication::translate("cmn", "Date Created"),
                                            viewers::gui::StyleClass::font_large))
    , m_fromEditor(new viewers::gui::DateEditStyleWidget(this))
    , m_untilEditor(new viewers::gui::DateEditStyleWidget(this))
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);
    layout->addWidget(m_checkBox, 0, 0, 1, 2);
    layout->addWidget(CreateCaption(QCoreApplication::translate("DateFilterWidget", "From:")), 1, 0);
    layout->addWidget(m_fromEditor, 1, 1);
    layout->addWidget(CreateCaption(QCoreApplication::translate("DateFilterWidget", "Until:")), 2, 0);
    layout->addWidget(m_untilEditor, 2, 1);
    layout->setColumnStretch(1, 1);

    m_fromEditor->setObjectName(QStringLiteral("dateFrom"));
    m_untilEditor->setObjectName(QStringLiteral("dateUntil"));
    for (viewers::gui::DateEditStyleWidget* editor : {m_fromEditor, m_untilEditor}) {
        editor->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        editor->setEnabled(false);
    }

    connect(m_checkBox, &CheckBoxWithItemsCount::CheckBoxClicked, this, &DateFilterWidget::OnChkDateCreatedClicked);
    connect(this, &DateFilterWidget::ShowCountData, m_checkBox, &CheckBoxWithItemsCount::ShowCount);
    connect(m_fromEditor, &viewers::gui::DateEditStyleWidget::DateChanged, this, &DateFilterWidget::OnDateFromDateChanged);
    connect(m_untilEditor, &viewers::gui::DateEditStyleWidget::DateChanged, this, &DateFilterWidget::OnDateUntilChanged);
    connect(m_fromEditor, &viewers::gui::DateEditStyleWidget::EditingFinished, this,
            &DateFilterWidget::OnFromDateEditingFinished);
    connect(m_untilEditor, &viewers::gui::DateEditStyleWidget::EditingFinished, this,
            &DateFilterWidget::OnUntilDateEditingFinished);
}

void DateFilterWidget::SetDateRange(const QDateTime& from, const QDateTime& until)
{
    QDate fromDate = from.date();
    QDate untilDate = until.date();
    if (!fromDate.isValid()) {
        fromDate = untilDate = QDate::currentDate();
        m_checkBox->setEnabled(false);
    }
    // The old bounds would reject dates of the new range.
    m_from = m_until = QDate();
    m_fromEditor->SetMaximumDate(QDate());
    m_untilEditor->SetMinimumDate(QDate());
    m_fromEditor->SetDate(fromDate);
    m_untilEditor->SetDate(untilDate);
    m_from = fromDate;
    m_until = untilDate;
    m_fromEditor->SetMaximumDate(untilDate);
    m_untilEditor->SetMinimumDate(fromDate);
}

void DateFilterWidget::SetCheckBoxText(const QString& text)
{
    m_checkBox->SetText(text);
}

void DateFilterWidget::SetCheckState(Qt::CheckState state)
{
    m_checkBox->SetCheckState(state);
    OnChkDateCreatedClicked(state != Qt::Unchecked);
}

void DateFilterWidget::SetItemInfo(const cmn::filter::ItemBaseInfo* info)
{
    if (info != nullptr)
        m_checkBox->SetCounts(info->totalCount, info->shownCount, true);
}

void DateFilterWidget::OnChkDateCreatedClicked(bool checked)
{
    try {
        m_fromEditor->setEnabled(checked);
        m_untilEditor->setEnabled(checked);
        emit ChkDateCreatedClicked(checked);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void DateFilterWidget::OnDateFromDateChanged()
{
    try {
        const QDate date = m_fromEditor->GetDate();
        if (!date.isValid() || (m_until.isValid() && date > m_until))
            return;
        m_from = date;
        m_untilEditor->SetMinimumDate(date);
        emit FromDateChanged(date);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void DateFilterWidget::OnDateUntilChanged()
{
    try {
        const QDate date = m_untilEditor->GetDate();
        if (!date.isValid() || (m_from.isValid() && date < m_from))
            return;
        m_until = date;
        m_fromEditor->SetMaximumDate(date);
        emit UntilDateChanged(date);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void DateFilterWidget::OnFromDateEditingFinished()
{
    try {
        emit FromDateEditingFinished(m_fromEditor->GetDate());
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void DateFilterWidget::OnUntilDateEditingFinished()
{
    try {
        emit UntilDateEditingFinished(m_untilEditor->GetDate());
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

QLabel* DateFilterWidget::CreateCaption(const QString& text)
{
    namespace StyleClass = viewers::gui::StyleClass;
    auto* caption = new QLabel(text, this);
    caption->setContentsMargins(CaptionIndent, 0, 0, 0);
    for (const int styleClass : {StyleClass::font_italic, StyleClass::foreground_gray_post_middle, StyleClass::font_post_tiny})
        viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Label, styleClass, caption);
    return caption;
}

} // namespace pluginGui
