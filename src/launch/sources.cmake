list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/error_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launch_policy.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/item_drag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_launcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_thread_wait.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_context_menu.cpp
)
