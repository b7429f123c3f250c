# CLI11 is header-only, so the Windows build uses Debian's headers. Its CMake
# package would put all of /usr/include on the include path, where the host's
# C library headers break the cross compiler; this gives the build a directory
# that holds nothing but CLI/.
# SPDX-License-Identifier: MIT
find_path(CLI11_HOST_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(CLI11 REQUIRED_VARS CLI11_HOST_INCLUDE_DIR)

if(CLI11_FOUND AND NOT TARGET CLI11::CLI11)
  set(cli11_alleen ${CMAKE_BINARY_DIR}/cli11-include)
  file(MAKE_DIRECTORY ${cli11_alleen})
  file(CREATE_LINK ${CLI11_HOST_INCLUDE_DIR}/CLI ${cli11_alleen}/CLI SYMBOLIC)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${cli11_alleen})
endif()
