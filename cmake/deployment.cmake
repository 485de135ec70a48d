# Deployment values: who made the game and where its home page is (shown in the about window,
# offered by the gallery, printed in the manuals, the metadata and the package), and where the
# two programs are installed.  CMake cache variables; the C ones are written into the generated
# header deployment.h (macros of the same names).

set(DUEL_AUTHOR_NAME "Команда «Шелвы и злыки»" CACHE STRING "Author shown in the about window")
set(DUEL_AUTHOR_DATE "2026" CACHE STRING "Date written after the author's name")
set(DUEL_COUNTRY "Россия" CACHE STRING "Country of the author's postal location")
set(DUEL_REGION "" CACHE STRING "Region of the author's postal location (may be empty)")
set(DUEL_TOWN "" CACHE STRING "Town of the author's postal location (may be empty)")
set(DUEL_EMAIL "shelvy-zlyki@example.org" CACHE STRING "E-mail address of the author")
set(DUEL_HOME_HOST "shelvy-zlyki.example.org" CACHE STRING "Host name of the home page, without http://")
set(DUEL_PROGRAM_DIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Folder under the install prefix for shelvy and shelvy-pack: games for a Debian package, bin otherwise")

# The game opens "http://" + host; every other place that names the home page uses the same
# address, so the host must be a bare host name (a path may follow it).
if(NOT DUEL_HOME_HOST MATCHES "^[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?(:[0-9]+)?(/[^ \t\"'<>\\\\]*)?$")
    message(FATAL_ERROR "DUEL_HOME_HOST='${DUEL_HOME_HOST}' is not a host name such as www.host.example "
                        "(no scheme, no spaces)")
endif()
set(DUEL_HOME_PAGE "http://${DUEL_HOME_HOST}")
if(DUEL_PROGRAM_DIR STREQUAL "" OR IS_ABSOLUTE "${DUEL_PROGRAM_DIR}" OR DUEL_PROGRAM_DIR MATCHES "(^|/)\\.\\.(/|$)")
    message(FATAL_ERROR "DUEL_PROGRAM_DIR='${DUEL_PROGRAM_DIR}' must be a folder inside the prefix, such as bin or games")
endif()

# The network module, the game's private library: in the prefix's library folder (on Debian with
# the prefix /usr, lib/<multiarch>/shelvy-zlyki, outside the folders ldconfig keeps), found by the
# game as a path relative to its own folder.
set(DUEL_MODULE_DIR "${CMAKE_INSTALL_LIBDIR}/shelvy-zlyki")
file(RELATIVE_PATH DUEL_MODULE_DIR_FROM_PROGRAM "/prefix/${DUEL_PROGRAM_DIR}" "/prefix/${DUEL_MODULE_DIR}")

# Each value becomes a C string literal: backslashes and quotes are escaped.
foreach(name DUEL_AUTHOR_NAME DUEL_AUTHOR_DATE DUEL_COUNTRY DUEL_REGION DUEL_TOWN DUEL_EMAIL DUEL_HOME_HOST)
    string(REPLACE "\\" "\\\\" escaped "${${name}}")
    string(REPLACE "\"" "\\\"" escaped "${escaped}")
    string(REPLACE "\n" " " escaped "${escaped}")
    set(${name}_C "${escaped}")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/deployment.h.in ${CMAKE_BINARY_DIR}/generated/deployment.h @ONLY)
# Linked by those that show the values: the terminal's texts, the about window, the gallery menu.
add_library(duel_deployment INTERFACE)
target_include_directories(duel_deployment INTERFACE ${CMAKE_BINARY_DIR}/generated)
