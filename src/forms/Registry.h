// The system registry as the About window reads it: open a key, read one value, close the key.
//
// Shaped after the Windows calls RegOpenKeyExA, RegQueryValueExA and RegCloseKey, so that the
// window's lookup can run unchanged against the real registry, against none, or against a fake.
#pragma once

#include <cstdint>
#include <string>

namespace fitzel {

// A predefined root key, as the 32-bit handle value the registry gives it.
using RegistryRoot = std::int32_t;
inline constexpr RegistryRoot kHKeyLocalMachine = static_cast<RegistryRoot>(0x80000002u);

// An open key; 0 is no key.
using RegistryKey = std::uintptr_t;

// Status codes: 0 is success, anything else a system error code.
using RegistryStatus = std::int32_t;
inline constexpr RegistryStatus kRegistrySuccess = 0;
inline constexpr RegistryStatus kRegistryFileNotFound = 2;
inline constexpr RegistryStatus kRegistryInvalidHandle = 6;
inline constexpr RegistryStatus kRegistryMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;     // text
inline constexpr std::uint32_t kRegDword = 4;  // 32-bit number, lowest byte first

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens subKey below root with the given options and access mask. On success returns 0
    // and sets key; otherwise returns the error and leaves key as it was.
    virtual RegistryStatus openKey(RegistryRoot root, const std::string& subKey,
                                   std::uint32_t options, std::uint32_t access,
                                   RegistryKey& key) = 0;

    // Reads the value valueName of an open key into data. On entry size is the buffer's size
    // in bytes; on success it is the number of bytes written and type the value's type. A
    // value that does not fit returns kRegistryMoreData.
    virtual RegistryStatus queryValue(RegistryKey key, const std::string& valueName,
                                      std::uint32_t& type, std::uint8_t* data,
                                      std::uint32_t& size) = 0;

    virtual RegistryStatus closeKey(RegistryKey key) = 0;
};

// For a platform without a registry: every key is missing.
Registry& noRegistry();

#ifdef _WIN32
// The Windows registry.
Registry& windowsRegistry();
#endif

// The registry of the platform the program runs on: the Windows registry on Windows,
// otherwise noRegistry().
Registry& systemRegistry();

}  // namespace fitzel
