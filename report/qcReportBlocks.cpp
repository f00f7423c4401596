#include "qcReportBlocks.h"

#include "SystemSettings.h"
#include "elementBase.h"
#include "elementTemplate.h"

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

QString label(const char* text)
{
    return QCoreApplication::translate("T", text);
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

QString quoted(const QString& style)
{
    return QLatin1Char('\'') + style + QLatin1Char('\'');
}

} // namespace

template <class Node>
QString qcReportBlocks<Node>::productName(int qcProduct)
{
    return qcProduct == 0 ? label("质控一") : label("质控二");
}

template <class Node>
QString qcReportBlocks<Node>::title(const reportFragments<Node>& page, const QcReportInfo& info)
{
    const QString hospital = getHospitalValue(QStringLiteral("hospital"));
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
    logoBox->setNumber(QcOption::Logo);
    const bool logoOn = !page.isOptionOff(QcOption::Logo);
    logoBox->setVisible(logoOn, QString());
    image->setVisible(logoOn, QStringLiteral("logo"));
    if (!QFile::exists(QStringLiteral("./print_logo.png"))) {
        logoBox->setVisible(false, QString());
        image->setVisible(false, QStringLiteral("logo"));
    } else {
        const QImage logo = QImage(QStringLiteral("./print_logo.png"))
                                .scaled(120, 80, Qt::KeepAspectRatio, Qt::FastTransformation);
        image->m_attributes = Attributes{{QStringLiteral("src"), QStringLiteral("'./print_logo.png'")},
                                         {QStringLiteral("width"), QString::number(logo.width())}};
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
                          QStringLiteral("p"), label("生化分析仪质控报告单"),
                          Attributes{{QStringLiteral("style"),
                                      QStringLiteral("'width:100%; font-size: 18px; color:%1'").arg(kAccent)}}));

    elementBase* row3 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    append(outer, row3);
    elementBase* headerCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("colspan"), QStringLiteral("'3'")},
                   {QStringLiteral("style"), QStringLiteral("'vertical-align: bottom; text-align:left; '")}});
    append(row3, headerCell);

    const QVector<HtmlCell> cells{
        HtmlCell(QcOption::Product, label("质控品") + QLatin1Char(':') + productName(info.qcProduct)),
        HtmlCell(QcOption::Lot, label("质控批号") + QLatin1Char(':') + esc(info.qcLot)),
        HtmlCell(QcOption::Division, label("科室") + QLatin1Char(':') + esc(info.division)),
    };
    elementBase* header = page.createTable(cells, 3, 100);
    header->m_attributes.insert(QStringLiteral("style"), QStringLiteral("'vertical-align: top; text-align:left; '"));
    append(headerCell, header);
    return renderAndDelete(root);
}

template <class Node>
QString qcReportBlocks<Node>::contact(const reportFragments<Node>& page)
{
    const QString address = getHospitalValue(QStringLiteral("address"));
    const QString phone = getHospitalValue(QStringLiteral("phone"));
    const QString email = getHospitalValue(QStringLiteral("email"));
    elementBase* root = page.fontDiv();
    const Attributes accent{{QStringLiteral("style"), QStringLiteral("'color:%1; font-weight:bold;'").arg(kAccent)}};
    Attributes addressAttributes = accent;
    addressAttributes.insert(QStringLiteral("colspan"), QStringLiteral("'2'"));

    elementBase* logoBox = Node::createElementText(QString(), QString(), Attributes());
    append(logoBox, Node::createElement(QStringLiteral("img"),
                                        Attributes{{QStringLiteral("width"), QStringLiteral("120")},
                                                   {QStringLiteral("src"), QStringLiteral(":/images/logo_qv.png")}}));
    const QVector<HtmlCell> cells{
        HtmlCell(QcOption::Phone, label("电话") + QLatin1Char(':') + esc(phone), accent),
        HtmlCell(QcOption::Email, label("邮箱") + QLatin1Char(':') + esc(email), accent),
        HtmlCell(-1, QString(),
                 Attributes{{QStringLiteral("rowspan"), QStringLiteral("'2'")},
                            {QStringLiteral("style"), QStringLiteral("'vertical-align: middle; text-align:right;'")}},
                 logoBox),
        HtmlCell(QcOption::Address, label("地址") + QLatin1Char(':') + esc(address), addressAttributes),
        HtmlCell(-1, QString()),
    };
    append(root, page.createFullWidthTable(cells, 3));
    return renderAndDelete(root);
}

template <class Node>
QString qcReportBlocks<Node>::body(const reportFragments<Node>& page, const QcReportInfo& info,
                                   const QVector<ReportItem>& rows)
{
    const bool chart = page.chartMode;
    elementBase* root = page.fontDiv();
    elementBase* table = Node::createElement(
        QStringLiteral("table"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("style"), QStringLiteral("' border-collapse: collapse; '")}});
    append(root, table);
    append(table, page.addHeaderRow(chart, true));
    elementBase* group = Node::createElementText(QString(), QString(), Attributes());

    const int count = rows.size();
    for (int k = 0; k < count; ++k) {
        const ReportItem& item = rows.at(k);
        QString bar, arrow;
        const QString colour = page.rangeBar(item.value, item.low, item.high, item.upperLimit, bar, arrow);
        Attributes rowAttributes;
        if (!colour.isEmpty())
            rowAttributes.insert(QStringLiteral("style"), QStringLiteral("'color: %1;'").arg(colour));
        elementBase* tr = Node::createElement(QStringLiteral("tr"), rowAttributes);

        QString style = QString::fromUtf8(k == 0 ? kFirstRowStyle : (k == count - 1 ? kLastRowStyle : kInnerRowStyle));
        if (!colour.isEmpty() && colour != QLatin1String("#000000"))
            style += QStringLiteral(" font-weight: bold; ");
        Attributes cell{{QStringLiteral("style"), quoted(style)}};
        auto td = [tr](const QString& text, const Attributes& attributes) {
            elementBase* e = Node::createElementText(QStringLiteral("td"), text, attributes);
            append(tr, e);
            return e;
        };
        td(QString::number(k + 1), cell)->setVisible(!page.isOptionOff(QcOption::NumberColumn), QString());
        td(esc(item.name), cell);
        td(esc(item.code), cell);
        td(esc(item.resultText), cell);
        if (!chart)
            td(arrow, cell);
        td(esc(item.target), cell);
        td(esc(item.unit), cell);
        if (item.high == 0 && item.low == 0) {
            td(QString(), cell);
        } else {
            if (!chart)
                cell.insert(QStringLiteral("style"), quoted(style + QStringLiteral(" text-align:right; ")));
            td(esc(item.rangeText), cell);
        }
        if (chart) {
            Attributes barCell = cell;
            barCell.insert(QStringLiteral("colspan"), QStringLiteral("'3'"));
            td(bar, barCell);
        }
        append(group, tr);
    }
    append(table, group);

    QVector<HtmlCell> serum;
    page.serumIndexText(page.errcodeTail, info.sampleJson, serum);
    append(root, page.createTable(serum, 3, 100));

    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    const QVector<HtmlCell> signatures{
        HtmlCell(QcOption::Inspector, label("检验者") + QLatin1Char(':') + esc(info.tester)),
        HtmlCell(QcOption::Reviewer, label("审核者") + QLatin1Char(':') + esc(info.reviewer)),
        HtmlCell(QcOption::CheckTime, label("检验时间：") + esc(info.testTime)),
        HtmlCell(QcOption::PrintTime, label("打印时间") + QLatin1Char(':') + now),
    };
    append(root, page.createTable(signatures, 3, 100));

    Attributes serial;
    append(root, page.addNumberedDiv(QcOption::SerialNumber,
                                     label("序列号") + QLatin1Char(':') + esc(info.serialNumber), serial));
    Attributes italic{{QStringLiteral("style"), QStringLiteral("'font-style:italic; font-size: 1vw;'")}};
    append(root, page.addNumberedDiv(QcOption::CustomText, info.customText, italic));   // the user's own text
    return renderAndDelete(root);
}

template class qcReportBlocks<elementBase>;
template class qcReportBlocks<elementTemplate>;
