# Copies the companion files from SRC beside the executable in DST. The files a user
# edits in the program folder (listed in USER_FILES) are copied only while missing,
# so that a build never replaces the user's own.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(f IN_LIST USER_FILES AND EXISTS "${DST}/${f}")
    continue()
  endif()
  get_filename_component(dir "${DST}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
endforeach()
