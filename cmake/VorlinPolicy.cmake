# SPDX-License-Identifier: GPL-3.0-or-later
# The one place that holds the compiler policy; every Vorlin target links vorlin_policy.

add_library(vorlin_policy INTERFACE)
add_library(Vorlin::policy ALIAS vorlin_policy)

target_compile_features(vorlin_policy INTERFACE cxx_std_20)
target_compile_options(vorlin_policy INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wcast-align -Wold-style-cast
  -Woverloaded-virtual -Wnon-virtual-dtor -Winvalid-pch)
target_compile_definitions(vorlin_policy INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CAST_TO_ASCII
  QT_NO_KEYWORDS
  QT_USE_QSTRINGBUILDER
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH)

if(VORLIN_WERROR)
  target_compile_options(vorlin_policy INTERFACE -Werror)
endif()

# The hardening of the distribution's own packages, with control-flow protection, in the
# optimised builds that programs are shipped from: they read address books from anywhere.
# Not under the sanitizers or the fuzzer, which check more than this themselves and whose
# instrumentation the fortified functions would bypass. tests/packaging checks the result.
set(VORLIN_HARDENED OFF)
if(NOT VORLIN_SANITIZE AND NOT VORLIN_BUILD_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(VORLIN_HARDENED ON)
  target_compile_options(vorlin_policy INTERFACE
    -fstack-protector-strong -Wformat -Werror=format-security)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
    target_compile_options(vorlin_policy INTERFACE -fcf-protection)
  endif()
  target_compile_definitions(vorlin_policy INTERFACE _FORTIFY_SOURCE=2)
  target_link_options(vorlin_policy INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()

if(VORLIN_SANITIZE)
  set(_vorlin_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                         -fno-omit-frame-pointer)
  target_compile_options(vorlin_policy INTERFACE ${_vorlin_sanitizers})
  target_link_options(vorlin_policy INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz targets learn from coverage and catch faults only in code built for it, so in a
# fuzz build every library is instrumented too, not just the fuzzer's own file.
if(VORLIN_BUILD_FUZZ)
  target_compile_options(vorlin_policy INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-omit-frame-pointer)
  target_link_options(vorlin_policy INTERFACE -fsanitize=address,undefined)
endif()
