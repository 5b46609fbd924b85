#include "model/network_servers.h"

#include <windows.h>
#include <winnetwk.h>

#include <vector>

#include "common/unique_handle.h"

namespace trm {

namespace {

struct CloseEnumCall {
    void operator()(HANDLE handle) const { ::WNetCloseEnum(handle); }
};
using Enumeration = UniqueHandle<HANDLE, CloseEnumCall>;

// A provider that keeps answering with nothing must not keep the menu waiting.
const int maxEmptyAnswers = 16;

}  // namespace

std::vector<std::string> listNetworkServers() {
    std::vector<std::string> servers;
    HANDLE opened = nullptr;
    if (::WNetOpenEnumA(RESOURCE_CONTEXT, RESOURCETYPE_DISK, 0, nullptr, &opened) != NO_ERROR) return servers;
    const Enumeration enumeration(opened);
    // 8-byte aligned, as the records it receives hold pointers.
    std::vector<unsigned long long> buffer(50000 / sizeof(unsigned long long));
    for (int empty = 0; empty < maxEmptyAnswers;) {
        // As many records as fit, every time: the call shrinks both values.
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof buffer[0]);
        // Anything but a batch ends the listing: ERROR_NO_MORE_ITEMS normally,
        // and an error is never asked again.
        if (::WNetEnumResourceA(enumeration.get(), &count, buffer.data(), &size) != NO_ERROR) break;
        empty = count == 0 ? empty + 1 : 0;
        const NETRESOURCEA* records = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            if (records[i].dwType == RESOURCETYPE_DISK && records[i].lpRemoteName)
                servers.push_back(records[i].lpRemoteName);
    }
    return servers;
}

}  // namespace trm
