#pragma once
#include "HtmlCell.h"
#include "ReportItem.h"

#include <QMap>
#include <QString>
#include <QVector>

class elementBase;
class printTool;

// Page state and HTML fragment builders of a report page, written once over the element kind:
// Node is elementBase for printed pages (printHtml) and elementTemplate for the settings
// previews (previewHtml). The builders return new elements owned by the caller.
template <class Node>
class reportFragments
{
public:
    reportFragments() = default;
    ~reportFragments() = default;

    bool chartMode = true;
    printTool* previewTool = nullptr;  // not owned here; the page types decide
    int paperMode = 0;
    QString language;
    QVector<ReportItem> reportItems;
    QString errcodeTail;
    int optionMask = 0;
    int fontSize = 12;

    // True when report option number is switched off (bit number modulo 32 of optionMask).
    bool isOptionOff(int number) const;

    elementBase* fontDiv() const;
    elementBase* addNumberedDiv(int number, const QString& text, QMap<QString, QString>& attributes) const;
    elementBase* createTable(const QVector<HtmlCell>& cells, int columns, int widthPercent) const;
    elementBase* createFullWidthTable(const QVector<HtmlCell>& cells, int columns) const;
    elementBase* addHeaderRow(bool chartMode, bool qcReport) const;
    static void serumIndexText(const QString& errcodeTail, const QString& sampleJson,
                               QVector<HtmlCell>& cells);
    static QString rangeBar(double value, double lowLimit, double highLimit, double scaleTop,
                            QString& barHtml, QString& arrow);

    // The title block of a report: clinic logo (option 1) and name from the clinic details, the
    // report heading and the header fields laid out `columns` to a row. Values are escaped.
    elementBase* reportTitle(const QString& heading, const QVector<HtmlCell>& fields, int columns) const;
    // The contact block: phone (option 2), e-mail (3), address (4) and the maker logo.
    elementBase* reportContact() const;
    // The result rows of a report table, one per item: number (option numberOption), name, code,
    // result, arrow (arrow layout), target (QC report), unit, range and the range bar (chart
    // layout). Texts are escaped.
    elementBase* resultRows(const QVector<ReportItem>& rows, int numberOption, bool withTarget) const;
    // Style of the cells of result row `index` of `count`: space above the first, a rule and
    // space below the last; bold for a row out of its range.
    static QString resultRowStyle(int index, int count, bool bold);
};

class elementTemplate;
extern template class reportFragments<elementBase>;
extern template class reportFragments<elementTemplate>;
