#include "FileUtils.h"
#include "LanguageLoader.h"
#include "Index.h"
#include "SingleInstanceGuard.h"
#include "SystemSettings.h"
#include "dbHelper.h"
#include "httpBusiness.h"
#include "Rabbitmq.h"

#include <QApplication>
#include <QDebug>

// The program's main window.
using MainWindow = Index;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LanguageLoader::instance();

    // Main databases: seeded from the built-in copies when missing, then brought to the
    // current schema.
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db2"), QStringLiteral("database.db2"));
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db3"), QStringLiteral("database.db3"));
    dbHelper::upgradeSchema(QStringLiteral("database.db2"));
    dbHelper::upgradeSchema(QStringLiteral("database.db3"));

    // Stored language (translator, style sheet, locale) and cloud region.
    setLanguage(getLanguage());
    setDbsource(getDbsource());

    SingleInstanceGuard guard(QStringLiteral("ChemDesk"));
    if (!guard.tryRun()) {
        guard.signalRunningInstance();
        return 0;
    }

    if (!dbHelper::getInstance()->openDatabase())
        qDebug() << "main: the main database could not be opened";

    int code = 0;
    {
        MainWindow window;
        window.show();
        // The shared configuration, in the background: the window does not wait for the
        // network. An incomplete or unreadable download keeps the old file.
        httpBusiness::startConfigDbDownload(&window, [&window](bool replaced) {
            if (replaced)
                window.configReplaced();
        });
        code = app.exec();
    }
    // The notice listener's thread ends before the application object goes.
    Rabbitmq::getInstance()->shutdown();
    guard.release();
    return code;
}
