#include "reportWorkbookFrame.h"

#include "SystemSettings.h"
#include "XlsxDocument.h"
#include "mergeCellBlock.h"
#include "printHtml.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

namespace {

QString cellName(char column, int row)
{
    return QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row);
}

} // namespace

QColor reportWorkbookFrame::accent()
{
    return QColor(138, 170, 197);
}

void reportWorkbookFrame::setUpSheet(XlsxDocument& doc)
{
    doc.setGridLinesVisible(false);
    doc.setColumnWidth(1, 9, 10.5);
    doc.setColumnFormat(1, 9, printHtml::workbookBaseFormat());
}

void reportWorkbookFrame::writeHeading(XlsxDocument& doc, const QString& title, bool logoShown)
{
    const XlsxFormat base = printHtml::workbookBaseFormat();
    if (logoShown && QFile::exists(QStringLiteral("./print_logo.png"))) {
        const QImage logo(QStringLiteral("./print_logo.png"));
        if (!logo.isNull())
            doc.insertImage(0, 0, logo.scaled(120, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    mergeCellBlock(doc, 'A', 1, 2, 2, base);
    XlsxFormat name = base;
    name.setHorizontalAlignment(XlsxFormat::AlignHCenter);
    name.setVerticalAlignment(XlsxFormat::AlignTop);
    name.setFontSize(base.fontSize() * 2);
    name.setFontBold(true);
    name.setFontColor(accent());
    doc.write(QStringLiteral("C1"), getHospitalValue(QStringLiteral("hospital")), XlsxFormat());
    mergeCellBlock(doc, 'C', 1, 5, 1, name);
    XlsxFormat heading = name;
    heading.setFontSize(base.fontSize() * 3 / 2);
    doc.write(QStringLiteral("C2"), title, XlsxFormat());
    mergeCellBlock(doc, 'C', 2, 5, 1, heading);
}

void reportWorkbookFrame::writeBand(XlsxDocument& doc, int row)
{
    XlsxFormat f;
    f.setPatternBackgroundColor(accent());
    mergeCellBlock(doc, 'A', row, 3, 1, f);
    f.setPatternBackgroundColor(QColor(128, 128, 128));
    f.setLeftBorderStyle(XlsxFormat::BorderThick);
    f.setLeftBorderColor(Qt::white);
    mergeCellBlock(doc, 'D', row, 6, 1, f);
    doc.setRowHeight(row, row, 5.0);
}

void reportWorkbookFrame::writeContact(XlsxDocument& doc, int row, bool phone, bool email, bool address)
{
    XlsxFormat contact = printHtml::workbookBaseFormat();
    contact.setFontColor(accent());
    contact.setFontBold(true);
    char c = 'A';
    if (phone) {
        doc.write(cellName('A', row),
                  QCoreApplication::translate("T", "电话") + QLatin1Char(':') + getHospitalValue(QStringLiteral("phone")),
                  XlsxFormat());
        mergeCellBlock(doc, 'A', row, 3, 1, contact);
        c = 'D';
    }
    if (email) {
        doc.write(cellName(c, row),
                  QCoreApplication::translate("T", "邮箱") + QLatin1Char(':') + getHospitalValue(QStringLiteral("email")),
                  XlsxFormat());
        mergeCellBlock(doc, c, row, 3, 1, contact);
    }
    const QImage makerLogo(QStringLiteral(":/images/logo_qv.png"));
    if (!makerLogo.isNull())
        doc.insertImage(row, 7, makerLogo.scaledToWidth(120, Qt::SmoothTransformation));
    if (address) {
        doc.write(cellName('A', row + 1),
                  QCoreApplication::translate("T", "地址") + QLatin1Char(':') + getHospitalValue(QStringLiteral("address")),
                  XlsxFormat());
        mergeCellBlock(doc, 'A', row + 1, 6, 1, contact);
    }
}

int reportWorkbookFrame::writeResults(XlsxDocument& doc, int row, const QVector<ReportItem>& items, bool numbers,
                                      bool withTarget, const XlsxFormat& base, const RowColour& colourOf)
{
    auto label = [](const char* text) { return QCoreApplication::translate("T", text); };
    const int n = items.size();
    for (int r = row; r <= row + n; ++r) {
        mergeCellBlock(doc, numbers ? 'C' : 'B', r, numbers ? 2 : 3, 1, base);
        if (!withTarget)
            mergeCellBlock(doc, 'E', r, 2, 1, base);
        mergeCellBlock(doc, 'H', r, 2, 1, base);
    }
    XlsxFormat head = base;
    head.setBottomBorderStyle(XlsxFormat::BorderThin);
    for (char c = 'A'; c <= 'I'; ++c)
        doc.write(cellName(c, row), QString(), head);
    doc.write(cellName(numbers ? 'B' : 'A', row), label("项目缩写"), XlsxFormat());
    doc.write(cellName(numbers ? 'C' : 'B', row), label("全称"), XlsxFormat());
    doc.write(cellName('E', row), label("检验结果"), XlsxFormat());
    if (withTarget)
        doc.write(cellName('F', row), label("靶值"), XlsxFormat());
    doc.write(cellName('G', row), label("提示"), XlsxFormat());
    XlsxFormat rangeHead = head;
    rangeHead.setHorizontalAlignment(XlsxFormat::AlignRight);
    doc.write(cellName('H', row), label("参考范围"), rangeHead);

    for (int k = 0; k < n; ++k) {
        const ReportItem& item = items.at(k);
        const int r = row + 1 + k;
        QString arrow;
        const QString colour = colourOf(item, arrow);
        XlsxFormat f = base;
        if (!colour.isEmpty()) {
            QColor c;
            c.setNamedColor(colour);
            f.setFontColor(c);
        }
        if (numbers)
            doc.write(cellName('A', r), QString::number(k + 1), f);
        doc.write(cellName(numbers ? 'B' : 'A', r), item.code, f);
        doc.write(cellName(numbers ? 'C' : 'B', r), item.name, f);
        doc.write(cellName('E', r), item.resultText + item.unit, f);
        if (withTarget)
            doc.write(cellName('F', r), item.target, f);
        doc.write(cellName('G', r), arrow, f);
        if (!(item.low == 0 && item.high == 0)) {
            f.setHorizontalAlignment(XlsxFormat::AlignRight);
            doc.write(cellName('H', r), item.rangeText, f);
        }
    }
    return row + 1 + n;
}

int reportWorkbookFrame::writeClosing(XlsxDocument& doc, int row, const QVector<HtmlCell>& serum, const XlsxFormat& base)
{
    XlsxFormat rule = base;
    rule.setTopBorderStyle(XlsxFormat::BorderThin);
    mergeCellBlock(doc, 'A', row, 9, 1, rule);
    doc.setRowHeight(row, row, 5.0);

    char column = 'A';
    for (const HtmlCell& cell : serum) {
        if (column > 'I')
            break;
        doc.write(cellName(column, row + 1), cell.text, XlsxFormat());
        mergeCellBlock(doc, column, row + 1, 3, 1, base);
        column = char(column + 3);
    }
    return serum.isEmpty() ? row + 1 : row + 2;
}
