#pragma once
#include "PanelQcResult.h"

#include <QString>

// Texts the QC lists show for one stored QC result.
namespace QcFormat {

// "质控一" for material 0, else "质控二".
QString productName(int qcProduct);
// The department as the user reads it (an analyzer code is translated).
QString divisionText(const QString& division);
// The same in a given language (for many rows: the language read once).
QString divisionText(const QString& division, const QString& language);
QString checkTimeText(const QDateTime& time);

}
