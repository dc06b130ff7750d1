# cmake -DMANIFEST=install_manifest.txt -P Uninstall.cmake
# Removes the files an install wrote. Folders stay: they may hold other
# programs' files.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (install first)")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  if(EXISTS "$ENV{DESTDIR}${file}" OR IS_SYMLINK "$ENV{DESTDIR}${file}")
    message(STATUS "Removing $ENV{DESTDIR}${file}")
    file(REMOVE "$ENV{DESTDIR}${file}")
  endif()
endforeach()
