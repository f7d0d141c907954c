# Copies SRC to DST unless DST exists: the user's own settings are kept.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
