#pragma once

#include <QFontDialog>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "print/print_layout.h"
#include "print/profile_form.h"
#include "runtime/report/report_preview.h"
#include "runtime/ui/change_guard.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/form_binding.h"
#include "runtime/ui/history_key.h"
#include "runtime/ui/toolbar_client.h"
#include "runtime/ui/window_context.h"

// The window of UpdateNastr: the active profile's positions over the
// pictures of the blank's two sides, its name and its print font. It runs
// in the calling list's context and answers through done once it has
// closed, never holding up the list's window meanwhile.
class UpdateNastrWindow : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    UpdateNastrWindow(WindowContext& context, std::unique_ptr<ProcedureScope> scope,
                      std::unique_ptr<ProfileForm> form, std::function<void(Response)> done);
    ~UpdateNastrWindow() override;

    ControlSet& controls() { return *controls_; }
    ProfileForm& form() { return *form_; }
    ChangeGuard& guard() { return *guard_; }
    QFontDialog* fontDialog() const { return fontDialog_; }
    ReportPreview* checkPreview() const { return checkPreview_; }

    // "[Шрифт]": the system's font chooser, opened beside the form.
    void chooseFont();
    // "[Проверить печать]" (Ctrl+P): the side in view printed with the
    // profile as it stands, in a preview over the blank.
    void checkPrint();

    bool toolbarAction(ToolbarAction action) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectEvents();
    void showFont();
    void drawSample();
    void fontChosen(const QFont& font);
    void save();
    PrintSide sideInView() const;

    WindowContext& context_;
    std::unique_ptr<ProcedureScope> scope_;
    std::unique_ptr<ProfileForm> form_;
    std::function<void(Response)> done_;
    ControlSet* controls_;
    FormBinding* binding_;
    HistoryKey* historyKey_;
    ChangeGuard* guard_;
    FontSpec sample_;  // the print font as last shown
    QPointer<QFontDialog> fontDialog_;
    QPointer<ReportPreview> checkPreview_;
    bool saved_ = false;
    bool finished_ = false;
};
