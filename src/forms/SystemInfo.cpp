// System Info: reading where the registry says the system-information program is, and starting
// it from there.
#include "forms/SystemInfo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace fitzel {
namespace {

// Where the system-information program is registered: first its full path, then its folder.
const std::string kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kSysInfoValue = "PATH";
const std::string kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kSysInfoFolderValue = "MSINFO";
const std::string kSysInfoFile = "MSINFO32.EXE";
#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

// The access the registry keys are opened with.
constexpr std::uint32_t kKeyAccess = 0x2003F;
constexpr std::uint32_t kValueBufferSize = 1024;

std::string hexByte(std::uint8_t byte) {
    static const char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0xF]};
}

// Reads value SubKeyRef of key KeyName below KeyRoot: no value, and no fault, when the key or
// the value cannot be read. A text value is taken in full, less one closing zero byte. A number
// value is written as "&h" followed by the value's bytes in hexadecimal, two digits each, from
// the last to the first (after the same closing-zero cut). A value of any other type reads as
// an empty text. The fault when the registry reports a size of 0 or more than the buffer. The
// key is closed again, even when it could not be opened.
Read<std::optional<std::string>> GetKeyValue(Registry& registry, RegistryRoot KeyRoot,
                                             const std::string& KeyName,
                                             const std::string& SubKeyRef) {
    RegistryKey hKey = 0;
    if (registry.openKey(KeyRoot, KeyName, 0, kKeyAccess, hKey) != kRegistrySuccess) {
        registry.closeKey(hKey);
        return {};
    }

    std::array<std::uint8_t, kValueBufferSize> tmpVal{};
    std::uint32_t KeyValSize = kValueBufferSize;
    std::uint32_t KeyValType = 0;
    const RegistryStatus status =
        registry.queryValue(hKey, SubKeyRef, KeyValType, tmpVal.data(), KeyValSize);
    registry.closeKey(hKey);
    if (status != kRegistrySuccess) {
        return {};
    }

    // The last byte written is at position KeyValSize, counting from 1; there must be one.
    if (KeyValSize == 0 || KeyValSize > kValueBufferSize) {
        return {std::nullopt, "The registry value's size is outside its buffer."};
    }
    const std::size_t kept = tmpVal[KeyValSize - 1] == 0 ? KeyValSize - 1 : KeyValSize;
    const std::string value(reinterpret_cast<const char*>(tmpVal.data()), kept);

    std::string KeyVal;
    if (KeyValType == kRegSz) {
        KeyVal = value;
    } else if (KeyValType == kRegDword) {
        KeyVal = "&h";
        for (std::size_t i = value.size(); i > 0; --i) {
            KeyVal += hexByte(static_cast<std::uint8_t>(value[i - 1]));
        }
    }
    return {KeyVal, std::nullopt};
}

}  // namespace

Fault startSystemInfo(Registry& registry, SystemServices& services) {
    const Read<std::optional<std::string>> path =
        GetKeyValue(registry, kHKeyLocalMachine, kSysInfoKey, kSysInfoValue);
    if (path.fault) {
        return path.fault;
    }
    std::string program;
    if (path.value) {
        program = *path.value;
    } else {
        const Read<std::optional<std::string>> folder =
            GetKeyValue(registry, kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue);
        if (folder.fault) {
            return folder.fault;
        }
        if (!folder.value) {
            return "System Information is not registered.";
        }
        program = *folder.value + kFolderSeparator + kSysInfoFile;
        if (!services.fileExists(program)) {
            return "System Information is not in the folder registered for it.";
        }
    }
    if (!services.startProgram(program)) {
        return "System Information cannot be started.";
    }
    return std::nullopt;
}

}  // namespace fitzel
