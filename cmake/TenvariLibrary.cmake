# SPDX-License-Identifier: GPL-3.0-or-later
# tenvari_add_library(NAME <target> [QT] [DEPS <targets>...] [EXCLUDE <files>...])
#
# One static library per src/ folder, made of every .cpp and .h in it but
# the EXCLUDE'd ones (an executable's main.cpp beside its library).
# QT links Qt Widgets; without it the library must stay plain C++.
function(tenvari_add_library)
  cmake_parse_arguments(ARG "QT" "NAME" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/${excluded}")
  endforeach()
  add_library(${ARG_NAME} STATIC ${sources})
  target_include_directories(${ARG_NAME} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${ARG_NAME} PUBLIC ${ARG_DEPS})
  if(ARG_QT)
    target_link_libraries(${ARG_NAME} PUBLIC Qt6::Widgets)
  else()
    set_target_properties(${ARG_NAME} PROPERTIES AUTOMOC OFF)
  endif()
endfunction()
