#ifndef RESULTDETAIL_H
#define RESULTDETAIL_H

#include "ResultDetailEdit.h"
#include "ResultDetailRow.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The analyte rows of the result detail view and the rewrite of a result's test-results JSON
// when the view's table is saved. Unit mode 1 shows conventional units, any other SI units;
// values are stored in SI units.
class ResultDetail
{
public:
    using QcLimits = std::function<QVector<double>(const QString& code)>;
    using NameOf = std::function<QString(const QString& code)>;

    // Entry `index` of an analyte's "I" array as a number (0 when missing), and its unit
    // (entry 5, empty when missing).
    static double number(const QJsonArray& i, int index);
    static QString unitOf(const QJsonArray& i);

    // The stored test-results text as an array. False for a text that is not a JSON array
    // (an empty text reads as an empty array).
    static bool parseResults(const QString& text, QJsonArray* results);

    // One row per analyte not hidden, in stored order.
    static QVector<ResultDetailRow> buildRows(const QJsonArray& results, const QStringList& hidden,
                                              int unitMode, bool qcRun, const QcLimits& qcLimits,
                                              const NameOf& nameOf);

    // The test-results text after a save of the table rows. Every analyte whose row the user did
    // not change, and every hidden analyte, is kept exactly as stored; rows missing from the
    // table are dropped; rows added by hand are appended with the mark "addType". Returns false
    // when the stored text cannot be read (nothing must be written then). When nothing changed,
    // newText is the stored text itself.
    static bool rewriteResults(const QString& storedText, const QVector<ResultDetailEdit>& rows,
                               const QStringList& hidden, int unitMode, QString* newText);

    // "Ca2+" is shown as "Ca"; a code typed as "Ca" on a new row means "Ca2+".
    static QString shownCode(const QString& code);
    static QString codeOfTypedText(const QString& text);

    // Ages are stored as whole days: a year is 365 days, a month of the rest 30.
    static int ageYears(int days);
    static int ageMonths(int days);
    static int ageYears(const QString& days);
    static int ageMonths(const QString& days);

    static bool isLimitText(const QString& text);
    // Splits "low-high" (negative limits allowed: "-5-10", "-5--1") into its two number texts;
    // an empty text gives two empty texts. False for any other text.
    static bool splitRange(const QString& text, QString* low, QString* high);

    // Measuring limits of an analyte in SI units: entries 3 and 4 of its "I" array, or for a
    // QC run the QC limits when two are known for the code.
    static void measuringLimits(const QJsonArray& entries, const QString& code, bool qcRun,
                                const QcLimits& qcLimits, double& lower, double& upper);
    // Converts the limits to the shown unit in place and, for a value at or beyond one of them,
    // replaces text by the limit text ("≥" and the upper limit, or the lower-limit text).
    // Returns true when text was replaced. Without limits (both 0) no "≥0" is ever shown.
    static bool applyMeasuringLimits(const QString& code, int unitMode, double value, double& lower,
                                     double& upper, QString& text);

    static const char* const BelowColor;   // "#00afd6"
    static const char* const AboveColor;   // "#eb1c30"
};

#endif // RESULTDETAIL_H
