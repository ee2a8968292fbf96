# Installs the build into PREFIX (emptied first) and checks what the desktop needs of it:
#   cmake -DBUILD=<build> -DPREFIX=<scratch> [-DDESKTOP_FILE_VALIDATE=...] [-DUPDATE_MIME_DATABASE=...]
#         [-DXMLLINT=...] -P check_install.cmake
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

foreach(file IN ITEMS
    bin/belvo
    bin/belvo-cli
    share/applications/belvo.desktop
    share/mime/packages/belvo.xml
    share/icons/hicolor/scalable/apps/belvo.svg
    share/icons/hicolor/scalable/mimetypes/application-x-belvo-project.svg
    share/belvo/manual/index.html
    share/belvo/manual/styl.css
    share/belvo/manual/obrazky/program.svg
    share/belvo/manual/obrazky/tree/wall.svg
    share/belvo/manual/obrazky/actions/help.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    fail("${file} is not installed")
  endif()
endforeach()
# The desktop entry opens a project file with the program and shows the installed icon.
if(EXISTS ${PREFIX}/share/applications/belvo.desktop)
  file(STRINGS ${PREFIX}/share/applications/belvo.desktop entry ENCODING UTF-8)
  foreach(line IN ITEMS "Exec=belvo %f" "Icon=belvo" "MimeType=application/x-belvo-project;" "Type=Application")
    if(NOT line IN_LIST entry)
      fail("belvo.desktop lacks the line '${line}'")
    endif()
  endforeach()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/belvo.desktop
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "error")
      fail("desktop-file-validate: ${output}")
    endif()
  endif()
endif()

# The MIME type: a well-formed shared-mime-info file whose database maps *.kar to the project type.
if(EXISTS ${PREFIX}/share/mime/packages/belvo.xml)
  if(XMLLINT)
    execute_process(COMMAND ${XMLLINT} --noout ${PREFIX}/share/mime/packages/belvo.xml
                    RESULT_VARIABLE result ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
      fail("belvo.xml is not well-formed: ${output}")
    endif()
  endif()
  if(UPDATE_MIME_DATABASE)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "[Ee]rror|[Ww]arning")
      fail("update-mime-database: ${output}")
    elseif(NOT EXISTS ${PREFIX}/share/mime/globs2)
      fail("update-mime-database wrote no globs2")
    else()
      file(READ ${PREFIX}/share/mime/globs2 globs)
      if(NOT globs MATCHES "application/x-belvo-project:\\*\\.kar")
        fail("the MIME database does not map *.kar to application/x-belvo-project")
      endif()
    endif()
  endif()
endif()

# The installed batch tool runs on its own.
if(EXISTS ${PREFIX}/bin/belvo-cli AND EXISTS ${BUILD}/data/demo.dat)
  execute_process(COMMAND ${PREFIX}/bin/belvo-cli catalogue ${BUILD}/data/demo.dat
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    fail("the installed belvo-cli failed (${result}): ${output}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The installation is incomplete:${failures}")
endif()
file(REMOVE_RECURSE ${PREFIX})
