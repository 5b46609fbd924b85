// Releases what a popup run built: its menus first, sub-menus before the
// menus that hold them (each menu's records leave the registry before its
// native menu goes), then the folders below the root with their entries
// and pictures, whose names the menus' items borrowed.
#pragma once

namespace trm {

struct FolderNode;
class RunMenus;

// Every menu of the run and every sub-folder gone, the root's entries
// released and cleared. The root node itself stays, emptied.
void tearDownRun(RunMenus& menus, FolderNode& root);

}  // namespace trm
