#pragma once
#include <QByteArray>
#include <QString>

// Reads the answer of the AI analysis server as it arrives: UTF-8 lines of JSON, each
// {"text": "..."} adding a piece of the answer, {"error": "..."} ending it with the server's
// message, {"done": true} ending it complete. Empty lines are skipped. Anything else, or an
// answer larger than MaxBytes, makes the answer malformed. Once ended, further bytes are ignored.
class AiAnswerStream
{
public:
    enum State { Reading, Complete, ServerError, Malformed };

    static constexpr int MaxBytes = 1 << 20;

    // Takes the next bytes; returns the text they completed (empty when none).
    QString feed(const QByteArray& bytes);
    // The server closed the answer: a last line without its line break is read; an answer
    // still reading is left incomplete (state stays Reading).
    QString finish();

    State state() const { return m_state; }
    bool ended() const { return m_state != Reading; }
    // Every piece of text taken so far.
    QString text() const { return m_text; }
    // The server's message of an {"error"} line.
    QString errorText() const { return m_error; }

private:
    QString readLine(const QByteArray& line);

    QByteArray m_pending;
    QString m_text;
    QString m_error;
    State m_state = Reading;
    qint64 m_received = 0;
};
