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
# Inside core and gui the folders are ranked too: a folder includes its own
# files and those of folders ranked below it, never a sibling's or a higher
# one's (core/Engine.h, in no folder, ranks as "facade").
#   core  project < reference, hydrology < results < series, report < facade
#         < batch
#   gui   common, resources < project, results, views, batch < reference < app
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

set(rank_core_project 0)
set(rank_core_reference 1)
set(rank_core_hydrology 1)
set(rank_core_results 2)
set(rank_core_series 3)
set(rank_core_report 3)
set(rank_core_facade 4)
set(rank_core_batch 5)
set(rank_gui_common 0)
set(rank_gui_resources 0)
set(rank_gui_project 1)
set(rank_gui_results 1)
set(rank_gui_views 1)
set(rank_gui_batch 1)
set(rank_gui_reference 2)
set(rank_gui_app 3)

# The folder of a path below src/ inside core or gui ("core/results/X.h" ->
# "core_results", "core/Engine.h" -> "core_facade"); empty elsewhere.
function(folder_of path result)
    if(path MATCHES "^(core|gui)/([a-z]+)/")
        set(${result} "${CMAKE_MATCH_1}_${CMAKE_MATCH_2}" PARENT_SCOPE)
    elseif(path MATCHES "^core/[^/]+$")
        set(${result} "core_facade" PARENT_SCOPE)
    else()
        set(${result} "" PARENT_SCOPE)
    endif()
endfunction()

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
            else()
                folder_of("${source}" from)
                folder_of("${target}" to)
                string(REGEX MATCH "^[a-z]+" from_layer "${from}")
                string(REGEX MATCH "^[a-z]+" to_layer "${to}")
                if(from AND to AND from_layer STREQUAL to_layer AND NOT from STREQUAL to)
                    if(NOT DEFINED rank_${from} OR NOT DEFINED rank_${to})
                        list(APPEND problems "${source}: \"${target}\" is in a folder without a rank")
                    elseif(NOT rank_${to} LESS rank_${from})
                        list(APPEND problems "${source}: includes \"${target}\" of a folder not below its own")
                    endif()
                endif()
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
