# Helpers shared by every target of the project.

set(VK_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/src)

# Warnings (errors with VK_WERROR) for our own code. The sources hold no text outside ASCII
# but in comments and in the catalogue of the program's texts (src/text/Texts.def), which the
# game turns into Shift-JIS at start-up.
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
