# Refuses an include that points up the layers or into another subsystem's
# internals. Run as a build step (target oltoma_layering in cmake/
# Layering.cmake): cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
# Each rule: a pattern of files under src/ (a folder means it and its
# subfolders), then the include prefixes those files must not use.
set(rules
    "base/text|base/time/ base/messages/ base/settings/ base/files/ base/forms/"
    "base/time|base/messages/ base/settings/ base/files/ base/forms/"
    "base/messages|base/time/ base/settings/ base/files/ base/forms/"
    "base/settings|base/files/ base/forms/"
    "base/files|base/forms/"
    "base|storage/ ol/ print/ registers/ labels/ app/ tool/"
    "platform/[^/]*$|platform/print/|base/ storage/ ol/ print/ registers/ labels/ app/ tool/"
    "storage|ol/ print/ registers/ labels/ app/ tool/"
    "ol/data/records|ol/data/files/ ol/data/maintenance/ storage/ ol/forms/ ol/reports/ ol/exchange/"
    "ol/data/files|ol/data/maintenance/ ol/forms/ ol/reports/ ol/exchange/"
    "registers/[^/]*$|registers/forms/ ol/forms/ ol/reports/ ol/exchange/ labels/ print/forms/ app/ tool/"
    "registers/forms|ol/forms/ ol/reports/ ol/exchange/ labels/ print/forms/ app/ tool/"
    "ol/reports|ol/exchange/ ol/forms/ registers/forms/ labels/forms/ print/forms/ app/ tool/"
    "ol/exchange|ol/forms/ registers/forms/ labels/forms/ print/forms/ app/ tool/"
    "print|ol/ registers/ labels/ app/ tool/"
    "labels/[^/]*$|labels/forms/ registers/forms/ print/forms/ ol/forms/ ol/reports/ ol/exchange/ app/ tool/"
    "labels/forms|print/forms/ ol/forms/ app/ tool/"
    "ol/data|ol/forms/ ol/reports/ ol/exchange/ registers/ labels/ print/ app/ tool/"
)
# Outside storage/ nothing reaches the engine's internals; outside the
# Qt folders nothing includes Qt.
set(qt_folders platform/qt base/forms registers/forms labels/forms print/forms ol/forms app)

set(failures "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include [\"<]")
    set(in_qt_folder FALSE)
    foreach(folder IN LISTS qt_folders)
        if(source MATCHES "^${folder}/")
            set(in_qt_folder TRUE)
        endif()
    endforeach()
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include [\"<]([^\">]*)[\">].*" "\\1" target "${line}")
        if(target MATCHES "^storage/internal/" AND NOT source MATCHES "^storage/")
            list(APPEND failures "${source}: ${target} (engine internals)")
        endif()
        if(target MATCHES "^Q" AND NOT in_qt_folder AND NOT source MATCHES "^tool/report")
            list(APPEND failures "${source}: ${target} (Qt outside the Qt folders)")
        endif()
        foreach(rule IN LISTS rules)
            string(REPLACE "|" ";" parts "${rule}")
            list(GET parts 0 folder)
            list(GET parts -1 forbidden)
            list(LENGTH parts count)
            math(EXPR last "${count} - 2")
            set(matched FALSE)
            foreach(i RANGE 0 ${last})
                list(GET parts ${i} pattern)
                if(source MATCHES "^${pattern}/" OR source MATCHES "^${pattern}")
                    set(matched TRUE)
                endif()
            endforeach()
            if(NOT matched OR source MATCHES "^base/forms/")
                continue()
            endif()
            string(REPLACE " " ";" forbidden "${forbidden}")
            foreach(prefix IN LISTS forbidden)
                string(FIND "${target}" "${prefix}" at)
                if(at EQUAL 0)
                    list(APPEND failures "${source}: ${target} (${folder} may not use ${prefix})")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
