#pragma once
#include "PanelChkRecord.h"
#include "PanelQcResult.h"
#include "QcQueryFilter.h"
#include "QueryFilter.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QVariant>
#include <QStringList>
#include <QVector>

// Result store: tables PanelChkResult and PanelQcResult of the main database (default
// connection). Every method returns whether its statement ran and logs failures.
class Indexdb : public QObject
{
    Q_OBJECT
public:
    explicit Indexdb(QObject* parent = nullptr);
    ~Indexdb() override;

    // Inserts one result (its id and aiResult are not stored).
    bool insertData(PanelChkRecord& record);
    // Inserts one QC result with show = 1 (its id is not stored).
    bool insertQcResult(PanelQcResult& record);
    // Every row of PanelChkResult, of one machine when the filter's machineid is not empty.
    bool queryAllByMachine(const QueryFilter& filter, QVector<PanelChkRecord>* out);
    // The live sample result with this id (appended; the vector is not emptied).
    bool queryById(const QString& id, QVector<PanelChkRecord>* out);
    // Updates the case fields, results, state, error code and aiResult of row record.id.
    bool updateData(PanelChkRecord record);

    // Live sample results (state 1, status 1), newest first.
    bool queryLive(QVector<PanelChkRecord>* out);
    // Live sample results matching the filter, newest first.
    bool queryByFilter(const QueryFilter& filter, QVector<PanelChkRecord>* out);

    // Where a page of the result list starts: after the row with this stored check time and id.
    struct ListKey
    {
        QVariant chkdatetime; // as stored (text, or null: those rows come last, by id)
        int id = 0;
    };
    // One page of live sample results (matching the filter, when given), newest first, after
    // `after` (from the start when null), at most `limit` rows. Reads only what the result list
    // shows: id, check time, machine, panel, patient information, department and sex. Each
    // record's stored check time is appended to `keys`.
    bool queryListPage(const QueryFilter* filter, const ListKey* after, int limit, QVector<PanelChkRecord>* out,
                       QVector<QVariant>* keys);
    // The same columns of the live sample results with these ids, in no set order.
    bool queryListRows(const QList<int>& ids, QVector<PanelChkRecord>* out, QVector<QVariant>* keys);
    // The same columns of the live sample results with an id above `id`, in no set order.
    bool queryListRowsAbove(int id, QVector<PanelChkRecord>* out, QVector<QVariant>* keys);
    // The largest id of PanelChkResult, 0 when empty, -1 on failure.
    int maxResultId();
    // Results of this machine in PanelChkResult plus PanelQcResult (a QC run moved to the QC
    // table counts once); -1 on failure.
    int countByMachine(const QString& machineId);
    // Sets the state of the given results (0 soft delete, 1 restore) in one transaction.
    bool setState(const QList<int>& ids, int state);
    // Sample results (status 1) of the given state, newest first.
    bool queryByState(int state, QVector<PanelChkRecord>* out);

    // Shown QC results (show = 1) matching the filter, newest first.
    bool queryQc(const QcQueryFilter& filter, QVector<PanelQcResult>* out);
    // One page of shown QC results (matching the filter, when given), newest first, after `after`
    // (from the start when null), at most `limit` rows. Reads only what the QC list shows: id,
    // check time, material, lot, department and machine. Each result's stored check time is
    // appended to `keys`.
    bool queryQcListPage(const QcQueryFilter* filter, const ListKey* after, int limit, QVector<PanelQcResult>* out,
                         QVector<QVariant>* keys);
    // The same columns of the shown QC results with these ids, in no set order.
    bool queryQcListRows(const QList<int>& ids, QVector<PanelQcResult>* out, QVector<QVariant>* keys);
    // The same columns of the shown QC results with an id above `id`, in no set order.
    bool queryQcListRowsAbove(int id, QVector<PanelQcResult>* out, QVector<QVariant>* keys);
    // The largest id of PanelQcResult, 0 when empty, -1 on failure.
    int maxQcId();
    // The QC result with this id, shown or not. False when missing.
    bool queryQcById(int id, PanelQcResult* out);
    // QC results in the QC recycle bin (show = 0), newest first.
    bool queryQcHidden(QVector<PanelQcResult>* out);
    // Sets the show flag of the given QC results in one transaction.
    bool setQcShow(const QList<int>& ids, int show);
    // Updates every stored field of QC result r.id.
    bool updateQcResult(const PanelQcResult& r);

    // Machine ids of the live sample results, sorted.
    bool liveMachineIds(QStringList* out);
    // Check times of the oldest and newest live sample result; both null when there is none.
    bool liveCheckTimeRange(QDateTime* oldest, QDateTime* newest);

    // What reading a result derived from its stored texts (defined in the source file).
    struct DerivedRow;

private:
    QSqlDatabase m_sqlDatabase;
    // Per result id, what the last live query derived: the next one reuses it for unchanged rows.
    QHash<int, DerivedRow> m_liveRows;
};
