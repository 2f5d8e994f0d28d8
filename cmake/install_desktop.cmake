# Run by `cmake --install`: the desktop entry, which starts the program by
# its installed path, and any picture the build placed beside the program
# that the list of delivered files does not name yet.
# Set before this script runs: DV_BUILD_DIR, DV_ENTRY_TEMPLATE, DV_BINDIR,
# DV_APPS_DIR, DV_DATA_DIR (these three relative to the prefix) and
# DV_LISTED_DATA (the delivered files already installed).

set(_dv_exec "${CMAKE_INSTALL_PREFIX}/${DV_BINDIR}/Dorvane")
if(_dv_exec MATCHES "[ \t]")
  set(_dv_exec "\"${_dv_exec}\"")
endif()
file(READ "${DV_ENTRY_TEMPLATE}" _dv_entry)
string(REPLACE "@DV_EXEC@" "${_dv_exec}" _dv_entry "${_dv_entry}")
# One staging file per prefix, so that installs into two prefixes at once
# do not write the same file.
string(MD5 _dv_stage "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(_dv_stage "${DV_BUILD_DIR}/desktop/${_dv_stage}")
file(WRITE "${_dv_stage}/dorvane.desktop" "${_dv_entry}")
file(INSTALL "${_dv_stage}/dorvane.desktop" DESTINATION "${CMAKE_INSTALL_PREFIX}/${DV_APPS_DIR}")
file(REMOVE_RECURSE "${_dv_stage}")

file(GLOB _dv_pictures LIST_DIRECTORIES false
  "${DV_BUILD_DIR}/*.gif" "${DV_BUILD_DIR}/*.jpg" "${DV_BUILD_DIR}/*.png")
if(_dv_pictures AND DV_LISTED_DATA)
  list(REMOVE_ITEM _dv_pictures ${DV_LISTED_DATA})
endif()
if(_dv_pictures)
  file(INSTALL ${_dv_pictures} DESTINATION "${CMAKE_INSTALL_PREFIX}/${DV_DATA_DIR}")
endif()
