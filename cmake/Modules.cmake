# Helpers shared by every target of the project.

set(VK_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/src)

# Warnings (errors with VK_WERROR) for our own code. The sources hold no text outside ASCII
# but comments: the program's texts are in the catalogue (vk_texts_module).
function(vk_project_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_include_directories(${target} PUBLIC ${VK_SOURCE_ROOT})
endfunction()

# A core module: one static library made of every .cpp in its folder.
function(vk_module name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        vk_project_options(${name})
        target_link_libraries(${name} PUBLIC ${ARGN})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${VK_SOURCE_ROOT})
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

# A test program made of every .cpp in a tests/ folder, registered with CTest.
function(vk_test name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    # Every test may write the game's texts in UTF-8 (tests/SjisText.h).
    add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/SjisText.cpp)
    vk_project_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        VK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VK_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()

# vk_texts: the program's texts (src/text/Texts.def, UTF-8) compiled from the copy in which
# vk_sjis_literals has stored them as Shift-JIS, with the rest of src/text/. The tool is the one
# this build makes, or for a cross build the host's, named by VK_SJIS_LITERALS (the Linux
# build's tools/vk_sjis_literals).
function(vk_texts_module)
    set(def ${VK_SOURCE_ROOT}/text/Texts.def)
    set(out ${PROJECT_BINARY_DIR}/generated/text/TextsSjis.def)
    if(CMAKE_CROSSCOMPILING)
        set(VK_SJIS_LITERALS "" CACHE FILEPATH "The host build's vk_sjis_literals")
        if(NOT EXISTS "${VK_SJIS_LITERALS}")
            message(FATAL_ERROR "VK_SJIS_LITERALS must name the Linux build's vk_sjis_literals "
                                "(the build scripts of the Windows and browser builds set it)")
        endif()
        set(tool ${VK_SJIS_LITERALS})
    else()
        set(tool vk_sjis_literals)
    endif()
    add_custom_command(OUTPUT ${out} COMMAND ${tool} ${def} ${out} DEPENDS ${def} ${tool}
                       COMMENT "Storing the program's texts as Shift-JIS" VERBATIM)
    vk_module(vk_texts ${VK_SOURCE_ROOT}/text ${ARGN})
    target_sources(vk_texts PRIVATE ${out})
    target_include_directories(vk_texts PRIVATE ${PROJECT_BINARY_DIR}/generated)
endfunction()
