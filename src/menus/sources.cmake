# Sources of src/menus: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/menu_item_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/owner_draw_menu.cpp
)
