#pragma once
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// Analyte code ("TP", "ALB", ...) to its row id in table langs of "trans.db" (29 to 71).
extern const QMap<QString, int> analyteIdMap;
// The analyzer's numeric codes to row ids of "trans.db".
extern const QMap<int, int> divisionIndexMap;   // department 0-5 -> rows 1-6
extern const QMap<int, int> sampleTypeIndexMap; // sample type 0-2 -> rows 7-9
extern const QMap<int, int> sexIndexMap;        // sex 0-1 -> rows 10-11
extern const QMap<int, int> panelIndexMap;      // panel id 1-17 -> rows 12-28

// The word-translation table "trans.db" (table langs, one column per language key), read on
// its own connection "trans" into memory on first use. Every lookup answers in the language
// that getLanguage() names at that moment.
class Translateword
{
public:
    static Translateword* getInstance();

    // Code through an index map, else the text as a word, else the text itself.
    QString trans(const QString& text, const QMap<int, int>& indexMap);
    // The same in a given language (for many rows: the language read once).
    QString trans(const QString& text, const QMap<int, int>& indexMap, const QString& language);
    // Analyte name of a code; "" for a code that analyteIdMap lacks.
    QString transByKey(const QString& code);
    // Word of a row in the current language; "" for a missing row or language.
    QString transByIndex(int index);
    // The same in a given language.
    QString transByIndex(int index, const QString& language);
    // The row holding the word in any language, answered in the current language; "" if none.
    QString transWord(const QString& word);
    // The same in a given language.
    QString transWord(const QString& word, const QString& language);

    // (Re)reads the table from "trans.db" in the working directory, seeding it from the built-in
    // copy when missing; when that file cannot be read, the built-in copy answers. Returns
    // whether a table could be read.
    bool initTrans();

private:
    Translateword() = default;
    bool ensureLoaded();
    bool readTable(const QString& fileName);

    QHash<int, QHash<QString, QString>> m_rows; // row id -> language key -> word
    QStringList m_languages;                    // language columns of the table
    bool m_loaded = false;
};
