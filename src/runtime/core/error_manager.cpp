#include "runtime/core/error_manager.h"

#include <cstdio>

namespace {

struct Template {
    Severity severity;
    const char* title;
    const char* text;
};

Template templateFor(ErrorCode code) {
    switch (code) {
        case ErrorCode::CreateError:
            return {Severity::Fatal, "File Creation Error", "Error: (%ErrorText) creating %File."};
        case ErrorCode::AccessDenied:
            return {Severity::Notice, "Access Denied",
                    "Could not get write access to %File so trying read-only."};
        case ErrorCode::InvalidKey:
            return {Severity::Notice, "Invalid Key",
                    "%File key file is invalid. Key must be rebuilt."};
        case ErrorCode::KeyNotBuilt:
            return {Severity::Fatal, "Key was not built",
                    "Error: (%ErrorText) repairing key for %File."};
        case ErrorCode::OpenError:
            return {Severity::Fatal, "File Access Error",
                    "File %File could not be opened.  Error: %ErrorText."};
        case ErrorCode::AutoIncError:
            return {Severity::Question, "Auto Increment Error",
                    "Attempts to automatically number this record have failed.|File: %File|Key: "
                    "%Key|Error: %ErrorText.|Try Again?"};
        case ErrorCode::InsertError:
            return {Severity::Notice, "Record Insert Error",
                    "An error was experienced during the creation of a record.|File: %File|Error: "
                    "%ErrorText."};
        case ErrorCode::CloseError:
            return {Severity::Notice, "File Access Error",
                    "File %File could not be closed.  Error: %ErrorText."};
        case ErrorCode::WriteError:
            return {Severity::Notice, "Record Write Error",
                    "An error was experienced while storing a record.|File: %File|Error: "
                    "%ErrorText."};
    }
    return {Severity::Notice, "", ""};
}

}  // namespace

ErrorMessage makeErrorMessage(ErrorCode code, const QString& file, const QString& errorText,
                              const QString& key) {
    const Template t = templateFor(code);
    QString text = QString::fromUtf8(t.text);
    text.replace(QStringLiteral("%File"), file)
        .replace(QStringLiteral("%ErrorText"), errorText)
        .replace(QStringLiteral("%Key"), key)
        .replace(u'|', u'\n');
    return {t.severity, QString::fromUtf8(t.title), text};
}

bool ErrorManager::report(ErrorCode code, const QString& file, const QString& errorText,
                          const QString& key) {
    return show(makeErrorMessage(code, file, errorText, key));
}

bool ConsoleErrorManager::show(const ErrorMessage& message) {
    if (stream_)
        *stream_ << message.title << ": " << message.text << "\n";
    else
        std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
    return false;
}

bool RecordingErrorManager::show(const ErrorMessage& message) {
    messages.push_back(message);
    if (message.severity != Severity::Question || answers.empty()) return false;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}
