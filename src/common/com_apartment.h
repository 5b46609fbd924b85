// The COM apartment of the user-interface thread for a scope: initialised
// at its start, and left at its end only when initialising succeeded.
#pragma once

#include <objbase.h>

namespace trm {

class ComApartment {
public:
    ComApartment() : result(::CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (ready()) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when COM could not be initialised: the shell's calls then fail
    // quietly, one by one.
    bool ready() const { return SUCCEEDED(result); }

private:
    HRESULT result;
};

}  // namespace trm
