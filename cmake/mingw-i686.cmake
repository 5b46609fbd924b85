# Cross build of the 32-bit Windows program, the product.
set(TRM_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
