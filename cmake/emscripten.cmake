# Builds the browser edition with Emscripten's own toolchain file, wherever
# this machine has Emscripten: emsdk (EMSDK, or EMSCRIPTEN as its
# environment script sets it) or a distribution's package, found by its
# emcc (Debian's /usr/bin/emcc leads to /usr/share/emscripten). emcmake
# names the toolchain file itself, and that one then stands in for this.
if(DEFINED ENV{EMSCRIPTEN})
  set(nines_emscripten_root "$ENV{EMSCRIPTEN}")
elseif(DEFINED ENV{EMSDK})
  set(nines_emscripten_root "$ENV{EMSDK}/upstream/emscripten")
else()
  find_program(nines_emcc emcc NO_CACHE)
  if(NOT nines_emcc)
    message(FATAL_ERROR "No Emscripten: install emsdk (and set EMSDK) or Debian's emscripten")
  endif()
  file(REAL_PATH "${nines_emcc}" nines_emcc)
  get_filename_component(nines_emscripten_root "${nines_emcc}" DIRECTORY)
endif()
include("${nines_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")
