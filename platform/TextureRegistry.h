#pragma once
// Turns the scenes' texture requests into GL textures. Requests for the same picture are merged;
// the list is kept for the whole run so that a new GL context gets every texture again from the
// same requests. Binding skips the GL call when the same picture is already bound through here.
#include <cstdint>

#include "platform/TgaImage.h"
#include "runtime/PtrList.h"

struct TextureEntry {
    int32_t resourceId;
    uint32_t glName;
    TgaImage* image;      // the decoded picture, only while it is uploaded
    uint8_t sourceKind;   // 1: decoded from the resource resourceId
    int32_t flags;        // OR of every request's flags; exactly 1 uploads with alpha
};

class TextureRegistry {
public:
    static constexpr int32_t withAlpha = 1;

    TextureRegistry() = default;
    ~TextureRegistry();
    TextureRegistry(const TextureRegistry&) = delete;
    TextureRegistry& operator=(const TextureRegistry&) = delete;

    void requestTexture(int32_t resourceId, int32_t flags);
    TextureEntry* findEntry(int32_t resourceId) const;
    // (Re)creates every requested texture in the current GL context.
    void uploadAll();
    // The GL name of the id's texture; -1 when the id was never requested.
    int32_t glNameOf(int32_t resourceId) const;
    void bindTexture(int32_t resourceId);
    void resetLastBound() { lastBound = -1; }

    PtrList entries;
    uint32_t* glNames = nullptr;
    int32_t lastBound = -1;
};
