list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/option_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options_file_tokenizer.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/launcher_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_path_probe.cpp
)
