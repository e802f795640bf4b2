# Copies the companion files from SRC beside the executable in DST. The files a user
# edits in the program folder (listed in USER_FILES) are copied only while missing,
# so that a build never replaces the user's own.
cmake_policy(VERSION 3.25)
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(f IN_LIST USER_FILES AND EXISTS "${DST}/${f}")
    continue()
  endif()
  # Writes only when the contents differ, so unchanged files keep their times.
  configure_file("${SRC}/${f}" "${DST}/${f}" COPYONLY)
endforeach()
