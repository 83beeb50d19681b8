# Runs at install time, after the executable, images/ and help.html are in
# place. MOSARIN_SOURCE_DIR is set by the install step before this script.
#
# - files/: each shipped file is copied only when the folder has none of that
#   name. files/pictures.txt is the user's library once installed, and saved
#   games and exchange files are the user's own: installing over an older
#   install never touches them.
# - bin/mosarin: a symbolic link to the real executable. The program finds
#   its folder from the executable it runs as, with links resolved, so the
#   files beside the real one are found wherever it is started from.
# - share/applications/mosarin.desktop, naming the launcher by its full path.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(program_folder "${root}/lib/mosarin")

file(MAKE_DIRECTORY "${program_folder}/files")
file(GLOB shipped_files "${MOSARIN_SOURCE_DIR}/files/*")
foreach(shipped IN LISTS shipped_files)
  get_filename_component(name "${shipped}" NAME)
  if(EXISTS "${program_folder}/files/${name}")
    message(STATUS "Keeping: ${program_folder}/files/${name}")
  else()
    message(STATUS "Installing: ${program_folder}/files/${name}")
    file(COPY "${shipped}" DESTINATION "${program_folder}/files")
  endif()
endforeach()

file(MAKE_DIRECTORY "${root}/bin")
message(STATUS "Linking: ${root}/bin/mosarin -> ../lib/mosarin/mosarin")
file(REMOVE "${root}/bin/mosarin")
file(CREATE_LINK "../lib/mosarin/mosarin" "${root}/bin/mosarin" SYMBOLIC)

# The Exec key of a desktop entry: a path holding a character the entry's
# command line reserves is quoted, with " ` $ \ escaped inside the quotes, and
# then every \ doubled once more as the key's string value requires; % is
# doubled as it would start a field code.
set(exec "${CMAKE_INSTALL_PREFIX}/bin/mosarin")
string(REPLACE "%" "%%" exec "${exec}")
if(exec MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
  string(REPLACE "\\" "\\\\" exec "${exec}")
endif()
set(MOSARIN_EXEC "${exec}")
message(STATUS "Installing: ${root}/share/applications/mosarin.desktop")
configure_file("${MOSARIN_SOURCE_DIR}/app/mosarin.desktop.in" "${root}/share/applications/mosarin.desktop" @ONLY)
