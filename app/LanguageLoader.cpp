#include "LanguageLoader.h"

#include "SystemSettings.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDebug>
#include <QFile>
#include <QLibraryInfo>
#include <QMap>
#include <QTranslator>

LanguageLoader* LanguageLoader::instance()
{
    static LanguageLoader* loader = new LanguageLoader;
    return loader;
}

LanguageLoader::LanguageLoader()
    : m_translator(new QTranslator(this)), m_qtTranslator(new QTranslator(this)), m_language("Chinese")
{
    // A language stored through setLanguage comes into force here.
    setLanguageHandler([this](const QString& language) { loadLanguage(language); });
}

QString LanguageLoader::languageCode(const QString& language)
{
    return language.left(2).toUpper();
}

QLocale LanguageLoader::localeForLanguage(const QString& language)
{
    if (language == "English")
        return QLocale(QLocale::English, QLocale::UnitedStates);
    if (language == "Italian")
        return QLocale(QLocale::Italian, QLocale::Italy);
    if (language == "Spanish")
        return QLocale(QLocale::Spanish, QLocale::Spain);
    if (language == "French")
        return QLocale(QLocale::French, QLocale::France);
    if (language == "Russian")
        return QLocale(QLocale::Russian, QLocale::Russia);
    if (language == "Portuguese")
        return QLocale(QLocale::Portuguese, QLocale::Portugal);
    if (language == "Turkish")
        return QLocale(QLocale::Turkish, QLocale::Turkey);
    return QLocale(QLocale::Chinese, QLocale::China);
}

bool LanguageLoader::loadLanguage(const QString& language)
{
    if (m_installed) {
        QCoreApplication::removeTranslator(m_translator);
        m_installed = false;
    }
    bool ok = true;
    if (language != "Chinese") {
        const QString name = QStringLiteral("Translate_%1.qm").arg(languageCode(language));
        const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
        const QString builtIn = QStringLiteral(":/") + name;
        ok = QFile::exists(beside) && m_translator->load(beside);
        if (!ok && QFile::exists(beside))
            qDebug() << "LanguageLoader::loadLanguage fail" << beside;
        // A file beside the program that cannot be read leaves the built-in one.
        if (!ok) {
            ok = m_translator->load(builtIn);
            if (!ok)
                qDebug() << "LanguageLoader::loadLanguage fail" << builtIn;
        }
        if (ok)
            m_installed = QCoreApplication::installTranslator(m_translator);
    }
    m_language = ok ? language : QStringLiteral("Chinese");
    loadQtTranslation(m_language);
    QLocale::setDefault(localeForLanguage(m_language));
    applyLocaleToCalendars();
    applyStyleSheet();
    return ok;
}

void LanguageLoader::applyLocaleToCalendars()
{
    // A calendar pop-up takes the default locale only when it is made, and as a window of its
    // own does not follow its date edit: both are given the new one.
    const QLocale locale;
    for (QWidget* w : QApplication::allWidgets()) {
        auto* edit = qobject_cast<QDateTimeEdit*>(w);
        if (!edit)
            continue;
        edit->setLocale(locale);
        if (edit->calendarPopup() && edit->calendarWidget())
            edit->calendarWidget()->setLocale(locale);
    }
}

QString LanguageLoader::qtTranslationName(const QString& language)
{
    static const QMap<QString, QString> names{
        {"Chinese", "qtbase_zh_CN"}, {"Italian", "qtbase_it"},    {"French", "qtbase_fr"},
        {"Portuguese", "qtbase_pt_BR"}, {"Russian", "qtbase_ru"}, {"Spanish", "qtbase_es"},
        {"Turkish", "qtbase_tr"}};
    return names.value(language);
}

void LanguageLoader::loadQtTranslation(const QString& language)
{
    if (m_qtInstalled) {
        QCoreApplication::removeTranslator(m_qtTranslator);
        m_qtInstalled = false;
    }
    const QString name = qtTranslationName(language);
    if (name.isEmpty())
        return;   // English: Qt's own texts as they are
    const QString dir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (m_qtTranslator->load(name, dir))
        m_qtInstalled = QCoreApplication::installTranslator(m_qtTranslator);
    else
        qDebug() << "LanguageLoader::loadQtTranslation fail" << dir + QLatin1Char('/') + name;
}

void LanguageLoader::applyStyleSheet()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QFile qss(QStringLiteral(":/qss/chemdesk.qss"));
    if (!qss.open(QIODevice::ReadOnly)) {
        qDebug() << "LanguageLoader::applyStyleSheet fail" << qss.fileName();
        return;
    }
    const QString sheet = QString::fromUtf8(qss.readAll());
    if (app->styleSheet() != sheet)
        app->setStyleSheet(sheet);
}
