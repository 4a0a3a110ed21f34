# Checks that every include under src/ names its layer and that each layer
# includes only what it may (see CODING_GUIDELINES.md):
#   core    core/ and the standard library
#   json    core/, json/ and nlohmann/json
#   export  core/, export/ and libxlsxwriter
#   render  core/, render/ and Qt
#   cli     core/, json/, export/, cli/ and nlohmann/json; its pdf/ writer
#           also render/ and Qt
#   wasm    core/, json/, wasm/ and nlohmann/json
#   gui     core/, export/, render/, gui/ and Qt; only gui/app/ (the main
#           window and its wiring, on top) includes gui/app/
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "CheckLayers.cmake needs -DSOURCE_DIR=<repository>")
endif()

set(allowed_core "core")
set(allowed_json "core|json")
set(allowed_export "core|export")
set(allowed_render "core|render")
set(allowed_cli "core|json|export|cli")
set(allowed_cli_pdf "core|json|export|cli|render")
set(allowed_wasm "core|json|wasm")
set(allowed_gui "core|export|render|gui")
set(qt_core FALSE)
set(qt_json FALSE)
set(qt_wasm FALSE)
set(qt_export FALSE)
set(qt_render TRUE)
set(qt_cli FALSE)
set(qt_cli_pdf TRUE)
set(qt_gui TRUE)

set(problems "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
foreach(source ${sources})
    string(REGEX MATCH "^[a-z]+" layer "${source}")
    set(rule ${layer})
    if(source MATCHES "^cli/pdf/")
        set(rule cli_pdf)
    endif()
    if(NOT DEFINED allowed_${rule})
        list(APPEND problems "${source}: not inside a known layer")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(target "${CMAKE_MATCH_1}")
            if(NOT target MATCHES "^(${allowed_${rule}})/")
                list(APPEND problems "${source}: includes \"${target}\"")
            elseif(target MATCHES "^gui/app/" AND NOT source MATCHES "^gui/app/")
                list(APPEND problems "${source}: includes \"${target}\" from below the main window")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*|xlsxwriter|nlohmann)")
            set(target "${CMAKE_MATCH_1}")
            if(target MATCHES "^Q" AND NOT qt_${rule})
                list(APPEND problems "${source}: includes Qt <${target}>")
            elseif(target STREQUAL "xlsxwriter" AND NOT layer STREQUAL "export")
                list(APPEND problems "${source}: includes libxlsxwriter")
            elseif(target STREQUAL "nlohmann" AND NOT layer MATCHES "^(cli|json|wasm)$")
                list(APPEND problems "${source}: includes nlohmann/json")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes that cross the layers:\n  ${text}")
endif()
message(STATUS "Every include under src/ keeps to its layer.")
