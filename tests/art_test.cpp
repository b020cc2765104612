// The committed pictures and icon: formats, sizes and colours the program relies on.
#include <doctest.h>
#include "WideStrings.h"
#include "Files.h"
#include "JpegImage.h"
#include <cstring>
#include <string>

using namespace testing;

namespace {

struct JpegFacts {
    bool startsWithSoi = false;
    int jfifVersion = 0; // 0x0101 for 1.01
    int frameMarker = 0; // 0xC0: baseline
    int width = 0, height = 0, components = 0;
    std::string comment;
};

int BigEndian16(const std::vector<std::uint8_t>& b, size_t at) { return b.at(at) << 8 | b.at(at + 1); }

// Walks the marker segments up to the start of the scan.
JpegFacts ReadJpegFacts(const std::vector<std::uint8_t>& b)
{
    JpegFacts f;
    f.startsWithSoi = b.size() > 2 && b[0] == 0xFF && b[1] == 0xD8;
    size_t at = 2;
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const size_t length = static_cast<size_t>(BigEndian16(b, at + 2));
        const size_t body = at + 4;
        if (marker == 0xE0 && std::memcmp(&b.at(body), "JFIF\0", 5) == 0) f.jfifVersion = BigEndian16(b, body + 5);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            f.frameMarker = marker;
            f.height = BigEndian16(b, body + 1);
            f.width = BigEndian16(b, body + 3);
            f.components = b.at(body + 5);
        }
        if (marker == 0xFE) f.comment.assign(reinterpret_cast<const char*>(&b.at(body)), length - 2);
        if (marker == 0xDA) break;
        at += 2 + length;
    }
    return f;
}

} // namespace

TEST_CASE("the pictures are baseline JFIF 1.01 JPEGs of the sizes the windows are laid out for")
{
    struct Case {
        const wchar_t* file;
        int width, height;
        const char* comment; // null: any
    };
    const Case cases[] = {
        {L"pictogram.jpg", 200, 161, nullptr},
        {L"menu-clip.jpg", 602, 404, "CREATOR: gd-jpeg v1.0 (using IJG JPEG v62), quality = 95\n"},
    };
    for (const Case& c : cases) {
        CAPTURE(ui::ToUtf8(c.file));
        const JpegFacts f = ReadJpegFacts(ReadBytes(ResourcePath(c.file)));
        CHECK(f.startsWithSoi);
        CHECK(f.jfifVersion == 0x0101);
        CHECK(f.frameMarker == 0xC0);
        CHECK(f.components == 3);
        CHECK(f.width == c.width);
        CHECK(f.height == c.height);
        if (c.comment) CHECK(f.comment == c.comment);
    }
}

namespace {

Pixels Decode(const wchar_t* file)
{
    const auto bytes = ReadBytes(ResourcePath(file));
    ui::TJPEGImage picture;
    picture.LoadFromMemory(bytes.data(), bytes.size(), file);
    return PixelsOf(picture.Handle());
}

constexpr std::uint32_t kOrange = 0xFEA002;

// Share of pixels near black and near the pictogram's orange.
struct Palette {
    double black = 0, orange = 0;
};

template <class Colours>
Palette PaletteOf(int count, Colours colourAt)
{
    int black = 0, orange = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t c = colourAt(i);
        if (ChannelDistance(c, 0) <= 40) ++black;
        if (ChannelDistance(c, kOrange) <= 40) ++orange;
    }
    return {double(black) / count, double(orange) / count};
}

} // namespace

TEST_CASE("the pictogram is orange on black")
{
    const Pixels p = Decode(L"pictogram.jpg");
    const Palette palette = PaletteOf(p.width * p.height, [&](int i) { return p.argb[i] & 0xFFFFFF; });
    CHECK(palette.black > 0.5);
    CHECK(palette.orange > 0.1);
    CHECK(palette.black + palette.orange > 0.9);
    CHECK(ChannelDistance(p.At(0, 0), 0) <= 8); // opaque black corners, no frame
    CHECK(ChannelDistance(p.At(199, 160), 0) <= 8);
}

TEST_CASE("the repair-screen picture keeps the clipped bottom rows for its grey caption strip")
{
    const Pixels p = Decode(L"menu-clip.jpg");
    for (int y = 392; y < 404; ++y)
        for (int x = 0; x < p.width; x += 7) {
            const std::uint32_t c = p.At(x, y);
            CHECK(ChannelDistance(c, Rgb(0xA7, 0xA7, 0xA7)) <= 40); // grey, nothing that matters
        }
}

TEST_CASE("the icon holds the five 32-bit images, none stored as PNG, all opaque and orange on black")
{
    const auto b = ReadBytes(ResourcePath(L"vidange.ico"));
    REQUIRE(b.size() == 150906);
    auto u16 = [&](size_t at) { return b.at(at) | b.at(at + 1) << 8; };
    auto u32 = [&](size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
    CHECK(u16(0) == 0);
    CHECK(u16(2) == 1);
    REQUIRE(u16(4) == 5);

    struct Entry {
        int width, height;
        std::uint32_t bytes;
    };
    const Entry expected[] = {{16, 16, 1128}, {24, 24, 2440}, {32, 32, 4264}, {48, 48, 9640}, {200, 161, 133348}};
    std::uint32_t offset = 6 + 16 * 5;
    for (int i = 0; i < 5; ++i) {
        CAPTURE(i);
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        const Entry& e = expected[i];
        CHECK(b[entry] == e.width);
        CHECK(b[entry + 1] == e.height);
        CHECK(u16(entry + 4) == 1);
        CHECK(u16(entry + 6) == 32);
        CHECK(u32(entry + 8) == e.bytes);
        REQUIRE(u32(entry + 12) == offset);

        CHECK(std::memcmp(&b[offset], "\x89PNG", 4) != 0);
        CHECK(u32(offset) == 40); // BITMAPINFOHEADER
        CHECK(static_cast<int>(u32(offset + 4)) == e.width);
        CHECK(static_cast<int>(u32(offset + 8)) == 2 * e.height);
        CHECK(u16(offset + 14) == 32);

        const size_t pixels = offset + 40;
        int transparent = 0;
        for (int p = 0; p < e.width * e.height; ++p) transparent += b[pixels + 4 * p + 3] != 255;
        CHECK(transparent == 0);
        const Palette palette = PaletteOf(e.width * e.height, [&](int p) {
            const size_t at = pixels + 4 * static_cast<size_t>(p);
            return Rgb(b[at + 2], b[at + 1], b[at]);
        });
        CHECK(palette.black > 0.4);
        CHECK(palette.orange > 0.1);
        offset += e.bytes;
    }
    CHECK(offset == b.size());
}
