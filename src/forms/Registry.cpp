// The registries the program can read: none at all, and the Windows registry on Windows.
#include "forms/Registry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fitzel {

namespace {

class NoRegistry final : public Registry {
  public:
    RegistryStatus openKey(RegistryRoot, const std::string&, std::uint32_t, std::uint32_t,
                           RegistryKey&) override {
        return kRegistryFileNotFound;
    }
    RegistryStatus queryValue(RegistryKey, const std::string&, std::uint32_t&, std::uint8_t*,
                              std::uint32_t&) override {
        return kRegistryInvalidHandle;
    }
    RegistryStatus closeKey(RegistryKey) override { return kRegistryInvalidHandle; }
};

#ifdef _WIN32
class WindowsRegistry final : public Registry {
  public:
    RegistryStatus openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& key) override {
        // The predefined roots are 32-bit values that widen with their sign into a handle.
        const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<LONG_PTR>(root));
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(rootKey, subKey.c_str(), static_cast<DWORD>(options),
                                          static_cast<REGSAM>(access), &opened);
        if (status == ERROR_SUCCESS) {
            key = reinterpret_cast<RegistryKey>(opened);
        }
        return static_cast<RegistryStatus>(status);
    }

    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = static_cast<DWORD>(size);
        const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(),
                                             nullptr, &valueType, data, &valueSize);
        type = static_cast<std::uint32_t>(valueType);
        size = static_cast<std::uint32_t>(valueSize);
        return static_cast<RegistryStatus>(status);
    }

    RegistryStatus closeKey(RegistryKey key) override {
        return static_cast<RegistryStatus>(RegCloseKey(reinterpret_cast<HKEY>(key)));
    }
};
#endif

}  // namespace

Registry& noRegistry() {
    static NoRegistry registry;
    return registry;
}

#ifdef _WIN32
Registry& windowsRegistry() {
    static WindowsRegistry registry;
    return registry;
}
#endif

Registry& systemRegistry() {
#ifdef _WIN32
    return windowsRegistry();
#else
    return noRegistry();
#endif
}

}  // namespace fitzel
