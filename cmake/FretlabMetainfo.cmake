# Writes the AppStream metainfo of VERSION, released on DATE (YYYY-MM-DD), to OUT from res/org.fretlab.Fretlab.metainfo.xml.in.
# The homepage and the screenshots (the README's pictures) need public web
# addresses: they are written only when WEB_ADDRESS is not empty, the
# pictures then at WEB_ADDRESS/docs/NAME.png, as the source tree holds them.
function(fretlab_metainfo source_dir out web_address version date)
  set(FRETLAB_METAINFO_WEB "")
  if(NOT web_address STREQUAL "")
    string(REGEX REPLACE "/+$" "" base "${web_address}")
    string(CONCAT FRETLAB_METAINFO_WEB
      "  <url type=\"homepage\">${base}</url>\n"
      "  <screenshots>\n"
      "    <screenshot type=\"default\">\n"
      "      <caption>Fretlab Practice: E harmonic minor with interval labels</caption>\n"
      "      <image>${base}/docs/practice-window.png</image>\n"
      "    </screenshot>\n"
      "    <screenshot>\n"
      "      <caption>A drill right after a miss: the right positions and the answer given</caption>\n"
      "      <image>${base}/docs/practice-drills.png</image>\n"
      "    </screenshot>\n"
      "    <screenshot>\n"
      "      <caption>A picture of the neck: A Dorian in DADGAD, left-handed</caption>\n"
      "      <image>${base}/docs/practice-render.png</image>\n"
      "    </screenshot>\n"
      "  </screenshots>\n")
  endif()
  set(PROJECT_VERSION "${version}")
  set(FRETLAB_RELEASE_DATE "${date}")
  configure_file("${source_dir}/res/org.fretlab.Fretlab.metainfo.xml.in" "${out}" @ONLY)
endfunction()
