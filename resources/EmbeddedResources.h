#pragma once
// The program's resources, compiled into the executable for the backends without Win32
// resources. The win32 build embeds the same files through tarvo.rc instead.
#include "platform/Platform.h"

namespace resources {

// The bytes embedded under this id; none when there is no such resource.
platform::ResourceBytes findEmbedded(int id);

}  // namespace resources
