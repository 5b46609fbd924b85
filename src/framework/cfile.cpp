#include "framework/cfile.h"

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#endif

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

uint64_t CFile::GetLength() const {
    if (file_ == nullptr) return 0;
        // Asked of the open file itself: seeking to the end and back reports
        // lengths beyond 2 GiB wrongly where long has 32 bits.
#ifdef _WIN32
    const long long length = _filelengthi64(_fileno(file_));
#else
    struct stat info;
    const long long length = fstat(fileno(file_), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
#endif
    return length < 0 ? 0 : static_cast<uint64_t>(length);
}

void CFile::Close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}
