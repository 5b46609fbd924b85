// A worker thread's own single-threaded COM apartment, without OLE: OLE's
// clipboard is the process's, and leaving OLE on a worker would take it
// down under the UI thread. Left only by the thread that entered it.
#pragma once

#include <objbase.h>

namespace trm {

class ThreadApartment {
public:
    ThreadApartment() : result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ThreadApartment() {
        if (SUCCEEDED(result)) ::CoUninitialize();
    }
    ThreadApartment(const ThreadApartment&) = delete;
    ThreadApartment& operator=(const ThreadApartment&) = delete;

private:
    HRESULT result;
};

}  // namespace trm
