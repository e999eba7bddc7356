# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built tree into a staging folder and checks that it holds what an installed
# copy needs, and nothing else of the build's.
# Takes BUILD_DIR, STAGE, APP_ID, VERSION and, when the tool is there, APPSTREAMCLI.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "Installing into ${STAGE} failed: ${failed}")
endif()

set(expected
  bin/verdimark
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man1/verdimark.1.gz
  share/doc/verdimark/copyright
  share/doc/verdimark/changelog.gz)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${STAGE}/usr ${STAGE}/usr/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  list(JOIN installed "\n  " installed_text)
  list(JOIN expected "\n  " expected_text)
  message(FATAL_ERROR "Installed:\n  ${installed_text}\nExpected:\n  ${expected_text}")
endif()

# The entry starts the program by the name it is installed under and shows the installed icon.
file(READ ${STAGE}/usr/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "\nExec=verdimark\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
  message(FATAL_ERROR "The desktop entry names another program or icon:\n${entry}")
endif()

# Software centres show the release of the version being installed.
file(READ ${STAGE}/usr/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" release)
if(release EQUAL -1)
  message(FATAL_ERROR "The catalogue entry has no release ${VERSION}.")
endif()

# The catalogue entry, its desktop entry and its icon fit together as installed.
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(failed)
    message(FATAL_ERROR "appstreamcli validate-tree:\n${report}")
  endif()
endif()

file(REMOVE_RECURSE ${STAGE})
