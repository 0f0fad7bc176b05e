#pragma once

#include <QByteArray>

namespace devices {
class EepromConfiguration;
}

namespace devicesim {

// What the device checks before it runs a written image (docs/memory-image.md): the sizes in
// bytes 0 to 3, the project identification in bytes 5 to 9, and both CRC-16.
class ImageCheck {
public:
    ImageCheck() = delete;

    // The image of the model starts at bytes[0]; bytes beyond its size are not looked at.
    static bool accepts(const QByteArray& image, const devices::EepromConfiguration& layout);
};

} // namespace devicesim
