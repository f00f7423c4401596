#include "ResultGenerator.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStringList>
#include <cmath>

namespace {

struct Analyte
{
    const char* code;
    double low, high;   // reference range (SI)
    double min, max;    // reportable range (SI)
    int decimals;
    const char* unit;
};

// Canine reference ranges in SI units.
const Analyte kAnalytes[] = {
    {"TP", 52, 82, 20, 120, 1, "g/L"},       {"ALB", 23, 40, 10, 60, 1, "g/L"},
    {"GLOB", 25, 45, 10, 80, 1, "g/L"},      {"ALT", 10, 125, 10, 1000, 0, "U/L"},
    {"AST", 0, 50, 5, 1000, 0, "U/L"},       {"ALP", 23, 212, 10, 2000, 0, "U/L"},
    {"GGT", 0, 11, 5, 1200, 0, "U/L"},       {"TBIL", 0, 15, 2, 500, 1, "μmol/L"},
    {"BUN", 2.5, 9.6, 0.7, 46.4, 2, "mmol/L"}, {"CRE", 44, 159, 18, 1768, 0, "μmol/L"},
    {"GLU", 4.11, 7.94, 0.56, 38.9, 2, "mmol/L"}, {"Ca", 1.98, 3.0, 1.0, 4.0, 2, "mmol/L"},
    {"P", 0.81, 2.19, 0.32, 5.17, 2, "mmol/L"},
};

struct Panel
{
    int id;
    QStringList codes;
};

// Panel ids as the analyzer numbers them, from 1 (the word table's panel names follow them).
const Panel& panelFor(int n)
{
    static const Panel panels[] = {
        {1, {"TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL", "BUN", "CRE", "GLU", "Ca", "P"}},
        {2, {"TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL"}},
        {3, {"BUN", "CRE", "GLU", "Ca", "P"}},
    };
    return panels[n % 3];
}

const Analyte* analyte(const QString& code)
{
    for (const Analyte& a : kAnalytes)
        if (code == QLatin1String(a.code))
            return &a;
    return nullptr;
}

double rounded(double v, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
}

const char* const kNames[] = {"Lucky", "Bella", "旺财", "Max", "Coco", "豆豆", "Luna", "Milo",
                              "Daisy", "小黑", "Rocky", "Nala"};

QString compact(const QJsonDocument& d)
{
    return QString::fromUtf8(d.toJson(QJsonDocument::Compact));
}

} // namespace

QJsonObject ResultGenerator::make(quint32 seed, int index, int rowid, const QString& machineId)
{
    QRandomGenerator rng(seed * 2654435761u ^ quint32(index) * 40503u ^ 0x9E3779B9u);
    const bool qc = isQcIndex(index);
    const Panel& panel = qc ? panelFor(0) : panelFor(int(rng.bounded(3)));

    const QDateTime when = QDateTime(QDate(2024, 5, 2), QTime(8, 0)).addSecs(qint64(index) * 1020 + rng.bounded(300));

    // Serum indices: mostly clean samples.
    int errcode = 0;
    if (!qc) {
        const quint32 r = rng.bounded(100);
        if (r < 6) errcode |= 1;       // icterus
        else if (r < 11) errcode |= 2; // hemolysis
        else if (r < 14) errcode |= 4; // turbidity
        if (rng.bounded(100) < 2)
            errcode |= 8; // instrument warning
    }

    QJsonArray results;
    for (const QString& code : panel.codes) {
        const Analyte* a = analyte(code);
        if (!a)
            continue;
        const double span = a->high - a->low;
        double value;
        double target = a->min;
        if (qc) {
            target = rounded(a->low + span * 0.5, a->decimals);
            value = target + span * 0.08 * (rng.generateDouble() * 2 - 1);
        } else {
            // Most values in range, some high, a few low.
            const double u = rng.generateDouble();
            if (u < 0.75)
                value = a->low + span * rng.generateDouble();
            else if (u < 0.93)
                value = a->high + span * rng.generateDouble() * 1.5;
            else
                value = a->low - (a->low - a->min) * rng.generateDouble();
        }
        value = rounded(qBound(a->min, value, a->max), a->decimals);
        QJsonArray i{value, a->low, a->high, qc ? target : a->min, a->max, QString::fromUtf8(a->unit)};
        results.append(QJsonObject{{"N", code}, {"I", i}});
    }

    QJsonObject patient;
    if (qc) {
        patient.insert("Qc", true);
        patient.insert("QcLot", QStringLiteral("QC%1").arg(2405 + index % 3));
        patient.insert("name", QString());
        patient.insert("age", QStringLiteral("0"));
        patient.insert("birthday", QString());
        patient.insert("division", QStringLiteral("0"));
        patient.insert("sex", QStringLiteral("0"));
        patient.insert("swatchType", QStringLiteral("0"));
        patient.insert("id", QStringLiteral("QC%1").arg(index, 4, 10, QLatin1Char('0')));
        patient.insert("number", QString());
    } else {
        const int ageDays = int(60 + rng.bounded(15 * 365));
        patient.insert("name", QString::fromUtf8(kNames[rng.bounded(int(sizeof kNames / sizeof *kNames))]));
        patient.insert("age", QString::number(ageDays));
        patient.insert("birthday", when.date().addDays(-ageDays).toString(QStringLiteral("yyyy-MM-dd")));
        patient.insert("division", QString::number(rng.bounded(6)));
        patient.insert("sex", QString::number(rng.bounded(2)));
        patient.insert("swatchType", QString::number(rng.bounded(3)));
        patient.insert("id", QStringLiteral("S%1").arg(index, 5, 10, QLatin1Char('0')));
        patient.insert("number", QStringLiteral("P%1").arg(1000 + int(rng.bounded(9000))));
        if (errcode & 7) {
            QJsonArray levels;
            for (int bit = 0; bit < 3; ++bit)
                if (errcode & (1 << bit))
                    levels.append(QJsonObject{{"type", bit + 1}, {"level", int(1 + rng.bounded(3))}});
            patient.insert("errLevel", compact(QJsonDocument(levels)));
        }
    }

    QJsonObject rec;
    rec.insert("rowid", rowid);
    rec.insert("KBWay", int(rng.bounded(2)));
    rec.insert("chkdatetime", when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    rec.insert("errcode", errcode);
    rec.insert("machineid", machineId);
    rec.insert("panelid", panel.id);
    rec.insert("panelindex", int(1 + rng.bounded(4)));
    rec.insert("panellot", 24050 + panel.id * 10 + int(rng.bounded(3)));
    rec.insert("patientinfo", compact(QJsonDocument(patient)));
    rec.insert("softversion", QStringLiteral("V2.3.1"));
    rec.insert("summary", qc ? QStringLiteral("(zk) %1").arg(panel.codes.size()) : QStringLiteral("%1").arg(panel.codes.size()));
    rec.insert("testresults", compact(QJsonDocument(results)));
    rec.insert("zipname", QStringLiteral("%1_%2.zip").arg(when.toString(QStringLiteral("yyyyMMddhhmmss"))).arg(rowid, 6, 10, QLatin1Char('0')));
    return rec;
}
