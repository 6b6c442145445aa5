#include "GifWriter.h"

#include <QByteArray>
#include <QColor>
#include <QFile>

#include <map>

namespace {

constexpr int MinimumCodeSize = 8;
constexpr int ClearCode = 1 << MinimumCodeSize;
constexpr int EndCode = ClearCode + 1;
// A clear code before the code table outgrows 9 bits keeps every code 9 bits wide: no
// compression, but a stream any reader accepts.
constexpr int CodesBetweenClears = 250;
constexpr int TransparentIndex = 0;
// Fainter pixels are left out; the rest are laid on white, the background the animation
// is shown on.
constexpr int OpaqueAlpha = 16;

void AppendWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// LSB-first bit packing into 255-byte sub-blocks.
class CodeStream final {
public:
    void Put(int code)
    {
        m_bits |= static_cast<quint32>(code) << m_bitCount;
        m_bitCount += MinimumCodeSize + 1;
        while (m_bitCount >= 8) {
            m_bytes.append(static_cast<char>(m_bits & 0xFF));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }

    void WriteTo(QByteArray& out)
    {
        if (m_bitCount > 0)
            m_bytes.append(static_cast<char>(m_bits & 0xFF));
        for (int offset = 0; offset < m_bytes.size(); offset += 255) {
            const QByteArray block = m_bytes.mid(offset, 255);
            out.append(static_cast<char>(block.size()));
            out.append(block);
        }
        out.append('\0');
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

QRgb OnWhite(QRgb pixel)
{
    const int alpha = qAlpha(pixel);
    auto blend = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
    return qRgb(blend(qRed(pixel)), blend(qGreen(pixel)), blend(qBlue(pixel)));
}

} // namespace

bool GifWriter::Write(const QString& path, const std::vector<QImage>& frames, int delayMs)
{
    if (frames.empty())
        return false;
    const QSize size = frames.front().size();

    // One palette for all frames; index 0 is the transparent colour.
    std::vector<QRgb> palette{qRgb(255, 255, 255)};
    std::map<QRgb, int> paletteIndex;
    std::vector<std::vector<quint8>> indexedFrames;
    for (const QImage& frame : frames) {
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        std::vector<quint8> indices;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb pixel = argb.pixel(x, y);
                if (qAlpha(pixel) < OpaqueAlpha) {
                    indices.push_back(TransparentIndex);
                    continue;
                }
                const QRgb colour = OnWhite(pixel);
                auto found = paletteIndex.find(colour);
                if (found == paletteIndex.end()) {
                    if (palette.size() == 256)
                        return false;
                    found = paletteIndex.emplace(colour, static_cast<int>(palette.size())).first;
                    palette.push_back(colour);
                }
                indices.push_back(static_cast<quint8>(found->second));
            }
        }
        indexedFrames.push_back(std::move(indices));
    }
    palette.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    AppendWord(out, size.width());
    AppendWord(out, size.height());
    out.append(static_cast<char>(0xF7)); // global table of 256 colours
    out.append('\0');
    out.append('\0');
    for (QRgb colour : palette) {
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (const std::vector<quint8>& indices : indexedFrames) {
        out.append("\x21\xF9\x04", 3);
        out.append(static_cast<char>(0x09)); // restore to background, transparent colour set
        AppendWord(out, delayMs / 10);
        out.append(static_cast<char>(TransparentIndex));
        out.append('\0');

        out.append(',');
        AppendWord(out, 0);
        AppendWord(out, 0);
        AppendWord(out, size.width());
        AppendWord(out, size.height());
        out.append('\0');
        out.append(static_cast<char>(MinimumCodeSize));
        CodeStream codes;
        for (std::size_t i = 0; i < indices.size(); ++i) {
            if (i % CodesBetweenClears == 0)
                codes.Put(ClearCode);
            codes.Put(indices[i]);
        }
        codes.Put(EndCode);
        codes.WriteTo(out);
    }
    out.append(';');

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}
