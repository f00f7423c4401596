#pragma once
#include "PanelQcResult.h"
#include "QcQueryFilter.h"

#include <QList>
#include <QSet>
#include <QVector>
#include <QWidget>

#include <functional>

namespace Ui { class wgtQcReport; }
class Indexdb;
class qvHeaderView;
class QcListModel;
class qcReportPage;

// The QC tab: the stored QC results (left), the analytes of the selected one (right) and its
// editable QC details; deletes to the QC recycle bin, prunes analytes, prints.
class wgtQcReport : public QWidget
{
    Q_OBJECT
public:
    explicit wgtQcReport(QWidget* parent = nullptr);
    ~wgtQcReport() override;

    // Lists every shown QC result from the first page again (rows loaded beyond it go); the
    // selection stays when its row is in it. The current filter stays as it is.
    void refreshData();
    // Lists the QC results matching the filter and keeps it as the current filter.
    void queryData(QcQueryFilter filter);
    // Shows the QC results stored since the list was last read, each as one row at its place;
    // selection, ticks and the detail stay. While a search is shown, lists every result again.
    void showNewResults();
    // Shows the QC ranges of the detail again from the configuration (after it was replaced);
    // nothing else of the detail changes.
    void showLimitsAgain();
    // Refills the department, inspector and reviewer lists.
    void initComboBox();

    QcQueryFilter currentFilter() const { return m_filter; }
    // Analyte codes of the ticked rows of the detail table.
    QSet<QString> checkedProjects() const;
    // Ids of the ticked QC results, in list order.
    QList<int> checkedIds() const;
    // Id of the QC result shown in the detail, -1 when none.
    int currentId() const { return m_hasCurrent ? m_current.id : -1; }

    // Fills the page from the print settings and the QC result with the id (the shown one, else
    // the first listed, when the id is empty); only the ticked analytes, all when none is given.
    // False, the page's rows and header left as they were, when the result cannot be found or
    // its analytes cannot be read.
    bool buildQcReport(qcReportPage& page, const QSet<QString>& ticked, const QString& id);

    enum ListColumn { ColId = 0, ColCheck, ColTime, ColProduct, ColLot, ColDivision, ColMachine, ListColumns };
    enum DetailColumn { DetCheck = 0, DetCode, DetResult, DetUnit, DetTarget, DetRange, DetailColumns };

private slots:
    void on_tableWidget_qc_itemSelectionChanged();
    void on_pushButton_save_clicked();
    void on_pushButton_delete_clicked();
    void on_pushButton_delproject_clicked();
    // Report outputs come with the QC report.
    void on_pushButton_printview_clicked();
    void on_pushButton_print_clicked();
    void on_pushButton_printpdf_clicked();
    void on_pushButton_printexcel_clicked();
    void slot_detailcheck(int _index, bool _check);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The PDF and Excel commands: the shown result's report to a file the user names.
    void exportCurrentReport(const QString& filter, bool excel);
    void setHeaders();
    // Runs a change of the list with the view's selection signal held back, then selects the
    // shown result again when it is still listed (else the detail is cleared). With
    // `showAgain` the detail is read again.
    void changeList(const std::function<void()>& change, bool showAgain);
    // Sizes the list's columns to the header texts and to the texts of rows first to last, each
    // at most a cap wide. With `exact` (a fresh list) a column may narrow; otherwise it only
    // widens.
    void fitColumns(int first, int last, bool exact);
    // The QC result of this row of the list, read again; false when it cannot be read.
    bool resultAt(int row, PanelQcResult* out) const;
    void showDetail(const PanelQcResult& qc);
    void clearDetail();
    // The edited result, or false when nothing is shown.
    bool editedResult(PanelQcResult* out) const;
    static void setCombo(class QComboBox* box, const QString& text);

    Ui::wgtQcReport* ui;
    Indexdb* m_indexdb;
    qvHeaderView* m_detailHeader;
    QcQueryFilter m_filter;      // the tab's current filter
    QcQueryFilter m_listFilter;  // what the list shows now
    QcListModel* m_listModel;
    PanelQcResult m_current;
    bool m_hasCurrent = false;
    bool m_resultParsed = false; // the shown result's analyte JSON was readable
};
