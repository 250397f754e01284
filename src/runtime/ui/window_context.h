#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "runtime/core/error_manager.h"
#include "runtime/storage/table_set.h"
#include "runtime/ui/field_history.h"

// What a list hands to the record form it calls (GLOBALREQUEST).
enum class Request : quint8 { None = 0, Insert = 1, Change = 2, Delete = 3, View = 6 };
// What a record form leaves for its caller (GLOBALRESPONSE).
enum class Response : quint8 { None = 0, Completed = 1, Cancelled = 2 };

// What one started window procedure owns: its table objects, its request and
// response, its error manager and the history of its record forms. Qt draws
// every window on one thread, so what would otherwise be kept per thread
// lives here; a record form called by a list works in the list's context.
class WindowContext {
public:
    // Without an error manager the context shows its messages in message
    // boxes over its current window.
    WindowContext(const QString& procedure, const Schema& schema,
                  std::unique_ptr<ErrorManager> errors = nullptr);
    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    const QString& procedure() const { return procedure_; }
    ErrorManager& errors() { return *errors_; }
    TableSet& tables() { return tables_; }
    FieldHistory& history() { return history_; }

    // The window messages of this context are shown over.
    QWidget* window() const { return window_; }
    void setWindow(QWidget* window) { window_ = window; }

    // GLOBALREQUEST
    Request globalRequest() const { return globalRequest_; }
    void setGlobalRequest(Request request) { globalRequest_ = request; }
    // GLOBALRESPONSE
    Response globalResponse() const { return globalResponse_; }
    void setGlobalResponse(Response response) { globalResponse_ = response; }
    // VCRREQUEST: the scroll request of a record form's navigation buttons.
    qint32 vcrRequest() const { return vcrRequest_; }
    void setVcrRequest(qint32 request) { vcrRequest_ = request; }

private:
    QString procedure_;
    std::unique_ptr<ErrorManager> errors_;
    TableSet tables_;
    FieldHistory history_;
    QPointer<QWidget> window_;
    Request globalRequest_ = Request::None;
    Response globalResponse_ = Response::None;
    qint32 vcrRequest_ = 0;
};

// The opening and closing steps every window procedure shares: it names
// itself for the error manager's messages and takes over GLOBALREQUEST,
// clearing it and GLOBALRESPONSE. When the procedure ends, the caller's name
// and window come back.
class ProcedureScope {
public:
    ProcedureScope(WindowContext& context, const QString& name);
    ~ProcedureScope();
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

    Request request() const { return request_; }

private:
    WindowContext& context_;
    QString callerName_;
    QPointer<QWidget> callerWindow_;
    Request request_;
};
