#pragma once
#include <QString>

// Replaces target by a copy of source through a temporary file and a rename, so that a failed
// copy leaves the old target in place. Choosing the target itself (same canonical path) keeps
// it. A read-only target is made writable first. Returns whether target now holds source.
bool replaceFile(const QString& source, const QString& target);

// Adds the owner's write permission to path. Returns false when it was already there or could
// not be added.
bool makeFileWritable(const QString& path);
