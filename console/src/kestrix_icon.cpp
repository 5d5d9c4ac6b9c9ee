// Icon 128: a bridge arch over water under a night sky, with a small bird above the deck.
// Each picture is drawn as rows of palette indexes, one hexadecimal digit a pixel.
#include <iterator>
#include <string_view>

#include "kestrix_resources.h"

namespace {

// The 16 colours of the standard palette; index 0 doubles as the transparent pixel. Constant
// data, so it is ready even when the resources are built before main() starts.
constexpr std::uint32_t kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

const char* const kPicture32[] = {
"00000000000000000000000000000000",
    "00000000000111111111100000000000",
    "00000000111444444444411100000000",
    "00000001144444444444444110000000",
    "00000011444444444444444411000000",
    "00000144444444444444444444100000",
    "0000144444444444cc4cc44444410000",
    "000114444444444c44c44c4444411000",
    "00114444444444444444444444441100",
    "00144444444444444444444444444100",
    "00144444444444444444444444444100",
    "01444444444444444444444444444410",
    "01444444444444444444444444444410",
    "01ee7eeeeeeeeeeeeeeeeeeeeee7ee10",
    "01ee7eeeeeeeeeeeeeeeeeeeeee7ee10",
    "014474444444ffffffff444444474410",
    "0144744444ffff4444ffff4444474410",
    "014474444ff4444444444ff444474410",
    "01447444ff444444444444ff44474410",
    "0144744ff44444444444444ff4474410",
    "014474f444444444444444444f474410",
    "00147ff444444444444444444ff74100",
    "001b7f3bbb3bbb3bbb3bbb3bbbf7b100",
    "001173bbb3bbb3bbb3bbb3bbb3b71100",
    "00011bbb3bbb3bbb3bbb3bbb3bb11000",
    "00001bb3bbb3bbb3bbb3bbb3bbb10000",
    "0000013bbb3bbb3bbb3bbb3bbb100000",
    "00000011b3bbb3bbb3bbb3bb11000000",
    "000000011bbb3bbb3bbb3bb110000000",
    "000000001113bbb3bbb3b11100000000",
    "00000000000111111111100000000000",
    "00000000000000000000000000000000",
};

const char* const kPicture16[] = {
    "0000000000000000",
    "0000114444110000",
    "00014444c4c41000",
    "001444444c444100",
    "0144444444444410",
    "0144444444444410",
    "0e7eeeeeeeeeee70",
    "047444ffff444470",
    "04744ffffff44470",
    "0474ff4444ff4470",
    "017f44444444f410",
    "0173b3b3b3b3bf10",
    "001b3b3b3b3b3100",
    "0001b3b3b3b31000",
    "0000113b3b110000",
    "0000000000000000",
};

template <std::size_t Rows>
ui::IconImage MakeImage(const char* const (&rows)[Rows]) {
    ui::IconImage image{static_cast<int>(Rows), static_cast<int>(Rows),
                        std::vector<std::uint32_t>(std::begin(kPalette), std::end(kPalette)), {}};
    for (const char* row : rows) {
        for (const char digit : std::string_view(row)) {
            image.pixels.push_back(static_cast<std::uint8_t>(digit <= '9' ? digit - '0' : digit - 'a' + 10));
        }
    }
    return image;
}

}  // namespace

ui::IconResource KestrixIcon() { return {128, {MakeImage(kPicture32), MakeImage(kPicture16)}}; }
