# Copies SOURCE to TARGET unless TARGET already exists.
if(NOT EXISTS "${TARGET}")
  configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
