# Cross build for 64-bit Windows with Debian's mingw-w64. The posix-threads compiler is the one whose
# libstdc++ has std::thread and std::mutex; the plain one is built for win32 threads and lacks them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QV_MINGW_TRIPLE}-windres)

# The static libjpeg and libpng that tools/win32-deps.sh builds live outside the source tree.
if(NOT QV_WIN32_DEPS)
  get_filename_component(QV_WIN32_DEPS "${CMAKE_CURRENT_LIST_DIR}/../build-win32/deps" ABSOLUTE)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QV_WIN32_DEPS)

set(CMAKE_FIND_ROOT_PATH ${QV_WIN32_DEPS} /usr/${QV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything the compiler brings is linked in, so that the executable needs only the system's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
