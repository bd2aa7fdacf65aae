# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX, stripped as `make install` does, and checks that every file a
# desktop system needs is there, and that the programs carry neither symbols nor the compilers'
# .comment section.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} --strip
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/wks-config
  bin/wks-settings
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/icons/hicolor/48x48/apps/${APP_ID}.png
  share/icons/hicolor/256x256/apps/${APP_ID}.png
  share/man/man1/wks-config.1.gz
  share/man/man1/wks-settings.1.gz
  share/bash-completion/completions/wks-settings
  share/zsh/site-functions/_wks-settings
  share/doc/wks-config/copyright
  share/doc/wks-config/changelog.gz)
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# A PNG's width and height are the two big-endian words at byte 16.
foreach(size 48 256)
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header
       OFFSET 16 LIMIT 8 HEX)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex_size}" 2 -1 digits)
  string(LENGTH "${digits}" n)
  math(EXPR pad "8 - ${n}")
  string(REPEAT "0" ${pad} zeros)
  set(word "${zeros}${digits}")
  if(NOT header STREQUAL "${word}${word}")
    message(FATAL_ERROR "the ${size} px icon is ${header}")
  endif()
endforeach()
foreach(program wks-config wks-settings)
  execute_process(COMMAND ${OBJDUMP} --section-headers ${PREFIX}/bin/${program}
                  OUTPUT_VARIABLE sections RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR sections MATCHES " \\.(comment|symtab|debug_info) ")
    message(FATAL_ERROR "${program} is not stripped:\n${sections}")
  endif()
endforeach()
message(STATUS "installed tree complete in ${PREFIX}")
