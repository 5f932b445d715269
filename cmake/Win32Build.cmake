# The native Windows build, cross-compiled with cmake/mingw-w64.cmake: the same descriptions, rules,
# pictures and shell as the Linux build, with toolkit/win32 in place of Qt and ALSA.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a) # static libraries only, so that no DLL beside the system's is needed
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)

include(cmake/EmbedFiles.cmake)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

file(GLOB QV_FORMS_SOURCES CONFIGURE_DEPENDS forms/*.cpp)
list(FILTER QV_FORMS_SOURCES EXCLUDE REGEX "_window\\.cpp$")
add_library(quorvane_forms STATIC ${QV_FORMS_SOURCES})
target_include_directories(quorvane_forms PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

file(GLOB QV_TOOLKIT_SOURCES CONFIGURE_DEPENDS toolkit/*.cpp)
list(FILTER QV_TOOLKIT_SOURCES EXCLUDE REGEX "/alsa_[^/]*\\.cpp$")
add_library(quorvane_toolkit STATIC ${QV_TOOLKIT_SOURCES})
target_link_libraries(quorvane_toolkit PUBLIC quorvane_forms JPEG::JPEG PNG::PNG ZLIB::ZLIB)

file(GLOB QV_WIN32_SOURCES CONFIGURE_DEPENDS toolkit/win32/*.cpp)
list(FILTER QV_WIN32_SOURCES EXCLUDE REGEX "/entry\\.cpp$")
add_library(quorvane_win32 STATIC ${QV_WIN32_SOURCES})
target_link_libraries(quorvane_win32 PUBLIC quorvane_toolkit user32 gdi32 winmm)
add_library(quorvane_win32_entry OBJECT toolkit/win32/entry.cpp)
target_include_directories(quorvane_win32_entry PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

qv_embed_files(quorvane_artwork NAMESPACE assets
  FILES assets/background.jpg assets/button.png assets/quorvane.ico)
file(GLOB QV_WINDOW_SOURCES CONFIGURE_DEPENDS forms/*_window.cpp)
add_library(quorvane_app STATIC app/shell.cpp app/windows.cpp ${QV_WINDOW_SOURCES})
target_link_libraries(quorvane_app PUBLIC quorvane_win32 quorvane_artwork)

# The icon and version resources, compiled for Chinese (PRC).
set(QV_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/quorvane_res.o)
add_custom_command(OUTPUT ${QV_RESOURCES}
  COMMAND ${CMAKE_RC_COMPILER} -l 0x0804 -I ${CMAKE_CURRENT_SOURCE_DIR}/assets -O coff
          -i ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/win32/quorvane.rc -o ${QV_RESOURCES}
  DEPENDS toolkit/win32/quorvane.rc assets/quorvane.ico
  VERBATIM)

add_executable(quorvane WIN32 app/main.cpp $<TARGET_OBJECTS:quorvane_win32_entry> ${QV_RESOURCES})
target_link_libraries(quorvane PRIVATE quorvane_app)
target_link_options(quorvane PRIVATE -municode -mwindows $<$<CONFIG:Release>:-s>)

# Checks run inside a Windows process (under Wine on Linux): a console program of its own.
file(GLOB QV_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/inprocess/*.cpp)
if(QV_WIN32_TEST_SOURCES)
  add_executable(quorvane_win32_tests ${QV_WIN32_TEST_SOURCES})
  target_link_libraries(quorvane_win32_tests PRIVATE quorvane_app)
  target_link_options(quorvane_win32_tests PRIVATE -municode -mconsole)
endif()

# The program's start with descriptions that cannot be read, for the test of the fatal path.
add_executable(quorvane_fatal_start WIN32 tests/win32/fatal_start.cpp $<TARGET_OBJECTS:quorvane_win32_entry>
  ${QV_RESOURCES})
target_link_libraries(quorvane_fatal_start PRIVATE quorvane_app)
target_link_options(quorvane_fatal_start PRIVATE -municode -mwindows)
