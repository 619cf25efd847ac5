# The native Windows build, included by the top-level CMakeLists.txt when cross-building with
# cmake/mingw-w64-x86_64.cmake. The core modules are the same folders as on Linux; the shell is
# this folder (GDI text, waveOut, Win32 window and dialogs). libpng is compiled here from
# Debian's own source package, libzip by scripts/windows/build.sh from Debian's; zlib is
# Debian's mingw-w64 build. The game's content is not
# built here: scripts/windows/build.sh copies it from the Linux build's game folder.

set(VK_LIBPNG_SOURCE_DIR "" CACHE PATH
    "Debian's libpng source package, unpacked (apt-get source libpng1.6)")
if(NOT EXISTS "${VK_LIBPNG_SOURCE_DIR}/png.c")
    message(FATAL_ERROR "VK_LIBPNG_SOURCE_DIR must name the unpacked libpng source "
                        "(scripts/windows/build.sh fetches it)")
endif()
set(VK_CP932_TABLE "" CACHE FILEPATH "The Linux build's generated/Cp932Table.inc")
if(NOT EXISTS "${VK_CP932_TABLE}")
    message(FATAL_ERROR "VK_CP932_TABLE must name the Linux build's code page 932 table "
                        "(scripts/windows/build.sh builds it)")
endif()

set(VK_LIBZIP_DIR "" CACHE PATH
    "libzip built for Windows from Debian's source package (scripts/windows/build.sh builds it)")
if(NOT EXISTS "${VK_LIBZIP_DIR}/lib/libzip.a")
    message(FATAL_ERROR "VK_LIBZIP_DIR must name libzip built for Windows "
                        "(scripts/windows/build.sh builds it)")
endif()

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

# libzip, static: ZIP_STATIC keeps its header from asking for a DLL.
add_library(vk_libzip STATIC IMPORTED)
set_target_properties(vk_libzip PROPERTIES
    IMPORTED_LOCATION ${VK_LIBZIP_DIR}/lib/libzip.a
    INTERFACE_INCLUDE_DIRECTORIES ${VK_LIBZIP_DIR}/include
    INTERFACE_COMPILE_DEFINITIONS ZIP_STATIC
    INTERFACE_LINK_LIBRARIES "ZLIB::ZLIB;advapi32")

# libpng: its portable C files with the stock configuration header.
set(png_dir ${VK_LIBPNG_SOURCE_DIR})
configure_file(${png_dir}/scripts/pnglibconf.h.prebuilt ${PROJECT_BINARY_DIR}/libpng/pnglibconf.h
               COPYONLY)
add_library(vk_libpng STATIC
    ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c
    ${png_dir}/pngpread.c ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c
    ${png_dir}/pngrutil.c ${png_dir}/pngset.c ${png_dir}/pngtrans.c ${png_dir}/pngwio.c
    ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c)
target_include_directories(vk_libpng SYSTEM PUBLIC ${png_dir} ${PROJECT_BINARY_DIR}/libpng)
target_link_libraries(vk_libpng PUBLIC ZLIB::ZLIB)
add_library(PNG::PNG ALIAS vk_libpng)

set(src ${PROJECT_SOURCE_DIR}/src)
vk_module(vk_files ${src}/files vk_libzip vk_texts)
vk_module(vk_gfx ${src}/gfx PNG::PNG vk_files)
vk_module(vk_sound ${src}/sound vk_files)
# The core's text conversion from this shell's folder (Windows' own code page 932).
set(win32_dir ${src}/platform/win32)
add_library(vk_text STATIC ${win32_dir}/Win32TextEncoding.cpp)
vk_project_options(vk_text)
vk_text_module(vk_texts ${VK_CP932_TABLE})
vk_module(vk_data ${src}/data vk_gfx vk_text vk_texts)
vk_module(vk_ui ${src}/ui vk_data vk_gfx)
vk_module(vk_scenes ${src}/scenes vk_ui vk_data)
vk_module(vk_app ${src}/app vk_scenes vk_sound)

# The shell's classes in a library (tested under Wine), the entry point and the resources in
# the executable.
enable_language(RC)
file(GLOB win32_sources CONFIGURE_DEPENDS ${win32_dir}/*.cpp)
list(REMOVE_ITEM win32_sources ${win32_dir}/WinMain.cpp ${win32_dir}/Win32TextEncoding.cpp)
add_library(vk_win32 STATIC ${win32_sources})
vk_project_options(vk_win32)
target_link_libraries(vk_win32 PUBLIC vk_app gdi32 user32 winmm)

add_executable(velkaros WIN32 ${win32_dir}/WinMain.cpp ${win32_dir}/velkaros.rc)
vk_project_options(velkaros)
target_link_libraries(velkaros PRIVATE vk_win32)
set_target_properties(velkaros PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/game)

if(VK_BUILD_TESTS)
    enable_testing()
    # GoogleTest from Debian's libgtest-dev sources, built for Windows.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest ${PROJECT_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL)

    # Test programs run under Wine, in the build directory's own Wine prefix.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh ${PROJECT_BINARY_DIR}/wineprefix)

    # A test program of the .cpp files in tests/<dir>, except the named ones (those need the
    # FreeType text of the Linux shells).
    function(vk_windows_test name dir)
        cmake_parse_arguments(arg "" "" "EXCLUDE;LIBRARIES" ${ARGN})
        file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp)
        foreach(excluded IN LISTS arg_EXCLUDE)
            list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/tests/${dir}/${excluded})
        endforeach()
        if(NOT sources)
            return()
        endif()
        add_executable(${name} ${sources})
        vk_project_options(${name})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
        target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} gtest gtest_main)
        target_compile_definitions(${name} PRIVATE
            VK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VK_BINARY_DIR="${PROJECT_BINARY_DIR}")
        add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
        set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    endfunction()

    vk_windows_test(test_gfx gfx LIBRARIES vk_gfx)
    vk_windows_test(test_sound sound LIBRARIES vk_sound)
    vk_windows_test(test_data data LIBRARIES vk_data)
    vk_windows_test(test_text text EXCLUDE Utf8ToSjisIconvTest.cpp LIBRARIES vk_texts)
    vk_windows_test(test_ui ui EXCLUDE GalleryGoldenTest.cpp LIBRARIES vk_ui)
    vk_windows_test(test_scenes scenes LIBRARIES vk_app)
    vk_windows_test(test_app app EXCLUDE HeadlessShellTest.cpp ScriptedKeySourceTest.cpp
                    PictureBudgetRunTest.cpp
                    LIBRARIES vk_app)
    vk_windows_test(test_win32 win32 LIBRARIES vk_win32 version)
    # The shell's tests read the executable's own menu and version record. They run again as on
    # a Windows outside Japan (ANSI code page 1252), where the shell's Japanese texts must still
    # read right. Not side by side: the boxes one opens take the focus, and the key state with
    # it, from the other's key test.
    if(TARGET test_win32)
        target_sources(test_win32 PRIVATE ${win32_dir}/velkaros.rc)
        add_test(NAME test_win32_cp1252 COMMAND test_win32 WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
        set_tests_properties(test_win32_cp1252 PROPERTIES TIMEOUT 300
                             ENVIRONMENT VK_WINE_LOCALE=C.UTF-8)
        set_tests_properties(test_win32 test_win32_cp1252 PROPERTIES RESOURCE_LOCK wine_desktop)
    endif()
endif()
