# Import libraries that load their DLL at the first call instead of at start.
# Loading shell32 with the program costs about 1 MiB of its working set
# under Wine, and a menu without icons does not call it before an item is
# picked (on Windows the taskbar identity loads it by name at every start:
# app/taskbar_identity.cpp). Every function of it that the program calls is
# listed here.
# The toolchain also links the ordinary shell32 import library by default, so
# a function missing here would load shell32 at start again: the import check
# (tests/build/check_imports.py) fails the build's tests when it does.
# Names carry their 32-bit stdcall argument bytes, dropped for x86_64.
set(TRM_DELAYED_SHELL32 ExtractIconExW@20 SHBindToParent@16 SHGetDesktopFolder@4 SHGetFileInfoA@20 SHGetFileInfoW@20
    SHGetFolderPathW@20 SHGetMalloc@4 SHGetPathFromIDListA@8 SHGetSpecialFolderLocation@12 SHParseDisplayName@20
    ShellExecuteExA@4)

find_program(TRM_DLLTOOL ${TRM_MINGW_ARCH}-w64-mingw32-dlltool REQUIRED)

# The link names of a function: its stub and its address slot, decorated as
# the architecture's C compiler does.
function(trm_link_name out name)
  if(TRM_MINGW_ARCH STREQUAL i686)
    set(${out} "_${name}" PARENT_SCOPE)
  else()
    string(REGEX REPLACE "@[0-9]+$" "" name "${name}")
    set(${out} "${name}" PARENT_SCOPE)
  endif()
endfunction()

# trm_delay_import(DLL FUNCTIONS...): makes lib<dll>_delay.a in the build tree
# and returns its path in TRM_DELAY_LIB_<dll>, and adds a link option per
# function to TRM_DELAY_LINK_OPTIONS.
function(trm_delay_import dll)
  set(dir "${CMAKE_BINARY_DIR}/delay")
  file(MAKE_DIRECTORY "${dir}")
  set(text "LIBRARY ${dll}.dll\nEXPORTS\n")
  set(options ${TRM_DELAY_LINK_OPTIONS})
  foreach(name ${ARGN})
    trm_link_name(link_name "${name}")
    # The program calls through the address slot alone (the headers declare
    # these functions dllimport), and i686 ld then drops the stub's code as
    # it would an unused jump of an ordinary import library. But a delay
    # slot points at that code, the part that loads the DLL: without it the
    # slot stays 0 and the first call jumps there. Requiring the stub keeps
    # it, and fails the link when a decorated name is wrong.
    list(APPEND options "LINKER:--require-defined=${link_name}")
    if(NOT TRM_MINGW_ARCH STREQUAL i686)
      string(REGEX REPLACE "@[0-9]+$" "" name "${name}")
    endif()
    string(APPEND text "${name}\n")
  endforeach()
  file(WRITE "${dir}/${dll}.def" "${text}")
  set(kill_at)
  if(TRM_MINGW_ARCH STREQUAL i686)
    set(kill_at --kill-at)
  endif()
  # Made inside its folder: dlltool names the library's symbols after the
  # output path, and a relative one keeps the build tree's path out of the
  # executable.
  execute_process(COMMAND ${TRM_DLLTOOL} ${kill_at} --input-def ${dll}.def --output-delaylib lib${dll}_delay.a
                  WORKING_DIRECTORY "${dir}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not make ${dir}/lib${dll}_delay.a")
  endif()
  set(TRM_DELAY_LIB_${dll} "${dir}/lib${dll}_delay.a" PARENT_SCOPE)
  set(TRM_DELAY_LINK_OPTIONS ${options} PARENT_SCOPE)
endfunction()

set(TRM_DELAY_LINK_OPTIONS)
trm_delay_import(shell32 ${TRM_DELAYED_SHELL32})
set(TRM_DELAYED_LIBS ${TRM_DELAY_LIB_shell32} delayimp)
