#include "runtime/MusicPlayer.h"

#include "platform/Platform.h"

void MusicPlayer::openOutput() { library_.openOutput(rate); }

uint32_t MusicPlayer::load(int32_t resourceId, int32_t newKind) {
    beginLoad(newKind);
    // A missing resource has no data: the library then fails to load it.
    const platform::ResourceBytes resource = platform::findResource(resourceId);
    return finishLoad(kind == moduleKind ? library_.loadModule(resource.data, resource.size)
                                         : library_.loadStream(resource.data, resource.size));
}

uint32_t MusicPlayer::load(const char* fileName, int32_t newKind) {
    beginLoad(newKind);
    return finishLoad(kind == moduleKind ? library_.loadModuleFile(fileName)
                                         : library_.loadStreamFile(fileName));
}

void MusicPlayer::play(int32_t fromMs) {
    if (kind == moduleKind)
        library_.playModule(moduleHandle, fromMs);
    else
        library_.playStream(streamHandle, true, fromMs);
}

void MusicPlayer::stop() { library_.stop(); }

void MusicPlayer::beginLoad(int32_t newKind) {
    kind = newKind;
    if (moduleHandle == 0 && streamHandle == 0) return;
    library_.stop();
    if (moduleHandle != 0) library_.freeModule(moduleHandle);
    if (streamHandle != 0) library_.freeStream(streamHandle);
    moduleHandle = 0;
    streamHandle = 0;
}

uint32_t MusicPlayer::finishLoad(uint32_t handle) {
    (kind == moduleKind ? moduleHandle : streamHandle) = handle;
    library_.start();  // whether or not the load succeeded
    return handle;
}
