#include "common/user_registry.h"

#include "common/kernel_handles.h"

namespace trm {

namespace {

// Reads into `buffer`; the type the value has, or REG_NONE when it is not there.
DWORD readUserValue(const char* key, const char* name, void* buffer, DWORD size) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return REG_NONE;
    const RegistryKey held(opened);
    DWORD type = REG_NONE;
    if (::RegQueryValueExA(held.get(), name, nullptr, &type, static_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return REG_NONE;
    return type;
}

}  // namespace

bool readUserText(const char* key, const char* name, std::string& text) {
    char value[512] = {};
    // Room for the terminator the value may lack.
    const DWORD type = readUserValue(key, name, value, sizeof value - 1);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    text = value;
    return true;
}

bool readUserDword(const char* key, const char* name, DWORD& value) {
    DWORD read = 0;
    if (readUserValue(key, name, &read, sizeof read) != REG_DWORD) return false;
    value = read;
    return true;
}

}  // namespace trm
