#pragma once
// File names between the window's text and the system's bytes. The system
// names files by bytes, which need not be UTF-8; Qt shows names as text and
// turns such bytes into replacement characters (U+FFFD), which name no file.
// Names go to the file layer as bytes, and names that came back from the
// file dialogs with replacement characters in them are looked up in their
// folders.

#include <QString>
#include <filesystem>

namespace fretlab {

// The file a dialog's `name` stands for. A part of the name that holds a
// replacement character is matched against the entries of its folder as the
// dialog shows them; when exactly one matches, its bytes are used. Otherwise
// (and for every other part) the name's own bytes in UTF-8.
std::filesystem::path NativeFileName(const QString& name);

// The name as the user reads it: bytes that are not UTF-8 show as
// replacement characters.
QString DisplayFileName(const std::filesystem::path& file);

// Where a file dialog should start for `folder`: the folder itself, or its
// nearest parent whose name the dialog can hold as text. Empty for none.
QString DialogFolder(const std::filesystem::path& folder);

}  // namespace fretlab
