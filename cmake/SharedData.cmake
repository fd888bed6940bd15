# Files the programs read at run time (anything they ship besides code) live
# in a folder "share/oltoma" that the programs find relative to their own
# executable (platform/shared_data.h): <prefix>/share/oltoma beside
# <prefix>/bin when installed, build/share/oltoma in the build tree.
#
#   oltoma_shared_data(<file> [SUBFOLDER <folder>])
#
# puts one file there: a file of the source tree (relative to the calling
# CMakeLists.txt) is copied into the build tree's folder at configure time
# (and again whenever it changes); a file a build step generates is written
# by that step straight into ${OLTOMA_SHARED_DATA_BUILD_DIR}[/<folder>] and
# named here with its full path, so only its install rule is added. Both are
# installed into <prefix>/share/oltoma[/<folder>].
set(OLTOMA_SHARED_DATA_BUILD_DIR ${PROJECT_BINARY_DIR}/share/oltoma)
set(OLTOMA_SHARED_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/oltoma)
file(MAKE_DIRECTORY ${OLTOMA_SHARED_DATA_BUILD_DIR})

function(oltoma_shared_data file)
    cmake_parse_arguments(ARG "" "SUBFOLDER" "" ${ARGN})
    set(build_dir ${OLTOMA_SHARED_DATA_BUILD_DIR})
    set(install_dir ${OLTOMA_SHARED_DATA_INSTALL_DIR})
    if(ARG_SUBFOLDER)
        string(APPEND build_dir /${ARG_SUBFOLDER})
        string(APPEND install_dir /${ARG_SUBFOLDER})
    endif()
    get_filename_component(path ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME)
    cmake_path(IS_PREFIX OLTOMA_SHARED_DATA_BUILD_DIR ${path} NORMALIZE generated)
    if(NOT generated)
        configure_file(${path} ${build_dir}/${name} COPYONLY)
    endif()
    install(FILES ${build_dir}/${name} DESTINATION ${install_dir})
endfunction()
