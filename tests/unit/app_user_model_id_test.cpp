#include "app/app_user_model_id.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Options = std::vector<std::string>;

struct Written {
    const char* folder;
    Options options;
    const char* base;
};

// Each group is one folder with one set of options, written in several ways.
const std::vector<std::vector<Written>> groups = {
    {{"C:\\Stuff\\Games", {"-sort", "2"}, ""},
     {"c:\\stuff\\GAMES", {"-sort", "2"}, ""},
     {"C:\\Stuff\\Games\\", {"-sort", "2"}, ""},
     {"C:/Stuff/Games/", {"-sort", "2"}, ""},
     {"C:\\Stuff\\.\\Games\\\\", {"-sort", "2"}, ""},
     {"C:\\Stuff\\Tools\\..\\Games", {"-sort", "2"}, ""},
     {"Games", {"-sort", "2"}, "C:\\Stuff"},
     {"..\\Games", {"-sort", "2"}, "C:\\Stuff\\Tools\\"},
     {"\\Stuff\\Games", {"-sort", "2"}, "C:\\Other"},
     {"\\\\?\\C:\\Stuff\\Games", {"-sort", "2"}, ""},
     {"C:\\Stuff\\Games", {"/SORT", "2"}, ""}},
    {{"C:\\", {}, ""}, {"c:", {}, ""}, {"C:/", {}, ""}, {"C:\\..", {}, ""}, {"\\", {}, "C:\\Stuff"}},
    {{"\\\\Server\\Share", {}, ""},
     {"\\\\server\\share\\", {}, ""},
     {"//server/share/x/..", {}, ""},
     {"\\\\?\\UNC\\server\\share", {}, ""}},
    {{"\\\\server\\share\\Games", {}, ""}, {"\\\\server\\share\\..\\Games", {}, ""}},
    {{"C:\\Stuff", {"-sort", "2"}, ""}},
    {{"D:\\Stuff\\Games", {"-sort", "2"}, ""}},
    {{"C:\\Stuff\\Games2", {"-sort", "2"}, ""}},
    {{"C:\\Stuff\\Games", {"-sort", "3"}, ""}},
    {{"C:\\Stuff\\Games", {}, ""}},
    {{"C:\\Stuff\\Games", {"-sort2"}, ""}},
    {{"C:\\Stuff\\Games", {"-sort", "2", "-dotitles"}, ""}},
    {{"C:\\Stuff\\Games", {"-addexplore", "Browse"}, ""}},
    {{"C:\\Stuff\\Games", {"-addexplore", "browse"}, ""}},
    {{"C:\\Stuff\\Games", {"-useinifile"}, ""}},
    {{"C:\\Stuff\\Games", {"-useinifile", "games.ini"}, ""}},
};

TEST(AppUserModelId, OneIdPerFolderAndOptionsHoweverTheFolderIsWritten) {
    std::map<std::string, size_t> groupOf;
    for (size_t group = 0; group < groups.size(); ++group) {
        const std::string id =
            trm::appUserModelId(groups[group][0].folder, groups[group][0].options, groups[group][0].base);
        for (const Written& written : groups[group])
            EXPECT_EQ(trm::appUserModelId(written.folder, written.options, written.base), id)
                << written.folder << " from " << written.base;
        const auto known = groupOf.emplace(id, group);
        EXPECT_TRUE(known.second) << groups[group][0].folder << " has the ID of "
                                  << groups[known.first->second][0].folder;

        // What the system accepts: no spaces, at most 128 characters.
        EXPECT_LE(id.size(), 128u);
        EXPECT_EQ(id.find(' '), std::string::npos) << id;
    }
}

}  // namespace
