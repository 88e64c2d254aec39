# What the desktop program needs on Windows, where it is built against a static Qt of its own
# (scripts/build-qt-windows): the plugins a static Qt must be told to link, the SVG icons drawn into PNGs
# (that Qt has no QtSvg), and the .exe's icon and version resource.

# kv310_import_qt_plugins(target...): the Windows platform for real windows, the offscreen platform for the
# tests and the command line's PDF printing. (Printing to the system's printers is part of QtPrintSupport
# itself on Windows; the desktop program adds the native style.) Nothing to do where Qt is shared.
function(kv310_import_qt_plugins)
    if(NOT WIN32)
        return()
    endif()
    foreach(target ${ARGN})
        qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
    endforeach()
endfunction()

if(NOT WIN32)
    return()
endif()

find_program(KV310_RSVG_CONVERT rsvg-convert)
find_program(KV310_ICOTOOL icotool)
if(NOT KV310_RSVG_CONVERT OR NOT KV310_ICOTOOL)
    message(FATAL_ERROR "The Windows build draws its icons with rsvg-convert and icotool: "
                        "install the packages librsvg2-bin and icoutils (scripts/build-windows does).")
endif()

# Each icon as a PNG under the SVG's resource name: the code keeps asking for ":/icons/new.svg", and Qt's
# image reader recognises the PNG by its contents.
set(KV310_ICON_DIR ${CMAKE_BINARY_DIR}/generated/icons)
file(GLOB kv310_svg_icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/*.svg)
set(qrc_entries "")
set(kv310_png_icons "")
foreach(svg ${kv310_svg_icons})
    get_filename_component(name ${svg} NAME_WE)
    set(png ${KV310_ICON_DIR}/${name}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${KV310_ICON_DIR}
        COMMAND ${KV310_RSVG_CONVERT} -w 64 -h 64 -o ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
    list(APPEND kv310_png_icons ${png})
    string(APPEND qrc_entries "        <file alias=\"icons/${name}.svg\">icons/${name}.png</file>\n")
endforeach()
set(KV310_ICONS_QRC ${CMAKE_BINARY_DIR}/generated/kv310.qrc)
file(CONFIGURE OUTPUT ${KV310_ICONS_QRC} CONTENT
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n${qrc_entries}    </qresource>\n</RCC>\n")

# The .exe's own icon, in the sizes Explorer and the Start menu ask for.
set(KV310_APP_ICON ${CMAKE_BINARY_DIR}/generated/kv310.ico)
set(app_icon_commands "")
set(app_icon_pngs "")
foreach(size 16 32 48 256)
    list(APPEND app_icon_commands COMMAND ${KV310_RSVG_CONVERT} -w ${size} -h ${size}
         -o ${KV310_APP_ICON}-${size}.png ${PROJECT_SOURCE_DIR}/resources/icons/radio.svg)
    list(APPEND app_icon_pngs ${KV310_APP_ICON}-${size}.png)
endforeach()
add_custom_command(OUTPUT ${KV310_APP_ICON}
    ${app_icon_commands}
    COMMAND ${KV310_ICOTOOL} -c -o ${KV310_APP_ICON} ${app_icon_pngs}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/radio.svg
    VERBATIM)

# Drawn before anything that packs them (the commands above belong to this folder, the targets to others).
add_custom_target(kv310_icons DEPENDS ${kv310_png_icons} ${KV310_APP_ICON})

# kv310_windows_resource(target description): icon and version resource (FileVersion from the project).
function(kv310_windows_resource target description)
    set(KV310_RC_DESCRIPTION "${description}")
    set(KV310_RC_NAME ${target})
    set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/kv310.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${KV310_APP_ICON})
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} kv310_icons)
endfunction()
