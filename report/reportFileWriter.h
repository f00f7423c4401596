#pragma once
#include <QString>

class printTool;

// Writes report files so that an existing file is only ever replaced by a complete one.
class reportFileWriter
{
public:
    // Prints the tool's report into a PDF under fileName. False (the file left as it was) when
    // nothing could be printed or the file cannot be written.
    static bool writePdf(printTool& tool, const QString& fileName);
    // The name a user chose, with ".<suffix>" added when it does not end in it (any case);
    // an empty name stays empty.
    static QString withSuffix(const QString& fileName, const QString& suffix);
};
