#pragma once

#include <QLabel>

#include <memory>

namespace pluginGui {

class TextPartDocument;

// A label that shortens its text to the room its parent leaves it, with the full text as tool
// tip. A link in the text keeps its markup while its visible text shrinks.
class InfoBarElidedLabel : public QLabel {
    Q_OBJECT

public:
    // elideMode: a Qt::TextElideMode.
    InfoBarElidedLabel(QWidget* parent, int elideMode);
    ~InfoBarElidedLabel() override;

    virtual void SetText(const QString& html);
    virtual QString GetPlainText() const { return m_plainText; }
    virtual void SetPlainText(const QString& plainText);
    virtual QString GetHtml() const { return m_html; }
    virtual void SetHtml(const QString& html);
    virtual int GetElideMode() const { return m_elideMode; }
    virtual void SetElideMode(int elideMode);

    // As wide as the whole text; the minimum lets the label shrink freely.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // width 0: the label's own width.
    void Elide(int width);

    std::unique_ptr<TextPartDocument> m_document;
    QString m_plainText;
    QString m_html;
    int m_elideMode;
};

} // namespace pluginGui
