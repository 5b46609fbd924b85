# Import libraries that load their DLL at the first call instead of at start.
# Loading shell32 and mpr with the program costs about 1 MiB of its working
# set under Wine, and a menu without icons calls neither before an item is
# picked. Every function of theirs that the program calls is listed here: the
# program is not linked with their ordinary import libraries, so a missing
# one fails the link instead of loading the DLL at start again.
# Names carry their 32-bit stdcall argument bytes, dropped for x86_64.
set(TRM_DELAYED_SHELL32 SHGetDesktopFolder@4 SHGetFileInfoA@20 SHGetMalloc@4 SHGetPathFromIDListA@8
    SHGetSpecialFolderLocation@12 ShellExecuteExA@4)
set(TRM_DELAYED_MPR WNetCloseEnum@4 WNetEnumResourceA@16 WNetOpenEnumA@20)

find_program(TRM_DLLTOOL ${TRM_MINGW_ARCH}-w64-mingw32-dlltool REQUIRED)

# trm_delay_import(DLL FUNCTIONS...): makes lib<dll>_delay.a in the build tree
# and returns its path in TRM_DELAY_LIB_<dll>.
function(trm_delay_import dll)
  set(def "${CMAKE_BINARY_DIR}/delay/${dll}.def")
  set(lib "${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a")
  set(text "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(name ${ARGN})
    if(NOT TRM_MINGW_ARCH STREQUAL i686)
      string(REGEX REPLACE "@[0-9]+$" "" name "${name}")
    endif()
    string(APPEND text "${name}\n")
  endforeach()
  file(WRITE "${def}" "${text}")
  set(kill_at)
  if(TRM_MINGW_ARCH STREQUAL i686)
    set(kill_at --kill-at)
  endif()
  execute_process(COMMAND ${TRM_DLLTOOL} ${kill_at} --input-def "${def}" --output-delaylib "${lib}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not make ${lib}")
  endif()
  set(TRM_DELAY_LIB_${dll} "${lib}" PARENT_SCOPE)
endfunction()

trm_delay_import(shell32 ${TRM_DELAYED_SHELL32})
trm_delay_import(mpr ${TRM_DELAYED_MPR})
set(TRM_DELAYED_LIBS ${TRM_DELAY_LIB_shell32} ${TRM_DELAY_LIB_mpr} delayimp)
