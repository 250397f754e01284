#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "data/record_form.h"
#include "runtime/ui/change_guard.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/form_binding.h"
#include "runtime/ui/history_key.h"
#include "runtime/ui/toolbar_client.h"
#include "runtime/ui/window_context.h"

// How one form of the selection window looks.
struct SelectionFormLook {
    QString title;
    QSize size;  // dialog units
    const std::vector<ControlDef>* controls;
    QString firstField;  // where "no" to the cancel question returns to
};

// The window of UpdateBD and UpdateConfig: the record's fields, "Сохранить"
// and "Отменить". It runs in the calling list's context and answers through
// done once it has closed, never holding up the list's window meanwhile.
class SelectionFormWindow : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    SelectionFormWindow(WindowContext& context, std::unique_ptr<ProcedureScope> scope,
                        std::unique_ptr<RecordForm> form, const SelectionFormLook& look,
                        std::function<void(Response)> done);
    ~SelectionFormWindow() override;

    ControlSet& controls() { return *controls_; }
    RecordForm& form() { return *form_; }
    ChangeGuard& guard() { return *guard_; }

    // The history button puts back the focused field's last saved value.
    bool toolbarAction(ToolbarAction action) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void save();
    void showRefusal();

    WindowContext& context_;
    std::unique_ptr<ProcedureScope> scope_;
    std::unique_ptr<RecordForm> form_;
    std::function<void(Response)> done_;
    ControlSet* controls_;
    FormBinding* binding_;
    ChangeGuard* guard_;
    HistoryKey* history_;
    bool saved_ = false;
    bool finished_ = false;
};
