# Copies the shipped files/ and images/ beside the executable.
# files/pictures.txt is the user's library once laid: it is copied only when absent.
file(MAKE_DIRECTORY "${DEST_DIR}/files" "${DEST_DIR}/images")
file(GLOB shipped_images "${SOURCE_DIR}/images/*")
foreach(f IN LISTS shipped_images)
  file(COPY "${f}" DESTINATION "${DEST_DIR}/images")
endforeach()
file(GLOB shipped_files "${SOURCE_DIR}/files/*")
foreach(f IN LISTS shipped_files)
  get_filename_component(name "${f}" NAME)
  if(name STREQUAL "pictures.txt" AND EXISTS "${DEST_DIR}/files/pictures.txt")
    continue()
  endif()
  file(COPY "${f}" DESTINATION "${DEST_DIR}/files")
endforeach()
# The help page opened by "Help (On-Line)".
file(COPY "${SOURCE_DIR}/docs/help.html" DESTINATION "${DEST_DIR}")
