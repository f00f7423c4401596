#pragma once
#include "CaseFields.h"
#include "DictEntry.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
struct PanelChkRecord;

namespace Ui {
class Index;
}

// The case form of the main window: shows one result's case fields, remembers what it showed
// (a save writes only what the user changed since), and refills its lookup lists without losing
// what the fields hold.
class CaseForm
{
public:
    explicit CaseForm(Ui::Index* ui);

    // Shows the result's case fields and takes them as the fields shown.
    void show(const PanelChkRecord& record);
    // Takes the fields as they are now as the fields shown (after they were saved).
    void takeAsShown() { m_shown = edited(); }
    // Empties every field, shows today at midnight as its times and forgets the shown result.
    void clear();
    QString shownId() const { return m_shownId; }
    const CaseFields& shown() const { return m_shown; }
    // The fields as they are now; coded fields read back as the value to store.
    CaseFields edited() const;

    // Refills the lists (each with an empty first entry); every field keeps its value, the coded
    // ones shown in the current language.
    void setLists(const QStringList& clinical, const QStringList& remarks, const QStringList& inspectors,
                  const QStringList& reviewers, const QStringList& senders, const QVector<DictEntry>& departments);

private:
    Ui::Index* ui;
    CaseFields m_shown;
    QString m_shownId;
};
