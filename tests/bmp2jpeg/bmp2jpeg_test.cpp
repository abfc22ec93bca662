// The outside JPEG library, through its C interface only.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bmp2jpeg.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

struct Rgb {
    int r, g, b;
};

// The test picture: four coloured quarters.
Rgb ColourAt(int x, int y, int width, int height) {
    const bool right = x >= width / 2, bottom = y >= height / 2;
    if (!right && !bottom) return {220, 30, 30};
    if (right && !bottom) return {30, 200, 40};
    if (!right && bottom) return {20, 40, 210};
    return {255, 255, 255};
}

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// An uncompressed bottom-up Windows bitmap of 24 or 32 bits per pixel, written by hand.
std::vector<unsigned char> MakeBmp(int width, int height, int bits) {
    const int rowBytes = ((width * bits / 8) + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);                                 // pixel data offset
    PutLe(out, 40, 4);                                 // info header size
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);                                  // planes
    PutLe(out, static_cast<std::uint32_t>(bits), 2);
    PutLe(out, 0, 4);                                  // no compression
    PutLe(out, pixelBytes, 4);
    PutLe(out, 3780, 4);                               // 96 dots per inch
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        std::size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            const Rgb c = ColourAt(x, y, width, height);
            out.push_back(static_cast<unsigned char>(c.b));
            out.push_back(static_cast<unsigned char>(c.g));
            out.push_back(static_cast<unsigned char>(c.r));
            if (bits == 32) out.push_back(0);
        }
        while (out.size() - rowStart < static_cast<std::size_t>(rowBytes)) out.push_back(0);
    }
    return out;
}

using velakor::test::TempFolder;

void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Decoded {
    int width = 0, height = 0, subsampling = -1;
    std::vector<unsigned char> rgb;
};

Decoded Decode(const std::vector<unsigned char>& jpeg) {
    Decoded d;
    tjhandle h = tjInitDecompress();
    int colourspace = 0;
    if (tjDecompressHeader3(h, jpeg.data(), static_cast<unsigned long>(jpeg.size()), &d.width, &d.height,
                            &d.subsampling, &colourspace) == 0) {
        d.rgb.resize(static_cast<std::size_t>(d.width) * d.height * 3);
        if (tjDecompress2(h, jpeg.data(), static_cast<unsigned long>(jpeg.size()), d.rgb.data(), d.width, 0,
                          d.height, TJPF_RGB, 0) != 0) {
            d.rgb.clear();
        }
    }
    tjDestroy(h);
    return d;
}

TEST(BmpToJpeg, ConvertsBitmapsOfEveryRowLayout) {
    struct Row {
        const char* name;
        int width, height, bits;
    };
    const std::vector<Row> rows = {
        {"24 bits, rows padded", 37, 22, 24},
        {"24 bits, chart display size", 967, 560, 24},
        {"32 bits", 40, 30, 32},
        {"one pixel", 1, 1, 24},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempFolder dir;
        WriteFile(dir / "in.bmp", MakeBmp(r.width, r.height, r.bits));
        const auto bitmapBefore = ReadFile(dir / "in.bmp");
        ASSERT_EQ(BmpToJpeg((dir / "in.bmp").c_str(), (dir / "out.jpg").c_str(), 100), 0);

        const Decoded d = Decode(ReadFile(dir / "out.jpg"));
        ASSERT_FALSE(d.rgb.empty());
        EXPECT_EQ(d.width, r.width);
        EXPECT_EQ(d.height, r.height);
        EXPECT_EQ(d.subsampling, TJSAMP_444);
        // The centre of every quarter keeps its colour (JPEG is lossy: a small tolerance).
        const int xs[] = {r.width / 4, r.width * 3 / 4}, ys[] = {r.height / 4, r.height * 3 / 4};
        for (int y : ys) {
            for (int x : xs) {
                const Rgb want = ColourAt(x, y, r.width, r.height);
                const unsigned char* got = &d.rgb[(static_cast<std::size_t>(y) * r.width + x) * 3];
                EXPECT_NEAR(got[0], want.r, 8) << "red at " << x << "," << y;
                EXPECT_NEAR(got[1], want.g, 8) << "green at " << x << "," << y;
                EXPECT_NEAR(got[2], want.b, 8) << "blue at " << x << "," << y;
            }
        }
        // The same pixels held in memory (rows padded as the caller keeps them) give the same
        // bytes, without a file on either side.
        const int pitch = r.width * 3 + 5;
        std::vector<unsigned char> rgb(static_cast<std::size_t>(pitch) * r.height);
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x) {
                const Rgb c = ColourAt(x, y, r.width, r.height);
                unsigned char* p = &rgb[static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x) * 3];
                p[0] = static_cast<unsigned char>(c.r), p[1] = static_cast<unsigned char>(c.g), p[2] = static_cast<unsigned char>(c.b);
            }
        }
        unsigned char* jpeg = nullptr;
        unsigned long size = 0;
        ASSERT_EQ(RgbToJpeg(rgb.data(), r.width, pitch, r.height, 100, &jpeg, &size), 0);
        EXPECT_EQ(std::vector<unsigned char>(jpeg, jpeg + size), ReadFile(dir / "out.jpg"));
        Bmp2JpegFree(jpeg);
        EXPECT_EQ(ReadFile(dir / "in.bmp"), bitmapBefore) << "the bitmap is left as it was";
        EXPECT_EQ(dir.Names(), (std::set<std::string>{"in.bmp", "out.jpg"})) << "nothing else is left behind";
    }
}

TEST(BmpToJpeg, ReplacesAnExistingFileAndHonoursQuality) {
    TempFolder dir;
    WriteFile(dir / "in.bmp", MakeBmp(64, 48, 24));
    WriteFile(dir / "out.jpg", {'o', 'l', 'd'});
    ASSERT_EQ(BmpToJpeg((dir / "in.bmp").c_str(), (dir / "out.jpg").c_str(), 100), 0);
    const auto best = ReadFile(dir / "out.jpg");
    EXPECT_EQ(Decode(best).width, 64);
    ASSERT_EQ(BmpToJpeg((dir / "in.bmp").c_str(), (dir / "small.jpg").c_str(), 1), 0);
    EXPECT_LT(ReadFile(dir / "small.jpg").size(), best.size());
}

TEST(BmpToJpeg, FailuresReportAndLeaveTheTargetAlone) {
    TempFolder dir;
    WriteFile(dir / "in.bmp", MakeBmp(16, 16, 24));
    WriteFile(dir / "text.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
    auto truncated = MakeBmp(16, 16, 24);
    truncated.resize(80);
    WriteFile(dir / "short.bmp", truncated);
    WriteFile(dir / "empty.bmp", {});
    WriteFile(dir / "good.jpg", {'g', 'o', 'o', 'd'});
    std::filesystem::create_directory(dir / "folder.jpg");
    const std::string in = dir / "in.bmp", good = dir / "good.jpg";

    struct Row {
        const char* name;
        const char* bmp;
        const char* jpeg;
        int quality;
    };
    const std::string text = dir / "text.bmp", shortBmp = dir / "short.bmp", empty = dir / "empty.bmp";
    const std::string missing = dir / "missing.bmp", folder = dir / "folder.jpg";
    const std::string noFolder = dir / "no/such/folder.jpg";
    const std::vector<Row> rows = {
        {"no bitmap path", nullptr, good.c_str(), 100},
        {"no JPEG path", in.c_str(), nullptr, 100},
        {"empty bitmap path", "", good.c_str(), 100},
        {"empty JPEG path", in.c_str(), "", 100},
        {"quality 0", in.c_str(), good.c_str(), 0},
        {"quality 101", in.c_str(), good.c_str(), 101},
        {"missing bitmap", missing.c_str(), good.c_str(), 100},
        {"not a bitmap", text.c_str(), good.c_str(), 100},
        {"truncated bitmap", shortBmp.c_str(), good.c_str(), 100},
        {"empty bitmap", empty.c_str(), good.c_str(), 100},
        {"target folder missing", in.c_str(), noFolder.c_str(), 100},
        {"target is a folder", in.c_str(), folder.c_str(), 100},
    };
    const auto namesBefore = dir.Names();
    for (const Row& r : rows) {
        EXPECT_NE(BmpToJpeg(r.bmp, r.jpeg, r.quality), 0) << r.name;
        EXPECT_EQ(ReadFile(good), (std::vector<unsigned char>{'g', 'o', 'o', 'd'})) << r.name;
        EXPECT_EQ(dir.Names(), namesBefore) << r.name << ": no temporary file is left";
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    // In memory: nothing to convert, or nowhere to put it.
    const unsigned char pixel[3] = {1, 2, 3};
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    EXPECT_NE(RgbToJpeg(nullptr, 1, 0, 1, 100, &jpeg, &size), 0);
    EXPECT_NE(RgbToJpeg(pixel, 0, 0, 1, 100, &jpeg, &size), 0);
    EXPECT_NE(RgbToJpeg(pixel, 2, 3, 1, 100, &jpeg, &size), 0) << "rows shorter than their pixels";
    EXPECT_NE(RgbToJpeg(pixel, 1, 0, 1, 0, &jpeg, &size), 0);
    EXPECT_NE(RgbToJpeg(pixel, 1, 0, 1, 100, nullptr, &size), 0);
    EXPECT_EQ(jpeg, nullptr);
}

}  // namespace
