# Keeps the include lines under src/ in order:
# - the engine folders (DIRS, bottom to top) include only their own folder and those below it;
# - no engine file includes an adapter (platform/qt, platform/odbc), the batch tool or the
#   desktop program;
# - no engine file includes a Qt, ODBC or OS header.
# Every violation is listed with its file, line and the folders involved.
cmake_minimum_required(VERSION 3.22)

set(top_folders platform/qt platform/odbc cli gui sanitizer)
set(platform_header_regex "^<(Q[A-Za-z]*|windows\\.h|unistd\\.h|sys/|sql\\.h|sqlext\\.h|fcntl\\.h)")

# The folder a path under src/ (or an include path) belongs to: "platform/qt" and
# "platform/odbc" are folders of their own, everything else is named by its first component.
function(folder_of path out)
  if(path MATCHES "^(platform/(qt|odbc))/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(bad "")
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
list(SORT files)
foreach(rel IN LISTS files)
  folder_of("${rel}" own)
  list(FIND DIRS "${own}" own_rank)
  if(own_rank LESS 0)
    continue()  # adapters and programs stand on top and may include anything below
  endif()
  # One list element per line: characters that CMake lists treat specially are neutralised
  # first (no include path holds them), so line numbers stay true.
  file(READ ${SRC}/${rel} content)
  string(REPLACE "\\" "/" content "${content}")
  string(REPLACE ";" "," content "${content}")
  string(REPLACE "[" "(" content "${content}")
  string(REPLACE "]" ")" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]*[>\"])")
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    if(target MATCHES "${platform_header_regex}")
      list(APPEND bad "${rel}:${number}: the engine folder ${own} includes the platform header ${target}")
      continue()
    endif()
    if(NOT target MATCHES "^\"(.*)\"$")
      continue()
    endif()
    folder_of("${CMAKE_MATCH_1}" other)
    list(FIND DIRS "${other}" other_rank)
    list(FIND top_folders "${other}" top_rank)
    if(other_rank GREATER own_rank)
      list(APPEND bad "${rel}:${number}: ${own} includes ${target} of ${other}, which stands above it")
    elseif(top_rank GREATER_EQUAL 0)
      list(APPEND bad "${rel}:${number}: the engine folder ${own} includes ${target} of ${other}, which is not engine")
    endif()
  endforeach()
endforeach()

if(bad)
  string(REPLACE ";" " < " order "${DIRS}")
  message(NOTICE "The engine folders stand in this order: ${order}")
  foreach(line IN LISTS bad)
    message(NOTICE "${line}")
  endforeach()
  list(LENGTH bad count)
  message(FATAL_ERROR "${count} include(s) against the order of the folders")
endif()
list(LENGTH files count)
message(STATUS "${count} files under src/ include in order")
