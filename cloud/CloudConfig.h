#pragma once
#include <QString>

// Addresses and credentials of the maker's cloud for one region, from "./saveFile/cloud.ini".
// The file holds one section per region: [cn] for the domestic servers and [overseas] for the
// other one. Every key is optional; a missing key falls back to the local test cloud on
// 127.0.0.1.
class CloudConfig
{
public:
    // Reads the section of the region key ("cn" is domestic, any other key overseas).
    static CloudConfig forRegion(const QString& region);
    // Reads the section of the stored cloud region.
    static CloudConfig current();
    // The section name that a region key selects.
    static QString sectionOf(const QString& region);

    static QString fileName() { return QStringLiteral("./saveFile/cloud.ini"); }

    bool domestic = true;
    QString httpHost = QStringLiteral("127.0.0.1");

    QString mysqlHost = QStringLiteral("127.0.0.1");
    int mysqlPort = 3306;
    QString mysqlDatabase = QStringLiteral("cloud");
    QString mysqlUser = QStringLiteral("chemdesk");
    QString mysqlPassword = QStringLiteral("chemdesk");

    QString amqpHost = QStringLiteral("127.0.0.1");
    int amqpPort = 5672;
    QString amqpVhost = QStringLiteral("/");
    QString amqpUser = QStringLiteral("guest");
    QString amqpPassword = QStringLiteral("guest");

    // Where the AI analysis of one result is asked for (docs/ai-request.md).
    QString aiUrl = QStringLiteral("http://127.0.0.1:8091/ai/analyze");
};
