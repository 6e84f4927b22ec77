# SPDX-License-Identifier: GPL-3.0-or-later
# The window program's translations.
#
#   TENVARI_TS_FILES            translations/tenvari_<language>.ts, one per language
#   TENVARI_QT_TS_FILES         translations/qtbase_<language>.ts: Qt's own texts for a
#                               language Debian's Qt translations lack (kept by hand)
#   TENVARI_TRANSLATED_SOURCES  the code lupdate reads for the texts (tenvari-cli
#                               and the computation stay English and are left out)
#   TENVARI_LUPDATE_OPTIONS     how lupdate writes the .ts files: no line numbers
#                               (a moved line changes no catalogue), nothing obsolete
find_package(Qt6 6.4 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
  message(FATAL_ERROR "Qt 6 Linguist tools were not found. On Debian install qt6-tools-dev "
                      "and qt6-l10n-tools (apt-get install qt6-tools-dev qt6-l10n-tools).")
endif()

file(GLOB TENVARI_TS_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/tenvari_*.ts")
file(GLOB TENVARI_QT_TS_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/qtbase_*.ts")
set(TENVARI_TRANSLATED_SOURCES)
foreach(folder IN ITEMS app platform reading shell timezones widgets)
  file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp"
       "${PROJECT_SOURCE_DIR}/src/${folder}/*.h")
  list(APPEND TENVARI_TRANSLATED_SOURCES ${found})
endforeach()
set(TENVARI_LUPDATE_OPTIONS -locations none -no-obsolete)
