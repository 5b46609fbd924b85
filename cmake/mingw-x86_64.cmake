# Cross build of the 64-bit Windows program: for 64-bit Windows, and the
# test vehicle where 32-bit programs cannot run.
set(TRM_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
