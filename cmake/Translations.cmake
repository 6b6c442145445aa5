# Translations compiled into resources under :/translations. Only lrelease runs at build time: the .ts
# files are sources the build never rewrites; <LUPDATE_TARGET> refreshes them from SCAN_DIR on request.
#   maps_add_translations(<out_var> TS <file.ts>... SCAN_DIR <dir> LUPDATE_TARGET <name> QRC <name.qrc>)
# <out_var> receives the sources (compiled translations and their resource) to add to a target.
function(maps_add_translations out_var)
    cmake_parse_arguments(ARG "" "SCAN_DIR;LUPDATE_TARGET;QRC" "TS" ${ARGN})

    qt5_add_translation(binaries ${ARG_TS})
    add_custom_target(${ARG_LUPDATE_TARGET}
        COMMAND Qt5::lupdate -locations none ${ARG_SCAN_DIR} -ts ${ARG_TS}
        COMMENT "Refreshing the translation sources from ${ARG_SCAN_DIR}"
        VERBATIM)

    set(files "")
    foreach(binary IN LISTS binaries)
        get_filename_component(name ${binary} NAME)
        string(APPEND files "    <file>${name}</file>\n")
    endforeach()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_QRC})
    file(CONFIGURE OUTPUT ${qrc} CONTENT "<RCC>\n  <qresource prefix=\"/translations\">\n${files}  </qresource>\n</RCC>\n")
    qt5_add_resources(resources ${qrc})

    set(${out_var} ${binaries} ${resources} PARENT_SCOPE)
endfunction()
