// The COM apartment of the user-interface thread for a scope: initialised
// at its start, and left at its end only when initialising succeeded. OLE
// (drag-and-drop) the same way, inside that apartment.
#pragma once

#include <objbase.h>
#include <ole2.h>

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

// DoDragDrop needs OLE, not COM alone, on the thread that calls it. Counted
// by the system: it nests in whatever the thread had already.
class OleApartment {
public:
    OleApartment() : result(::OleInitialize(nullptr)) {}
    ~OleApartment() {
        if (ready()) ::OleUninitialize();
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

    bool ready() const { return SUCCEEDED(result); }

private:
    HRESULT result;
};

}  // namespace trm
