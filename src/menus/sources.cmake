# Sources of src/menus: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
