// A real folder tree for the Windows tests: made under the temp folder,
// removed with everything in it afterwards.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace wintest {

class FixtureFolder {
public:
    explicit FixtureFolder(const std::string& tag) {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "trm_" + tag + "_" + std::to_string(::GetCurrentProcessId());
        removeTree(root);
        ::CreateDirectoryA(root.c_str(), nullptr);
    }
    ~FixtureFolder() { removeTree(root); }
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    std::string at(const std::string& relative) const { return root + "\\" + relative; }
    void folder(const std::string& relative) const { ::CreateDirectoryA(at(relative).c_str(), nullptr); }
    void file(const std::string& relative, const std::string& content = "x") const {
        HANDLE made = ::CreateFileA(at(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(made, INVALID_HANDLE_VALUE) << relative;
        DWORD written = 0;
        ::WriteFile(made, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        ::CloseHandle(made);
    }
    // The whole content of a file, or "" when it cannot be read.
    std::string read(const std::string& relative) const {
        HANDLE opened = ::CreateFileA(at(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return std::string();
        std::string content;
        char chunk[4096];
        DWORD got = 0;
        while (::ReadFile(opened, chunk, sizeof chunk, &got, nullptr) && got > 0) content.append(chunk, got);
        ::CloseHandle(opened);
        return content;
    }

    static void removeTree(const std::string& path) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string child = path + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(child);
                } else {
                    ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    ::DeleteFileA(child.c_str());
                }
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(path.c_str());
    }

    std::string root;
};

}  // namespace wintest
