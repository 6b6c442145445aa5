#pragma once

#include "pluginGui/ITextPart.h"

namespace pluginGui {

// The visible text of a part; where the part lies is the derived part's.
class BaseText : public ITextPart {
public:
    QString GetText() const override;
    QString GetPlainText() const override;
    bool IsEmpty() const override;
    void UpdateFrom(const QString& source) override;
    void SetText(const TextPiece& piece) override;

protected:
    explicit BaseText(const QString& text);

    QString m_text;
};

} // namespace pluginGui
