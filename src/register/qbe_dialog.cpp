#include "register/qbe_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "runtime/core/picture.h"
#include "runtime/ui/window_question.h"

namespace {

QPushButton* makeButton(const QString& text, const QString& icon, const QString& tooltip,
                        QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    if (!icon.isEmpty()) button->setIcon(QIcon(QStringLiteral(":/icons/") + icon));
    button->setToolTip(tooltip);
    return button;
}

}  // namespace

QbeDialog::QbeDialog(QbeSavedQueries saved, QWidget* parent)
    : QWidget(parent), saved_(std::move(saved)) {
    setWindowTitle(QStringLiteral("Установить фильтр"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/filter.png")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildLines());
    layout->addWidget(new QLabel(QStringLiteral("Условие фильтра:"), this));
    expression_ = new QLineEdit(this);
    expression_->setReadOnly(true);
    expression_->setToolTip(QStringLiteral("Выражение, которое получает список и отчёт"));
    layout->addWidget(expression_);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    layout->addWidget(message_);
    layout->addWidget(buildSaved());
    layout->addWidget(buildButtons());
    fillNames();
    showExpression();
}

QWidget* QbeDialog::buildLines() {
    auto* box = new QGroupBox(QStringLiteral("Найти свидетельства, у которых"), this);
    auto* grid = new QGridLayout(box);
    const auto& items = QBE2::items();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const QbeItem& item = items[i];
        auto* op = new QComboBox(box);
        for (const QbeOperator o : item.operators())
            op->addItem(QbeOperators::caption(o), static_cast<int>(o));
        op->setEnabled(op->count() > 1);
        auto* value = new QLineEdit(box);
        const Picture picture = *Picture::fromCode(item.picture);
        value->setMaxLength(picture.maxLength());
        if (picture.kind() == Picture::Kind::Date)
            value->setPlaceholderText(QStringLiteral("дд.мм.гггг"));
        auto* caption = new QLabel(item.caption, box);
        caption->setBuddy(value);
        grid->addWidget(caption, i, 0);
        grid->addWidget(op, i, 1);
        grid->addWidget(value, i, 2);
        connect(op, &QComboBox::currentIndexChanged, this, &QbeDialog::showExpression);
        connect(value, &QLineEdit::textChanged, this, &QbeDialog::showExpression);
        connect(value, &QLineEdit::returnPressed, this, &QbeDialog::apply);
        lines_.push_back({op, value});
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* QbeDialog::buildSaved() {
    auto* box = new QGroupBox(QStringLiteral("Сохранённые запросы"), this);
    auto* row = new QHBoxLayout(box);
    savedNames_ = new QComboBox(box);
    savedNames_->setEditable(true);
    savedNames_->setInsertPolicy(QComboBox::NoInsert);
    savedNames_->setToolTip(QStringLiteral("Имя запроса: выберите сохранённый или введите новое"));
    savedNames_->setMinimumContentsLength(20);
    row->addWidget(savedNames_, 1);
    auto* save = makeButton(QStringLiteral("Сохранить"), QStringLiteral("QkQBE.ico"),
                            QStringLiteral("Сохранить условия под этим именем"), box);
    auto* load = makeButton(QStringLiteral("Загрузить"), QStringLiteral("QkLoad.ico"),
                            QStringLiteral("Загрузить условия сохранённого запроса"), box);
    auto* remove = makeButton(QStringLiteral("Удалить"), {},
                              QStringLiteral("Удалить сохранённый запрос"), box);
    row->addWidget(save);
    row->addWidget(load);
    row->addWidget(remove);
    connect(save, &QPushButton::clicked, this, &QbeDialog::saveQuery);
    connect(load, &QPushButton::clicked, this, &QbeDialog::loadQuery);
    connect(remove, &QPushButton::clicked, this, &QbeDialog::removeQuery);
    return box;
}

QWidget* QbeDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* apply =
        makeButton(QStringLiteral("Применить"), QStringLiteral("filter.png"),
                   QStringLiteral("Показать в списке только подходящие свидетельства"), panel);
    auto* clear =
        makeButton(QStringLiteral("Очистить"), {},
                   QStringLiteral("Снять фильтр: список покажет все свидетельства"), panel);
    auto* close = makeButton(QStringLiteral("Закрыть"), {}, QStringLiteral("Закрыть окно"), panel);
    apply->setDefault(true);
    row->addStretch(1);
    row->addWidget(apply);
    row->addWidget(clear);
    row->addWidget(close);
    connect(apply, &QPushButton::clicked, this, &QbeDialog::apply);
    connect(clear, &QPushButton::clicked, this, &QbeDialog::clearAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

std::vector<QbeCondition> QbeDialog::conditions() const {
    std::vector<QbeCondition> result;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const Line& line = lines_[i];
        if (line.value->text().trimmed().isEmpty()) continue;
        result.push_back(
            {i, static_cast<QbeOperator>(line.op->currentData().toInt()), line.value->text()});
    }
    return result;
}

void QbeDialog::setConditions(const std::vector<QbeCondition>& conditions) {
    for (const Line& line : lines_) {
        line.op->setCurrentIndex(0);
        line.value->clear();
    }
    for (const QbeCondition& condition : conditions) {
        if (condition.item < 0 || condition.item >= static_cast<int>(lines_.size())) continue;
        const Line& line = lines_[condition.item];
        const int op = line.op->findData(static_cast<int>(condition.op));
        line.op->setCurrentIndex(std::max(op, 0));
        line.value->setText(condition.value);
    }
    showExpression();
}

std::optional<QString> QbeDialog::expression() {
    auto made = QbeQuery::expression(conditions());
    if (const auto* error = std::get_if<QbeError>(&made)) {
        showMessage(error->message, true);
        lines_[error->item].value->setFocus();
        return std::nullopt;
    }
    return std::get<QString>(made);
}

void QbeDialog::showExpression() {
    auto made = QbeQuery::expression(conditions());
    if (const auto* error = std::get_if<QbeError>(&made)) {
        expression_->clear();
        showMessage(error->message, true);
        return;
    }
    expression_->setText(std::get<QString>(made));
    showMessage({}, false);
}

QString QbeDialog::message() const {
    return message_->text();
}

void QbeDialog::showMessage(const QString& text, bool fault) {
    message_->setStyleSheet(fault ? QStringLiteral("color: rgb(192, 0, 0);") : QString());
    message_->setText(text);
}

void QbeDialog::apply() {
    if (const std::optional<QString> filter = expression()) {
        emit filterChosen(*filter, conditions());
        showMessage(filter->isEmpty() ? QStringLiteral("Фильтр снят.")
                                      : QStringLiteral("Фильтр установлен."),
                    false);
    }
}

void QbeDialog::clearAll() {
    setConditions({});
    apply();
}

void QbeDialog::fillNames(const QString& current) {
    savedNames_->clear();
    savedNames_->addItems(saved_.names());
    savedNames_->setCurrentText(current);
}

bool QbeDialog::saveQuery() {
    const QString name = savedNames_->currentText().trimmed();
    if (name.isEmpty()) {
        showMessage(QStringLiteral("Введите имя запроса."), true);
        return false;
    }
    if (!expression()) return false;
    if (!saved_.contains(name)) return writeQuery(name, conditions());
    // Another query under the name would be lost: the user says so first.
    const std::vector<QbeCondition> lines = conditions();
    QPointer<QbeDialog> dialog(this);
    askQuestion(this, QStringLiteral("Сохранить запрос"),
                QStringLiteral("Запрос «%1» уже сохранён. Заменить его?").arg(name),
                [dialog, name, lines](bool yes) {
                    if (dialog && yes) dialog->writeQuery(name, lines);
                });
    return false;
}

bool QbeDialog::writeQuery(const QString& name, const std::vector<QbeCondition>& lines) {
    if (!saved_.save(name, lines)) {
        showMessage(QStringLiteral("Запрос не сохранён: %1").arg(saved_.problem()), true);
        return false;
    }
    fillNames(name);
    showMessage(QStringLiteral("Запрос «%1» сохранён.").arg(name), false);
    return true;
}

bool QbeDialog::loadQuery() {
    const QString name = savedNames_->currentText().trimmed();
    if (!knownQuery(name)) return false;
    const auto loaded = saved_.load(name);
    if (!loaded) {
        showMessage(
            QStringLiteral("Запрос «%1» повреждён в файле настроек и не загружен.").arg(name),
            true);
        return false;
    }
    setConditions(*loaded);
    apply();
    return true;
}

bool QbeDialog::knownQuery(const QString& name) {
    if (name.isEmpty()) {
        showMessage(QStringLiteral("Выберите сохранённый запрос."), true);
        return false;
    }
    if (!saved_.contains(name)) {
        showMessage(QStringLiteral("Нет сохранённого запроса «%1».").arg(name), true);
        return false;
    }
    return true;
}

void QbeDialog::removeQuery() {
    const QString name = savedNames_->currentText().trimmed();
    if (!knownQuery(name)) return;
    if (!saved_.remove(name)) {
        showMessage(QStringLiteral("Запрос не удалён: %1").arg(saved_.problem()), true);
        return;
    }
    fillNames();
    showMessage(QStringLiteral("Запрос «%1» удалён.").arg(name), false);
}
