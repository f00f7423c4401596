#include "ResultDetail.h"

#include "UnitConvert.h"
#include "resultText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>

const char* const ResultDetail::BelowColor = "#00afd6";
const char* const ResultDetail::AboveColor = "#eb1c30";

double ResultDetail::number(const QJsonArray& i, int index)
{
    return index < i.size() ? i.at(index).toDouble() : 0.0;
}

QString ResultDetail::unitOf(const QJsonArray& i)
{
    return i.size() > 5 ? i.at(5).toString() : QString();
}

namespace {

// A shown number back in SI units (five decimals after a conversion, as shown elsewhere).
bool backToSi(const QString& code, const QString& text, int unitMode, double* out)
{
    bool ok = false;
    const double shown = text.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    if (unitMode == 1) {
        auto it = unitConvertMap.constFind(code);
        if (it != unitConvertMap.constEnd() && it->factor != 0) {
            *out = QString::number(shown / it->factor, 'f', 5).toDouble();
            return true;
        }
    }
    *out = shown;
    return true;
}

// "low-high", negative limits allowed ("-5-10", "-5--1"). An empty text is 0 and 0.
bool parseRange(const QString& text, QString* low, QString* high)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        low->clear();
        high->clear();
        return true;
    }
    static const QRegularExpression re(
        QStringLiteral("^\\s*(-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*-\\s*(-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*$"));
    const QRegularExpressionMatch m = re.match(t);
    if (!m.hasMatch())
        return false;
    *low = m.captured(1);
    *high = m.captured(2);
    return true;
}

QJsonArray paddedI(const QJsonObject& o)
{
    QJsonArray i = o.value(QStringLiteral("I")).toArray();
    while (i.size() < 5)
        i.append(0);
    if (i.size() < 6)
        i.append(QString());
    return i;
}

// A stored analyte after the edits of its row; unchanged cells keep their stored numbers.
QJsonObject applyEdits(const QJsonObject& stored, const ResultDetailEdit& row, int unitMode)
{
    const QString code = stored.value(QStringLiteral("N")).toString();
    QJsonArray i = paddedI(stored);
    bool changed = false;

    if (row.valueText != row.shownValueText && !ResultDetail::isLimitText(row.valueText)) {
        double v = 0;
        if (backToSi(code, row.valueText, unitMode, &v)) {
            i[0] = v;
            changed = true;
        }
    }
    if (row.rangeText != row.shownRangeText) {
        QString lo, hi;
        if (parseRange(row.rangeText, &lo, &hi)) {
            double l = 0, h = 0;
            if (!lo.isEmpty())
                backToSi(code, lo, unitMode, &l);
            if (!hi.isEmpty())
                backToSi(code, hi, unitMode, &h);
            i[1] = l;
            i[2] = h;
            changed = true;
        }
    }
    if (row.addedByHand && row.hasTargetItem && row.targetText != row.shownTargetText) {
        double t = 0;
        if (backToSi(code, row.targetText, unitMode, &t) || row.targetText.trimmed().isEmpty()) {
            i[3] = t;
            changed = true;
        }
    }
    // The unit column only fills a unit the analyte never had.
    if (ResultDetail::unitOf(stored.value(QStringLiteral("I")).toArray()).isEmpty() && row.unitText != row.shownUnitText) {
        i[5] = row.unitText;
        changed = true;
    }
    QJsonObject out = stored;
    if (changed)
        out.insert(QStringLiteral("I"), i);
    if (row.addedByHand && out.value(QStringLiteral("addType")).toInt() == 0)
        out.insert(QStringLiteral("addType"), 1);
    return out;
}

// A row added by hand (or one whose stored analyte is gone): built from the table texts.
QJsonObject newAnalyte(const ResultDetailEdit& row, int unitMode)
{
    const QString code = ResultDetail::codeOfTypedText(row.codeText.trimmed());
    double v = 0, l = 0, h = 0, t = 0;
    if (!ResultDetail::isLimitText(row.valueText))
        backToSi(code, row.valueText, unitMode, &v);
    QString lo, hi;
    if (parseRange(row.rangeText, &lo, &hi)) {
        if (!lo.isEmpty())
            backToSi(code, lo, unitMode, &l);
        if (!hi.isEmpty())
            backToSi(code, hi, unitMode, &h);
    }
    if (row.hasTargetItem)
        backToSi(code, row.targetText, unitMode, &t);
    QJsonObject o;
    o.insert(QStringLiteral("N"), code);
    o.insert(QStringLiteral("I"), QJsonArray{v, l, h, t, 0, row.unitText});
    if (row.addedByHand)
        o.insert(QStringLiteral("addType"), 1);
    return o;
}

} // namespace

bool ResultDetail::parseResults(const QString& text, QJsonArray* results)
{
    *results = QJsonArray();
    if (text.trimmed().isEmpty())
        return true;
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray())
        return false;
    *results = doc.array();
    return true;
}

QVector<ResultDetailRow> ResultDetail::buildRows(const QJsonArray& results, const QStringList& hidden,
                                                 int unitMode, bool qcRun, const QcLimits& qcLimits,
                                                 const NameOf& nameOf)
{
    QVector<ResultDetailRow> rows;
    for (int index = 0; index < results.size(); ++index) {
        const QJsonObject o = results.at(index).toObject();
        const QString code = o.value(QStringLiteral("N")).toString();
        if (hidden.contains(code))
            continue;
        const QJsonArray a = o.value(QStringLiteral("I")).toArray();
        ResultDetailRow row;
        row.storedIndex = index;
        row.code = code;
        row.shownCode = shownCode(code);
        row.name = nameOf ? nameOf(code) : QString();
        row.addedByHand = o.value(QStringLiteral("addType")).toInt() == 1;

        row.valueText = convertUnitValue(code, number(a, 0), unitMode);
        row.value = row.valueText.toDouble();
        row.unitText = unitOfProject(code, unitOf(a), unitMode);
        double low = number(a, 1), high = number(a, 2);
        const QString range = convertUnitRange(code, low, high, unitMode);
        const bool noRange = number(a, 1) == 0 && number(a, 2) == 0;
        row.rangeText = noRange ? QString() : range;

        if (qcRun)
            row.targetText = convertUnitValue(code, number(a, 3), unitMode);
        double lower = 0, upper = 0;
        measuringLimits(a, code, qcRun, qcLimits, lower, upper);
        if (!row.addedByHand)
            applyMeasuringLimits(code, unitMode, row.value, lower, upper, row.valueText);

        if (!noRange) {
            if (row.value < low)
                row.color = QString::fromLatin1(BelowColor);
            else if (row.value > high)
                row.color = QString::fromLatin1(AboveColor);
        }
        rows.append(row);
    }
    return rows;
}

bool ResultDetail::rewriteResults(const QString& storedText, const QVector<ResultDetailEdit>& rows,
                                  const QStringList& hidden, int unitMode, QString* newText)
{
    QJsonArray stored;
    if (!parseResults(storedText, &stored))
        return false;

    // Match every table row to its stored analyte: by position and code, else by the first
    // unmatched analyte of that code (the stored list may have changed since it was shown).
    QVector<int> rowOf(stored.size(), -1);
    QVector<bool> rowMatched(rows.size(), false);
    for (int r = 0; r < rows.size(); ++r) {
        const int i = rows.at(r).storedIndex;
        if (i >= 0 && i < stored.size() && rowOf[i] < 0
            && stored.at(i).toObject().value(QStringLiteral("N")).toString() == rows.at(r).storedCode) {
            rowOf[i] = r;
            rowMatched[r] = true;
        }
    }
    for (int r = 0; r < rows.size(); ++r) {
        if (rowMatched[r] || rows.at(r).storedIndex < 0)
            continue;
        for (int i = 0; i < stored.size(); ++i) {
            if (rowOf[i] < 0 && stored.at(i).toObject().value(QStringLiteral("N")).toString() == rows.at(r).storedCode
                && !hidden.contains(rows.at(r).storedCode)) {
                rowOf[i] = r;
                rowMatched[r] = true;
                break;
            }
        }
    }

    QJsonArray out;
    for (int i = 0; i < stored.size(); ++i) {
        const QJsonObject o = stored.at(i).toObject();
        if (hidden.contains(o.value(QStringLiteral("N")).toString()) && rowOf[i] < 0) {
            out.append(stored.at(i));
            continue;
        }
        if (rowOf[i] < 0)
            continue;   // the user removed the row
        out.append(applyEdits(o, rows.at(rowOf[i]), unitMode));
    }
    for (int r = 0; r < rows.size(); ++r) {
        // A row added by hand whose code was never typed holds no analyte.
        if (!rowMatched[r] && !rows.at(r).codeText.trimmed().isEmpty())
            out.append(newAnalyte(rows.at(r), unitMode));
    }
    if (out == stored && !storedText.trimmed().isEmpty()) {
        *newText = storedText;
        return true;
    }
    *newText = QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented));
    return true;
}

QString ResultDetail::shownCode(const QString& code)
{
    return code == QLatin1String("Ca2+") ? QStringLiteral("Ca") : code;
}

QString ResultDetail::codeOfTypedText(const QString& text)
{
    return text == QLatin1String("Ca") ? QStringLiteral("Ca2+") : text;
}

int ResultDetail::ageYears(int days)
{
    return days / 365;
}

int ResultDetail::ageMonths(int days)
{
    return days % 365 / 30;
}

int ResultDetail::ageYears(const QString& days)
{
    return ageYears(days.trimmed().toInt());
}

int ResultDetail::ageMonths(const QString& days)
{
    return ageMonths(days.trimmed().toInt());
}

bool ResultDetail::isLimitText(const QString& text)
{
    return text.contains(QStringLiteral("≥")) || text.contains(QStringLiteral("≤"))
           || text.contains(QStringLiteral("---"));
}

void ResultDetail::measuringLimits(const QJsonArray& entries, const QString& code, bool qcRun,
                                   const QcLimits& qcLimits, double& lower, double& upper)
{
    lower = number(entries, 3);
    upper = number(entries, 4);
    if (!qcRun || !qcLimits)
        return;
    const QVector<double> limits = qcLimits(code);
    if (limits.size() >= 2) {
        lower = limits.at(0);
        upper = limits.at(1);
    }
}

bool ResultDetail::applyMeasuringLimits(const QString& code, int unitMode, double value, double& lower,
                                        double& upper, QString& text)
{
    convertUnitLimits(code, unitMode, lower, upper);
    const bool noLimits = lower == 0 && upper == 0;
    if (!noLimits && value >= upper) {
        text = QStringLiteral("≥") + QString::number(upper, 'g', 6);
        return true;
    }
    if (value <= lower) {
        text = resultLimitText(code, value, lower);
        return true;
    }
    return false;
}

bool ResultDetail::splitRange(const QString& text, QString* low, QString* high)
{
    return parseRange(text, low, high);
}
