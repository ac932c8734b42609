#include "platform/TextureRegistry.h"

#include "platform/GL.h"

TextureRegistry::~TextureRegistry() {
    // The textures ended with their GL context; only our own records are released.
    delete[] glNames;
    for (PtrNode* node = entries.head; node != nullptr; node = node->next) {
        TextureEntry* entry = static_cast<TextureEntry*>(node->data);
        freeImage(entry->image);
        delete entry;
    }
}

TextureEntry* TextureRegistry::findEntry(int32_t resourceId) const {
    for (PtrNode* node = entries.head; node != nullptr; node = node->next) {
        TextureEntry* entry = static_cast<TextureEntry*>(node->data);
        if (entry->resourceId == resourceId) return entry;
    }
    return nullptr;
}

void TextureRegistry::requestTexture(int32_t resourceId, int32_t flags) {
    if (TextureEntry* entry = findEntry(resourceId)) {
        entry->flags |= flags;
        return;
    }
    entries.append(new TextureEntry{resourceId, 0, nullptr, 1, flags});
}

void TextureRegistry::uploadAll() {
    resetLastBound();
    delete[] glNames;
    glNames = nullptr;
    if (entries.count == 0) return;
    glNames = new uint32_t[entries.count];
    glGenTextures(entries.count, glNames);
    int32_t i = 0;
    for (PtrNode* node = entries.head; node != nullptr; node = node->next, ++i) {
        TextureEntry* entry = static_cast<TextureEntry*>(node->data);
        if (entry->sourceKind == 1) entry->image = loadTgaResource(entry->resourceId);
        glBindTexture(GL_TEXTURE_2D, glNames[i]);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        // A picture that cannot be decoded keeps its name but gets no pixels: it draws as if
        // texturing were off, and nothing else changes.
        if (entry->image != nullptr) {
            const GLint internalFormat = entry->flags == withAlpha ? GL_RGBA : GL_RGB;
            glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, entry->image->width, entry->image->height, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, entry->image->pixels);
        }
        entry->glName = glNames[i];
        if (entry->sourceKind == 1) {
            freeImage(entry->image);
            entry->image = nullptr;
        }
    }
}

int32_t TextureRegistry::glNameOf(int32_t resourceId) const {
    const TextureEntry* entry = findEntry(resourceId);
    return entry != nullptr ? static_cast<int32_t>(entry->glName) : -1;
}

void TextureRegistry::bindTexture(int32_t resourceId) {
    if (resourceId == lastBound) return;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(glNameOf(resourceId)));
    lastBound = resourceId;
}
