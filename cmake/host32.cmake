# quorlan-host32: the simulated host as a static i686 Linux program that
# loads the real quorlan.dll with its own PE loader (sim/dll_host/pe) and
# answers the DLL's imports with the Win32 layer (sim/dll_host/win32). It
# links no .cpp of src/ and nothing of backends/: the library is reached only
# by executing its machine code. Included from CMakeLists.txt for
# QUORLAN_TARGET=host32 (preset host32, toolchain cmake/i686-linux.cmake).

# The core is declared before the target switch; nothing here links it, so
# keep it out of the default build.
set_target_properties(quorlan_core PROPERTIES EXCLUDE_FROM_ALL TRUE)

# ---- third-party libraries, built or taken for i686 Linux -------------------
# zlib: Debian's zlib1g-dev:i386 (scripts/setup adds the architecture). Its
# headers sit in /usr/include next to the 64-bit system's, which the cross
# compiler must not search as a whole, so only zlib's two are copied out.
set(QUORLAN_HOST32_ZLIB_INCLUDE "${CMAKE_BINARY_DIR}/zlib_i386")
foreach(header zlib.h zconf.h)
  if(NOT EXISTS "/usr/include/${header}")
    message(FATAL_ERROR "/usr/include/${header} not found: run scripts/setup first")
  endif()
  configure_file("/usr/include/${header}" "${QUORLAN_HOST32_ZLIB_INCLUDE}/${header}" COPYONLY)
endforeach()
if(NOT EXISTS /usr/lib/i386-linux-gnu/libz.a)
  message(FATAL_ERROR "/usr/lib/i386-linux-gnu/libz.a not found: run scripts/setup first")
endif()
# find_package(ZLIB) in libpng_from_source.cmake takes these as found.
set(ZLIB_INCLUDE_DIR "${QUORLAN_HOST32_ZLIB_INCLUDE}" CACHE PATH "zlib headers for i686 Linux" FORCE)
set(ZLIB_LIBRARY /usr/lib/i386-linux-gnu/libz.a CACHE FILEPATH "zlib for i686 Linux" FORCE)

# libpng: the same sources as the DLL's, compiled for this target.
include(cmake/libpng_from_source.cmake)

# cpp-httplib: the full single header of Debian's source package (the
# installed header is split for Debian's shared build), without TLS or
# compression.
file(GLOB QUORLAN_HTTPLIB_DIR LIST_DIRECTORIES true "${CMAKE_SOURCE_DIR}/third_party/cpp-httplib-*")
list(FILTER QUORLAN_HTTPLIB_DIR EXCLUDE REGEX "\\.(tar|dsc)")
if(NOT QUORLAN_HTTPLIB_DIR OR NOT EXISTS "${QUORLAN_HTTPLIB_DIR}/httplib.h")
  message(FATAL_ERROR "cpp-httplib sources not found in third_party/: run scripts/setup first")
endif()
add_library(host32_httplib INTERFACE)
target_include_directories(host32_httplib INTERFACE "${QUORLAN_HTTPLIB_DIR}")

# ---- the program ---------------------------------------------------------------
# The simulated host that quorlan-host32 shares with quorlan-sim: the host's
# state and functions, the scenario runner, the record, the web server and
# the pictures' files. Not the software renderer (sim/render/; host32's
# `shot` writes the frame's draw calls instead, sim/dll_host/scenario/), nor
# what links the core (sim/linked/, and the commands patch-dump, appearance
# and png).
file(GLOB QUORLAN_HOST32_HOST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/*.cpp
     ${CMAKE_SOURCE_DIR}/sim/scenario/*.cpp ${CMAKE_SOURCE_DIR}/sim/record/*.cpp)
list(FILTER QUORLAN_HOST32_HOST_SOURCES EXCLUDE REGEX
     "/sim/(main|patch_dump|png_command|appearance_command)\\.cpp$")

file(GLOB_RECURSE QUORLAN_HOST32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/dll_host/*.cpp)
# Test programs (each with its own main) live in tests/ folders.
list(FILTER QUORLAN_HOST32_SOURCES EXCLUDE REGEX "/sim/dll_host/(.*/)?tests/")
# The PE loader is sim/dll_host/pe/; loader/ is a second one that defines the
# same symbols (LoadedDll, EnterLibraryThread, ...) and must not be linked with it.
list(FILTER QUORLAN_HOST32_SOURCES EXCLUDE REGEX "/sim/dll_host/loader/")
file(GLOB QUORLAN_HOST32_OS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/os/*.cpp)

add_executable(quorlan-host32 ${QUORLAN_HOST32_SOURCES} ${QUORLAN_HOST32_OS_SOURCES}
               ${QUORLAN_HOST32_HOST_SOURCES})
# "sim/..." from the root; header-only constants of src/ (host/host_memory.h).
target_include_directories(quorlan-host32 PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
# DLL code calls the Win32 layer with a stack aligned to 4 bytes only (the
# Windows i686 convention), while GCC assumes 16 on i386 Linux: every
# function realigns for itself where it needs more.
target_compile_options(quorlan-host32 PRIVATE -mincoming-stack-boundary=2
                       -Wall -Wextra -Wno-unused-parameter)
# The operator's addresses, which the host routes to a scenario's server:
# the cache values when set, otherwise the defaults of src/web/endpoints.cpp
# (the DLL's own), which the two must match.
set(QUORLAN_HOST32_SITE_URL "http://quorlan.net")
set(QUORLAN_HOST32_COMMUNITY_URL "https://discord.gg/quorlan")
if(QUORLAN_SITE_URL)
  set(QUORLAN_HOST32_SITE_URL "${QUORLAN_SITE_URL}")
endif()
if(QUORLAN_COMMUNITY_URL)
  set(QUORLAN_HOST32_COMMUNITY_URL "${QUORLAN_COMMUNITY_URL}")
endif()
target_compile_definitions(quorlan-host32 PRIVATE QUORLAN_SITE_URL="${QUORLAN_HOST32_SITE_URL}"
                           QUORLAN_COMMUNITY_URL="${QUORLAN_HOST32_COMMUNITY_URL}")
target_link_libraries(quorlan-host32 PRIVATE png_static host32_httplib)
# Fully static: qemu-i386 runs it without an i386 sysroot. --gc-sections
# drops what no path from main reaches.
target_compile_options(quorlan-host32 PRIVATE -ffunction-sections -fdata-sections)
target_link_options(quorlan-host32 PRIVATE -static -pthread -Wl,--gc-sections)

# ---- tests -------------------------------------------------------------------------
enable_testing()
# The loader refuses files that are not a 32-bit x86 PE DLL with one line
# naming the file and the fault, and never crashes on them.
add_test(NAME host32.loader_refuses_bad_files
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/host32/loader_refuses_bad_files.sh
                 $<TARGET_FILE:quorlan-host32> ${CMAKE_SOURCE_DIR}/build/win32/quorlan.dll
                 ${CMAKE_BINARY_DIR}/loader_bad_files)
set_tests_properties(host32.loader_refuses_bad_files PROPERTIES SKIP_RETURN_CODE 77)

# The i686 test programs of the host's machinery, each run under qemu-i386.
function(quorlan_host32_test name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE -mincoming-stack-boundary=2)
  target_compile_definitions(${name} PRIVATE
    QUORLAN_SITE_URL="${QUORLAN_SITE_URL}" QUORLAN_COMMUNITY_URL="${QUORLAN_COMMUNITY_URL}")
  target_link_libraries(${name} PRIVATE png_static host32_httplib)
  target_link_options(${name} PRIVATE -static -pthread)
  add_test(NAME host32.${name} COMMAND ${name})
endfunction()

set(D ${CMAKE_SOURCE_DIR}/sim/dll_host)
set(S ${CMAKE_SOURCE_DIR}/sim)
# Host steps and the gate of the host's functions.
quorlan_host32_test(host_step_test ${D}/tests/host_step_test.cpp ${D}/host_step.cpp
  ${D}/host_gate.cpp ${D}/escape.cpp ${D}/dll_symbols.cpp ${D}/session.cpp ${S}/sim_host.cpp
  ${S}/interface_functions.cpp ${S}/address_space.cpp ${S}/host_conventions.cpp
  ${QUORLAN_HOST32_OS_SOURCES})
# KERNEL32 and msvcrt.
file(GLOB QUORLAN_K32_SOURCES ${D}/win32/kernel32_*.cpp ${D}/win32/msvcrt_*.cpp)
quorlan_host32_test(win32_layer_test ${QUORLAN_K32_SOURCES} ${D}/win32/handle_table.cpp
  ${D}/win32/tests/layer_test_main.cpp ${D}/win32/tests/kernel32_sync_test.cpp
  ${D}/win32/tests/kernel32_files_test.cpp ${D}/win32/tests/msvcrt_test.cpp
  ${D}/win32/tests/test_machine.cpp ${QUORLAN_HOST32_OS_SOURCES})
# USER32, SHELL32 and WININET.
file(GLOB QUORLAN_U32_SOURCES ${D}/win32/user32_*.cpp ${D}/win32/wininet_*.cpp)
quorlan_host32_test(user32_wininet_test ${QUORLAN_U32_SOURCES} ${D}/win32/shell32.cpp
  ${QUORLAN_HOST32_OS_SOURCES} ${D}/host_step.cpp ${D}/window_procedures.cpp
  ${D}/win32/kernel32_memory.cpp ${D}/win32/handle_table.cpp ${D}/win32/kernel32_tls_errors.cpp
  ${D}/win32/tests/user32_wininet_test.cpp ${D}/win32/tests/user32_test_machine.cpp
  ${D}/win32/tests/layer_test_main.cpp)
# The graphics objects (the core's pixel rules compiled into the test only,
# to convert exactly as the DLL does).
file(GLOB QUORLAN_GFX_SOURCES ${D}/graphics/*.cpp ${D}/graphics/tests/*.cpp)
list(FILTER QUORLAN_GFX_SOURCES EXCLUDE REGEX "/draw_sink\\.cpp$")
quorlan_host32_test(graphics_test ${QUORLAN_GFX_SOURCES} ${D}/win32/opengl32.cpp
  ${D}/win32/tests/layer_test_main.cpp ${CMAKE_SOURCE_DIR}/src/gui/texture/texture_pixels.cpp)

# ---- the real DLL against the simulator -------------------------------------------
# Every scenario of tests/scenarios plays under both hosts, and the records
# of what each host observed must be byte-identical (scripts/differential).
# One test per group of files, so a difference names its group and the
# groups run side by side; files of no group go to "other".
set(QUORLAN_SIM_PROGRAM ${CMAKE_SOURCE_DIR}/build/native/quorlan-sim)
set(QUORLAN_DLL ${CMAKE_SOURCE_DIR}/build/win32/quorlan.dll)
file(GLOB QUORLAN_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/scenarios/*.scn)
set(QUORLAN_GROUPED)
foreach(group analyzer files forge imbu input login market news npc_trade outfits panel prey server_dialog
        status store updater)
  set(files ${QUORLAN_SCENARIOS})
  list(FILTER files INCLUDE REGEX "/${group}[^/]*\\.scn$")
  list(APPEND QUORLAN_GROUPED ${files})
  add_test(NAME host32.differential.${group}
           COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/differential --sim ${QUORLAN_SIM_PROGRAM}
                   --host32 $<TARGET_FILE:quorlan-host32> --dll ${QUORLAN_DLL} ${files})
endforeach()
set(files ${QUORLAN_SCENARIOS})
list(REMOVE_ITEM files ${QUORLAN_GROUPED})
add_test(NAME host32.differential.other
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/differential --sim ${QUORLAN_SIM_PROGRAM}
                 --host32 $<TARGET_FILE:quorlan-host32> --dll ${QUORLAN_DLL} ${files})
# The demo's tour, every window of the library in one file.
add_test(NAME host32.differential.demo
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/differential --sim ${QUORLAN_SIM_PROGRAM}
                 --host32 $<TARGET_FILE:quorlan-host32> --dll ${QUORLAN_DLL}
                 ${CMAKE_SOURCE_DIR}/demo/demo.scn)

# The harness catches what would crash a client: a stand-in DLL (built by
# the win32 preset, tests/host32/fault_dll.cpp) breaks one contract at the
# main loop's CALL, and the scenario must fail naming the site or import,
# never pass or hang.
set(QUORLAN_FAULTS "1|ESP off by 4" "2|broke the host's contract: EBX" "3|aborted the process.*0x45A18D"
    "4|unimplemented import Beep .in the call at 0x45A18D")
foreach(fault ${QUORLAN_FAULTS})
  string(REPLACE "|" ";" parts "${fault}")
  list(GET parts 0 number)
  list(GET parts 1 message)
  add_test(NAME host32.fault_${number}
           COMMAND qemu-i386 -cpu max $<TARGET_FILE:quorlan-host32> run
                   ${CMAKE_SOURCE_DIR}/tests/host32/main_loop.scn
                   --dll ${CMAKE_SOURCE_DIR}/build/win32/fault_${number}.dll)
  set_tests_properties(host32.fault_${number} PROPERTIES
                       PASS_REGULAR_EXPRESSION "main_loop.scn:5: .*${message}.*\n0 passed, 1 failed"
                       TIMEOUT 60)
endforeach()
