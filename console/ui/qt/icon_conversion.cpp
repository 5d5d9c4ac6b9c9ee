#include "icon_conversion.h"

#include <QPixmap>

namespace ui::qt {

QImage ToImage(const IconImage& image) {
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const std::size_t expected = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.pixels.size() < expected) return result;  // malformed data: show nothing rather than read past it
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            if (index == 0 || index >= image.palette.size()) continue;
            result.setPixel(x, y, 0xFF000000u | (image.palette[index] & 0xFFFFFFu));
        }
    }
    return result;
}

QIcon ToIcon(const IconResource& icon) {
    QIcon result;
    for (const IconImage& image : icon.images) result.addPixmap(QPixmap::fromImage(ToImage(image)));
    return result;
}

QImage BestFit(const IconResource& icon, int size) {
    const IconImage* best = nullptr;
    for (const IconImage& image : icon.images) {
        const bool fits = image.width >= size;
        if (best == nullptr) {
            best = &image;
        } else if (fits && (best->width < size || image.width < best->width)) {
            best = &image;
        } else if (!fits && best->width < size && image.width > best->width) {
            best = &image;
        }
    }
    return best != nullptr ? ToImage(*best) : QImage();
}

}  // namespace ui::qt
