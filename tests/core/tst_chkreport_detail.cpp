#include "ResultDetail.h"
#include "TestSupport.h"

#include <QtTest>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

// Rows of the result detail view and the rewrite of the stored JSON when the table is saved.
class tst_chkreport_detail : public QObject
{
    Q_OBJECT

    QString m_stored;
    QJsonArray m_array;

    static QString nameOf(const QString& code) { return QStringLiteral("name of ") + code; }

    QVector<ResultDetailRow> rows(int unitMode, const QStringList& hidden = QStringList(), bool qc = false,
                                  const ResultDetail::QcLimits& limits = nullptr) const
    {
        return ResultDetail::buildRows(m_array, hidden, unitMode, qc, limits, &nameOf);
    }

    static const ResultDetailRow* find(const QVector<ResultDetailRow>& rows, const QString& code)
    {
        for (const ResultDetailRow& r : rows)
            if (r.code == code)
                return &r;
        return nullptr;
    }

    // The table as the view filled it, untouched by the user.
    static QVector<ResultDetailEdit> editsOf(const QVector<ResultDetailRow>& rows)
    {
        QVector<ResultDetailEdit> edits;
        for (const ResultDetailRow& r : rows) {
            ResultDetailEdit e;
            e.storedIndex = r.storedIndex;
            e.storedCode = r.code;
            e.codeText = r.shownCode;
            e.valueText = e.shownValueText = r.valueText;
            e.hasTargetItem = true;
            e.targetText = e.shownTargetText = r.targetText;
            e.rangeText = e.shownRangeText = r.rangeText;
            e.unitText = e.shownUnitText = r.unitText;
            e.addedByHand = r.addedByHand;
            edits.append(e);
        }
        return edits;
    }

    static QByteArray compact(const QJsonValue& v)
    {
        return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    }

    static QJsonArray parse(const QString& text)
    {
        return QJsonDocument::fromJson(text.toUtf8()).array();
    }

private slots:
    void initTestCase()
    {
        QFile f(testDataDir() + "/testreport/results_si.json");
        QVERIFY(f.open(QIODevice::ReadOnly));
        m_stored = QString::fromUtf8(f.readAll());
        QVERIFY(ResultDetail::parseResults(m_stored, &m_array));
        QCOMPARE(m_array.size(), 9);
    }

    void siUnitsLimitTextsAndColours()
    {
        const QVector<ResultDetailRow> r = rows(0);
        QCOMPARE(r.size(), 9);
        const ResultDetailRow* alb = find(r, "ALB");
        QCOMPARE(alb->valueText, QStringLiteral("35"));
        QCOMPARE(alb->rangeText, QStringLiteral("25-40"));
        QCOMPARE(alb->unitText, QStringLiteral("g/L"));
        QCOMPARE(alb->name, QStringLiteral("name of ALB"));
        QVERIFY(alb->color.isEmpty());
        QVERIFY(find(r, "CRE")->color.isEmpty());                    // equal to the low end
        const ResultDetailRow* ca = find(r, "Ca2+");
        QCOMPARE(ca->shownCode, QStringLiteral("Ca"));
        QCOMPARE(ca->rangeText, QStringLiteral("2.3-3"));
        QCOMPARE(ca->color, QStringLiteral("#00afd6"));              // below
        QCOMPARE(find(r, "ALT")->color, QStringLiteral("#eb1c30"));  // above
        QCOMPARE(find(r, "ALT")->valueText, QStringLiteral("130.5"));
        const ResultDetailRow* tp = find(r, "TP");                    // no range: no colour
        QVERIFY(tp->rangeText.isEmpty());
        QVERIFY(tp->color.isEmpty());
        QCOMPARE(find(r, "BUN")->valueText, QStringLiteral("---"));  // -1000, below tolerance
        QCOMPARE(find(r, "Ca")->shownCode, QStringLiteral("Ca"));
        const ResultDetailRow* xyz = find(r, "XYZ");
        QVERIFY(xyz->addedByHand);
        QCOMPARE(xyz->valueText, QStringLiteral("7"));
        for (const ResultDetailRow& row : r)
            QVERIFY(row.targetText.isEmpty());                        // not a QC run
    }

    void limitTexts()
    {
        const QJsonArray a = parse(R"([
            {"N": "ALB", "I": [60, 25, 40, 10, 60, "g/L"]},
            {"N": "ALB", "I": [10, 25, 40, 10, 60, "g/L"]},
            {"N": "ALT", "I": [-3, 10, 100, 5, 1000, "U/L"]},
            {"N": "ALT", "I": [-6, 10, 100, 5, 1000, "U/L"]},
            {"N": "GLU", "I": [70, 3.9, 6.1, 1.1, 33.3, "mmol/L"], "addType": 1},
            {"N": "NEW", "I": [5, 1, 9, 0, 0, "x"]}
        ])");
        const QVector<ResultDetailRow> r = ResultDetail::buildRows(a, {}, 0, false, nullptr, nullptr);
        QCOMPARE(r.at(0).valueText, QStringLiteral("≥60"));
        QCOMPARE(r.at(1).valueText, QStringLiteral("≤10"));
        QCOMPARE(r.at(2).valueText, QStringLiteral("≤5"));    // -3 is within ALT's tolerance of -5
        QCOMPARE(r.at(3).valueText, QStringLiteral("---"));
        QCOMPARE(r.at(4).valueText, QStringLiteral("70"));    // added by hand: no limit text
        QCOMPARE(r.at(4).color, QStringLiteral("#eb1c30"));
        QCOMPARE(r.at(5).valueText, QStringLiteral("5"));     // no measuring limits: never "≥0"
    }

    void conventionalUnits()
    {
        const QVector<ResultDetailRow> r = rows(1);
        const ResultDetailRow* alb = find(r, "ALB");
        QCOMPARE(alb->valueText, QStringLiteral("3.50"));
        QCOMPARE(alb->rangeText, QStringLiteral("2.50-4.00"));
        QCOMPARE(alb->unitText, QStringLiteral("g/dL"));
        const ResultDetailRow* cre = find(r, "CRE");
        QCOMPARE(cre->valueText, QStringLiteral("0.50"));
        QCOMPARE(cre->rangeText, QStringLiteral("0.50-1.80"));
        QVERIFY(cre->color.isEmpty());
        const ResultDetailRow* ca = find(r, "Ca2+");
        QCOMPARE(ca->valueText, QStringLiteral("8.4"));
        QCOMPARE(ca->unitText, QStringLiteral("mg/dL"));
        QCOMPARE(find(r, "ALT")->unitText, QStringLiteral("U/L"));  // not in the table
        QCOMPARE(find(r, "ALT")->valueText, QStringLiteral("130.5"));
        QCOMPARE(find(r, "BUN")->valueText, QStringLiteral("---")); // -1000 is never converted
    }

    void hiddenAnalytesAreLeftOut()
    {
        const QVector<ResultDetailRow> r = rows(0, {"GLU", "Ca2+", "nothing"});
        QCOMPARE(r.size(), 7);
        QVERIFY(!find(r, "GLU"));
        QVERIFY(!find(r, "Ca2+"));
        QVERIFY(find(r, "Ca"));                                    // exact comparison
        QCOMPARE(r.at(2).storedIndex, 3);                          // ALT keeps its stored place
    }

    void qcTargetAndLimits()
    {
        auto limits = [](const QString& code) {
            return code == QLatin1String("ALB") ? QVector<double>{30, 34} : QVector<double>();
        };
        const QVector<ResultDetailRow> r = rows(0, {}, true, limits);
        QCOMPARE(find(r, "ALB")->targetText, QStringLiteral("10"));
        QCOMPARE(find(r, "ALB")->valueText, QStringLiteral("≥34"));  // QC limits of config.db
        QCOMPARE(find(r, "CRE")->targetText, QStringLiteral("10"));
        QCOMPARE(find(r, "CRE")->valueText, QStringLiteral("44"));
        const QVector<ResultDetailRow> conv = rows(1, {}, true, limits);
        QCOMPARE(find(conv, "CRE")->targetText, QStringLiteral("0.11"));
    }

    void ages()
    {
        QCOMPARE(ResultDetail::ageYears("400"), 1);
        QCOMPARE(ResultDetail::ageMonths("400"), 1);
        QCOMPARE(ResultDetail::ageYears("365"), 1);
        QCOMPARE(ResultDetail::ageMonths("365"), 0);
        QCOMPARE(ResultDetail::ageYears(""), 0);
        QCOMPARE(ResultDetail::ageMonths("abc"), 0);
        QCOMPARE(ResultDetail::ageMonths("59"), 1);
        QCOMPARE(ResultDetail::ageYears("1094"), 2);
        QCOMPARE(ResultDetail::ageMonths("1094"), 12);   // 364 days: (d mod 365) / 30
    }

    // Saving an untouched table changes nothing, in either unit system.
    void unchangedSaveKeepsTheStoredText()
    {
        for (int mode : {0, 1}) {
            QString out;
            QVERIFY(ResultDetail::rewriteResults(m_stored, editsOf(rows(mode)), {}, mode, &out));
            QCOMPARE(out, m_stored);
        }
    }

    // A deleted row goes; every other analyte, including the hidden ones, stays as stored.
    void deletedRowGoesOthersStayByteIdentical()
    {
        const QStringList hidden{"GLU"};
        for (int mode : {0, 1}) {
            QVector<ResultDetailEdit> edits = editsOf(rows(mode, hidden));
            edits.removeAt(3);                                     // ALT
            QString out;
            QVERIFY(ResultDetail::rewriteResults(m_stored, edits, hidden, mode, &out));
            const QJsonArray saved = parse(out);
            QCOMPARE(saved.size(), 8);
            int j = 0;
            for (int i = 0; i < m_array.size(); ++i) {
                if (m_array.at(i).toObject().value("N").toString() == QLatin1String("ALT"))
                    continue;
                QCOMPARE(compact(saved.at(j)), compact(m_array.at(i)));
                ++j;
            }
            QCOMPARE(saved.at(3).toObject().value("N").toString(), QStringLiteral("GLU"));  // hidden, in place
            QCOMPARE(saved.at(6).toObject().value("N").toString(), QStringLiteral("Ca"));   // not renamed
            QCOMPARE(saved.at(1).toObject().value("I").toArray().at(1).toDouble(), 44.0);   // CRE low stays 44
        }
    }

    void editedCellsAreConvertedBack()
    {
        QVector<ResultDetailEdit> edits = editsOf(rows(1));
        edits[0].rangeText = QStringLiteral("2.00-4.50");          // ALB range typed in g/dL
        edits[3].unitText = QStringLiteral("U/L!");                // has a stored unit: ignored
        QString out;
        QVERIFY(ResultDetail::rewriteResults(m_stored, edits, {}, 1, &out));
        const QJsonArray saved = parse(out);
        const QJsonArray alb = saved.at(0).toObject().value("I").toArray();
        QCOMPARE(alb.at(0).toDouble(), 35.0);                      // value untouched
        QCOMPARE(alb.at(1).toDouble(), 20.0);
        QCOMPARE(alb.at(2).toDouble(), 45.0);
        QCOMPARE(alb.at(3).toDouble(), 10.0);
        QCOMPARE(saved.at(3).toObject().value("I").toArray().at(5).toString(), QStringLiteral("U/L"));
        for (int i = 1; i < m_array.size(); ++i)
            QCOMPARE(compact(saved.at(i)), compact(m_array.at(i)));

        // a limit text typed back keeps the stored value; a negative range is read whole
        edits = editsOf(rows(0));
        edits[1].valueText = QStringLiteral("≥2000");
        edits[1].rangeText = QStringLiteral("-5--1");
        QVERIFY(ResultDetail::rewriteResults(m_stored, edits, {}, 0, &out));
        const QJsonArray cre = parse(out).at(1).toObject().value("I").toArray();
        QCOMPARE(cre.at(0).toDouble(), 44.0);
        QCOMPARE(cre.at(1).toDouble(), -5.0);
        QCOMPARE(cre.at(2).toDouble(), -1.0);
    }

    void rowAddedByHand()
    {
        QVector<ResultDetailEdit> edits = editsOf(rows(1));
        ResultDetailEdit add;
        add.codeText = QStringLiteral("GLOB");
        add.valueText = QStringLiteral("3.5");                     // g/dL
        add.rangeText = QStringLiteral("2.5-4.5");
        add.hasTargetItem = true;
        add.targetText = QStringLiteral("3");
        add.unitText = QStringLiteral("g/dL");
        add.addedByHand = true;
        edits.append(add);
        ResultDetailEdit ca;
        ca.codeText = QStringLiteral("Ca");
        ca.valueText = QStringLiteral("abc");
        ca.addedByHand = true;
        edits.append(ca);
        ResultDetailEdit blank;                                     // a new row left empty
        blank.addedByHand = true;
        edits.append(blank);
        QString out;
        QVERIFY(ResultDetail::rewriteResults(m_stored, edits, {}, 1, &out));
        const QJsonArray saved = parse(out);
        QCOMPARE(saved.size(), 11);
        const QJsonObject glob = saved.at(9).toObject();
        QCOMPARE(glob.value("N").toString(), QStringLiteral("GLOB"));
        QCOMPARE(glob.value("addType").toInt(), 1);
        const QJsonArray i = glob.value("I").toArray();
        QCOMPARE(i.size(), 6);
        QCOMPARE(i.at(0).toDouble(), 35.0);
        QCOMPARE(i.at(1).toDouble(), 25.0);
        QCOMPARE(i.at(2).toDouble(), 45.0);
        QCOMPARE(i.at(3).toDouble(), 30.0);
        QCOMPARE(i.at(4).toDouble(), 0.0);
        QCOMPARE(i.at(5).toString(), QStringLiteral("g/dL"));
        const QJsonObject c = saved.at(10).toObject();
        QCOMPARE(c.value("N").toString(), QStringLiteral("Ca2+"));
        QCOMPARE(c.value("I").toArray().at(0).toDouble(), 0.0);
    }

    void unreadableResultIsNotOverwritten()
    {
        QString out = QStringLiteral("untouched");
        QVERIFY(!ResultDetail::rewriteResults(QStringLiteral("{broken"), {}, {}, 0, &out));
        QVERIFY(!ResultDetail::rewriteResults(QStringLiteral("{\"N\": 1}"), {}, {}, 0, &out));
        QCOMPARE(out, QStringLiteral("untouched"));
        // an empty text holds no analyte: rows added by hand may be stored
        ResultDetailEdit add;
        add.codeText = QStringLiteral("TP");
        add.valueText = QStringLiteral("60");
        add.addedByHand = true;
        QVERIFY(ResultDetail::rewriteResults(QString(), {add}, {}, 0, &out));
        QCOMPARE(parse(out).size(), 1);
        // every row deleted: an empty array
        QVERIFY(ResultDetail::rewriteResults(m_stored, {}, {}, 0, &out));
        QCOMPARE(parse(out).size(), 0);
        QVERIFY(QJsonDocument::fromJson(out.toUtf8()).isArray());
    }

    // The stored list changed after it was shown: rows still find their analytes by code.
    void rowsMatchByCodeWhenPositionsMoved()
    {
        QVector<ResultDetailEdit> edits = editsOf(rows(0));
        QJsonArray moved = m_array;
        moved.removeAt(0);                                          // ALB gone elsewhere
        QString out;
        QVERIFY(ResultDetail::rewriteResults(QString::fromUtf8(QJsonDocument(moved).toJson()), edits, {}, 0, &out));
        const QJsonArray saved = parse(out);
        QCOMPARE(saved.size(), 9);                                  // ALB comes back as a row of the table
        QCOMPARE(compact(saved.at(0)), compact(m_array.at(1)));
        QCOMPARE(saved.at(8).toObject().value("N").toString(), QStringLiteral("ALB"));
    }
};

QTEST_MAIN(tst_chkreport_detail)
#include "tst_chkreport_detail.moc"
