# Sources of src/presentation: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/item_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/type_ahead.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/item_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_metrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_type_ahead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tracking_state.cpp
)
# The thread hooks installed while the root menu is tracked.
list(APPEND TRM_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/menu_hooks.cpp)
