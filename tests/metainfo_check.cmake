# The AppStream metainfo: the one the build wrote (no web address unless the
# build was given one) and one written with a web address, so that the
# homepage and screenshots are checked too. Each must pass appstreamcli
# without network access, name the project's licence and version, and
# launch through the desktop entries that are installed.
include(${SOURCE_DIR}/cmake/FretlabMetainfo.cmake)
set(with_web "${BINARY_DIR}/metainfo-check/org.fretlab.Fretlab.metainfo.xml")
fretlab_metainfo(${SOURCE_DIR} ${with_web} "https://fretlab.example.org/" ${VERSION} ${DATE})

foreach(file "${BINARY_DIR}/org.fretlab.Fretlab.metainfo.xml" "${with_web}")
  execute_process(COMMAND appstreamcli validate --no-net --explain "${file}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate ${file} (${rc}):\n${out}")
  endif()
  file(READ "${file}" text)
  foreach(wanted "<project_license>GPL-3.0-or-later</project_license>"
                 "<release version=\"${VERSION}\" date=\"${DATE}\"/>"
                 "<launchable type=\"desktop-id\">org.fretlab.Fretlab.desktop</launchable>"
                 "<binary>fretlab</binary>"
                 "<mediatype>application/x-fretlab-sequence</mediatype>")
    string(FIND "${text}" "${wanted}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${file} lacks ${wanted}")
    endif()
  endforeach()
endforeach()

# The id is the main desktop entry's name, and the entry's MIME type is the
# one the metainfo says Fretlab opens.
file(READ "${SOURCE_DIR}/res/org.fretlab.Fretlab.desktop" entry)
string(FIND "${entry}" "MimeType=application/x-fretlab-sequence;" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the desktop entry and the metainfo name different MIME types")
endif()

# With the address: the homepage and every README picture it points to.
file(READ "${with_web}" text)
foreach(wanted "<url type=\"homepage\">https://fretlab.example.org</url>"
               "<image>https://fretlab.example.org/docs/practice-window.png</image>")
  string(FIND "${text}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "with a web address the metainfo lacks ${wanted}")
  endif()
endforeach()
string(REGEX MATCHALL "/docs/[a-z-]+\\.png" pictures "${text}")
foreach(picture ${pictures})
  if(NOT EXISTS "${SOURCE_DIR}${picture}")
    message(FATAL_ERROR "the metainfo shows ${picture}, which the source tree lacks")
  endif()
endforeach()
# The build's own, without an address: neither, rather than empty addresses.
if(WEB_ADDRESS STREQUAL "")
  file(READ "${BINARY_DIR}/org.fretlab.Fretlab.metainfo.xml" text)
  foreach(unwanted "<url" "<screenshot")
    string(FIND "${text}" "${unwanted}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "without a web address the metainfo still has ${unwanted}")
    endif()
  endforeach()
endif()
