// What keeps the generated pictures the same bytes everywhere and the right size: trigonometry
// that is the same on every machine, and the TGA trailer that must fit the listed file size.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/DetMath.h"
#include "core/TgaFile.h"

namespace assets {
namespace {

TEST(DetMath, AgreesWithTheLibraryFunctions) {
    for (double x = -1000; x <= 1000; x += 0.37) {
        ASSERT_NEAR(detSin(x), std::sin(x), 1e-9) << x;
        ASSERT_NEAR(detCos(x), std::cos(x), 1e-9) << x;
    }
}

TEST(TgaFile, ExtendedFileHasExactlyTheAskedSize) {
    Picture p(64, 32, {1, 0, 0}, 1);
    TgaExtension ext{"a", "b", "c", "d", 2001, 1, 2, "note", 0};
    ext.fileSize = 18 + 64 * 32 * 4 + 8000;
    EXPECT_EQ(encodeTga(p, ext).size(), ext.fileSize);
    ext.fileSize = 18 + 64 * 32 * 4 + 2000;  // no room for the stamp and the tables
    EXPECT_THROW(encodeTga(p, ext), std::runtime_error);
    const auto plain = encodeTga(p);
    ASSERT_EQ(plain.size(), 18u + 64 * 32 * 4 + 26);
    EXPECT_EQ(plain[18], 0) << "blue";
    EXPECT_EQ(plain[20], 255) << "red";
    EXPECT_EQ(plain[21], 255) << "alpha";
}

}  // namespace
}  // namespace assets
