#pragma once
#include <QObject>
#include <QString>

// Process-wide announcer of changed system settings, so that parts of the program that keep
// something derived from a setting (the cloud connections, the main window) can follow it.
class SettingsNotifier : public QObject
{
    Q_OBJECT
public:
    static SettingsNotifier* instance();

signals:
    void signal_languageChanged(const QString& language);
    void signal_dbsourceChanged(const QString& dbsource);

private:
    SettingsNotifier() = default;
};
