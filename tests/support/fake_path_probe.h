// A file system of named directories for the option parser's tests.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/path_probe.h"

class FakePathProbe : public trm::PathProbe {
public:
    std::set<std::string> directories;
    std::set<std::string> unenterable;  // folders that exist but cannot be made current
    std::string current = "C:\\Start";
    std::vector<std::string> changes;

    bool isExistingDirectory(const std::string& path) override { return directories.count(path) != 0; }
    std::string currentDirectory() override { return current; }
    bool setCurrentDirectory(const std::string& path) override {
        if (unenterable.count(path) != 0) return false;
        changes.push_back(path);
        current = path;
        return true;
    }
};
