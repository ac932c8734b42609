#include "scenes/SplinePath.h"

#include <gtest/gtest.h>

namespace {

void expectPoint(const Vec3& actual, float x, float y, float z, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
}

void expectPoint(const Vec3& actual, const Vec3& expected) { expectPoint(actual, expected.x, expected.y, expected.z); }

// A winding path of `count` keys: no three in a line.
void addWindingKeys(SplinePath& path, int count) {
    for (int n = 0; n < count; ++n)
        path.addKey(static_cast<float>((n * 7) % 5) - 2.0f, static_cast<float>((n * n) % 3), -2.0f * n);
}

// Before its start and after its last key a path rests on its end keys; out-of-range keys are none.
TEST(SplinePath, ThePathRestsAtItsEndKeys) {
    SplinePath path;
    addWindingKeys(path, 20);
    path.build();
    const Vec3& first = path.keyAt(0)->position;
    const Vec3& last = path.keyAt(19)->position;
    expectPoint(path.pointAt(0), first);
    expectPoint(path.pointAt(-0.5f), first);
    expectPoint(path.pointAt(0.96f), last);  // 19200 ms, after the last key at 19000
    expectPoint(path.pointAt(1), last);
    expectPoint(path.pointAt(3e9f), last);
    EXPECT_EQ(path.keyAt(20), nullptr);
    EXPECT_EQ(path.keyAt(-1), nullptr);

    SplinePath single;
    single.addKey(1, 2, 3);
    single.build();
    expectPoint(single.pointAt(0.5f), 1, 2, 3);
    SplinePath empty;
    empty.build();
    expectPoint(empty.pointAt(0.5f), 0, 0, 0);
}

}  // namespace
