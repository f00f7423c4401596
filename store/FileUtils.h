#pragma once
#include <QString>

// Copies `source` (a resource path is accepted) to `target` when `target` does not exist, and
// makes the copy writable by its owner. Does nothing when `target` exists.
void copyFileIfMissing(const QString& source, const QString& target);

// Replaces `target` with a copy of `source` and makes it writable by its owner.
void copyFileOverwrite(const QString& source, const QString& target);
