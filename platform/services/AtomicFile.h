#pragma once
// Reading a whole file with the reason of a failure, and replacing a file so
// that a reader sees either the old bytes or the new ones, never a mix: the
// new text goes to a temporary file beside the target, is flushed to disk and
// renamed over it. The settings stores share these two steps.

#include <string>
#include <string_view>

// 0 and the bytes in out, else the errno of the failure (ENOENT for a missing
// file, EISDIR for a folder).
int ReadFileBytes(const std::string& path, std::string& out);

// Empty on success, else why the file could not be written; the old file is
// then left as it was. A symbolic link is followed, so the link stays; a
// missing folder is created; the file keeps its permissions (0600 when new).
std::string ReplaceFileAtomically(const std::string& path, std::string_view text);
