#include "cmn/filter/FoldedTexts.h"
#include "cmn/filter/TextSearcher.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Units that fold into each other (ASCII, Latin-1, Greek, the Kelvin sign, long s, Deseret as
// surrogate pairs), lone surrogates, and now and then any unit at all.
QString Text(FuzzedDataProvider& input, std::size_t maxLength)
{
    static constexpr char16_t Alphabet[] = {
        u'a',    u'A',    u'b',    u'B',    u'k',    u'K',    u's',    u'S',    u' ',    u'.',    u'\0',
        0x00C0,  0x00E0,  0x00B5,  0x03BC,  0x039C,  0x212A,  0x017F,  0x00DF,  0x0130,  0x0131,  0x00FF,
        0x0178,  0xD801,  0xDC00,  0xDC28,  0xD801,  0xDC00,  0xD801,  0xDC28,
    };
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    QString text;
    for (std::size_t at = 0; at < length; ++at) {
        const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(Alphabet));
        text.append(QChar(choice < std::size(Alphabet) ? Alphabet[choice] : input.ConsumeIntegral<std::uint16_t>()));
    }
    // Now and then one long enough to need the long length header of FoldedTexts.
    return input.ConsumeIntegralInRange<int>(0, 7) == 0 ? text.repeated(30) : text;
}

// A person types whole characters: a lone surrogate becomes U+FFFD. (With one in the search text
// QString's own matching disagrees with itself: "\uDC00" is found inside a surrogate pair,
// "\uDC00a" is not.)
QString WholeCharacters(const QString& text)
{
    QString whole = text;
    for (int at = 0; at < whole.size(); ++at) {
        const QChar unit = whole.at(at);
        if (unit.isHighSurrogate() && at + 1 < whole.size() && whole.at(at + 1).isLowSurrogate())
            ++at;
        else if (unit.isSurrogate())
            whole[at] = QChar::ReplacementCharacter;
    }
    return whole;
}

} // namespace

// The searcher counts what QString::count with Qt::CaseInsensitive counts, over texts long enough
// for QString's own Boyer-Moore path too and with any units in them, and finds a record exactly
// when that count is not 0.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString searchText = WholeCharacters(Text(input, 8));
    const cmn::filter::TextSearcher searcher(searchText);

    cmn::filter::FoldedTexts folded;
    std::vector<qsizetype> expected;
    const std::size_t recordCount = input.ConsumeIntegralInRange<std::size_t>(1, 3);
    for (std::size_t record = 0; record < recordCount; ++record) {
        folded.StartRecord();
        qsizetype count = 0;
        const std::size_t textCount = input.ConsumeIntegralInRange<std::size_t>(0, 3);
        for (std::size_t index = 0; index < textCount; ++index) {
            const QString text = Text(input, 700);
            folded.AddText(text);
            if (!searchText.isEmpty())
                count += text.count(searchText, Qt::CaseInsensitive);
        }
        expected.push_back(count);
    }

    for (std::size_t record = 0; record < recordCount; ++record) {
        if (searcher.Count(folded, record) != static_cast<std::size_t>(expected[record]))
            std::abort();
        if (searcher.IsFoundIn(folded, record) != (expected[record] > 0))
            std::abort();
    }
    return 0;
}
