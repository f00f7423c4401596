#include "ReportColumnSpec.h"
#include "elementBase.h"
#include "golden.h"
#include "previewHtml.h"
#include "printHtml.h"

#include <QTranslator>
#include <QtTest>
#include <climits>
#include <memory>

using Attributes = QMap<QString, QString>;
using Tree = std::unique_ptr<elementBase>;

namespace {

// Six cells on four columns; option 5 is switched off, option 6 is on, the fifth cell carries
// an image and a switched-off option number, the sixth is empty.
QVector<HtmlCell> sixCells()
{
    return {HtmlCell(-1, "c1"),
            HtmlCell(5, "c2"),
            HtmlCell(6, "c3"),
            HtmlCell(-1, "c4", {{"style", "'text-align:right;'"}, {"width", "'50%'"}}),
            HtmlCell(5, "c5", {}, elementBase::createElement("img", {{"src", "'logo.png'"}})),
            HtmlCell(-1, "")};
}

// Index of the marked cell of a rendered range bar, -1 when none or more than one.
int markerCell(const QString& bar)
{
    const QStringList cells = bar.split("<td ").mid(1);
    int found = -1;
    for (int i = 0; i < cells.size(); ++i) {
        if (cells[i].contains("background-color:")) {
            if (found != -1)
                return -1;
            found = i;
        }
    }
    return cells.size() == 30 ? found : -2;
}

} // namespace

class tst_fragments : public QObject
{
    Q_OBJECT
private slots:
    void fontDiv()
    {
        printHtml page;
        page.language = "Chinese";
        Tree a(page.fontDiv());
        QCOMPARE(a->html(), QString("<div  style='font-family: 黑体; font-size:12px; ' ></div>"));
        page.language = "chinese";
        page.fontSize = 14;
        Tree b(page.fontDiv());
        QCOMPARE(b->html(), QString("<div  style='font-family: Times New Roman; font-size:14px; ' ></div>"));
        QCOMPARE(b->type(), 0);

        previewHtml preview;
        preview.language = "Chinese";
        Tree c(preview.fontDiv());
        QCOMPARE(c->type(), 1);
        QCOMPARE(c->html(), QString("<div  style='font-family: 黑体; font-size:12px; ' ></div>"));
    }

    void numberedDiv()
    {
        printHtml page;
        previewHtml preview;
        page.optionMask = preview.optionMask = 1 << 23;
        const QString style = "<div  style=font-family: 宋体,SimSun;font-size: 1vw; >";

        Attributes attributes;
        Tree on(page.addNumberedDiv(22, "SN: 1", attributes));
        QCOMPARE(on->html(), style + "SN: 1</div>");
        QCOMPARE(attributes.value("style"), QString("font-family: 宋体,SimSun;font-size: 1vw;"));
        Attributes none;
        Tree off(page.addNumberedDiv(23, "text", none));
        QCOMPARE(off->html(), QString());

        Attributes a1, a2;
        Tree ton(preview.addNumberedDiv(22, "SN: 1", a1));
        QCOMPARE(ton->html(), style + "<strong>22) </strong>SN: 1</div>");
        Tree toff(preview.addNumberedDiv(23, "text", a2));
        QCOMPARE(toff->html(), style + "<s><strong>23) </strong>text</s></div>");

        Attributes given{{"align", "'center'"}};
        Tree g(page.addNumberedDiv(1, "x", given));
        QCOMPARE(given.size(), 1);
        QCOMPARE(g->html(), QString("<div  align='center' >x</div>"));
    }

    void optionBitsWrapAround()
    {
        printHtml page;
        Attributes a;
        page.optionMask = INT_MIN;  // bit 31 alone
        Tree minusOne(page.addNumberedDiv(-1, "x", a));
        QVERIFY(!minusOne->m_visible);
        QVERIFY(page.isOptionOff(31));
        QVERIFY(page.isOptionOff(-1));
        QVERIFY(!page.isOptionOff(0));
        page.optionMask = INT_MAX;
        QVERIFY(!page.isOptionOff(-1));
        QVERIFY(page.isOptionOff(30));
        page.optionMask = 1 << 1;
        QVERIFY(page.isOptionOff(33));
        QVERIFY(!page.isOptionOff(32));
    }

    void tables()
    {
        printHtml page;
        previewHtml preview;
        page.optionMask = preview.optionMask = 1 << 5;

        Tree t1(page.createTable(sixCells(), 4, 100));
        QCOMPARE(t1->html(), golden("table_print.html"));
        Tree t2(preview.createTable(sixCells(), 4, 100));
        QCOMPARE(t2->html(), golden("table_template.html"));
        Tree t3(page.createFullWidthTable(sixCells(), 4));
        QCOMPARE(t3->html(), golden("fullwidth_print.html"));
        Tree t4(preview.createFullWidthTable(sixCells(), 4));
        QCOMPARE(t4->html(), golden("fullwidth_template.html"));
        QCOMPARE(t2->type(), 0);
        QCOMPARE(t4->type(), 1);
    }

    void tableWidthsAndEmptyLists()
    {
        printHtml page;
        previewHtml preview;
        page.optionMask = preview.optionMask = 0;
        QVector<HtmlCell> none;
        for (elementBase* t : {page.createTable(none, 3, 100), preview.createTable(none, 3, 100),
                               page.createFullWidthTable(none, 3), preview.createFullWidthTable(none, 3)}) {
            Tree owned(t);
            QCOMPARE(owned->html(), QString("<table  width='100%' ></table>"));
        }
        QVector<HtmlCell> three{HtmlCell(-1, "a"), HtmlCell(-1, "b"), HtmlCell(-1, "c")};
        Tree t(page.createTable(three, 3, 60));
        QCOMPARE(t->html(), QString("<table  width='60%' ><tr ><td  width='33%' >a</td><td  width='33%' >b</td>"
                                    "<td  width='33%' >c</td></tr></table>"));
        // A list of cells all switched off leaves empty rows, never a crash.
        page.optionMask = -1;
        QVector<HtmlCell> allOff{HtmlCell(2, "a"), HtmlCell(3, "b")};
        Tree off(page.createTable(allOff, 1, 100));
        QCOMPARE(off->html(), QString("<table  width='100%' ><tr ></tr></table>"));
    }

    void headerRows()
    {
        printHtml page;
        previewHtml preview;
        page.optionMask = preview.optionMask = 0;
        Tree a(page.addHeaderRow(true, false));
        QCOMPARE(a->html(), golden("header_chk_chart_print.html"));
        Tree b(page.addHeaderRow(false, false));
        QCOMPARE(b->html(), golden("header_chk_arrow_print.html"));
        Tree c(page.addHeaderRow(true, true));
        QCOMPARE(c->html(), golden("header_qc_chart_print.html"));

        page.optionMask = preview.optionMask = (1 << 14) | (1 << 8);
        Tree d(page.addHeaderRow(true, false));
        QCOMPARE(d->html(), golden("header_chk_chart_print_nonumber.html"));
        QVERIFY(d->html().contains("width='31%' >全称"));
        Tree e(page.addHeaderRow(false, true));
        QCOMPARE(e->html(), golden("header_qc_arrow_print_nonumber.html"));
        // The preview keeps the number column and names the option that drops it.
        Tree f(preview.addHeaderRow(true, false));
        QCOMPARE(f->html(), golden("header_chk_chart_template.html"));
        Tree g(preview.addHeaderRow(false, true));
        QCOMPARE(g->html(), golden("header_qc_arrow_template.html"));

        // The shared layouts are never changed by a report.
        for (const QVector<ReportColumnSpec>* layout : {&chartColumnLayout, &arrowColumnLayout}) {
            int sum = 0;
            for (const ReportColumnSpec& c : *layout) {
                QVERIFY(c.shown);
                sum += c.widthPercent;
            }
            QCOMPARE(sum, 100);
        }
        QCOMPARE(chartColumnLayout.size(), 10);
        QCOMPARE(arrowColumnLayout.size(), 8);
        QCOMPARE(chartColumnLayout[1].widthPercent, 17);
        QCOMPARE(arrowColumnLayout[4].column, 10);
    }

    void serumIndex_data()
    {
        QTest::addColumn<QString>("tail");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("texts");
        const QString i = "Icterus:黄疸+", h = "Hemolysis:溶血+", t = "Turbidity:脂血+";
        QTest::newRow("101") << "101" << "" << QStringList{i, t};
        QTest::newRow("1") << "1" << "{}" << QStringList{i};
        QTest::newRow("010") << "010" << "{\"a\":1}" << QStringList{h};
        QTest::newRow("111") << "111" << "not json" << QStringList{i, h, t};
        QTest::newRow("empty tail") << "" << "" << QStringList{};
        QTest::newRow("tail not binary") << "1x1" << "" << QStringList{};
        QTest::newRow("hemolysis 3") << "111" << "{\"errLevel\":\"[{\\\"type\\\":2,\\\"level\\\":3}]\"}"
                                     << QStringList{"Hemolysis:溶血+++"};
        QTest::newRow("level 0") << "" << "{\"errLevel\":\"[{\\\"type\\\":4,\\\"level\\\":0}]\"}" << QStringList{t};
        QTest::newRow("later replaces") << "" << "{\"errLevel\":\"[{\\\"type\\\":1,\\\"level\\\":2},{\\\"type\\\":1,\\\"level\\\":4}]\"}"
                                        << QStringList{"Icterus:黄疸++++"};
        QTest::newRow("all three") << "000"
                                   << "{\"errLevel\":\"[{\\\"type\\\":4,\\\"level\\\":1},{\\\"type\\\":1,\\\"level\\\":2},{\\\"type\\\":2}]\"}"
                                   << QStringList{"Icterus:黄疸++", h, t};
        QTest::newRow("errLevel not array text") << "111" << "{\"errLevel\":\"oops\"}" << QStringList{};
        QTest::newRow("errLevel not a string") << "111" << "{\"errLevel\":[{\"type\":1,\"level\":2}]}" << QStringList{};
        QTest::newRow("huge level bounded") << "" << "{\"errLevel\":\"[{\\\"type\\\":1,\\\"level\\\":2000000000}]\"}"
                                            << QStringList{"Icterus:黄疸" + QString(100, '+')};
    }

    void serumIndex()
    {
        QFETCH(QString, tail);
        QFETCH(QString, json);
        QFETCH(QStringList, texts);
        for (int kind = 0; kind < 2; ++kind) {
            QVector<HtmlCell> cells{HtmlCell(3, "before")};
            if (kind == 0)
                printHtml::serumIndexText(tail, json, cells);
            else
                previewHtml::serumIndexText(tail, json, cells);
            QCOMPARE(cells.size(), texts.size() + 1);
            for (int n = 0; n < texts.size(); ++n) {
                QCOMPARE(cells[n + 1].text, texts[n]);
                QCOMPARE(cells[n + 1].optionNumber, -1);
                QVERIFY(cells[n + 1].attributes.isEmpty());
                QVERIFY(!cells[n + 1].content);
            }
        }
    }

    void rangeBarMarkers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("arrow");
        const QString keep = "keep";
        QTest::newRow("inside middle") << 5.0 << 3.0 << 7.0 << 0.0 << 14 << "#000000" << keep;
        QTest::newRow("at low") << 3.0 << 3.0 << 7.0 << 0.0 << 10 << "#000000" << keep;
        QTest::newRow("at high") << 7.0 << 3.0 << 7.0 << 0.0 << 19 << "#000000" << keep;
        QTest::newRow("below") << 2.0 << 3.0 << 7.0 << 0.0 << 6 << "#0DA9DB" << "↓";
        QTest::newRow("negative") << -1.0 << 3.0 << 7.0 << 0.0 << 0 << "#0DA9DB" << "↓";
        QTest::newRow("above, no top") << 9.0 << 3.0 << 7.0 << 0.0 << 20 << "#ff0000" << "↑";
        QTest::newRow("above, at 2x high") << 14.0 << 3.0 << 7.0 << 0.0 << 29 << "#ff0000" << "↑";
        QTest::newRow("top 10, 15") << 15.0 << 3.0 << 7.0 << 10.0 << 24 << "#ff0000" << "↑";
        QTest::newRow("top 10, 9") << 9.0 << 3.0 << 7.0 << 10.0 << 20 << "#ff0000" << "↑";
        QTest::newRow("top 10, 20") << 20.0 << 3.0 << 7.0 << 10.0 << 29 << "#ff0000" << "↑";
        QTest::newRow("small high 0.78") << 0.78 << 0.1 << 0.5 << 0.0 << 25 << "#ff0000" << "↑";
        QTest::newRow("small high 2") << 2.0 << 0.1 << 0.5 << 0.0 << 20 << "#ff0000" << "↑";
        QTest::newRow("small high 0.55") << 0.55 << 0.1 << 0.5 << 0.0 << 20 << "#ff0000" << "↑";
        QTest::newRow("small high 0.56") << 0.56 << 0.1 << 0.5 << 0.0 << 21 << "#ff0000" << "↑";
        QTest::newRow("huge top saturates") << 1e300 << 0.0 << 7.0 << 1e300 << 29 << "#ff0000" << "↑";
    }

    void rangeBarMarkers()
    {
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, top);
        QFETCH(int, cell);
        QFETCH(QString, colour);
        QFETCH(QString, arrow);
        QString bar, gotArrow = "keep";
        QCOMPARE(printHtml::rangeBar(value, low, high, top, bar, gotArrow), colour);
        QCOMPARE(gotArrow, arrow);
        QCOMPARE(markerCell(bar), cell);
        QVERIFY(bar.contains("background-color:" + colour + ";'"));
        // The preview draws the very same bar.
        QString previewBar, previewArrow = "keep";
        QCOMPARE(previewHtml::rangeBar(value, low, high, top, previewBar, previewArrow), colour);
        QCOMPARE(previewBar, bar);
        QCOMPARE(previewArrow, arrow);
    }

    void labelsAreTranslated_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("fullName");
        QTest::newRow("EN") << "EN" << "Full name";
        QTest::newRow("IT") << "IT" << "Nome completo";
        QTest::newRow("FR") << "FR" << "Nom complet";
        QTest::newRow("PO") << "PO" << "Nome completo";
        QTest::newRow("RU") << "RU" << "Полное название";
        QTest::newRow("SP") << "SP" << "Nombre completo";
        QTest::newRow("TU") << "TU" << "Tam adı";
    }

    void labelsAreTranslated()
    {
        QFETCH(QString, code);
        QFETCH(QString, fullName);
        QTranslator translator;
        QVERIFY(translator.load(":/Translate_" + code + ".qm"));
        QCoreApplication::installTranslator(&translator);
        printHtml page;
        page.optionMask = 0;
        Tree chart(page.addHeaderRow(true, true));
        Tree arrow(page.addHeaderRow(false, true));
        const QString html = chart->html() + arrow->html();
        QVERIFY(html.contains(">" + fullName + "</td>"));
        // No label is left in the source language.
        QVERIFY2(!html.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")), qPrintable(html));
        QVector<HtmlCell> cells;
        printHtml::serumIndexText("111", QString(), cells);
        QCOMPARE(cells.size(), 3);
        for (const HtmlCell& c : cells)
            QVERIFY2(!c.text.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")), qPrintable(c.text));
        QCoreApplication::removeTranslator(&translator);
    }

    void rangeBarGolden()
    {
        QString bar, arrow;
        printHtml::rangeBar(5, 3, 7, 0, bar, arrow);
        QCOMPARE(bar, golden("rangebar_low3_high7_value5.html"));
        printHtml::rangeBar(15, 3, 7, 10, bar, arrow);
        QCOMPARE(bar, golden("rangebar_high7_top10_value15.html"));

        bar = "old";
        arrow = "old";
        QCOMPARE(printHtml::rangeBar(5, 0, 0, 0, bar, arrow), QString());
        QCOMPARE(bar, QString());
        QCOMPARE(arrow, QString());
    }
};

QTEST_MAIN(tst_fragments)
#include "tst_fragments.moc"
