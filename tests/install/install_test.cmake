# Installs the program into a stage folder, checks that every file a desktop
# needs is there and passes its validator, then uninstalls and checks that
# no file is left behind.
#   cmake -DBUILD=<build dir> -DSTAGE=<empty folder> -DSOURCE=<source dir> -DVERSION=<x.y.z>
#         -DBINDIR=<bin or games> -DTABLES=<ON or OFF> -P install_test.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE "${STAGE}")
# A component of its own, so that the test's manifest is not the one a
# real install left.
run(${CMAKE_COMMAND} --install "${BUILD}" --prefix "${STAGE}" --component quarn)

set(id org.quarn.Quarn)
set(expected
  ${BINDIR}/quarn
  ${BINDIR}/quarn-engine
  share/applications/${id}.desktop
  share/metainfo/${id}.metainfo.xml
  share/mime/packages/${id}.xml
  share/icons/hicolor/scalable/apps/${id}.svg
  share/man/man6/quarn.6
  share/man/man6/quarn-engine.6)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
if(TABLES)
  # Every material of up to 10 pieces, each side holding 3 to 7, and the
  # placing book.
  foreach(material 3-3 4-3 3-4 5-3 3-5 4-4 6-3 3-6 5-4 4-5 7-3 3-7 6-4 4-6 5-5)
    list(APPEND expected share/quarn/tables/quarn-${material}.egt)
  endforeach()
  list(APPEND expected share/quarn/tables/quarn-placing.book)
endif()
file(GLOB_RECURSE installed RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n${installed}\nexpected:\n${expected}")
endif()

run(desktop-file-validate "${STAGE}/share/applications/${id}.desktop")
run(appstreamcli validate --no-net "${STAGE}/share/metainfo/${id}.metainfo.xml")
run("${STAGE}/${BINDIR}/quarn-engine" moves)

# The version reaches the program, the manual pages and the metadata.
execute_process(COMMAND "${STAGE}/${BINDIR}/quarn-engine" --version OUTPUT_VARIABLE out)
file(READ "${STAGE}/share/man/man6/quarn.6" man)
file(READ "${STAGE}/share/metainfo/${id}.metainfo.xml" metainfo)
if(NOT out STREQUAL "quarn-engine ${VERSION}\n" OR NOT man MATCHES "\"Quarn ${VERSION}\""
   OR NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "version ${VERSION} missing: --version says \"${out}\"")
endif()

run(${CMAKE_COMMAND} -DMANIFEST=${BUILD}/install_manifest_quarn.txt
    -P "${SOURCE}/cmake/Uninstall.cmake")
file(GLOB_RECURSE left "${STAGE}/*")
if(left)
  message(FATAL_ERROR "left behind after uninstalling:\n${left}")
endif()
file(REMOVE_RECURSE "${STAGE}")
