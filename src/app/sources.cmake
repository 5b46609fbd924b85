list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/anchor_point.cpp
  ${CMAKE_CURRENT_LIST_DIR}/option_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/option_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options_file_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options_file_tokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_windows.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/host_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_path_probe.cpp
)
