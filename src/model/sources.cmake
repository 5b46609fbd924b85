# Sources of src/model: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/entry_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_node.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_scanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon_size_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/node_pool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ordering.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_rules.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/win_scan_platform.cpp
)
# Shell icons, their cache and their service; shortcuts.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/folder_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon_service.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon_worker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sized_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_shortcut_platform.cpp
)
