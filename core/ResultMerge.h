#pragma once
#include "PanelChkRecord.h"

#include <QJsonArray>
#include <QStringList>
#include <QVector>

#include <functional>

class Indexdb;

// Joins the analytes of several sample results into the one result a merged report shows:
// each result without the analytes hidden for its panel, the results of one analyte code
// gathered together, on the case data of the last result found.
class ResultMerge
{
public:
    using HiddenOf = std::function<QStringList(int panelId)>;

    // The analyte objects of a record that are not hidden, in stored order, each copied whole.
    // A test-results text that is not a JSON array gives none (and a warning in the log).
    static QJsonArray visibleAnalytes(const PanelChkRecord& record, const QStringList& hidden);

    // One block per analyte code ("N"), blocks in the order of each code's first entry, the
    // entries of a block in their input order.
    static QJsonArray groupByCode(const QJsonArray& analytes);

    // Merges the records in the order given. The base record is a copy of the last one with
    // its test results replaced by the grouped analytes (indented JSON). False, leaving base
    // untouched, when there are no records.
    static bool merge(const QVector<PanelChkRecord>& records, const HiddenOf& hiddenOf,
                      PanelChkRecord* base);

    // Looks each id up as a live sample result and merges those found; an id without one
    // contributes nothing. False when none was found.
    static bool mergeStored(Indexdb& db, const QStringList& ids, const HiddenOf& hiddenOf,
                            PanelChkRecord* base);
};
