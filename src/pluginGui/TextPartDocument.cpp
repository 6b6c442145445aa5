#include "TextPartDocument.h"

#include "CryptLog/log/Log.h"
#include "pluginGui/LinkText.h"
#include "pluginGui/PlainText.h"

#include <QRegularExpression>

#include <exception>

namespace pluginGui {

namespace {

// The greedy first group leaves the last link of the string to the link groups; earlier links
// stay in the leading text.
const QRegularExpression& LinkPattern()
{
    static const QRegularExpression pattern(QStringLiteral("(.*)((<a .*>)(.*)(</a>))(.*)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

} // namespace

bool TextPartDocument::Parse(const QString& html)
{
    try {
        Clear();
        const QRegularExpressionMatch match = LinkPattern().match(html);
        if (match.captured(2).isEmpty()) {
            m_parts.push_back(std::make_unique<PlainText>(TextPiece{0, html.length(), html}));
            return true;
        }
        const QString leading = match.captured(1);
        const QString openingTag = match.captured(3);
        const QString linkText = match.captured(4);
        const QString closingTag = match.captured(5);
        const QString trailing = match.captured(6);

        int position = leading.length();
        const TextPiece openingPiece{position, openingTag.length(), openingTag};
        position += openingTag.length();
        const TextPiece linkPiece{position, linkText.length(), linkText};
        position += linkText.length();
        const TextPiece closingPiece{position, closingTag.length(), closingTag};

        m_parts.push_back(std::make_unique<PlainText>(TextPiece{0, leading.length(), leading}));
        m_parts.push_back(std::make_unique<LinkText>(openingPiece, linkPiece, closingPiece));
        // Placed where it begins in the plain text, like the leading text and the link, so that
        // a shortened plain text maps onto every part.
        m_parts.push_back(
            std::make_unique<PlainText>(TextPiece{leading.length() + linkText.length(), trailing.length(), trailing}));
        return true;
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
        return false;
    }
}

void TextPartDocument::Clear()
{
    m_parts.clear();
}

QString TextPartDocument::ToPlainText() const
{
    QString text;
    for (const std::unique_ptr<ITextPart>& part : m_parts)
        text += part->GetPlainText();
    return text;
}

QString TextPartDocument::ToHtml() const
{
    QString html;
    for (const std::unique_ptr<ITextPart>& part : m_parts) {
        if (!part->IsEmpty())
            html += part->GetText();
    }
    return html;
}

void TextPartDocument::UpdateFrom(const QString& source)
{
    for (const std::unique_ptr<ITextPart>& part : m_parts)
        part->UpdateFrom(source);
}

const std::vector<std::unique_ptr<ITextPart>>& TextPartDocument::GetParts() const
{
    return m_parts;
}

} // namespace pluginGui
