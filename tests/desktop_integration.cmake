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
          bin/fretlab-app
          share/applications/org.fretlab.Fretlab.desktop
          share/applications/org.fretlab.FretlabPractice.desktop
          share/mime/packages/fretlab.xml
          share/metainfo/org.fretlab.Fretlab.metainfo.xml
          share/man/man1/fretlab.1.gz
          share/icons/hicolor/scalable/apps/fretlab.svg
          share/icons/hicolor/16x16/apps/fretlab.png
          share/icons/hicolor/32x32/apps/fretlab.png
          share/icons/hicolor/64x64/apps/fretlab.png)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()

# Validates a desktop entry and checks that it holds every text given after
# its path (ARGV1...: one by one, as some hold semicolons); its text is left
# in entry_text.
function(check_entry path)
  execute_process(COMMAND desktop-file-validate "${path}" RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
  file(READ "${path}" text)
  math(EXPR last "${ARGC} - 1")
  foreach(i RANGE 1 ${last})
    string(FIND "${text}" "${ARGV${i}}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${path} lacks ${ARGV${i}}")
    endif()
  endforeach()
  set(entry_text "${text}" PARENT_SCOPE)
endfunction()

check_entry("${prefix}/share/applications/org.fretlab.Fretlab.desktop"
            "Categories=Education;Music;" "Exec=fretlab %f" "Icon=fretlab"
            "MimeType=application/x-fretlab-sequence;"
            # The Practice window, as an action of the main entry.
            "Actions=Practice;" "[Desktop Action Practice]" "Name=Practice"
            "Exec=fretlab --practice")
# And as a launcher of its own, without the main entry's actions.
check_entry("${prefix}/share/applications/org.fretlab.FretlabPractice.desktop"
            "Name=Fretlab Practice" "Exec=fretlab --practice" "Icon=fretlab" "Comment=")
string(FIND "${entry_text}" "Actions=" at)
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
