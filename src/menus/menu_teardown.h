// Releases what a popup run built: menus bottom-up (each menu's records
// leave the registry before its native menu goes), then the nodes with
// their entries and pictures.
#pragma once

#include "model/folder_node.h"

namespace trm {

// Destroys the menus of the folder and of every folder below it and frees
// the sub-folder nodes; the folder's own entries stay.
void destroyMenuTree(FolderNode& folder);

// The end of a run for the root: every menu and sub-folder gone, the root's
// entries released and cleared. The root node itself stays, emptied.
void tearDownRoot(FolderNode& root);

}  // namespace trm
