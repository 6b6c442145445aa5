#pragma once

#include "pluginGui/ITextPart.h"

#include <memory>
#include <vector>

namespace pluginGui {

// An HTML string split around its last link into leading text, the link and trailing text, so
// that the visible text can be shortened without breaking the link's markup.
class TextPartDocument final {
public:
    // Replaces the parts by those of html; false (logged) when parsing failed.
    bool Parse(const QString& html);
    void Clear();

    QString ToPlainText() const;
    // The HTML of the parts that still show something.
    QString ToHtml() const;
    // Every part takes its visible text from source, a (shortened) ToPlainText().
    void UpdateFrom(const QString& source);
    const std::vector<std::unique_ptr<ITextPart>>& GetParts() const;

private:
    std::vector<std::unique_ptr<ITextPart>> m_parts;
};

} // namespace pluginGui
