// Stand-in for the framework's file object: an owned read-only byte file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class CFile {
public:
    enum OpenFlags { modeRead = 0 };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    bool Open(const std::string& fileName, unsigned flags = modeRead);
    // Reads up to count bytes; returns how many were read (0 at the end).
    size_t Read(void* buffer, size_t count);
    // Reads everything from the current position on.
    std::string ReadAll();
    // The file's length in bytes, however large; 0 when unknown.
    uint64_t GetLength() const;
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};
