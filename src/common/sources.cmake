list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ascii.cpp
  ${CMAKE_CURRENT_LIST_DIR}/letter_case.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_lengths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/utf8.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/display_dpi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stage_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_text.cpp
)
