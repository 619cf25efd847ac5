// The reader of uncompressed Windows bitmaps behind loadBmp.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <vector>

#include "files/GameFileSource.h"
#include "gfx/ByteCursor.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMaxPaletteEntries = 256;
// No picture within the size limits needs more of a file than this: the pixels at 32 bits,
// row padding, the headers and a palette with room to spare. Bytes past it are never read.
constexpr std::size_t kMaxFileBytes =
    static_cast<std::size_t>(kMaxImagePixels) * 4 + 16u * 1024 * 1024;

std::uint32_t u32At(const std::uint8_t* bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t u16At(const std::uint8_t* bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// Reads the game file, or its first kMaxFileBytes; false when there is none.
bool readFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
    std::optional<GameFileSource::File> file = GameFileSource::current().open(fileName);
    if (!file) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(file->size, kMaxFileBytes)));
    file->stream->read(reinterpret_cast<char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file->stream->gcount()));
    return true;
}

// Storage row order: bottom-up files list the bottom row first, top-down files the top row.
int pictureRow(int fileRow, int height, bool topDown) {
    return topDown ? fileRow : height - 1 - fileRow;
}

bool readPaletteImage(Image& image, ByteCursor& cursor, std::uint32_t headerSize,
                      std::uint32_t pixelOffset, int bitCount, std::uint32_t coloursUsed,
                      bool topDown) {
    const int width = image.width();
    const int height = image.height();
    cursor.skip(headerSize > kInfoHeaderSize ? headerSize - kInfoHeaderSize : 0);
    std::size_t entries = coloursUsed != 0 ? coloursUsed : std::size_t{1} << bitCount;
    entries = std::min(entries, kMaxPaletteEntries);
    std::array<Pixel, kMaxPaletteEntries> palette{};
    for (std::size_t i = 0; i < entries; ++i) {
        std::array<std::uint8_t, 4> entry{};
        cursor.read(entry.data(), entry.size());
        palette[i] = static_cast<Pixel>(entry[0]) | static_cast<Pixel>(entry[1]) << 8 |
                     static_cast<Pixel>(entry[2]) << 16 | static_cast<Pixel>(entry[3]) << 24;
    }
    // An index beyond the palette of the file is pixel 0.
    const auto colour = [&](unsigned index) { return index < entries ? palette[index] : 0; };

    cursor.seek(pixelOffset);
    const int perByte = 8 / bitCount;
    if (perByte != 1 && perByte != 2) {
        return false;
    }
    const long long rowBytes = (static_cast<long long>(width) + perByte - 1) / perByte;
    const std::size_t padding = static_cast<std::size_t>(3 - (rowBytes + 3) % 4);
    std::uint8_t byte = 0;  // keeps the last value read when the file ends early
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = pictureRow(fileRow, height, topDown);
        for (int x = 0; x < width; x += perByte) {
            cursor.read(&byte, 1);
            if (perByte == 1) {
                image.setPixel(x, y, colour(byte));
            } else {
                image.setPixel(x, y, colour(byte >> 4));
                if (x + 1 < width) {
                    image.setPixel(x + 1, y, colour(byte & 0x0F));
                }
            }
        }
        cursor.skip(padding);
    }
    return true;
}

bool readDirectImage(Image& image, ByteCursor& cursor, std::uint32_t pixelOffset, int bitCount,
                     bool topDown) {
    const int width = image.width();
    const int height = image.height();
    cursor.seek(pixelOffset);
    const int bytesPerPixel = (bitCount + 7) / 8;
    if (bytesPerPixel < 2 || bytesPerPixel > 4) {
        return false;
    }
    const std::size_t padding =
        static_cast<std::size_t>(3 - (static_cast<long long>(width) * bytesPerPixel + 3) % 4);
    std::array<std::uint8_t, 4> bytes{};  // keeps the last value read when the file ends early
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = pictureRow(fileRow, height, topDown);
        for (int x = 0; x < width; ++x) {
            cursor.read(bytes.data(), static_cast<std::size_t>(bytesPerPixel));
            const Pixel v = static_cast<Pixel>(bytes[0]) | static_cast<Pixel>(bytes[1]) << 8 |
                            static_cast<Pixel>(bytes[2]) << 16 | static_cast<Pixel>(bytes[3]) << 24;
            Pixel value = 0;
            if (bytesPerPixel == 2) {
                value = ((v >> 10) & 0x1F) << 19 | ((v >> 5) & 0x1F) << 11 | (v & 0x1F) << 3;
            } else if (bytesPerPixel == 3) {
                value = v & 0xFFFFFF;
            } else {
                value = v;
            }
            image.setPixel(x, y, value);
        }
        cursor.skip(padding);
    }
    return true;
}

// The reader proper over the bytes held (of a longer file, the first kMaxFileBytes). A picture
// of more than maxPixels pixels is refused before the image is touched.
PictureRead decodeBmp(Image& image, const std::uint8_t* bytes, std::size_t size,
                      long long maxPixels) {
    if (size < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return PictureRead::Failed;
    }
    const std::uint32_t pixelOffset = u32At(bytes, 10);
    const std::uint32_t headerSize = u32At(bytes, 14);
    const auto width = static_cast<std::int32_t>(u32At(bytes, 18));
    const auto storedHeight = static_cast<std::int32_t>(u32At(bytes, 22));
    const int bitCount = u16At(bytes, 28);
    const std::uint32_t coloursUsed = u32At(bytes, 46);

    // A negative height marks a top-down file: its first row is the top of the picture.
    const bool topDown = storedHeight < 0;
    const long long height = topDown ? -static_cast<long long>(storedHeight) : storedHeight;
    if (width < 0 || width > kMaxImageSide || height > kMaxImageSide ||
        static_cast<long long>(width) * height > kMaxImagePixels) {
        return PictureRead::Failed;
    }
    // A file that ends before its pixels do still loads, the missing pixels repeating the last
    // value read; what a lying header can make us allocate is bounded by the limits above and
    // the caller's maxPixels, not by the length of the file.
    if (static_cast<long long>(width) * height > maxPixels) {
        return PictureRead::OverLimit;
    }
    image.resize(width, static_cast<int>(height));

    ByteCursor cursor(bytes, size);
    cursor.seek(kFileHeaderSize + kInfoHeaderSize);
    if (bitCount == 0) {
        return PictureRead::Failed;  // no pixel layout at all
    }
    const bool read = bitCount <= 8
                          ? readPaletteImage(image, cursor, headerSize, pixelOffset, bitCount,
                                             coloursUsed, topDown)
                          : readDirectImage(image, cursor, pixelOffset, bitCount, topDown);
    return read ? PictureRead::Loaded : PictureRead::Failed;
}

}  // namespace

PictureRead readBmp(Image& image, const std::string& fileName, long long maxPixels) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(fileName, bytes)) {
        return PictureRead::Failed;
    }
    return decodeBmp(image, bytes.data(), bytes.size(), maxPixels);
}

bool loadBmp(Image& image, const std::string& fileName) {
    return readBmp(image, fileName, kMaxImagePixels) == PictureRead::Loaded;
}

bool loadBmpFromMemory(Image& image, const std::uint8_t* data, std::size_t size) {
    return decodeBmp(image, data, size, kMaxImagePixels) == PictureRead::Loaded;
}
