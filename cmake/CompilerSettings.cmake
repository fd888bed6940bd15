# Warnings and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(OLTOMA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(OLTOMA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "OLTOMA_FUZZ needs clang (configure with CXX=clang++-14)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# oltoma_add_library(NAME SOURCES...): a static library whose headers are
# included from src/ as "subsystem/file.h".
function(oltoma_add_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
