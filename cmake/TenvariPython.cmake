# SPDX-License-Identifier: GPL-3.0-or-later
# TENVARI_PYTHON: the Python module `tenvari` (python/). On by default when
# Python 3's development files and pybind11 are there, so that a machine
# without them still builds everything else. Debian's interpreter is the one
# the package and the tests use: /usr/bin/python3 unless Python3_EXECUTABLE
# says otherwise (a python3 earlier on PATH may be a private build).
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH "The Python 3 interpreter")
endif()
find_package(Python3 3.9 QUIET COMPONENTS Interpreter Development.Module)
if(Python3_FOUND)
  find_package(pybind11 2.6 CONFIG QUIET)
endif()

set(tenvari_python_default OFF)
if(Python3_FOUND AND pybind11_FOUND AND NOT TENVARI_SANITIZE AND NOT TENVARI_FUZZ)
  # An instrumented module cannot be loaded into the plain interpreter, so
  # the sanitizer and fuzzing builds leave it out.
  set(tenvari_python_default ON)
endif()
option(TENVARI_PYTHON "Build the Python module (needs python3-dev and pybind11-dev)"
       ${tenvari_python_default})
if(TENVARI_PYTHON AND NOT (Python3_FOUND AND pybind11_FOUND))
  message(FATAL_ERROR "TENVARI_PYTHON needs Python 3 development files (python3-dev) and "
                      "pybind11 (pybind11-dev)")
endif()

if(TENVARI_PYTHON)
  # Where the module is installed, below the prefix: Debian's own place for
  # /usr, the place Debian's python3 searches for /usr/local, and the usual
  # site-packages elsewhere ($HOME/.local: the user's site).
  set(version "${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}")
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(directory "lib/python3/dist-packages")
  elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
    set(directory "lib/python${version}/dist-packages")
  else()
    set(directory "lib/python${version}/site-packages")
  endif()
  # -DTENVARI_PYTHON_DIR=... chooses another place.
  if(NOT TENVARI_PYTHON_DIR)
    set(TENVARI_PYTHON_DIR "${directory}")
  endif()
endif()
