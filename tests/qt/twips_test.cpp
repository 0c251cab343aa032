// Twips and pixels, and the chrome between a form's outer geometry and its
// client area.
#include <gtest/gtest.h>

#include "qt/twips.h"

namespace ondalab::qt {
namespace {

TEST(TwipScale, PixelsFromTwips) {
    const struct {
        double dpi;
        int twips;
        int pixels;
    } rows[] = {
        {96, 0, 0},     {96, 15, 1},    {96, 1500, 100}, {96, 7, 0},  {96, 8, 1},     {96, -15, -1},
        {120, 15, 1},   {120, 1500, 125}, {144, 1500, 150}, {192, 15, 2}, {192, 4680, 624},
    };
    for (const auto& r : rows) EXPECT_EQ(TwipScale(r.dpi).pixels(r.twips), r.pixels) << r.dpi << " dpi, " << r.twips;
}

TEST(TwipScale, TwipsFromPixels) {
    const struct {
        double dpi;
        int pixels;
        int twips;
    } rows[] = {{96, 1, 15}, {96, 100, 1500}, {120, 125, 1500}, {144, 150, 1500}, {192, 1, 8}};
    for (const auto& r : rows) EXPECT_EQ(TwipScale(r.dpi).twips(r.pixels), r.twips) << r.dpi << " dpi, " << r.pixels;
}

TEST(TwipScale, RectsRoundEachSideOnItsOwn) {
    const TwipScale s(96);
    EXPECT_EQ(s.pixels(Rect{120, 2000, 1500, 300}), QRect(8, 133, 100, 20));
    const Rect back = s.twips(QRect(8, 133, 100, 20));
    EXPECT_EQ(back.left, 120);
    EXPECT_EQ(back.top, 1995);
    EXPECT_EQ(back.width, 1500);
    EXPECT_EQ(back.height, 300);
}

TEST(Chrome, ClientAreaIsInsideBorderAndCaption) {
    // Outer 1500,1500 4800x3600: client at 1560,1800 sized 4680x3240 twips.
    const TwipScale s(96);
    EXPECT_EQ(clientGeometry({1500, 1500, 4800, 3600}, s), QRect(104, 120, 312, 216));
    EXPECT_EQ(clientGeometry({0, 0, 3000, 1500}, s), QRect(4, 20, 192, 76));
    EXPECT_EQ(TwipScale(192).pixels(Rect{1560, 1800, 4680, 3240}), clientGeometry({1500, 1500, 4800, 3600}, TwipScale(192)));
}

TEST(Chrome, OuterGeometryAddsTheChromeBack) {
    const Rect r = outerGeometry(QRect(104, 120, 312, 216), TwipScale(96));
    EXPECT_EQ(r.left, 1500);
    EXPECT_EQ(r.top, 1500);
    EXPECT_EQ(r.width, 4800);
    EXPECT_EQ(r.height, 3600);
}

}  // namespace
}  // namespace ondalab::qt
