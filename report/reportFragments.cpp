#include "reportFragments.h"

#include "ReportColumnSpec.h"
#include "elementBase.h"
#include "elementTemplate.h"

#include "SystemSettings.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

using Attributes = QMap<QString, QString>;

// Truncation toward zero; spans out of the int range saturate, NaN counts as 0.
int truncateToInt(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return 2147483647;
    if (d <= -2147483648.0)
        return -2147483647 - 1;
    return int(d);
}

QString percent(int value)
{
    return QStringLiteral("'%1%'").arg(value);
}

// A new row (no text, no attributes) at the end of the table.
template <class Node>
elementBase* appendRow(elementBase* table)
{
    elementBase* row = Node::createElementText(QStringLiteral("tr"), QString(), Attributes());
    table->m_children.append(row);
    return row;
}

// Lays the cells into rows of the table, each row holding at most columns cells that take a
// place; makeCell appends a cell's element to the row (its attributes already carry the cell
// width) and says whether it takes a place. No row is made for an empty list.
template <class Node, class MakeCell>
void layCells(elementBase* table, const QVector<HtmlCell>& cells, int columns, MakeCell makeCell)
{
    if (cells.isEmpty())
        return;
    columns = qMax(1, columns);
    const QString cellWidth = percent(100 / columns);
    elementBase* row = appendRow<Node>(table);
    int used = 0;
    for (const HtmlCell& cell : cells) {
        if (used >= columns) {
            row = appendRow<Node>(table);
            used = 0;
        }
        Attributes attributes = cell.attributes;
        attributes.insert(QStringLiteral("width"), cellWidth);
        if (makeCell(row, cell, attributes))
            ++used;
    }
}

} // namespace

template <class Node>
bool reportFragments<Node>::isOptionOff(int number) const
{
    return (quint32(optionMask) >> (number & 31)) & 1u;
}

template <class Node>
elementBase* reportFragments<Node>::fontDiv() const
{
    QString style = QStringLiteral("'");
    style += language == QLatin1String("Chinese") ? QStringLiteral("font-family: 黑体;")
                                                  : QStringLiteral("font-family: Times New Roman;");
    style += QStringLiteral(" font-size:%1px; ").arg(fontSize);
    style += QLatin1Char('\'');
    return Node::createElement(QStringLiteral("div"), Attributes{{QStringLiteral("style"), style}});
}

template <class Node>
elementBase* reportFragments<Node>::addNumberedDiv(int number, const QString& text,
                                                   QMap<QString, QString>& attributes) const
{
    if (attributes.isEmpty())
        attributes.insert(QStringLiteral("style"), QStringLiteral("font-family: 宋体,SimSun;font-size: 1vw;"));
    elementBase* div = Node::createElementText(QStringLiteral("div"), text, attributes);
    div->setNumber(number);
    div->setVisible(!isOptionOff(number), QString());
    return div;
}

template <class Node>
elementBase* reportFragments<Node>::createTable(const QVector<HtmlCell>& cells, int columns,
                                                int widthPercent) const
{
    elementBase* table = elementBase::createElement(QStringLiteral("table"),
                                                    Attributes{{QStringLiteral("width"), percent(widthPercent)}});
    layCells<Node>(table, cells, columns, [this](elementBase* row, const HtmlCell& cell, const Attributes& attributes) {
        elementBase* td = Node::createElementText(QStringLiteral("td"), cell.text, attributes);
        row->m_children.append(td);
        if (cell.content) {
            td->m_children.append(cell.content);
            return true;
        }
        bool shown = true;
        if (cell.optionNumber != -1) {
            td->setNumber(cell.optionNumber);
            shown = !isOptionOff(cell.optionNumber);
        }
        td->setVisible(shown, QString());
        // A printed cell that is switched off gives its place to the next one; a template
        // cell keeps its place, struck through.
        return (shown && td->type() == 0) || td->type() == 1;
    });
    return table;
}

template <class Node>
elementBase* reportFragments<Node>::createFullWidthTable(const QVector<HtmlCell>& cells, int columns) const
{
    elementBase* table = Node::createElement(QStringLiteral("table"),
                                             Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")}});
    layCells<Node>(table, cells, columns, [this](elementBase* row, const HtmlCell& cell, const Attributes& attributes) {
        elementBase* td = Node::createElement(QStringLiteral("td"), attributes);
        row->m_children.append(td);
        if (cell.content) {
            td->m_children.append(cell.content);
        } else {
            elementBase* p = Node::createElementText(QStringLiteral("p"), cell.text, Attributes());
            td->m_children.append(p);
            if (cell.optionNumber != -1) {
                p->setVisible(!isOptionOff(cell.optionNumber), QString());
                p->setNumber(cell.optionNumber);
            }
        }
        return true;  // every cell keeps its place
    });
    return table;
}

template <class Node>
elementBase* reportFragments<Node>::addHeaderRow(bool chartMode, bool qcReport) const
{
    elementBase* row = Node::createElementText(QStringLiteral("tr"), QString(), Attributes());
    QVector<ReportColumnSpec> columns = chartMode ? chartColumnLayout : arrowColumnLayout;
    auto drop = [&columns](int id) {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].column == id) {
                columns[i].shown = false;
                if (columns.size() > 1)
                    columns[1].widthPercent += columns[i].widthPercent;
                return;
            }
        }
    };
    const bool templateKind = row->type() == 1;
    if (!templateKind && ((qcReport && isOptionOff(8)) || (!qcReport && isOptionOff(14))))
        drop(0);
    if (!qcReport)
        drop(4);

    for (const ReportColumnSpec& c : qAsConst(columns)) {
        if (!c.shown)
            continue;
        const Attributes attributes{
            {QStringLiteral("width"), percent(c.widthPercent)},
            {QStringLiteral("style"),
             QStringLiteral("'vertical-align: middle; text-align:%1; padding: 2; border-bottom: 1px solid black;'")
                 .arg(c.alignment)}};
        QString text;
        switch (c.column) {
        case 0:
            if (templateKind)
                text = QStringLiteral("%1)").arg(qcReport ? 8 : 14);
            break;
        case 1: text = QCoreApplication::translate("T", "全称"); break;
        case 2: text = QCoreApplication::translate("T", "项目缩写"); break;
        case 3: text = QCoreApplication::translate("T", "检验结果"); break;
        case 4: text = QCoreApplication::translate("T", "靶值"); break;
        case 5: text = QCoreApplication::translate("T", "单位"); break;
        case 6: text = QCoreApplication::translate("T", "参考范围"); break;
        case 7: text = QCoreApplication::translate("T", "低"); break;
        case 8: text = QCoreApplication::translate("T", "中"); break;
        case 9: text = QCoreApplication::translate("T", "高"); break;
        case 10: text = QCoreApplication::translate("T", "提示"); break;
        default: break;
        }
        row->m_children.append(elementBase::createElementText(QStringLiteral("td"), text, attributes));
    }
    return row;
}

template <class Node>
void reportFragments<Node>::serumIndexText(const QString& errcodeTail, const QString& sampleJson,
                                           QVector<HtmlCell>& cells)
{
    QString icterus = QStringLiteral("Icterus:") + QCoreApplication::translate("T", "黄疸") + QLatin1Char('+');
    QString hemolysis = QStringLiteral("Hemolysis:") + QCoreApplication::translate("T", "溶血") + QLatin1Char('+');
    QString turbidity = QStringLiteral("Turbidity:") + QCoreApplication::translate("T", "脂血") + QLatin1Char('+');

    const QJsonObject info = QJsonDocument::fromJson(sampleJson.toUtf8()).object();
    if (info.contains(QStringLiteral("errLevel"))) {
        // Levels per index: {"type": 1 icterus, 2 hemolysis, 4 turbidity, "level": n}.
        const QJsonArray levels =
            QJsonDocument::fromJson(info.value(QStringLiteral("errLevel")).toString().toUtf8()).array();
        QMap<int, int> levelOfType;
        for (const QJsonValue& v : levels) {
            const QJsonObject o = v.toObject();
            levelOfType.insert(o.value(QStringLiteral("type")).toInt(), o.value(QStringLiteral("level")).toInt());
        }
        auto apply = [&levelOfType](int type, QString& label) {
            if (!levelOfType.contains(type)) {
                label.clear();
                return;
            }
            const int level = levelOfType.value(type);
            if (level > 1)
                label += QString(qMin(level, 100) - 1, QLatin1Char('+'));
        };
        apply(1, icterus);
        apply(2, hemolysis);
        apply(4, turbidity);
    } else {
        // Flag bits of the error code tail, last character bit 0. A tail that is not binary
        // claims no index.
        bool ok = false;
        const int bits = errcodeTail.left(9).toInt(&ok, 2);
        const int flags = ok ? bits : 0;
        if (!(flags & 1))
            icterus.clear();
        if (!(flags & 2))
            hemolysis.clear();
        if (!(flags & 4))
            turbidity.clear();
    }
    for (const QString& label : {icterus, hemolysis, turbidity}) {
        if (!label.isEmpty())
            cells.append(HtmlCell(-1, label, Attributes(), nullptr));
    }
}

template <class Node>
QString reportFragments<Node>::rangeBar(double value, double lowLimit, double highLimit, double scaleTop,
                                        QString& barHtml, QString& arrow)
{
    if (highLimit == 0 && lowLimit == 0) {
        barHtml.clear();
        arrow.clear();
        return QString();
    }
    QString colour;
    int marker = 0;
    if (value > highLimit) {
        arrow = QStringLiteral("↑");
        colour = QStringLiteral("#ff0000");
        const double top = scaleTop == 0 ? highLimit : scaleTop;
        const int span = truncateToInt(2 * top - highLimit);
        const int step = span / 10;
        marker = 20;
        for (int k = 0; k <= 9; ++k) {
            if (span >= 1) {
                if (value >= highLimit + (double(span) - double(k) * step)) {
                    marker = 29 - k;
                    break;
                }
            } else if ((k + 11) * highLimit / 10 >= value) {
                marker = 20 + k;
                break;
            }
        }
    } else if (value < lowLimit) {
        arrow = QStringLiteral("↓");
        colour = QStringLiteral("#0DA9DB");
        marker = 0;
        for (int k = 9; k >= 0; --k) {
            if (value >= k * lowLimit / 10) {
                marker = k;
                break;
            }
        }
    } else {
        colour = QStringLiteral("#000000");
        marker = 19;
        for (int k = 0; k <= 9; ++k) {
            if (lowLimit + (k + 1) * (highLimit - lowLimit) / 10 >= value) {
                marker = 10 + k;
                break;
            }
        }
    }

    elementBase* table = elementBase::createElement(
        QStringLiteral("table"), Attributes{{QStringLiteral("style"), QStringLiteral("'border-collapse: collapse;'")},
                                            {QStringLiteral("width"), QStringLiteral("'100%'")}});
    elementBase* row = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    table->m_children.append(row);
    const QString width = QStringLiteral("'%1%'").arg(100.0 / 30);
    for (int i = 0; i < 30; ++i) {
        QString border;
        if (i % 10 == 0)
            border = QStringLiteral("border-top: 1px solid black; border-bottom: 1px solid black; border-left: 1px solid black;");
        else if ((i + 1) % 10 == 0)
            border = QStringLiteral("border-top: 1px solid black; border-bottom: 1px solid black; border-right: 1px solid black;");
        else
            border = QStringLiteral("border-top: 1px solid black; border-bottom: 1px solid black;");
        if (i == marker)
            border += QStringLiteral("background-color:") + colour + QLatin1Char(';');
        row->m_children.append(elementBase::createElement(
            QStringLiteral("td"), Attributes{{QStringLiteral("style"), QLatin1Char('\'') + border + QLatin1Char('\'')},
                                             {QStringLiteral("width"), width}}));
    }
    barHtml = table->html();
    delete table;
    return colour;
}

template <class Node>
elementBase* reportFragments<Node>::reportTitle(const QString& heading, const QVector<HtmlCell>& fields,
                                               int columns) const
{
    const QString accent = QColor(138, 170, 197).name();
    const QString hospital = getHospitalValue(QStringLiteral("hospital"));
    elementBase* root = fontDiv();
    elementBase* outer = elementBase::createElement(
        QStringLiteral("table"), Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                                            {QStringLiteral("style"), QStringLiteral("'text-align: center;'")}});
    root->m_children.append(outer);

    elementBase* row1 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    outer->m_children.append(row1);
    elementBase* logoCell = elementBase::createElement(
        QStringLiteral("td"), Attributes{{QStringLiteral("width"), QStringLiteral("'20%'")},
                                         {QStringLiteral("rowspan"), QStringLiteral("'2'")}});
    row1->m_children.append(logoCell);
    elementBase* logoBox = Node::createElementText(QString(), QString(), Attributes());
    elementBase* image = Node::createElementText(QStringLiteral("img"), QString(), Attributes());
    logoBox->m_children.append(image);
    logoCell->m_children.append(logoBox);
    logoBox->setNumber(1);
    const bool logoOn = !isOptionOff(1);
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
    row1->m_children.append(nameCell);
    if (!hospital.isEmpty()) {
        nameCell->m_children.append(elementBase::createElementText(
            QStringLiteral("p"), hospital.toHtmlEscaped(),
            Attributes{{QStringLiteral("style"), QStringLiteral("'width:100%;font-size: 30px; color:%1'").arg(accent)}}));
    }
    row1->m_children.append(elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("rowspan"), QStringLiteral("'2'")},
                   {QStringLiteral("width"), QStringLiteral("'20%'")},
                   {QStringLiteral("style"), QStringLiteral("'text-align: center; vertical-align: middle; '")}}));

    elementBase* row2 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    outer->m_children.append(row2);
    elementBase* titleCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("style"), QStringLiteral("'text-align: center; vertical-align: middle; font-weight:bold;'")}});
    row2->m_children.append(titleCell);
    titleCell->m_children.append(elementBase::createElementText(
        QStringLiteral("p"), heading,
        Attributes{{QStringLiteral("style"), QStringLiteral("'width:100%; font-size: 18px; color:%1'").arg(accent)}}));

    elementBase* row3 = elementBase::createElementText(QStringLiteral("tr"), QString(), Attributes());
    outer->m_children.append(row3);
    elementBase* fieldCell = elementBase::createElement(
        QStringLiteral("td"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("colspan"), QStringLiteral("'3'")},
                   {QStringLiteral("style"), QStringLiteral("'vertical-align: bottom; text-align:left; '")}});
    row3->m_children.append(fieldCell);
    elementBase* grid = createTable(fields, columns, 100);
    grid->m_attributes.insert(QStringLiteral("style"), QStringLiteral("'vertical-align: top; text-align:left; '"));
    fieldCell->m_children.append(grid);
    return root;
}

template <class Node>
elementBase* reportFragments<Node>::reportContact() const
{
    const QString accentColour = QColor(138, 170, 197).name();
    const QString address = getHospitalValue(QStringLiteral("address")).toHtmlEscaped();
    const QString phone = getHospitalValue(QStringLiteral("phone")).toHtmlEscaped();
    const QString email = getHospitalValue(QStringLiteral("email")).toHtmlEscaped();
    elementBase* root = fontDiv();
    const Attributes accent{{QStringLiteral("style"), QStringLiteral("'color:%1; font-weight:bold;'").arg(accentColour)}};
    Attributes addressAttributes = accent;
    addressAttributes.insert(QStringLiteral("colspan"), QStringLiteral("'2'"));

    elementBase* logoBox = Node::createElementText(QString(), QString(), Attributes());
    logoBox->m_children.append(Node::createElement(QStringLiteral("img"),
                                                   Attributes{{QStringLiteral("width"), QStringLiteral("120")},
                                                              {QStringLiteral("src"), QStringLiteral(":/images/logo_qv.png")}}));
    const QVector<HtmlCell> cells{
        HtmlCell(2, QCoreApplication::translate("T", "电话") + QLatin1Char(':') + phone, accent, nullptr),
        HtmlCell(3, QCoreApplication::translate("T", "邮箱") + QLatin1Char(':') + email, accent, nullptr),
        HtmlCell(-1, QString(),
                 Attributes{{QStringLiteral("rowspan"), QStringLiteral("'2'")},
                            {QStringLiteral("style"), QStringLiteral("'vertical-align: middle; text-align:right;'")}},
                 logoBox),
        HtmlCell(4, QCoreApplication::translate("T", "地址") + QLatin1Char(':') + address, addressAttributes, nullptr),
        HtmlCell(-1, QString(), Attributes(), nullptr),
    };
    root->m_children.append(createFullWidthTable(cells, 3));
    return root;
}

template <class Node>
elementBase* reportFragments<Node>::resultRows(const QVector<ReportItem>& rows, int numberOption,
                                               bool withTarget) const
{
    auto quoted = [](const QString& style) { return QLatin1Char('\'') + style + QLatin1Char('\''); };
    elementBase* group = Node::createElementText(QString(), QString(), Attributes());
    const int count = rows.size();
    for (int k = 0; k < count; ++k) {
        const ReportItem& item = rows.at(k);
        QString bar, arrow;
        const QString colour = rangeBar(item.value, item.low, item.high, item.upperLimit, bar, arrow);
        Attributes rowAttributes;
        if (!colour.isEmpty())
            rowAttributes.insert(QStringLiteral("style"), QStringLiteral("'color: %1;'").arg(colour));
        elementBase* tr = Node::createElement(QStringLiteral("tr"), rowAttributes);

        const QString style = resultRowStyle(k, count, !colour.isEmpty() && colour != QLatin1String("#000000"));
        Attributes cell{{QStringLiteral("style"), quoted(style)}};
        auto td = [tr](const QString& text, const Attributes& attributes) {
            elementBase* e = Node::createElementText(QStringLiteral("td"), text, attributes);
            tr->m_children.append(e);
            return e;
        };
        td(QString::number(k + 1), cell)->setVisible(!isOptionOff(numberOption), QString());
        td(item.name.toHtmlEscaped(), cell);
        td(item.code.toHtmlEscaped(), cell);
        td(item.resultText.toHtmlEscaped(), cell);
        if (!chartMode)
            td(arrow, cell);
        if (withTarget)
            td(item.target.toHtmlEscaped(), cell);
        td(item.unit.toHtmlEscaped(), cell);
        if (item.high == 0 && item.low == 0) {
            td(QString(), cell);
        } else {
            if (!chartMode)
                cell.insert(QStringLiteral("style"), quoted(style + QStringLiteral(" text-align:right; ")));
            td(item.rangeText.toHtmlEscaped(), cell);
        }
        if (chartMode) {
            Attributes barCell = cell;
            barCell.insert(QStringLiteral("colspan"), QStringLiteral("'3'"));
            td(bar, barCell);
        }
        group->m_children.append(tr);
    }
    return group;
}

template <class Node>
QString reportFragments<Node>::resultRowStyle(int index, int count, bool bold)
{
    static const char* const first =
        "border-top: 1px solid transparent;                    border-bottom: 1px solid transparent;"
        "                    vertical-align: top;                    padding-top:5px;";
    static const char* const last =
        "border-top: 1px solid transparent;                    border-bottom: 1px solid black;"
        "                    vertical-align: top;                    padding-bottom:5px;";
    static const char* const inner =
        "border-top: 1px solid transparent;                    border-bottom: 1px solid transparent;"
        "                    vertical-align: top;";
    QString style = QString::fromUtf8(index == 0 ? first : (index == count - 1 ? last : inner));
    if (bold)
        style += QStringLiteral(" font-weight: bold; ");
    return style;
}

template class reportFragments<elementBase>;
template class reportFragments<elementTemplate>;
