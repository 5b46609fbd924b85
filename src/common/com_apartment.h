// The COM apartment of one thread for a scope, with OLE: the clipboard and
// drag and drop of the shell's commands need more than COM. Initialised at
// the scope's start, and left at its end only when initialising succeeded.
#pragma once

#include <ole2.h>

namespace trm {

class ComApartment {
public:
    ComApartment() : result(::OleInitialize(nullptr)) {}
    ~ComApartment() {
        if (ready() && !kept) ::OleUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when OLE could not be initialised: the shell's calls then fail
    // quietly, one by one.
    bool ready() const { return SUCCEEDED(result); }

    // Not left at the end of the scope: the process ends with it still up.
    void keepToProcessEnd() { kept = true; }

private:
    HRESULT result;
    bool kept = false;
};

}  // namespace trm
