#include "chkReportPage.h"

#include "printTool.h"

#include "HtmlCell.h"
#include "SystemSettings.h"
#include "XlsxDocument.h"
#include "XlsxFormat.h"
#include "elementBase.h"
#include "mergeCellBlock.h"
#include "testReportBuilder.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <memory>

chkReportPage::chkReportPage() = default;

chkReportPage::~chkReportPage()
{
    // The page owns the printTool behind its pointer (and with it the printer).
    if (previewTool) {
        delete previewTool;
        previewTool = nullptr;
    }
}

QString chkReportPage::resultGauge(double value, double low, double high, QString& image, QString& arrow)
{
    QString colour;
    if (high == 0 && low == 0) {
        image.clear();
        arrow.clear();
        return colour;
    }
    if (value > high) {
        arrow = QStringLiteral("↑");
        colour = QStringLiteral("red");
        if (value <= high * 6 / 5)
            image = QStringLiteral("11.png");
        else if (value <= high * 7 / 5)
            image = QStringLiteral("12.png");
        else if (value <= high * 8 / 5)
            image = QStringLiteral("13.png");
        else if (value <= high * 9 / 5)
            image = QStringLiteral("14.png");
        else
            image = QStringLiteral("15.png");
    } else if (value < low) {
        arrow = QStringLiteral("↓");
        colour = QStringLiteral("#0db9ef");
        if (value >= low * 4 / 5)
            image = QStringLiteral("05.png");
        else if (value >= low * 3 / 5)
            image = QStringLiteral("04.png");
        else if (value >= low * 2 / 5)
            image = QStringLiteral("03.png");
        else if (value >= low / 5)
            image = QStringLiteral("02.png");
        else
            image = QStringLiteral("01.png");
    } else {
        const double d = high - low;
        if (value <= low + d / 5)
            image = QStringLiteral("06.png");
        else if (value <= low + 2 * d / 5)
            image = QStringLiteral("07.png");
        else if (value <= low + 3 * d / 5)
            image = QStringLiteral("08.png");
        else if (value <= low + 4 * d / 5)
            image = QStringLiteral("09.png");
        else
            image = QStringLiteral("10.png");
    }
    return colour;
}

// ---- test report: results section, heading, contact block and outputs ----

namespace {

QString hospitalValue(const char* key)
{
    return getHospitalValue(QLatin1String(key));
}

QString asIs(const QString& text)
{
    return text;
}

} // namespace

QString chkReportPage::buildBody(const QVector<ReportItem>& rows) const
{
    return testReportBuilder<chkReportPage, elementBase>::body(*this, rows);
}

QString chkReportPage::buildTitle() const
{
    return testReportBuilder<chkReportPage, elementBase>::title(*this);
}

QString chkReportPage::buildContact() const
{
    return testReportBuilder<chkReportPage, elementBase>::contact(*this);
}

printTool* chkReportPage::makePrintTool(int pagesPerSheet) const
{
    printTool* tool = new printTool(paperMode, nullptr);
    tool->m_title = buildTitle();
    tool->m_contact = buildContact();
    tool->m_body = buildBody(reportItems);
    if (pagesPerSheet > 0)
        tool->m_pagesPerSheet = pagesPerSheet;
    return tool;
}

bool chkReportPage::exportPdf(const QString& fileName) const
{
    if (fileName.isEmpty())
        return false;
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        qDebug() << "chkReportPage::exportPdf no temporary folder" << tmp.errorString();
        return false;
    }
    const QString tmpPdf = tmp.filePath(QStringLiteral("report.pdf"));
    {
        std::unique_ptr<printTool> tool(makePrintTool(0));
        tool->exportPdf(tmpPdf);
    }
    QFile built(tmpPdf);
    if (!built.open(QIODevice::ReadOnly) || built.size() == 0) {
        qDebug() << "chkReportPage::exportPdf nothing written" << built.errorString();
        return false;
    }
    const QByteArray bytes = built.readAll();
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qDebug() << "chkReportPage::exportPdf" << fileName << "error:" << out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

void chkReportPage::printPreview() const
{
    printPreviewSheets(0);
}

void chkReportPage::printPreviewSheets(int pagesPerSheet) const
{
    std::unique_ptr<printTool> tool(makePrintTool(pagesPerSheet));
    tool->showPreviewDialog();
}

bool chkReportPage::print() const
{
    return printSheets(0);
}

bool chkReportPage::printSheets(int pagesPerSheet) const
{
    std::unique_ptr<printTool> tool(makePrintTool(pagesPerSheet));
    return tool->printDirect();
}

bool chkReportPage::exportExcel(const QString& fileName) const
{
    const QString hospital = hospitalValue("hospital");
    const QString address = hospitalValue("address");
    const QString phone = hospitalValue("phone");
    const QString email = hospitalValue("email");
    const QColor accent(138, 170, 197);
    const QColor grey(128, 128, 128);

    XlsxDocument doc;
    doc.setGridLinesVisible(false);
    const XlsxFormat base = workbookBaseFormat();
    doc.setColumnWidth(1, 9, 10.5);
    doc.setColumnFormat(1, 9, base);

    auto cellName = [](char column, int row) { return QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row); };
    auto separator = [&](int row) {
        XlsxFormat f;
        f.setPatternBackgroundColor(accent);
        mergeCellBlock(doc, 'A', row, 3, 1, f);
        f.setPatternBackgroundColor(grey);
        f.setLeftBorderStyle(XlsxFormat::BorderThick);
        f.setLeftBorderColor(Qt::white);
        mergeCellBlock(doc, 'D', row, 6, 1, f);
        doc.setRowHeight(row, row, 5.0);
    };

    // Heading: logo, clinic name, report title.
    if (!isOptionOff(1) && QFile::exists(QStringLiteral("./print_logo.png"))) {
        const QImage logo(QStringLiteral("./print_logo.png"));
        if (!logo.isNull())
            doc.insertImage(0, 0, logo.scaled(120, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    mergeCellBlock(doc, 'A', 1, 2, 2, base);
    XlsxFormat title = base;
    title.setHorizontalAlignment(XlsxFormat::AlignHCenter);
    title.setVerticalAlignment(XlsxFormat::AlignTop);
    title.setFontSize(base.fontSize() * 2);
    title.setFontBold(true);
    title.setFontColor(accent);
    doc.write(QStringLiteral("C1"), hospital, XlsxFormat());
    mergeCellBlock(doc, 'C', 1, 5, 1, title);
    title.setFontSize(base.fontSize() * 3 / 2);
    doc.write(QStringLiteral("C2"), QStringLiteral("生化检验报告单"), XlsxFormat());
    mergeCellBlock(doc, 'C', 2, 5, 1, title);

    const ReportPatientInfo& p = patientInfo;
    const int r1 = writeMergedCell(3, testReportCells::headingFields(p, ageText, asIs), 3, &doc);
    separator(r1);

    // Results table.
    const int r2 = r1 + 1;
    const int n = reportItems.size();
    const bool numbers = !isOptionOff(14);
    for (int row = r2; row <= r2 + n; ++row) {
        if (numbers)
            mergeCellBlock(doc, 'C', row, 2, 1, base);
        else
            mergeCellBlock(doc, 'B', row, 3, 1, base);
        mergeCellBlock(doc, 'E', row, 2, 1, base);
        mergeCellBlock(doc, 'H', row, 2, 1, base);
    }
    XlsxFormat head = base;
    head.setBottomBorderStyle(XlsxFormat::BorderThin);
    for (char c = 'A'; c <= 'I'; ++c)
        doc.write(cellName(c, r2), QString(), head);
    doc.write(cellName(numbers ? 'B' : 'A', r2), QCoreApplication::translate("T", "项目缩写"), XlsxFormat());
    doc.write(cellName(numbers ? 'C' : 'B', r2), QCoreApplication::translate("T", "全称"), XlsxFormat());
    doc.write(cellName('E', r2), QCoreApplication::translate("T", "检验结果"), XlsxFormat());
    doc.write(cellName('G', r2), QCoreApplication::translate("T", "提示"), XlsxFormat());
    XlsxFormat rangeHead = head;
    rangeHead.setHorizontalAlignment(XlsxFormat::AlignRight);
    doc.write(cellName('H', r2), QCoreApplication::translate("T", "参考范围"), rangeHead);

    int s = 1;
    for (int k = 0; k < n; ++k) {
        const ReportItem& item = reportItems.at(k);
        const int row = r2 + 1 + k;
        QString image, arrow;
        const QString colour = resultGauge(item.value, item.low, item.high, image, arrow);
        XlsxFormat f = base;
        if (!colour.isEmpty()) {
            QColor c;
            c.setNamedColor(colour);
            f.setFontColor(c);
        }
        if (numbers)
            doc.write(cellName('A', row), QString::number(s++), f);
        doc.write(cellName(numbers ? 'B' : 'A', row), item.code, f);
        doc.write(cellName(numbers ? 'C' : 'B', row), item.name, f);
        doc.write(cellName('E', row), item.resultText + item.unit, f);
        doc.write(cellName('G', row), arrow, f);
        if (!(item.high == 0 && item.low == 0)) {
            f.setHorizontalAlignment(XlsxFormat::AlignRight);
            doc.write(cellName('H', row), item.rangeText, f);
        }
    }

    // Closing rule, serum indices, people and times.
    const int f = r2 + n + 1;
    XlsxFormat rule = base;
    rule.setTopBorderStyle(XlsxFormat::BorderThin);
    mergeCellBlock(doc, 'A', f, 9, 1, rule);
    doc.setRowHeight(f, f, 5.0);

    QVector<HtmlCell> serum;
    serumIndexText(errcodeTail, p.sampleJson, serum);
    char column = 'A';
    for (const HtmlCell& cell : qAsConst(serum)) {
        if (column > 'I')
            break;
        doc.write(cellName(column, f + 1), cell.text, XlsxFormat());
        mergeCellBlock(doc, column, f + 1, 3, 1, base);
        column += 3;
    }
    const int s1 = serum.isEmpty() ? f + 1 : f + 2;
    int t = writeMergedCell(s1, testReportCells::peopleCells(p, asIs), 3, &doc);

    // Closing lines.
    XlsxFormat disclaimer = base;
    disclaimer.setFontItalic(true);
    auto line = [&](int option, const QString& text, int width, const XlsxFormat& format) {
        if (isOptionOff(option))
            return;
        doc.write(cellName('A', t), text, XlsxFormat());
        mergeCellBlock(doc, 'A', t, width, 1, format);
        ++t;
    };
    line(21, QCoreApplication::translate("T", "临床诊断") + QLatin1Char(':') + p.diagnosis, 9, base);
    line(22, QCoreApplication::translate("T", "序列号") + QLatin1Char(':') + p.serialNumber, 3, base);
    line(23, QCoreApplication::translate("T", "本次检验仅对该样本负责!"), 8, disclaimer);
    line(24, p.customText, 8, base);

    // Contact rows.
    separator(t);
    const int u = t + 1;
    XlsxFormat contact = base;
    contact.setFontColor(accent);
    contact.setFontBold(true);
    char c = 'A';
    if (!isOptionOff(2)) {
        doc.write(cellName('A', u), QCoreApplication::translate("T", "电话") + QLatin1Char(':') + phone, XlsxFormat());
        mergeCellBlock(doc, 'A', u, 3, 1, contact);
        c = 'D';
    }
    if (!isOptionOff(3)) {
        doc.write(cellName(c, u), QCoreApplication::translate("T", "邮箱") + QLatin1Char(':') + email, XlsxFormat());
        mergeCellBlock(doc, c, u, 3, 1, contact);
    }
    const QImage makerLogo(QStringLiteral(":/images/logo_qv.png"));
    if (!makerLogo.isNull())
        doc.insertImage(u, 7, makerLogo.scaledToWidth(120, Qt::SmoothTransformation));
    if (!isOptionOff(4)) {
        doc.write(cellName('A', u + 1), QCoreApplication::translate("T", "地址") + QLatin1Char(':') + address, XlsxFormat());
        mergeCellBlock(doc, 'A', u + 1, 6, 1, contact);
    }

    if (!doc.saveAs(fileName)) {
        qDebug() << "chkReportPage::exportExcel" << fileName << "error:" << doc.errorString();
        return false;
    }
    return true;
}
