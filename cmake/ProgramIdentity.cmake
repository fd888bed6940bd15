# How the desktop knows the program: the desktop id (the name of the desktop
# entry, the icon and the AppStream component) and the icon, drawn once as
# SVG and rendered to PNG at build time for the icon theme and the program's
# own window icon.
set(OLTOMA_DESKTOP_ID org.example.oltoma)
set(OLTOMA_ICON_SOURCE ${PROJECT_SOURCE_DIR}/packaging/icons/${OLTOMA_DESKTOP_ID}.svg)
set(OLTOMA_ICON_SIZES 16 32 48 64 128 256)
# The rendered icons, laid out as in the hicolor theme: <size>x<size>/apps/.
set(OLTOMA_ICON_BUILD_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)

find_program(OLTOMA_RSVG_CONVERT rsvg-convert)
if(NOT OLTOMA_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert renders the program's icon: install librsvg2-bin "
                        "(scripts/install-deps.sh)")
endif()

# oltoma_render_icons(<variable>): adds the build steps that render the icon
# at every size into OLTOMA_ICON_BUILD_DIR and sets <variable> to the PNGs.
function(oltoma_render_icons variable)
    set(pngs)
    foreach(size IN LISTS OLTOMA_ICON_SIZES)
        set(png ${OLTOMA_ICON_BUILD_DIR}/${size}x${size}/apps/${OLTOMA_DESKTOP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${OLTOMA_ICON_BUILD_DIR}/${size}x${size}/apps
            COMMAND ${OLTOMA_RSVG_CONVERT} --width=${size} --height=${size}
                    --output=${png} ${OLTOMA_ICON_SOURCE}
            DEPENDS ${OLTOMA_ICON_SOURCE}
            COMMENT "Rendering the icon at ${size} pixels"
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${variable} ${pngs} PARENT_SCOPE)
endfunction()
