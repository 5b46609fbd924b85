# Sources of src/menus: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/menu_item_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_system_metrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/owner_draw_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_menus.cpp
)

# The builder's rules (titles, name lists, Open all).
list(APPEND TRM_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/menu_rules.cpp)
# The builder and the teardown of a run's menus.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/late_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_builder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_teardown.cpp
)
# Pictures of files: the loader's rules, and the loader.
list(APPEND TRM_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_path.cpp ${CMAKE_CURRENT_LIST_DIR}/picture_header.cpp)
list(APPEND TRM_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture.cpp ${CMAKE_CURRENT_LIST_DIR}/picture_worker.cpp)
