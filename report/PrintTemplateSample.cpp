#include "PrintTemplateSample.h"

#include "FileUtils.h"
#include "Translateword.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString PrintTemplateSample::path()
{
    return QDir::currentPath() + QStringLiteral("/printSetTemplate.json");
}

ReportItem PrintTemplateSample::rowFromJson(const QJsonObject& o)
{
    const QString code = o.value(QStringLiteral("chemistry")).toString();
    const QString result = o.value(QStringLiteral("result")).toString();
    const QString unit = o.value(QStringLiteral("unit")).toString();
    const QString up = o.value(QStringLiteral("up")).toString();
    const QString down = o.value(QStringLiteral("down")).toString();
    ReportItem item;
    item.value = result.toDouble();
    item.low = down.toDouble();
    item.high = up.toDouble();
    item.upperLimit = 0;
    item.code = code;
    item.name = Translateword::getInstance()->transByKey(code);
    item.resultText = result;
    item.unit = unit;
    item.rangeText = down + QLatin1Char('-') + up;
    return item;
}

bool PrintTemplateSample::load(QVector<ReportItem>* rows)
{
    const QString file = path();
    if (!QFile::exists(file))
        copyFileIfMissing(QStringLiteral(":/printSetTemplate.json"), file);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        qDebug() << "PrintTemplateSample::load" << file << f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    f.close();
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (doc.isNull()) {
        qDebug() << "数据解析有误";
        qDebug() << "PrintPreview::updatePrintReportData:" << bytes;
        return false;
    }
    if (!doc.isObject()) {
        qDebug() << "!object";
        return false;
    }
    QVector<ReportItem> out;
    const QJsonArray array = doc.object().value(QStringLiteral("result")).toArray();
    for (const QJsonValue& v : array) {
        if (v.isObject())
            out.append(rowFromJson(v.toObject()));
    }
    *rows = out;
    return true;
}
