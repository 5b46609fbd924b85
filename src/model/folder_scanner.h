// Reads the folder that is the current directory into a FolderNode: one
// entry per file that passes the filters, one unread child per sub-folder
// (or, with `onlyonemenu`, the sub-folders' files themselves), and the
// Explore and Open-all command entries.
#pragma once

#include "model/folder_node.h"
#include "model/scan_platform.h"

namespace trm {

// How many folders deep `onlyonemenu` reads below the scanned folder.
const int maxOneMenuDepth = 128;

// `node` may already hold entries; with `onlyonemenu` every sub-folder is
// read into it as well. Failures leave things out silently.
void scanFolder(FolderNode& node, ScanPlatform& platform);

}  // namespace trm
