# tallyline_sources(VAR DIR): every .cpp in DIR and its wings (sub-folders)
# for this platform: files named
# *_win.cpp are Windows-only and *_posix.cpp the other platforms' only.
function(tallyline_sources var dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  set(${var} ${sources} PARENT_SCOPE)
endfunction()
