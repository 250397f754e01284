#pragma once

#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <memory>

#include "register/certificate_form.h"
#include "register/character_counter.h"
#include "register/form_canvas.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/form_binding.h"
#include "runtime/ui/history_key.h"
#include "runtime/ui/toolbar_client.h"

// The window of the certificate form: the blank drawn at its dialog-unit
// size inside a scroll area, so a screen smaller than the blank scrolls it
// rather than cutting it. It hands the user's events to CertificateForm.
class UpdateForma2Window : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    // done is called once, when the window has closed.
    UpdateForma2Window(std::unique_ptr<CertificateForm> form, std::function<void(Response)> done,
                       QWidget* parent = nullptr);
    ~UpdateForma2Window() override;

    // Shows the window in the frame with the certificate, the print font of
    // the active profile and the focus on the number.
    void open();

    ControlSet& controls() { return *controls_; }
    QScrollArea& scrollArea() { return *scroll_; }

    bool toolbarAction(ToolbarAction action) override;
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ?OK: saves and closes, or stays open with the input.
    void save();
    // ?BUTTON9 and ?BUTTON8
    void copy();
    void paste();
    // ?CALENDAR
    void pickDate();
    static void showHelp();

    void bindProgramValues();
    void connectEvents();
    void watchTypedKeys();
    void showPrintFont();
    void showAdditionalLines();
    void accepted(const QString& label);
    void afterDateEvent();
    void countersEntered(int field);
    void keyPressed(int field, CharacterCounter::Key key);
    void focusMoved(QWidget* now);
    void refuseEmpty(int field);
    RecordBuffer shownRecord() const;
    void finish();

    std::unique_ptr<CertificateForm> form_;
    std::function<void(Response)> done_;
    Response response_ = Response::Cancelled;
    QScrollArea* scroll_;
    FormCanvas* canvas_;
    ControlSet* controls_;
    FormBinding* binding_;
    HistoryKey* historyKey_;
};
