#pragma once
#include "PanelChkRecord.h"
#include "PanelQcResult.h"

#include <QVector>

#include <functional>

class QTemporaryDir;

// Record number i of a benchmark's stored results: three analytes, a patient of its own.
PanelChkRecord benchRecord(int i);

// Stores records 0 to count - 1 in the open main database, in one transaction.
void storeBenchRecords(int count);

// QC run number i of a benchmark: three analytes, a lot and a department code.
PanelQcResult benchQcRun(int i);

// A clinic's mix in the open main database, in one transaction: `samples` sample results (two in
// five with the case fields filled, every 50th deleted) and one QC run per six samples (one
// record in seven is a QC run, as the analyzer simulator serves them), in check-time order.
// Returns the number of QC runs stored.
int storeClinicMix(int samples);

// Chooses the language in the settings file, as the user's choice is kept.
void writeBenchLanguage(const QString& language);

// Milliseconds the sqlite3 tool reports (its own timer, real time) for the statement on the file;
// -1 when the tool cannot run it.
double sqliteToolMs(const QString& file, const QString& sql);

// Creates "database.db2" in the working folder from the built-in copy, brings it to the current
// schema and opens it as the main database.
void openBenchDatabase();

// The clinic details and a logo, so that report headings are filled as in use.
void writeBenchClinic();

// The counts given on the command line, else the defaults.
QVector<int> benchCounts(int argc, char* argv[], const QVector<int>& defaults);

// Middle value (0 for none).
double median(QVector<double> values);

// Milliseconds that `count` runs of step take (run number given); -1 as soon as one fails.
double timeRuns(int count, const std::function<bool(int run)>& step);

// Sets the offscreen platform unless another is set; before the application is made.
void useOffscreenByDefault();
// Makes the temporary folder the working folder; false (with a message) when it cannot be.
bool enterBenchFolder(const QTemporaryDir& dir);
