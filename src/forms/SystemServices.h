// The few services of the system that the About window needs besides the registry.
#pragma once

#include <string>

namespace fitzel {

class SystemServices {
  public:
    virtual ~SystemServices() = default;

    // True when path names an existing file (a folder does not count).
    virtual bool fileExists(const std::string& path) = 0;

    // Starts the program at path in a window of its own, without waiting for it.
    // Returns false when it cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
};

// The services of the machine the program runs on. Paths are in the local 8-bit encoding.
SystemServices& qtSystemServices();

}  // namespace fitzel
