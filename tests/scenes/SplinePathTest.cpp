#include "scenes/SplinePath.h"

#include <gtest/gtest.h>

namespace {

void expectPoint(const Vec3& actual, float x, float y, float z, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
}

void expectPoint(const Vec3& actual, const Vec3& expected) { expectPoint(actual, expected.x, expected.y, expected.z); }

// A winding path of `count` keys: no three in a line, so every tangent is distinct.
void addWindingKeys(SplinePath& path, int count) {
    for (int n = 0; n < count; ++n)
        path.addKey(static_cast<float>((n * 7) % 5) - 2.0f, static_cast<float>((n * n) % 3), -2.0f * n);
}

TEST(SplinePath, TwoKeysMakeAStraightLineTravelledOneMillisecondLate) {
    SplinePath path;
    path.addKey(0, 0, 0);
    path.addKey(2, 4, -6);
    path.build();
    EXPECT_EQ(path.durationMs, 2000);
    EXPECT_EQ(path.keyAt(1)->timeMs, 1000);
    expectPoint(path.pointAt(0.25f), 0.998f, 1.996f, -2.994f);  // 500 ms: s = 499 / 1000
    expectPoint(path.pointAt(0.4f), 1.598f, 3.196f, -4.794f);
    expectPoint(path.pointAt(0.5f), 2, 4, -6);  // the last key, and it stays there
    expectPoint(path.pointAt(0.9f), 2, 4, -6);
}

TEST(SplinePath, TangentsComeFromTheNeighbouringKeys) {
    SplinePath path;
    path.addKey(0, 0, 0);
    path.addKey(1, 2, -2);
    path.addKey(4, 1, -4);
    path.addKey(3, -3, -6);
    path.build();
    const SplineKey& first = *path.keyAt(0);
    const SplineKey& last = *path.keyAt(3);
    expectPoint(first.inTangent, 0, 0, 0);
    expectPoint(first.outTangent, 0.5f, 2.75f, -2);  // 1.5 (P1 - P0) - 0.25 (P2 - P0)
    expectPoint(path.keyAt(1)->inTangent, 2, 0.5f, -2);  // (P2 - P0) / 2 on both sides
    expectPoint(path.keyAt(1)->outTangent, 2, 0.5f, -2);
    expectPoint(path.keyAt(2)->inTangent, 1, -2.5f, -2);
    expectPoint(path.keyAt(2)->outTangent, 1, -2.5f, -2);
    expectPoint(last.inTangent, -2, -4.75f, -2);  // 1.5 (P3 - P2) - 0.25 (P3 - P1)
    expectPoint(last.outTangent, 0, 0, 0);
    EXPECT_EQ(path.keyAt(4), nullptr);
    EXPECT_EQ(path.keyAt(-1), nullptr);
}

TEST(SplinePath, AKeyEndsOneSegmentOneMillisecondBeforeTheNextBegins) {
    SplinePath path;
    addWindingKeys(path, 20);
    path.build();
    const SplineKey& key1 = *path.keyAt(1);
    // At 1001 ms segment 1 starts exactly on key 1.
    const Vec3 start = path.pointAt(1001.0f / 20000.0f);
    EXPECT_EQ(start.x, key1.position.x);
    EXPECT_EQ(start.y, key1.position.y);
    EXPECT_EQ(start.z, key1.position.z);
    // At 1000 ms segment 0 is still a thousandth short of key 1, arriving along its in-tangent.
    const Vec3 end = path.pointAt(0.05f);
    expectPoint(end, key1.position.x - 0.001f * key1.inTangent.x, key1.position.y - 0.001f * key1.inTangent.y,
                key1.position.z - 0.001f * key1.inTangent.z, 5e-5f);
    EXPECT_NE(end.z, key1.position.z);
}

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

    SplinePath single;
    single.addKey(1, 2, 3);
    single.build();
    expectPoint(single.pointAt(0.5f), 1, 2, 3);
    SplinePath empty;
    empty.build();
    expectPoint(empty.pointAt(0.5f), 0, 0, 0);
}

}  // namespace
