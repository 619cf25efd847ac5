# The browser build, included by the top-level CMakeLists.txt under emscripten (emcmake).
# The core modules are the same folders as on Linux, compiled from the same sources; the
# conversion of texts to Shift-JIS takes the Linux build's code page 932 table
# (VK_CP932_TABLE). libpng is compiled here from Debian's source package; zlib, FreeType, SDL
# and libzip come ready from scripts/web/libraries.sh, built from theirs. scripts/web/build.sh
# sets all of this up and packs the page.

set(VK_WEB_DEPS "" CACHE PATH "zlib, FreeType and SDL built for the browser (scripts/web/libraries.sh)")
set(VK_LIBPNG_SOURCE_DIR "" CACHE PATH "Debian's libpng source package, unpacked")
set(VK_CP932_TABLE "" CACHE FILEPATH "The Linux build's generated/Cp932Table.inc")
foreach(needed VK_WEB_DEPS VK_LIBPNG_SOURCE_DIR VK_CP932_TABLE)
    if(NOT EXISTS "${${needed}}")
        message(FATAL_ERROR "${needed} is not set: scripts/web/build.sh sets up the web build")
    endif()
endforeach()

include(cmake/Modules.cmake)
set(src ${PROJECT_SOURCE_DIR}/src)

# Options of every object: C++ exceptions carry the data file's errors, and the code is made
# small for the download.
set(vk_web_options -fexceptions)

# A module of the .cpp files in src/<dir>, with the options above.
function(vk_web_module name dir)
    vk_module(${name} ${src}/${dir} ${ARGN})
    target_compile_options(${name} PRIVATE ${vk_web_options})
endfunction()

# zlib, libpng's decompressor (and FreeType's, for compressed fonts).
add_library(vk_zlib STATIC IMPORTED)
set_target_properties(vk_zlib PROPERTIES
    IMPORTED_LOCATION ${VK_WEB_DEPS}/lib/libz.a
    INTERFACE_INCLUDE_DIRECTORIES ${VK_WEB_DEPS}/include)

# libpng: its portable C files with the stock configuration header, as in the Windows build.
set(png_dir ${VK_LIBPNG_SOURCE_DIR})
configure_file(${png_dir}/scripts/pnglibconf.h.prebuilt ${PROJECT_BINARY_DIR}/libpng/pnglibconf.h
               COPYONLY)
add_library(vk_libpng STATIC
    ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c
    ${png_dir}/pngpread.c ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c
    ${png_dir}/pngrutil.c ${png_dir}/pngset.c ${png_dir}/pngtrans.c ${png_dir}/pngwio.c
    ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c)
target_include_directories(vk_libpng SYSTEM PUBLIC ${png_dir} ${PROJECT_BINARY_DIR}/libpng)
target_link_libraries(vk_libpng PUBLIC vk_zlib)

add_library(vk_freetype_lib STATIC IMPORTED)
set_target_properties(vk_freetype_lib PROPERTIES
    IMPORTED_LOCATION ${VK_WEB_DEPS}/lib/libfreetype.a
    INTERFACE_INCLUDE_DIRECTORIES ${VK_WEB_DEPS}/include/freetype2
    INTERFACE_LINK_LIBRARIES vk_zlib)
# libzip: the mod zips, read by the game and written by the page.
add_library(vk_libzip STATIC IMPORTED)
set_target_properties(vk_libzip PROPERTIES
    IMPORTED_LOCATION ${VK_WEB_DEPS}/lib/libzip.a
    INTERFACE_INCLUDE_DIRECTORIES ${VK_WEB_DEPS}/include
    INTERFACE_LINK_LIBRARIES vk_zlib)
add_library(vk_sdl2 STATIC IMPORTED)
set_target_properties(vk_sdl2 PROPERTIES
    IMPORTED_LOCATION ${VK_WEB_DEPS}/lib/libSDL2.a
    INTERFACE_INCLUDE_DIRECTORIES ${VK_WEB_DEPS}/include)

vk_web_module(vk_files files vk_libzip)
vk_web_module(vk_gfx gfx vk_libpng vk_files)
vk_web_module(vk_sound sound vk_files)
# The C library's iconv converts the texts the page shows (errors, About).
vk_web_module(vk_text platform/iconv)
# The game's texts with the Linux build's code page 932 table, as every platform has it.
vk_web_module(vk_texts text)
get_filename_component(cp932_table_dir ${VK_CP932_TABLE} DIRECTORY)
target_include_directories(vk_texts PRIVATE ${cp932_table_dir})
vk_web_module(vk_data data vk_gfx vk_text vk_texts)
vk_web_module(vk_ui ui vk_data vk_gfx)
vk_web_module(vk_scenes scenes vk_ui vk_data)
vk_web_module(vk_app app vk_scenes vk_sound)
vk_web_module(vk_workbench workbench vk_app)
vk_web_module(vk_freetype platform/freetype vk_gfx vk_freetype_lib)

# The page's program: the web shell with the desktop shell's keys, pads and audio output.
set(web_shell_sources)
foreach(file web/WebMain.cpp web/WebShell.cpp web/WebPage.cpp web/WebDialogs.cpp
             web/WebFacts.cpp web/WebExports.cpp web/WebModZip.cpp sdl/SdlKeySource.cpp
             sdl/SdlGamepad.cpp sdl/SdlAudioOut.cpp sdl/SdlEventHandler.cpp)
    list(APPEND web_shell_sources ${src}/platform/${file})
endforeach()
add_executable(velkaros ${web_shell_sources})
vk_project_options(velkaros)
target_compile_options(velkaros PRIVATE ${vk_web_options})
target_link_libraries(velkaros PRIVATE vk_workbench vk_app vk_texts vk_freetype vk_sdl2)
# The page loads the packed game folder (velkaros.data) and sets the arguments itself; the
# program keeps running after main returns, in the browser's main loop. SDL's audio calls two
# of emscripten's JavaScript helpers, which its own build (a "port") would have added.
# (Read from a file: the names begin with "$", which the build's shell would expand.)
file(WRITE ${PROJECT_BINARY_DIR}/sdl-library-functions.json
     "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
target_link_options(velkaros PRIVATE -fexceptions -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_BINARY_DIR}/sdl-library-functions.json
    -sFORCE_FILESYSTEM=1 -sEXPORTED_RUNTIME_METHODS=FS,UTF8ToString,ccall,callMain,HEAPU8
    -sEXPORTED_FUNCTIONS=_main,_velkaros_dialog_closed,_velkaros_music_arrived,_velkaros_page_visible,_velkaros_touch_button,_velkaros_reload,_velkaros_facts,_velkaros_utf8_to_sjis,_velkaros_converted,_velkaros_unpack_mod,_velkaros_write_zip
    -sINITIAL_MEMORY=33554432)
set_target_properties(velkaros PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/game
                                          SUFFIX .js)
