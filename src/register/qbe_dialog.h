#pragma once

#include <QWidget>
#include <vector>

#include "register/qbe_query.h"
#include "register/qbe_saved_queries.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The register's query by example QBE2: a line per item with its
// comparison and value, the filter expression they make, and the queries
// saved under names. It does not block the register: [Применить] hands the
// filter over and the dialog stays open for the next change.
class QbeDialog : public QWidget {
    Q_OBJECT

public:
    explicit QbeDialog(QbeSavedQueries saved, QWidget* parent = nullptr);

    std::vector<QbeCondition> conditions() const;
    void setConditions(const std::vector<QbeCondition>& conditions);
    // The expression of the lines as they stand, or the fault of the first
    // wrong line (shown in the dialog).
    std::optional<QString> expression();

    QComboBox* savedNames() const { return savedNames_; }
    // The line under the buttons: what the last action did or why it did not.
    QString message() const;

    // The buttons' work, callable from tests. Saving over a saved query asks
    // first and saves on yes; it returns whether the query was saved at once.
    void apply();
    void clearAll();
    bool saveQuery();
    bool loadQuery();
    void removeQuery();

signals:
    // The filter to set (blank: none) and the lines it came from.
    void filterChosen(const QString& expression, const std::vector<QbeCondition>& conditions);

private:
    struct Line {
        QComboBox* op;
        QLineEdit* value;
    };

    QWidget* buildLines();
    QWidget* buildSaved();
    QWidget* buildButtons();
    void showExpression();
    void showMessage(const QString& text, bool fault);
    void fillNames(const QString& current = {});
    bool writeQuery(const QString& name, const std::vector<QbeCondition>& lines);
    // False, with the reason shown, when no query is saved under the name.
    bool knownQuery(const QString& name);

    QbeSavedQueries saved_;
    std::vector<Line> lines_;
    QLineEdit* expression_ = nullptr;
    QLabel* message_ = nullptr;
    QComboBox* savedNames_ = nullptr;
};
