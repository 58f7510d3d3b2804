# Which folders the files of each folder may include: the layers of the
# program, each using only those below it (README, "Source tree"). Run at
# every build (cmake -DSOURCE_DIR=... -P check_layers.cmake); a file that
# includes a folder its own may not use fails the build with the file, the
# line and the rule.
#
# The portable layers (no windows.h) may use portable layers only.
cmake_minimum_required(VERSION 3.21)
set(portable base text imaging/core win/core patch/core ui/core skin/core
             app/core inspector/core messages/core colour/core capture/core)
set(pages_core inspector/core messages/core colour/core capture/core)

set(allowed_base "")
set(allowed_text base)
set(allowed_imaging/core base text)
set(allowed_win/core base text)
set(allowed_patch/core base)
set(allowed_ui/core base text imaging/core)
set(allowed_skin/core base text)
foreach(page ${pages_core})
    set(allowed_${page} base text imaging/core win/core ui/core)
endforeach()
set(allowed_app/core base text imaging/core win/core ui/core skin/core ${pages_core})
# The Windows layers: thin wrappers, images, the entry patch, the toolkit,
# the skin engine, the pages, the program.
set(allowed_win base text win/core)
set(allowed_imaging base text imaging/core win win/core)
set(allowed_patch base patch/core win)
set(allowed_ui base text imaging imaging/core win win/core ui/core)
set(allowed_skin base text skin/core win)
foreach(page inspector messages colour capture)
    set(allowed_${page} base text imaging imaging/core win win/core ui ui/core ${page}/core)
endforeach()
# (app/ loads the skin engine: it uses the engine's header, skin/skin_engine.h)
set(allowed_app base text imaging imaging/core win win/core patch ui ui/core skin skin/core app/core
                inspector messages colour capture ${pages_core})

set(layers ${portable} win imaging patch ui skin inspector messages colour capture app)
set(failures "")
foreach(layer ${layers})
    file(GLOB files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^#include \"")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
            get_filename_component(folder "${included}" DIRECTORY)
            if(NOT folder OR folder STREQUAL layer)
                continue()
            endif()
            list(FIND allowed_${layer} "${folder}" found)
            if(found EQUAL -1)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                string(REPLACE ";" " " may "${allowed_${layer}}")
                list(APPEND failures "${shown}: ${line} (${layer}/ may use: ${may})")
            endif()
        endforeach()
        if(layer IN_LIST portable)
            file(STRINGS ${file} windows REGEX "^#include <windows.h>")
            if(windows)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                list(APPEND failures "${shown}: a portable file includes <windows.h>")
            endif()
        endif()
    endforeach()
endforeach()
if(failures)
    string(REPLACE ";" "\n  " text "${failures}")
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
