// The toolbar button faces: bitmaps decoded, transparent pixels in the toolbar's colour, and
// the eleven faces the library carries.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "addin/button_faces/button_face.h"
#include "addin/button_faces/dib_picture.h"
#include "addin/resource_button_faces.h"
#include "platform/bitmap_resources.h"
#include "platform/system_colours.h"
#include "tests/support/temp_dir.h"

namespace tarn::addin {
namespace {

void Put32(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}
void Put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

// A DIB as a BITMAP resource holds it: header, palette (8 bits), rows as given (already in
// stored order), each padded to four bytes.
std::string Dib(std::int32_t width, std::int32_t height, std::uint16_t bits, const std::vector<std::uint32_t>& palette,
                const std::vector<std::vector<std::uint8_t>>& stored_rows) {
    std::string bytes;
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(width));
    Put32(bytes, static_cast<std::uint32_t>(height));
    Put16(bytes, 1);
    Put16(bytes, bits);
    Put32(bytes, 0);
    Put32(bytes, 0);
    Put32(bytes, 2835);
    Put32(bytes, 2835);
    Put32(bytes, static_cast<std::uint32_t>(palette.size()));
    Put32(bytes, 0);
    for (const std::uint32_t colour : palette) Put32(bytes, colour);  // 0x00RRGGBB is B, G, R, 0 in memory
    for (const auto& row : stored_rows) {
        std::string stored(row.begin(), row.end());
        while (stored.size() % 4 != 0) stored += '\0';
        bytes += stored;
    }
    return bytes;
}

TEST(DecodeDib, ReadsPalettedRowsBottomUpAndSkipsTheirPadding) {
    // 3 x 2, bottom row stored first: the top row is red green blue, the bottom row blue blue red.
    const auto picture = DecodeDib(Dib(3, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF}, {{2, 2, 0}, {0, 1, 2}}));
    EXPECT_EQ(picture, (host::Picture{3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x0000FF, 0xFF0000}}));
}

TEST(DecodeDib, ReadsTopDownRowsAndTwentyFourBits) {
    const auto top_down = DecodeDib(Dib(1, -2, 8, {0x112233, 0x445566}, {{0}, {1}}));
    EXPECT_EQ(top_down.pixels, (std::vector<std::uint32_t>{0x112233, 0x445566}));
    // B, G, R per pixel: one row of two pixels, six bytes padded to eight.
    const auto true_colour = DecodeDib(Dib(2, 1, 24, {}, {{0x33, 0x22, 0x11, 0x66, 0x55, 0x44}}));
    EXPECT_EQ(true_colour.pixels, (std::vector<std::uint32_t>{0x112233, 0x445566}));
}

TEST(DecodeDib, RefusesBytesThatMakeNoPicture) {
    const std::string good = Dib(2, 2, 8, {0, 0xFFFFFF}, {{0, 1}, {1, 0}});
    EXPECT_THROW(DecodeDib(""), BitmapError);
    EXPECT_THROW(DecodeDib(good.substr(0, 30)), BitmapError);                 // inside the header
    EXPECT_THROW(DecodeDib(good.substr(0, good.size() - 1)), BitmapError);    // the last row cut
    EXPECT_THROW(DecodeDib(Dib(2, 2, 8, {0}, {{0, 1}, {1, 0}})), BitmapError);  // colour 1 of a palette of 1
    EXPECT_THROW(DecodeDib(Dib(0, 2, 8, {0}, {})), BitmapError);
    EXPECT_THROW(DecodeDib(Dib(2, 5000, 8, {0}, {})), BitmapError);
    EXPECT_THROW(DecodeDib(Dib(2, 2, 4, {0}, {{0}, {0}})), BitmapError);
    std::string compressed = good;
    compressed[16] = 1;  // BI_RLE8
    EXPECT_THROW(DecodeDib(compressed), BitmapError);
    std::string huge_palette = good;
    huge_palette[33] = 2;  // 512 colours
    EXPECT_THROW(DecodeDib(huge_palette), BitmapError);
    EXPECT_NO_THROW(DecodeDib(good));
}

TEST(MakeButtonFace, TheBottomLeftColourBecomesTheToolbarsAndTheMaskShowsWhere) {
    constexpr std::uint32_t M = 0xFF00FF, R = 0xD8342A, Fill = 0xF0F0F0, W = 0xFFFFFF, B = 0x000000;
    const host::Picture picture{3, 2, {R, M, R, M, R, R}};
    const auto face = MakeButtonFace(picture, std::nullopt, Fill);
    EXPECT_EQ(face.face.pixels, (std::vector<std::uint32_t>{R, Fill, R, Fill, R, R}));
    EXPECT_EQ(face.mask, (host::Picture{3, 2, {B, W, B, W, B, B}}));
}

TEST(MakeButtonFace, AGivenColourIsTheTransparentOneAndAPictureWithoutItIsWhole) {
    constexpr std::uint32_t M = 0xFF00FF, R = 0xD8342A, Fill = 0xF0F0F0;
    const host::Picture picture{2, 1, {M, R}};
    EXPECT_EQ(MakeButtonFace(picture, R, Fill).face.pixels, (std::vector<std::uint32_t>{M, Fill}));
    const auto whole = MakeButtonFace(picture, 0x123456, Fill);
    EXPECT_EQ(whole.face, picture);
    EXPECT_EQ(whole.mask.pixels, (std::vector<std::uint32_t>{0, 0}));
    EXPECT_THROW(MakeButtonFace(host::Picture{2, 2, {M}}, std::nullopt, Fill), std::invalid_argument);
}

struct FaceSize {
    const char* name;
    int width;
    int height;
};

TEST(ButtonFaceResources, EveryFaceIsBuiltInAtItsSizeWithATransparentBottomLeft) {
    ResourceButtonFaces faces;
    for (const auto& [name, width, height] :
         {FaceSize{"ORVIK", 32, 32}, FaceSize{"OPTIONS", 16, 16}, FaceSize{"GREENFACE", 32, 32},
          FaceSize{"REDFACE", 32, 32}, FaceSize{"GREENENVELOPE", 32, 30}, FaceSize{"REDENVELOPE", 32, 32},
          FaceSize{"INFO", 16, 16}, FaceSize{"PROCUR", 16, 16}, FaceSize{"TARNFOLDER", 16, 16},
          FaceSize{"REPORT", 16, 16}, FaceSize{"EMPTYQ", 16, 16}}) {
        const auto bitmap = platform::FindBitmapResource(name);
        ASSERT_TRUE(bitmap) << name;
        EXPECT_EQ(static_cast<unsigned char>((*bitmap)[14]), 8u) << name << ": 8 bits per pixel";
        const auto face = faces.Face(name, std::nullopt);
        EXPECT_EQ(face.face.width, width) << name;
        EXPECT_EQ(face.face.height, height) << name;
        const std::size_t bottom_left = static_cast<std::size_t>(height - 1) * width;
        EXPECT_EQ(face.mask.pixels[bottom_left], 0xFFFFFFu) << name;
        EXPECT_EQ(face.face.pixels[bottom_left], platform::ButtonFaceColour()) << name;
        // A face is drawn, not blank: most of its pixels show.
        const auto shown = std::count(face.mask.pixels.begin(), face.mask.pixels.end(), 0u);
        EXPECT_GT(shown, static_cast<long>(face.mask.pixels.size() / 3)) << name;
    }
    EXPECT_THROW(faces.Face("NOSUCHFACE", std::nullopt), BitmapError);
}

#ifndef _WIN32
// The build's generator of the bitmaps, on sources a person got wrong.
struct GeneratorRun {
    int status;
    std::string output;
};

GeneratorRun MakeBitmap(const test_support::TempDir& dir, const std::string& face) {
    dir.Write("x.face", face);
    const std::string command = "python3 '" TARN_TEST_SOURCE_DIR "/addin/button_faces/make_bitmap.py' '" +
                                (dir / "x.face").string() + "' '" + (dir / "x.bmp").string() + "' 2>&1";
    GeneratorRun run{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, got);
    run.status = ::pclose(pipe);
    return run;
}

TEST(MakeBitmap, AFaceItCanReadBecomesTheBitmapTheLibraryDecodes) {
    test_support::TempDir dir;
    const auto run = MakeBitmap(dir, "# two by two\nsize 2 2\ncolour . #FF00FF\ncolour r #D8342A\npixels\nr.\n.r\n");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string bmp = dir.Read("x.bmp");
    ASSERT_GT(bmp.size(), 14u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(DecodeDib(std::string_view(bmp).substr(14)), (host::Picture{2, 2, {0xD8342A, 0xFF00FF, 0xFF00FF, 0xD8342A}}));
}

TEST(MakeBitmap, AMalformedFaceIsNamedWithItsLineAndWritesNothing) {
    for (const auto& [face, complaint] : std::vector<std::pair<std::string, std::string>>{
             {"size 2 1\ncolour . #FF00FF\npixels\n...\n", "x.face:4: a row of 3 pixels, not 2"},
             {"size 2 1\ncolour . #FF00FF\npixels\n.q\n", "x.face:4: no colour is declared for 'q'"},
             {"size 2 2\ncolour . #FF00FF\npixels\n..\n", "1 rows of pixels, not 2"},
             {"size 2 1\ncolour . red\npixels\n..\n", "x.face:2: a colour is #RRGGBB"},
             {"pixels\n..\n", "x.face:1: \"size\" must come before the pixels"}}) {
        test_support::TempDir dir;
        const auto run = MakeBitmap(dir, face);
        EXPECT_NE(run.status, 0) << face;
        EXPECT_NE(run.output.find(complaint), std::string::npos) << run.output;
        EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp")) << face;
    }
}
#endif

}  // namespace
}  // namespace tarn::addin
