# Fails when a file includes from a layer above its own. The core runs
# app -> session -> documents -> editing -> store, and app -> print, exports,
# archive, handoff -> editing; print, exports, archive, handoff and documents
# never include each other; the document session includes only documents
# and what lies below it; the rooms of app/ include the core and the rooms
# below them.
#
#   cmake -DROOT=<tree> -P check_layers.cmake

cmake_minimum_required(VERSION 3.25)

set(core store editing print exports archive handoff documents session)
set(allowed_store store)
set(allowed_editing store editing)
set(allowed_print store editing print)
set(allowed_exports store editing exports)
set(allowed_archive store editing archive)
set(allowed_handoff store editing handoff)
set(allowed_documents store editing documents)
set(allowed_session store editing documents session)
set(allowed_app/pictures app/pictures)
set(allowed_app/platform ${core} app/platform)
set(allowed_app/widgets app/pictures app/widgets)
set(allowed_app/settings ${core} app/platform app/pictures app/widgets app/settings)
set(allowed_app/cli ${core} app/platform app/cli)
set(allowed_app/demo ${core})

set(faults "")
foreach(layer ${core} app/pictures app/platform app/widgets app/settings app/cli app/demo)
  file(GLOB sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
      set(from "")
      foreach(candidate IN LISTS core ITEMS app/pictures app/platform app/widgets app/settings app/cli app/demo app)
        if(from STREQUAL "" AND included MATCHES "^${candidate}/")
          set(from ${candidate})
        endif()
      endforeach()
      if(from STREQUAL "")
        string(APPEND faults "\n  ${source}: \"${included}\" does not name its folder")
      elseif(NOT from IN_LIST allowed_${layer})
        string(APPEND faults "\n  ${source}: ${layer} must not include \"${included}\"")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
message(STATUS "Every include follows the layers.")
