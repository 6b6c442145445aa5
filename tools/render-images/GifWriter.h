#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Writes an animated GIF (Qt reads GIF but cannot write it). GIF has no partial
// transparency: visible pixels are laid on white, nearly transparent ones left out.
class GifWriter final {
public:
    // Frames of equal size, shown for delayMs each, looping forever.
    static bool Write(const QString& path, const std::vector<QImage>& frames, int delayMs);
};
