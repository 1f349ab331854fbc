# Installs the build into a scratch DESTDIR and checks what a desktop and a
# shell need from it: both programs, the launcher entry and its icon, the
# file type, the software-centre entry and qlx's manual page.
#   cmake -DBUILD_DIR=... -DDEST=... -DMAN_PAGE=<path or empty> -P InstallTest.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${DEST}")
set(ENV{DESTDIR} "${DEST}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()
set(root "${DEST}/usr")

set(expected
  bin/qlx
  bin/qlxreader
  share/applications/qlxreader.desktop
  share/icons/hicolor/scalable/apps/qlxreader.svg
  share/icons/hicolor/256x256/apps/qlxreader.png
  share/metainfo/com.torvanode.qlxreader.metainfo.xml
  share/mime/packages/qlxreader-mime.xml)
if(MAN_PAGE)
  list(APPEND expected share/man/man1/qlx.1)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The launcher names the icon by its installed name, and has one main category.
set(desktop "${root}/share/applications/qlxreader.desktop")
file(STRINGS "${desktop}" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=qlxreader")
  message(FATAL_ERROR "desktop entry has '${icon}' instead of Icon=qlxreader")
endif()
file(READ "${desktop}" entry)
string(REGEX MATCH "\nCategories=([^\n]*)" found "${entry}")
set(categories "${CMAKE_MATCH_1}")  # a ";" list, as the entry writes it
set(main_categories AudioVideo Audio Video Development Education Game Graphics Network Office Science Settings System Utility)
set(mains 0)
foreach(category IN LISTS categories)
  if(category IN_LIST main_categories)
    math(EXPR mains "${mains} + 1")
  endif()
endforeach()
if(NOT mains EQUAL 1)
  message(FATAL_ERROR "desktop entry has ${mains} main categories: ${categories}")
endif()

file(READ "${root}/share/icons/hicolor/256x256/apps/qlxreader.png" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "the installed PNG icon is not a PNG (${signature})")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}" RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${output}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: desktop entry not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${root}/share/metainfo/com.torvanode.qlxreader.metainfo.xml"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${output}")
  endif()
endif()

if(MAN_PAGE)
  file(READ "${root}/share/man/man1/qlx.1" page)
  foreach(part ".TH QLX" ".SH NAME" "qlx list")
    string(FIND "${page}" "${part}" at)
    if(at LESS 0)
      message(FATAL_ERROR "the manual page has no '${part}'")
    endif()
  endforeach()
endif()
