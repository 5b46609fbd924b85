# Sources of src/model: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
