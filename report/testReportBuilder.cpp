#include "testReportBuilder.h"

#include "chkPreviewPage.h"
#include "chkReportPage.h"
#include "elementBase.h"
#include "elementTemplate.h"
#include "SystemSettings.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QImage>

namespace {

using Attributes = QMap<QString, QString>;

const QString kAccent = QColor(138, 170, 197).name();   // #8aaac5

const char* const kFirstRowStyle =
    "border-top: 1px solid transparent;                    border-bottom: 1px solid transparent;"
    "                    vertical-align: top;                    padding-top:5px;";
const char* const kLastRowStyle =
    "border-top: 1px solid transparent;                    border-bottom: 1px solid black;"
    "                    vertical-align: top;                    padding-bottom:5px;";
const char* const kInnerRowStyle =
    "border-top: 1px solid transparent;                    border-bottom: 1px solid transparent;"
    "                    vertical-align: top;";

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString hospitalValue(const char* key)
{
    return getHospitalValue(QLatin1String(key));
}

void append(elementBase* parent, elementBase* child)
{
    parent->m_children.append(child);
}

QString renderAndDelete(elementBase* root)
{
    const QString html = root->html();
    delete root;
    return html;
}

QString nowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

} // namespace

QVector<HtmlCell> testReportCells::headingFields(const ReportPatientInfo& p, const QString& ageText,
                                                QString (*prepare)(const QString&))
{
    return {
        HtmlCell(5, QCoreApplication::translate("T", "科室：") + prepare(p.division)),
        HtmlCell(6, QCoreApplication::translate("T", "患者编号：") + prepare(p.patientNumber)),
        HtmlCell(7, QCoreApplication::translate("T", "姓名：") + prepare(p.patientName)),
        HtmlCell(8, QCoreApplication::translate("T", "样本类型：") + prepare(p.sampleType)),
        HtmlCell(9, QCoreApplication::translate("T", "性别：") + prepare(p.sex)),
        HtmlCell(10, QCoreApplication::translate("T", "样本编号：") + prepare(p.sampleNumber)),
        HtmlCell(11, QCoreApplication::translate("T", "年龄：") + prepare(ageText)),
        HtmlCell(12, QCoreApplication::translate("T", "生日：") + prepare(p.birthday)),
        HtmlCell(13, QCoreApplication::translate("T", "采样时间：") + prepare(p.sampleTime)),
    };
}

QVector<HtmlCell> testReportCells::peopleCells(const ReportPatientInfo& p, QString (*prepare)(const QString&))
{
    return {
        HtmlCell(15, QCoreApplication::translate("T", "送检者") + QLatin1Char(':') + prepare(p.submitter)),
        HtmlCell(16, QCoreApplication::translate("T", "检验者") + QLatin1Char(':') + prepare(p.tester)),
        HtmlCell(17, QCoreApplication::translate("T", "审核者") + QLatin1Char(':') + prepare(p.reviewer)),
        HtmlCell(18, QCoreApplication::translate("T", "送检时间：") + prepare(p.submitTime)),
        HtmlCell(19, QCoreApplication::translate("T", "检验时间：") + prepare(p.testTime)),
        HtmlCell(20, QCoreApplication::translate("T", "打印时间") + QLatin1Char(':') + nowText()),
    };
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::body(const Page& page, const QVector<ReportItem>& rows)
{
    elementBase* root = page.fontDiv();
    elementBase* table = elementBase::createElement(
        QStringLiteral("table"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("style"), QStringLiteral("' border-collapse: collapse; '")}});
    append(root, table);
    append(table, page.addHeaderRow(page.chartMode, false));
    elementBase* group = Node::createElementText(QString(), QString(), Attributes());

    const int count = rows.size();
    for (int k = 0; k < count; ++k) {
        const ReportItem& item = rows.at(k);
        QString bar, arrow;
        const QString colour = Page::rangeBar(item.value, item.low, item.high, item.upperLimit, bar, arrow);
        Attributes rowAttributes;
        if (!colour.isEmpty())
            rowAttributes.insert(QStringLiteral("style"), QStringLiteral("'color: %1;'").arg(colour));
        elementBase* tr = Node::createElement(QStringLiteral("tr"), rowAttributes);

        QString style = QString::fromUtf8(k == 0 ? kFirstRowStyle : (k == count - 1 ? kLastRowStyle : kInnerRowStyle));
        if (!colour.isEmpty() && colour != QLatin1String("#000000"))
            style += QStringLiteral(" font-weight: bold; ");
        Attributes cell{{QStringLiteral("style"), QLatin1Char('\'') + style + QLatin1Char('\'')}};
        auto td = [tr](const QString& text, const Attributes& attributes) {
            elementBase* e = Node::createElementText(QStringLiteral("td"), text, attributes);
            append(tr, e);
            return e;
        };
        td(QString::number(k + 1), cell)->setVisible(!page.isOptionOff(14), QString());
        td(esc(item.name), cell);
        td(esc(item.code), cell);
        td(esc(item.resultText), cell);
        if (!page.chartMode)
            td(arrow, cell);
        td(esc(item.unit), cell);
        if (item.high == 0 && item.low == 0) {
            td(QString(), cell);
        } else {
            if (!page.chartMode)
                cell.insert(QStringLiteral("style"),
                            QLatin1Char('\'') + style + QStringLiteral(" text-align:right; ") + QLatin1Char('\''));
            td(esc(item.rangeText), cell);
        }
        if (page.chartMode) {
            Attributes barCell = cell;
            barCell.insert(QStringLiteral("colspan"), QStringLiteral("'3'"));
            td(bar, barCell);
        }
        append(group, tr);
    }
    append(table, group);

    QVector<HtmlCell> serum;
    Page::serumIndexText(page.errcodeTail, page.patientInfo.sampleJson, serum);
    append(root, page.createTable(serum, 3, 100));

    const ReportPatientInfo& p = page.patientInfo;
    append(root, page.createTable(testReportCells::peopleCells(p, esc), 3, 100));

    Attributes a21, a22, a24;
    Attributes a23{{QStringLiteral("style"), QStringLiteral("'font-style:italic; font-size: 1vw;'")}};
    append(root, page.addNumberedDiv(21, QCoreApplication::translate("T", "临床诊断：") + esc(p.diagnosis), a21));
    append(root, page.addNumberedDiv(22, QCoreApplication::translate("T", "序列号") + QLatin1Char(':') + esc(p.serialNumber), a22));
    append(root, page.addNumberedDiv(23, QCoreApplication::translate("T", "本次检验仅对该样本负责!"), a23));
    append(root, page.addNumberedDiv(24, p.customText, a24));   // the user's own text, may hold HTML
    return renderAndDelete(root);
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::title(const Page& page)
{
    const QString hospital = hospitalValue("hospital");
    elementBase* root = page.fontDiv();
    elementBase* outer = elementBase::createElement(
        QStringLiteral("table"), Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                                            {QStringLiteral("style"), QStringLiteral("'text-align: center;'")}});
    append(root, outer);

    elementBase* row1 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    append(outer, row1);
    elementBase* logoCell = elementBase::createElement(
        QStringLiteral("td"), Attributes{{QStringLiteral("width"), QStringLiteral("'20%'")},
                                         {QStringLiteral("rowspan"), QStringLiteral("'2'")}});
    append(row1, logoCell);
    elementBase* logoBox = Node::createElementText(QString(), QString(), Attributes());
    elementBase* image = Node::createElementText(QStringLiteral("img"), QString(), Attributes());
    append(logoBox, image);
    append(logoCell, logoBox);
    logoBox->setNumber(1);
    const bool logoOn = !page.isOptionOff(1);
    logoBox->setVisible(logoOn, QString());
    image->setVisible(logoOn, QStringLiteral("logo"));
    if (!QFile::exists(QStringLiteral("./print_logo.png"))) {
        logoBox->setVisible(false, QString());
        image->setVisible(false, QStringLiteral("logo"));
    } else {
        const QImage logo = QImage(QStringLiteral("./print_logo.png"))
                                .scaled(120, 80, Qt::KeepAspectRatio, Qt::FastTransformation);
        image->m_attributes = Attributes{{QStringLiteral("src"), QStringLiteral("'./print_logo.png'")},
                                         {QStringLiteral("width"), QStringLiteral("%1").arg(logo.width())}};
    }

    elementBase* nameCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'60%'")},
                   {QStringLiteral("style"),
                    QStringLiteral("'text-align: center; vertical-align: middle; font-weight:bold; '")}});
    append(row1, nameCell);
    if (!hospital.isEmpty()) {
        append(nameCell, elementBase::createElementText(
                             QStringLiteral("p"), esc(hospital),
                             Attributes{{QStringLiteral("style"),
                                         QStringLiteral("'width:100%;font-size: 30px; color:%1'").arg(kAccent)}}));
    }
    append(row1, elementBase::createElement(
                     QStringLiteral("td"),
                     Attributes{{QStringLiteral("rowspan"), QStringLiteral("'2'")},
                                {QStringLiteral("width"), QStringLiteral("'20%'")},
                                {QStringLiteral("style"), QStringLiteral("'text-align: center; vertical-align: middle; '")}}));

    elementBase* row2 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    append(outer, row2);
    elementBase* titleCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("style"), QStringLiteral("'text-align: center; vertical-align: middle; font-weight:bold;'")}});
    append(row2, titleCell);
    append(titleCell, elementBase::createElementText(
                          QStringLiteral("p"), QCoreApplication::translate("T", "生化检验报告单"),
                          Attributes{{QStringLiteral("style"),
                                      QStringLiteral("'width:100%; font-size: 18px; color:%1'").arg(kAccent)}}));

    elementBase* row3 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    append(outer, row3);
    elementBase* fieldCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("colspan"), QStringLiteral("'3'")},
                   {QStringLiteral("style"), QStringLiteral("'vertical-align: bottom; text-align:left; '")}});
    append(row3, fieldCell);

    elementBase* grid = page.createTable(testReportCells::headingFields(page.patientInfo, page.ageText, esc), 4, 100);
    grid->m_attributes.insert(QStringLiteral("style"), QStringLiteral("'vertical-align: top; text-align:left; '"));
    append(fieldCell, grid);
    return renderAndDelete(root);
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::contact(const Page& page)
{
    const QString address = hospitalValue("address");
    const QString phone = hospitalValue("phone");
    const QString email = hospitalValue("email");
    elementBase* root = page.fontDiv();
    const Attributes accent{{QStringLiteral("style"), QStringLiteral("'color:%1; font-weight:bold;'").arg(kAccent)}};
    Attributes addressAttributes = accent;
    addressAttributes.insert(QStringLiteral("colspan"), QStringLiteral("'2'"));

    elementBase* logoBox = Node::createElementText(QString(), QString(), Attributes());
    append(logoBox, Node::createElement(QStringLiteral("img"),
                                               Attributes{{QStringLiteral("width"), QStringLiteral("120")},
                                                          {QStringLiteral("src"), QStringLiteral(":/images/logo_qv.png")}}));
    const QVector<HtmlCell> cells{
        HtmlCell(2, QCoreApplication::translate("T", "电话") + QLatin1Char(':') + esc(phone), accent, nullptr),
        HtmlCell(3, QCoreApplication::translate("T", "邮箱") + QLatin1Char(':') + esc(email), accent, nullptr),
        HtmlCell(-1, QString(),
                 Attributes{{QStringLiteral("rowspan"), QStringLiteral("'2'")},
                            {QStringLiteral("style"), QStringLiteral("'vertical-align: middle; text-align:right;'")}},
                 logoBox),
        HtmlCell(4, QCoreApplication::translate("T", "地址") + QLatin1Char(':') + esc(address), addressAttributes, nullptr),
        HtmlCell(-1, QString(), Attributes(), nullptr),
    };
    append(root, page.createFullWidthTable(cells, 3));
    return renderAndDelete(root);
}

template struct testReportBuilder<chkReportPage, elementBase>;
template struct testReportBuilder<chkPreviewPage, elementTemplate>;
