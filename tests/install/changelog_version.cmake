# Fails unless the newest entry of the Debian changelog is VERSION.
#   cmake -DCHANGELOG=debian/changelog -DVERSION=<x.y.z> -P changelog_version.cmake
file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
if(NOT first MATCHES "^quarn \\(([^)]+)\\) ")
  message(FATAL_ERROR "${CHANGELOG}: no version in its first line: ${first}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${CHANGELOG} names ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()
