# Sources of src/presentation: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tracking_state.cpp
)
