# SPDX-License-Identifier: GPL-3.0-or-later
# tenvari_add_tests(LIBS <targets>...)
#
# Turns every tst_*.cpp in the calling folder into its own test executable
# linked to LIBS (and the shared test fakes). A test that uses QTEST_MAIN
# needs widgets: it is labelled "ui" and runs on the offscreen platform;
# every other test is labelled "core". Each test gets a HOME and XDG
# directories of its own below the build tree, so settings and lock files
# never touch the user's own.
function(tenvari_add_tests)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(area "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  file(GLOB tests CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp")
  foreach(source IN LISTS tests)
    get_filename_component(name "${source}" NAME_WE)
    add_executable(${name} "${source}")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} tenvari_testsupport Qt6::Test)

    set(home "${CMAKE_CURRENT_BINARY_DIR}/home/${name}")
    file(MAKE_DIRECTORY "${home}/config" "${home}/data" "${home}/cache" "${home}/runtime")
    file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set(environment
        "HOME=${home}" "XDG_CONFIG_HOME=${home}/config" "XDG_DATA_HOME=${home}/data"
        "XDG_CACHE_HOME=${home}/cache" "XDG_RUNTIME_DIR=${home}/runtime"
        "LC_ALL=C.UTF-8" "LANG=C.UTF-8" "LANGUAGE="
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

    file(STRINGS "${source}" gui REGEX "QTEST_MAIN")
    if(gui)
      set(label ui)
      list(APPEND environment "QT_QPA_PLATFORM=offscreen")
    else()
      set(label core)
    endif()

    add_test(NAME ${area}.${name} COMMAND ${name})
    set_tests_properties(${area}.${name} PROPERTIES
                         LABELS "${label};${area}" ENVIRONMENT "${environment}" TIMEOUT 120)
  endforeach()
endfunction()
