# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the build's input that stop the configure with one message
# naming what is wrong.

# tenvari_check_app_id(<id>)
#
# A reverse-DNS application id of the form freedesktop's Desktop Entry
# and AppStream standards require: the reversed domain in lower case,
# then the program's name; three or more parts separated by dots, each of ASCII
# letters, digits and '_', none starting with a digit; 255 characters at most.
function(tenvari_check_app_id id)
  set(domain "[a-z_][a-z0-9_]*")
  set(name "[A-Za-z_][A-Za-z0-9_]*")
  string(LENGTH "${id}" length)
  if(length GREATER 255 OR NOT id MATCHES "^${domain}(\\.${domain})+\\.${name}$")
    message(FATAL_ERROR
            "TENVARI_APP_ID \"${id}\" is not a reverse-DNS application id: it needs the "
            "reversed domain in lower case and then the program's name, three or more parts "
            "separated by dots, each of ASCII letters, digits and '_' and not starting with a "
            "digit, for example org.example.tenvari.")
  endif()
endfunction()

# tenvari_require_qt(<component>)
#
# Finds a Qt 6 module (6.4 or newer), or stops with the package to install.
macro(tenvari_require_qt component)
  find_package(Qt6 6.4 QUIET COMPONENTS ${component})
  if(NOT Qt6${component}_FOUND)
    message(FATAL_ERROR
            "Qt 6 ${component} (6.4 or newer) was not found. On Debian install qt6-base-dev "
            "(apt-get install qt6-base-dev); elsewhere point CMAKE_PREFIX_PATH at Qt 6.")
  endif()
endmacro()
