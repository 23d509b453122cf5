# Windows build of Slidix: links the application icon into the executable as a resource.
if(WIN32)
  enable_language(RC)
  target_sources(slidix PRIVATE "${CMAKE_CURRENT_LIST_DIR}/windows/slidix.rc")
  # Resource compilers look for the icon from their working directory, which is
  # the build tree; point them at the folder of the .rc as well.
  set_property(SOURCE "${CMAKE_CURRENT_LIST_DIR}/windows/slidix.rc" APPEND PROPERTY
    INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/windows")
endif()
