# libpng for the DLL, compiled from Debian's source package that scripts/setup
# unpacks into third_party/. Only the decoder and the C-file reader are used,
# but the library is built whole so nothing has to be second-guessed.
file(GLOB QUORLAN_LIBPNG_DIR LIST_DIRECTORIES true "${CMAKE_SOURCE_DIR}/third_party/libpng1.6-*")
list(FILTER QUORLAN_LIBPNG_DIR EXCLUDE REGEX "\\.(tar|dsc)")
if(NOT QUORLAN_LIBPNG_DIR OR NOT EXISTS "${QUORLAN_LIBPNG_DIR}/png.c")
  message(FATAL_ERROR "libpng sources not found in third_party/: run scripts/setup first")
endif()
set(png_dir "${QUORLAN_LIBPNG_DIR}")
set(png_gen "${CMAKE_BINARY_DIR}/libpng")
configure_file("${png_dir}/scripts/pnglibconf.h.prebuilt" "${png_gen}/pnglibconf.h" COPYONLY)
add_library(png_static STATIC
  ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c
  ${png_dir}/pngpread.c ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c
  ${png_dir}/pngrutil.c ${png_dir}/pngset.c ${png_dir}/pngtrans.c ${png_dir}/pngwio.c
  ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c)
target_include_directories(png_static PUBLIC "${png_dir}" "${png_gen}")
target_compile_definitions(png_static PRIVATE PNG_INTEL_SSE_OPT=0 PNG_ARM_NEON_OPT=0)
set(ZLIB_USE_STATIC_LIBS ON)  # libz.a from libz-mingw-w64-dev, never the import library
find_package(ZLIB REQUIRED)
target_link_libraries(png_static PUBLIC ZLIB::ZLIB)
