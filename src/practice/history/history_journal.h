#pragma once
// The journal files SQLite keeps beside a history in WAL mode: "-wal" holds
// answers not yet folded into the file, "-shm" an index of it shared by the
// connections. Both are made with the history's own permissions, so a
// history opened while it was read-only leaves read-only ones behind, and
// SQLite goes on treating the history as read-only after the user has made
// it writable again. Plain POSIX; no Qt, no SQLite.

#include <string>

namespace fretlab::practice {

// Readies the journals of `history` for a writer when no connection, of
// this process or another, has them open (SQLite holds a lock on "-shm"
// for as long as a connection is open; the system's table of locks shows
// it): a "-shm" this user may not write is removed (SQLite builds it anew
// from the log), and a "-wal" of this user's that this user may not write
// gets the history's permissions (it may hold answers; it is never
// removed). Nothing is done while the history itself is not writable, or
// when the table of locks cannot be read. Returns how many files were
// changed.
int ReadyLeftOverJournals(const std::string& history);

// True when the file system holding `path` (a file or folder) has no room
// left for this user.
bool DiskIsFull(const std::string& path);

}  // namespace fretlab::practice
