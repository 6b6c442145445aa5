#pragma once

#include <QString>

namespace pluginGui {

// A stretch of a parsed HTML string: where it starts, how long it is, what it says.
struct TextPiece {
    int start = 0;
    int length = 0;
    QString text;
};

// One part of a TextPartDocument: plain text, or a link whose visible text can be shortened
// while its markup stays.
class ITextPart {
public:
    virtual ~ITextPart() = default;

    // The part as HTML.
    virtual QString GetText() const = 0;
    // The part as the reader sees it.
    virtual QString GetPlainText() const = 0;
    virtual bool IsEmpty() const = 0;
    // Takes the part's visible text from source at the part's start and length; an empty text
    // when source ends before the part.
    virtual void UpdateFrom(const QString& source) = 0;
    virtual void SetText(const TextPiece& piece) = 0;
    virtual int GetStart() const = 0;
    virtual int GetLength() const = 0;
};

} // namespace pluginGui
