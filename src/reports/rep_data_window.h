#pragma once

#include <QDialog>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/core/shared_value.h"
#include "runtime/ui/control_def.h"

class ControlSet;
class FormBinding;

// The period dialog: the first and last day and the status of the report,
// kept in D1, D2 and COMMENT as soon as a field is left or a day is chosen
// in the calendar. "Печать" starts an independent report run with the values
// shown and leaves the dialog open for the next one.
class RepDataWindow : public QDialog {
    Q_OBJECT
public:
    static const std::vector<ControlDef>& controlTable();

    explicit RepDataWindow(QWidget* parent = nullptr);

    ControlSet& controls() { return *controls_; }

    // Takes every field in and starts the report; false, with the focus on
    // the field and its notice shown, when a field holds no valid value.
    bool print();

private:
    void bindValues();
    void connectButtons();
    void chooseDay(const QString& entry, const QString& title, Shared<qint32>& day);

    RecordBuffer noRecord_;
    ControlSet* controls_;
    FormBinding* binding_;
};
