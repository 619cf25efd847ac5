# Helpers shared by every target of the project.

# Where the game's sources are read from: src/, or for the browser build its copy with the
# texts already in code page 932 (src/platform/web/WebBuild.cmake).
if(NOT VK_SOURCE_ROOT)
    set(VK_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/src)
endif()

# Warnings (errors with VK_WERROR) and the execution character set for our own code. Every string literal in the
# sources is written in UTF-8 and stored in the program as Shift-JIS (code page 932), the
# encoding of every game text.
function(vk_project_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
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

# The game's texts (src/text), with the code page 932 table `table` that the native build
# writes (tools/cp932table); cross builds pass the native build's file.
function(vk_text_module name table)
    vk_module(${name} ${VK_SOURCE_ROOT}/text)
    get_filename_component(table_dir ${table} DIRECTORY)
    target_include_directories(${name} PRIVATE ${table_dir})
endfunction()

# A test program made of every .cpp in a tests/ folder, registered with CTest.
function(vk_test name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    vk_project_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        VK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VK_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
