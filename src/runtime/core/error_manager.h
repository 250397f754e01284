#pragma once

#include <QString>
#include <QTextStream>
#include <vector>

// The messages of the table layer. Titles and texts are fixed; "%File",
// "%ErrorText" and "%Key" are replaced, "|" starts a new line.
enum class ErrorCode {
    CreateError,    // fatal: "File Creation Error"
    AccessDenied,   // notice: opened read-only
    InvalidKey,     // notice: keys are rebuilt
    KeyNotBuilt,    // fatal
    OpenError,      // fatal: "File Access Error" on open
    AutoIncError,   // question: try numbering again?
    InsertError,    // notice: the record was not added
    CloseError,     // notice
    WriteError,     // notice: a change or deletion was not stored
};

enum class Severity { Fatal, Notice, Question };

struct ErrorMessage {
    Severity severity;
    QString title;
    QString text;  // substituted, with "\n" for each "|"
};

ErrorMessage makeErrorMessage(ErrorCode code, const QString& file, const QString& errorText,
                              const QString& key = {});

// Shows the messages of one window context. A fatal message ends only the
// window or command whose table failed; the caller does that on the false
// result of the failed operation.
class ErrorManager {
public:
    virtual ~ErrorManager() = default;

    // Messages name the procedure in which they occur.
    void setProcedure(const QString& name) { procedure_ = name; }
    const QString& procedure() const { return procedure_; }

    // Shows the message; for a question, true means "yes".
    bool report(ErrorCode code, const QString& file, const QString& errorText,
                const QString& key = {});
    virtual bool show(const ErrorMessage& message) = 0;

private:
    QString procedure_;
};

// Writes messages to a text stream (standard error when none); questions
// are answered "no".
class ConsoleErrorManager : public ErrorManager {
public:
    explicit ConsoleErrorManager(QTextStream* stream = nullptr) : stream_(stream) {}
    bool show(const ErrorMessage& message) override;

private:
    QTextStream* stream_;
};

// Keeps the messages for tests; questions get the scripted answers in turn,
// then "no".
class RecordingErrorManager : public ErrorManager {
public:
    bool show(const ErrorMessage& message) override;

    std::vector<ErrorMessage> messages;
    std::vector<bool> answers;
};
