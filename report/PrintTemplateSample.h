#pragma once
#include "ReportItem.h"

#include <QString>
#include <QVector>

class QJsonObject;

// The sample rows of the print settings previews: "printSetTemplate.json" in the working
// folder, created from the built-in copy when missing and never written otherwise.
class PrintTemplateSample
{
public:
    // Path of the sample file in the working folder.
    static QString path();

    // Reads the rows (objects of the "result" array; other entries are skipped). Returns false
    // when the file cannot be read or holds no JSON object; rows are then left untouched.
    static bool load(QVector<ReportItem>* rows);

    // One row of the sample: numbers of "result", "down" and "up" (0 when not numeric), the
    // texts as they stand, the analyte's name from the word table.
    static ReportItem rowFromJson(const QJsonObject& object);
};
