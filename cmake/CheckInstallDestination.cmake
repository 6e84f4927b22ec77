# SPDX-License-Identifier: GPL-3.0-or-later
# Install-time check, run before anything is copied: the destination
# (DESTDIR and the prefix) must be writable by whoever installs. The nearest
# folder that exists is what decides, since the rest is created below it.
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(existing "${destination}")
while(NOT IS_DIRECTORY "${existing}")
  if(EXISTS "${existing}")
    message(FATAL_ERROR "Cannot install into ${destination}: ${existing} is not a folder.")
  endif()
  get_filename_component(parent "${existing}" DIRECTORY)
  if(parent STREQUAL existing OR parent STREQUAL "")
    break()
  endif()
  set(existing "${parent}")
endwhile()
execute_process(COMMAND test -w "${existing}" -a -x "${existing}" RESULT_VARIABLE writable)
if(NOT writable EQUAL 0)
  message(FATAL_ERROR
          "Cannot install into ${destination}: ${existing} is not writable for this user. "
          "Install as a user who may write there, or choose another prefix "
          "(cmake --install <build folder> --prefix <folder>).")
endif()
