#include "model/network_servers.h"

#include <windows.h>
#include <winnetwk.h>

#include <vector>

namespace trm {

namespace {

class Enumeration {
public:
    Enumeration() {
        if (::WNetOpenEnumA(RESOURCE_CONTEXT, RESOURCETYPE_DISK, 0, nullptr, &handle) != NO_ERROR) handle = nullptr;
    }
    ~Enumeration() {
        if (handle) ::WNetCloseEnum(handle);
    }
    Enumeration(const Enumeration&) = delete;
    Enumeration& operator=(const Enumeration&) = delete;
    HANDLE handle = nullptr;
};

// A provider that keeps answering with nothing must not keep the menu waiting.
const int maxEmptyAnswers = 16;

}  // namespace

std::vector<std::string> listNetworkServers() {
    std::vector<std::string> servers;
    Enumeration enumeration;
    if (!enumeration.handle) return servers;
    // 8-byte aligned, as the records it receives hold pointers.
    std::vector<unsigned long long> buffer(50000 / sizeof(unsigned long long));
    for (int empty = 0; empty < maxEmptyAnswers;) {
        // As many records as fit, every time: the call shrinks both values.
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof buffer[0]);
        // Anything but a batch ends the listing: ERROR_NO_MORE_ITEMS normally,
        // and an error is never asked again.
        if (::WNetEnumResourceA(enumeration.handle, &count, buffer.data(), &size) != NO_ERROR) break;
        empty = count == 0 ? empty + 1 : 0;
        const NETRESOURCEA* records = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            if (records[i].dwType == RESOURCETYPE_DISK && records[i].lpRemoteName)
                servers.push_back(records[i].lpRemoteName);
    }
    return servers;
}

}  // namespace trm
