#include "framework/cfile.h"

bool CFile::Open(const std::string& fileName, unsigned /*flags*/) {
    Close();
    file_ = std::fopen(fileName.c_str(), "rb");
    return file_ != nullptr;
}

size_t CFile::Read(void* buffer, size_t count) {
    return file_ ? std::fread(buffer, 1, count, file_) : 0;
}

std::string CFile::ReadAll() {
    std::string bytes;
    char chunk[65536];
    size_t got;
    while ((got = Read(chunk, sizeof chunk)) > 0) bytes.append(chunk, got);
    return bytes;
}

void CFile::Close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}
