#pragma once
#include <QLocale>
#include <QObject>
#include <QString>

class QTranslator;

// Process-wide loader of the user-interface language: the translator "Translate_XX.qm" (beside
// the program, else built in), the program's style sheet and the default QLocale.
// Created once, it puts every language later stored through setLanguage into force.
class LanguageLoader : public QObject
{
    Q_OBJECT
public:
    static LanguageLoader* instance();

    // Installs the translator of the language key ("English", "Italian", ...); "Chinese", the
    // language of the source texts, needs none. Returns whether the language is now in force
    // (false when its translation file could not be loaded: the texts then stay Chinese).
    bool loadLanguage(const QString& language);
    QString currentLanguage() const { return m_language; }

    // "EN", "IT", ...: the first two letters of the key in upper case.
    static QString languageCode(const QString& language);
    // The QLocale that goes with a language key (Chinese for an unknown one).
    static QLocale localeForLanguage(const QString& language);

private:
    LanguageLoader();
    void applyStyleSheet();
    void applyLocaleToCalendars();

    // Qt's own texts (file dialogs, standard buttons), from the system's Qt translations.
    static QString qtTranslationName(const QString& language);
    void loadQtTranslation(const QString& language);

    QTranslator* m_translator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    bool m_qtInstalled = false;
    QString m_language;
    bool m_installed = false;
};
