#include "BinaryPlistWriter.h"

#include <QString>

#include <cstddef>

namespace host::sample {
namespace {

constexpr unsigned char kIntegerMarker = 0x10;
constexpr unsigned char kAsciiMarker = 0x50;
constexpr unsigned char kUtf16Marker = 0x60;
constexpr unsigned char kArrayMarker = 0xA0;
constexpr unsigned char kDictionaryMarker = 0xD0;
// A count of 15 or more is written as an integer object after the marker.
constexpr std::size_t kInlineCountLimit = 15;

// One object of the list: a value, or a dictionary key (a string), with the objects it refers to.
struct FlatObject {
    const PlistValue* value = nullptr;
    const std::string* key = nullptr;
    std::vector<std::size_t> references;
};

// Objects in the order they are written; the top object is number 0.
std::size_t Flatten(const PlistValue& value, std::vector<FlatObject>& objects)
{
    const std::size_t index = objects.size();
    objects.push_back({&value, nullptr, {}});
    std::vector<std::size_t> references;
    if (value.kind == PlistValue::Kind::Dictionary) {
        for (const std::string& key : value.keys) {
            references.push_back(objects.size());
            objects.push_back({nullptr, &key, {}});
        }
    }
    for (const PlistValue& item : value.items)
        references.push_back(Flatten(item, objects));
    objects[index].references = std::move(references);
    return index;
}

int BytesFor(std::uint64_t largest)
{
    if (largest <= 0xFF)
        return 1;
    if (largest <= 0xFFFF)
        return 2;
    if (largest <= 0xFFFFFFFFULL)
        return 4;
    return 8;
}

void AppendBigEndian(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

void AppendInteger(QByteArray& out, std::int64_t value)
{
    // Only the 8-byte form is signed.
    const int bytes = value < 0 ? 8 : BytesFor(static_cast<std::uint64_t>(value));
    const int sizeExponent = bytes == 1 ? 0 : bytes == 2 ? 1 : bytes == 4 ? 2 : 3;
    out.append(static_cast<char>(kIntegerMarker | sizeExponent));
    AppendBigEndian(out, static_cast<std::uint64_t>(value), bytes);
}

void AppendMarker(QByteArray& out, unsigned char marker, std::size_t count)
{
    if (count < kInlineCountLimit) {
        out.append(static_cast<char>(marker | count));
        return;
    }
    out.append(static_cast<char>(marker | 0x0F));
    AppendInteger(out, static_cast<std::int64_t>(count));
}

void AppendString(QByteArray& out, const std::string& text)
{
    bool ascii = true;
    for (unsigned char character : text)
        ascii = ascii && character < 0x80;
    if (ascii) {
        AppendMarker(out, kAsciiMarker, text.size());
        out.append(text.data(), static_cast<int>(text.size()));
        return;
    }
    const QString unicode = QString::fromStdString(text);
    AppendMarker(out, kUtf16Marker, static_cast<std::size_t>(unicode.size()));
    for (QChar unit : unicode)
        AppendBigEndian(out, unit.unicode(), 2);
}

void AppendObject(QByteArray& out, const FlatObject& object, int referenceBytes)
{
    if (object.key) {
        AppendString(out, *object.key);
        return;
    }
    const PlistValue& value = *object.value;
    switch (value.kind) {
    case PlistValue::Kind::Integer:
        AppendInteger(out, value.integer);
        return;
    case PlistValue::Kind::String:
        AppendString(out, value.text);
        return;
    case PlistValue::Kind::Array:
        AppendMarker(out, kArrayMarker, value.items.size());
        break;
    case PlistValue::Kind::Dictionary:
        AppendMarker(out, kDictionaryMarker, value.items.size());
        break;
    }
    for (std::size_t reference : object.references)
        AppendBigEndian(out, reference, referenceBytes);
}

} // namespace

QByteArray WriteBinaryPlist(const PlistValue& value)
{
    std::vector<FlatObject> objects;
    Flatten(value, objects);
    const int referenceBytes = BytesFor(objects.size() - 1);

    QByteArray out("bplist00");
    std::vector<std::uint64_t> offsets;
    offsets.reserve(objects.size());
    for (const FlatObject& object : objects) {
        offsets.push_back(static_cast<std::uint64_t>(out.size()));
        AppendObject(out, object, referenceBytes);
    }

    const auto offsetTableOffset = static_cast<std::uint64_t>(out.size());
    const int offsetBytes = BytesFor(offsets.back());
    for (std::uint64_t offset : offsets)
        AppendBigEndian(out, offset, offsetBytes);

    // Trailer: five unused bytes, the sort version, the two sizes, then three 64-bit numbers.
    out.append(6, '\0');
    out.append(static_cast<char>(offsetBytes));
    out.append(static_cast<char>(referenceBytes));
    AppendBigEndian(out, objects.size(), 8);
    AppendBigEndian(out, 0, 8);
    AppendBigEndian(out, offsetTableOffset, 8);
    return out;
}

} // namespace host::sample
