# Installs the program into a scratch prefix and checks that the desktop
# entry, the MIME type and the icons land where desktops look for them, and
# that the entry and the MIME file are valid.
set(prefix "${BINARY_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

foreach(f bin/fretlab
          share/applications/org.fretlab.Fretlab.desktop
          share/applications/org.fretlab.FretlabPractice.desktop
          share/mime/packages/fretlab.xml
          share/icons/hicolor/scalable/apps/fretlab.svg
          share/icons/hicolor/16x16/apps/fretlab.png
          share/icons/hicolor/32x32/apps/fretlab.png
          share/icons/hicolor/64x64/apps/fretlab.png)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()

set(entry "${prefix}/share/applications/org.fretlab.Fretlab.desktop")
execute_process(COMMAND desktop-file-validate "${entry}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
file(READ "${entry}" text)
foreach(needle "Categories=Education;Music;" "Exec=fretlab %f" "Icon=fretlab"
               "MimeType=application/x-fretlab-sequence;")
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${needle}")
  endif()
endforeach()

# The Practice window: an action of the main entry, and a launcher of its own.
foreach(needle "Actions=Practice;" "[Desktop Action Practice]" "Name=Practice"
               "Exec=fretlab --practice")
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${needle}")
  endif()
endforeach()
set(practice "${prefix}/share/applications/org.fretlab.FretlabPractice.desktop")
execute_process(COMMAND desktop-file-validate "${practice}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
file(READ "${practice}" text)
foreach(needle "Name=Fretlab Practice" "Exec=fretlab --practice" "Icon=fretlab" "Comment=")
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the Practice launcher lacks ${needle}")
  endif()
endforeach()
string(FIND "${text}" "Actions=" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the Practice launcher should not repeat the main entry's actions")
endif()

# The MIME type must be one that update-mime-database accepts and maps *.fbs.
set(mime "${prefix}/share/mime")
execute_process(COMMAND update-mime-database "${mime}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "update-mime-database failed: ${out}")
endif()
file(READ "${mime}/globs2" globs)
string(FIND "${globs}" "application/x-fretlab-sequence:*.fbs" at)
if(at EQUAL -1)
  message(FATAL_ERROR "*.fbs is not mapped to application/x-fretlab-sequence: ${globs}")
endif()
message(STATUS "desktop integration complete")
