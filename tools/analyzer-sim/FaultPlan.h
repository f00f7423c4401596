#pragma once
#include <QString>
#include <QVector>

// Faults the simulator injects into its replies. A selector names the replies a fault hits:
//   all              every reply
//   REPLY            every reply of that kind (ReMachineID, ReResultSize, ReResultQuery)
//   REPLY@N          the N-th reply of that kind since the start (once)
//   @N               the N-th reply of any kind since the start (once)
//   rowid=K          the record reply that carries result K (once)
class FaultPlan
{
public:
    enum Kind { Drop, Corrupt, Split, Noise, Delay, Hangup };

    struct Rule
    {
        Kind kind = Drop;
        QString reply;  // empty: any kind
        int nth = 0;    // with reply: n-th of that kind; without: n-th overall
        int rowid = 0;
        int delayMs = 0;
        bool once = false;
        bool used = false;
    };

    // Adds a fault; for Delay the text is "MS" or "MS:SELECTOR". False with a reason on bad text.
    bool add(Kind kind, const QString& text, QString* error = nullptr);
    // The rules that hit this reply; rules that apply once are marked used.
    QVector<Rule> take(const QString& reply, int nthOfKind, int nthOverall, int rowid);
    bool isEmpty() const { return m_rules.isEmpty(); }
    static QString kindName(Kind kind);

private:
    QVector<Rule> m_rules;
};
