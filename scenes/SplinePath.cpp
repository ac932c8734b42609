#include "scenes/SplinePath.h"

#include <algorithm>

namespace {

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(float f, const Vec3& v) { return {f * v.x, f * v.y, f * v.z}; }

// The tangent at an end key, from the step to the key next to it and the span to the key after
// that (both taken forwards in time); with evenly spaced keys 1.5 step - 0.25 span.
Vec3 endTangent(const Vec3& step, const Vec3& span, int32_t stepMs, int32_t spanMs) {
    const float c = 0.25f - static_cast<float>(stepMs) / static_cast<float>(2 * spanMs) + 0.5f;
    return 1.5f * (step - 0.5f * span) + c * span;
}

}  // namespace

void SplinePath::addKey(float x, float y, float z) {
    SplineKey* key = new SplineKey;
    key->position = {x, y, z};
    keys.append(key);
}

void SplinePath::clear() {
    for (PtrNode* node = keys.head; node != nullptr; node = node->next) delete static_cast<SplineKey*>(node->data);
    keys.clear();
    durationMs = 0;
}

SplineKey* SplinePath::keyAt(int32_t index) const {
    PtrNode* node = keys.head;
    for (int32_t i = 0; node != nullptr && i < index; ++i) node = node->next;
    return node != nullptr && index >= 0 ? static_cast<SplineKey*>(node->data) : nullptr;
}

void SplinePath::build() {
    const int32_t n = keys.count;
    durationMs = n * keySpacingMs;
    int32_t i = 0;
    for (PtrNode* node = keys.head; node != nullptr; node = node->next, ++i)
        static_cast<SplineKey*>(node->data)->timeMs = i * keySpacingMs;

    if (n == 2) {
        SplineKey& first = *keyAt(0);
        SplineKey& last = *keyAt(1);
        first.outTangent = last.position - first.position;
        last.inTangent = first.outTangent;
    }
    if (n <= 2) return;

    for (i = 1; i < n - 1; ++i) {
        const SplineKey& before = *keyAt(i - 1);
        SplineKey& key = *keyAt(i);
        const SplineKey& after = *keyAt(i + 1);
        const Vec3 across = (key.position - before.position) + (after.position - key.position);
        const float span = static_cast<float>(after.timeMs - before.timeMs);
        key.inTangent = (static_cast<float>(key.timeMs - before.timeMs) / span) * across;
        key.outTangent = (static_cast<float>(after.timeMs - key.timeMs) / span) * across;
    }
    SplineKey& first = *keyAt(0);
    const SplineKey& second = *keyAt(1);
    const SplineKey& third = *keyAt(2);
    first.outTangent = endTangent(second.position - first.position, third.position - first.position,
                                  second.timeMs - first.timeMs, third.timeMs - first.timeMs);
    SplineKey& last = *keyAt(n - 1);
    const SplineKey& penultimate = *keyAt(n - 2);
    const SplineKey& antepenultimate = *keyAt(n - 3);
    last.inTangent = endTangent(last.position - penultimate.position, last.position - antepenultimate.position,
                                last.timeMs - penultimate.timeMs, last.timeMs - antepenultimate.timeMs);
}

Vec3 SplinePath::pointAt(float u) const {
    if (keys.count == 0) return {};
    const SplineKey& first = *keyAt(0);
    const SplineKey& last = *keyAt(keys.count - 1);
    // u beyond [0, 1] lands on an end key anyway; clamping first keeps the conversion defined.
    const float clamped = u > 0.0f ? std::min(u, 1.0f) : 0.0f;
    const auto t = static_cast<int32_t>(static_cast<float>(durationMs) * clamped);
    if (keys.count == 1 || t <= first.timeMs) return first.position;
    if (t >= last.timeMs) return last.position;

    PtrNode* node = keys.head;
    while (static_cast<SplineKey*>(node->next->data)->timeMs < t) node = node->next;
    const SplineKey& from = *static_cast<SplineKey*>(node->data);
    const SplineKey& to = *static_cast<SplineKey*>(node->next->data);
    // One millisecond late: s is 0 just after a key and a little short of 1 on the next one.
    const float s = static_cast<float>(t - from.timeMs - 1) / static_cast<float>(to.timeMs - from.timeMs);
    const float s2 = s * s;
    const float s3 = s2 * s;
    const float h00 = 2 * s3 - 3 * s2 + 1;
    const float h01 = 3 * s2 - 2 * s3;
    const float h10 = s3 - 2 * s2 + s;
    const float h11 = s3 - s2;
    return h00 * from.position + h10 * from.outTangent + h01 * to.position + h11 * to.inTangent;
}
