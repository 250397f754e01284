#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "register/qbe_dialog.h"
#include "register/register_model.h"
#include "runtime/ui/browse_list.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/form_binding.h"

// The window of BrowseFormf2: the certificates of the active data folder,
// the recipient and destination of the highlighted one, the search and the
// filter, and the buttons that add, change, delete and print. While the
// certificate form is open the window waits for it, disabled, and then
// shows the certificate worked on.
class BrowseFormf2Window : public QWidget {
    Q_OBJECT

public:
    // The model has opened the certificates; the window owns both.
    BrowseFormf2Window(std::unique_ptr<WindowContext> context, std::unique_ptr<RegisterModel> model,
                       RegisterModel::Form form);
    ~BrowseFormf2Window() override;

    RegisterModel& model() { return *model_; }
    ControlSet& controls() { return *controls_; }
    BrowseList* list() const { return list_; }
    QbeDialog* queryDialog() const { return query_; }
    bool waitsForForm() const { return waiting_; }

    // [Найти], [Очистить] and ?QUERY.
    void find();
    void clearSearch();
    void openQuery();
    // The filter from the query dialog; a wrong one is refused with a message.
    void setFilter(const QString& expression, const std::vector<QbeCondition>& conditions);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildList();
    void bindValues();
    void connectButtons();
    void connectPrint(const QString& label, void (*procedure)());
    void listMoved();
    void showRow();
    void refill();
    void callForm(Request request);
    void formDone(std::optional<qint64> highlight);
    void report();

    std::unique_ptr<WindowContext> context_;
    std::unique_ptr<RegisterModel> model_;
    RegisterModel::Form form_;
    ControlSet* controls_ = nullptr;
    FormBinding* binding_ = nullptr;
    BrowseList* list_ = nullptr;
    QPointer<QbeDialog> query_;
    std::vector<QbeCondition> conditions_;  // the lines of the filter in force
    bool waiting_ = false;
};
