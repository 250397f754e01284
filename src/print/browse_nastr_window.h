#pragma once

#include <QWidget>
#include <memory>

#include "runtime/ui/browse_list.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/toolbar_client.h"
#include "runtime/ui/window_context.h"

// The window of BrowseNastr: the print layout profiles in LAS:K1 order.
// "[Изменить]", Enter and a double click open the profile form; the window
// waits for it, disabled, and then shows the list again as stored.
class BrowseNastrWindow : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    explicit BrowseNastrWindow(std::unique_ptr<WindowContext> context);
    ~BrowseNastrWindow() override;

    // False when LAST could not be opened (the message is shown).
    bool isOpen() const { return opened_; }
    WindowContext& context() { return *context_; }
    ControlSet& controls() { return *controls_; }
    BrowseList* list() const { return list_; }

    bool toolbarAction(ToolbarAction action) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void callForm();
    void formDone();
    QWidget* openForm() const;

    std::unique_ptr<WindowContext> context_;
    bool opened_ = false;
    ControlSet* controls_ = nullptr;
    BrowseList* list_ = nullptr;
    bool waiting_ = false;
};
