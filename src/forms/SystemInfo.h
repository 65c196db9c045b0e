// System Info: finding the system-information program through the registry, and starting it.
#pragma once

#include "forms/Registry.h"
#include "forms/SystemServices.h"
#include "platform/Platform.h"

namespace fitzel {

// Starts the program the registry names (its full path first, else MSINFO32.EXE in the folder
// it names), without waiting for it. The fault, in words, when no such program is registered,
// when a registry value is broken, or when the program cannot be started. Every key opened is
// closed again.
Fault startSystemInfo(Registry& registry, SystemServices& services);

}  // namespace fitzel
