#include "runtime/ui/browse_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include "runtime/ui/browse_indent.h"
#include "runtime/ui/browse_keys.h"
#include "runtime/ui/browse_model.h"
#include "runtime/ui/dialog_units.h"

namespace {

constexpr int kScrollRange = 1000;
constexpr int kChangeCheckMs = 1000;
constexpr int kWheelStep = 120;  // angle delta of one wheel notch

bool moves(ToolbarAction action) {
    switch (action) {
        case ToolbarAction::FirstPage:
        case ToolbarAction::PriorPage:
        case ToolbarAction::PriorRecord:
        case ToolbarAction::NextRecord:
        case ToolbarAction::NextPage:
        case ToolbarAction::LastPage:
            return true;
        default:
            return false;
    }
}

}  // namespace

BrowseList::BrowseList(TableAccess& access, QWidget* parent)
    : QWidget(parent),
      access_(access),
      model_(new BrowseModel(*access.def().layout, this)),
      view_(new QTableView(this)),
      header_(new BrowseHeaderView(view_)),
      delegate_(new BrowseCellDelegate(view_)),
      scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    clock_.start();
    view_->setModel(model_);
    view_->setHorizontalHeader(header_);
    view_->setItemDelegate(delegate_);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    header_->setSectionsClickable(false);
    header_->setHighlightSections(false);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setStretchLastSection(false);
    setFocusProxy(view_);

    scrollBar_->setRange(0, kScrollRange);
    scrollBar_->setPageStep(kScrollRange / 10);
    scrollBar_->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 0, 0);
    layout->addWidget(scrollBar_, 0, 1);

    const QPalette palette = view_->palette();
    model_->setSelectionColors(palette.color(QPalette::Highlight),
                               palette.color(QPalette::HighlightedText));

    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    scrollBar_->installEventFilter(this);
    connect(view_, &QTableView::pressed, this, [this](const QModelIndex& index) {
        navigate([this, row = index.row()] { pager_.select(row); }, Event::Click);
    });
    connect(view_, &QTableView::doubleClicked, this, &BrowseList::changeRecord);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &BrowseList::scrollBarAction);
    connect(scrollBar_, &QScrollBar::sliderReleased, this, &BrowseList::showPage);
    connect(&changeTimer_, &QTimer::timeout, this, &BrowseList::refreshIfChanged);
    changeTimer_.start(kChangeCheckMs);
    applyMeasures();
}

BrowseList::~BrowseList() = default;

void BrowseList::setColumns(std::vector<BrowseColumn> columns) {
    model_->setColumns(std::move(columns));
    applyMeasures();
}

void BrowseList::setRowHeight(int units) {
    rowHeight_ = units;
    applyMeasures();
}

void BrowseList::setRowColoring(BrowseRowColoring coloring) {
    model_->setRowColoring(std::move(coloring));
}

void BrowseList::setSelectionColor(const QColor& fill) {
    model_->setSelectionColors(fill, view_->palette().color(QPalette::HighlightedText));
    view_->viewport()->update();
}

void BrowseList::setSource(std::unique_ptr<BrowseSource> source) {
    source_ = std::move(source);
    locator_.reset();
    if (source_ && source_->locatorField() >= 0) {
        const Field& field = access_.def().layout->field(source_->locatorField());
        locator_.emplace(field.type != FieldType::String, QApplication::keyboardInputInterval());
    }
    move([this] { pager_.setSource(source_.get()); }, Event::NewRow);
}

void BrowseList::setRecordButtons(QAbstractButton* insert, QAbstractButton* change,
                                  QAbstractButton* remove) {
    changeButton_ = change;
    deleteButton_ = remove;
    if (insert) connect(insert, &QAbstractButton::clicked, this, &BrowseList::insertRecord);
    if (change) connect(change, &QAbstractButton::clicked, this, &BrowseList::changeRecord);
    if (remove) connect(remove, &QAbstractButton::clicked, this, &BrowseList::deleteRecord);
    showPage();
}

void BrowseList::firstPage() {
    run(ToolbarAction::FirstPage, Event::NewRow);
}
void BrowseList::priorPage() {
    run(ToolbarAction::PriorPage, Event::NewRow);
}
void BrowseList::priorRecord() {
    run(ToolbarAction::PriorRecord, Event::NewRow);
}
void BrowseList::nextRecord() {
    run(ToolbarAction::NextRecord, Event::NewRow);
}
void BrowseList::nextPage() {
    run(ToolbarAction::NextPage, Event::NewRow);
}
void BrowseList::lastPage() {
    run(ToolbarAction::LastPage, Event::NewRow);
}

void BrowseList::locate() {
    if (locator_) locator_->clear();
    view_->setFocus();
    emit locateRequested();
}

void BrowseList::changeRecord() {
    if (currentRow()) emit changeRequested();
}

void BrowseList::deleteRecord() {
    if (currentRow()) emit deleteRequested();
}

bool BrowseList::listened(void (BrowseList::*signal)()) const {
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

bool BrowseList::handles(ToolbarAction action) const {
    switch (action) {
        case ToolbarAction::Select:
            return listened(&BrowseList::selectRequested);
        case ToolbarAction::Insert:
            return listened(&BrowseList::insertRequested);
        case ToolbarAction::Change:
            return listened(&BrowseList::changeRequested);
        case ToolbarAction::Delete:
            return listened(&BrowseList::deleteRequested);
        case ToolbarAction::Help:
            return listened(&BrowseList::helpRequested);
        case ToolbarAction::History:
            return false;  // a list has no field to put a value back into
        default:
            return true;
    }
}

bool BrowseList::toolbarAction(ToolbarAction action) {
    if (!handles(action)) return false;
    run(action, Event::NewRow);
    return true;
}

void BrowseList::run(ToolbarAction action, Event cause) {
    switch (action) {
        case ToolbarAction::FirstPage:
            return navigate([this] { pager_.first(); }, cause);
        case ToolbarAction::PriorPage:
            return navigate([this] { pager_.priorPage(); }, cause);
        case ToolbarAction::PriorRecord:
            return navigate([this] { pager_.priorRecord(); }, cause);
        case ToolbarAction::NextRecord:
            return navigate([this] { pager_.nextRecord(); }, cause);
        case ToolbarAction::NextPage:
            return navigate([this] { pager_.nextPage(); }, cause);
        case ToolbarAction::LastPage:
            return navigate([this] { pager_.last(); }, cause);
        case ToolbarAction::Locate:
            return locate();
        case ToolbarAction::Select:
            return selectRecord();
        case ToolbarAction::Insert:
            return insertRecord();
        case ToolbarAction::Change:
            return changeRecord();
        case ToolbarAction::Delete:
            return deleteRecord();
        case ToolbarAction::Help:
            emit helpRequested();
            return;
        case ToolbarAction::History:
            return;
    }
}

void BrowseList::refresh() {
    move([this] { pager_.refresh(); }, Event::NewRow);
}

void BrowseList::refreshAt(qint64 position) {
    move([this, position] { pager_.refreshAt(position); }, Event::NewRow);
}

void BrowseList::navigate(const std::function<void()>& step, Event cause) {
    if (locator_) locator_->clear();
    move(step, cause);
}

void BrowseList::move(const std::function<void()>& step, Event cause) {
    step();
    showPage();
    loadCurrent();
    emit listEvent(cause);
}

void BrowseList::showPage() {
    model_->setPage(pager_.rows(), pager_.current());
    view_->verticalScrollBar()->setValue(0);  // the page fits: the view never scrolls down
    // setValue triggers no slider action, so the thumb follows without
    // moving the list again; while dragged it stays under the mouse.
    if (!scrollBar_->isSliderDown()) scrollBar_->setValue(qRound(pager_.fraction() * kScrollRange));
    const bool any = currentRow() != nullptr;
    if (changeButton_) changeButton_->setEnabled(any);
    if (deleteButton_) deleteButton_->setEnabled(any);
}

void BrowseList::loadCurrent() {
    if (const StoredRecord* row = currentRow()) return access_.load(*row);
    access_.record().clear();
    access_.setPosition(0);
}

void BrowseList::applyMeasures() {
    const DialogUnits units(font());
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(std::max(units.y(rowHeight_), 1));
    std::vector<int> cellIndents;
    std::vector<int> headIndents;
    for (int i = 0; i < static_cast<int>(model_->columns().size()); ++i) {
        const BrowseColumn& column = model_->columns()[i];
        view_->setColumnWidth(i, units.x(column.width));
        cellIndents.push_back(units.x(column.indent));
        headIndents.push_back(units.x(column.headIndent));
    }
    delegate_->setIndents(std::move(cellIndents));
    header_->setIndents(std::move(headIndents));
    QFont bold = font();
    bold.setBold(true);
    model_->setBoldFont(bold);
    fitPageSize();
}

void BrowseList::fitPageSize() {
    const int rowHeight = view_->verticalHeader()->defaultSectionSize();
    const int rows = std::max(view_->viewport()->height() / rowHeight, 1);
    if (rows == pager_.pageSize()) return;
    const qint64 before = currentRow() ? currentRow()->position : 0;
    pager_.setPageSize(rows);
    showPage();
    const qint64 after = currentRow() ? currentRow()->position : 0;
    if (after != before) {
        loadCurrent();
        emit listEvent(Event::NewRow);
    }
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Wheel && (watched == view_->viewport() || watched == scrollBar_)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().y() == 0) return false;  // sideways: the view scrolls itself
        wheelTurned(wheel);
        return true;
    }
    if (watched == view_->viewport() && event->type() == QEvent::Resize) fitPageSize();
    return QWidget::eventFilter(watched, event);
}

void BrowseList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) applyMeasures();
    QWidget::changeEvent(event);
}

bool BrowseList::keyPressed(QKeyEvent* key) {
    if (std::optional<ToolbarAction> action = browseKeyAction(key->key(), key->modifiers())) {
        // Moves report themselves; the other keys are reported before the
        // window acts on the highlighted record.
        if (!moves(*action)) emit listEvent(Event::Key);
        run(*action, Event::Key);
        return true;
    }
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
        QScrollBar* sideways = view_->horizontalScrollBar();
        sideways->triggerAction(key->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                           : QAbstractSlider::SliderSingleStepAdd);
        emit listEvent(Event::Key);
        return true;
    }
    return locatorKey(key);
}

bool BrowseList::locatorKey(QKeyEvent* key) {
    if (!locator_ || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    std::optional<QVariant> value;
    if (key->key() == Qt::Key_Backspace)
        value = locator_->erase(clock_.elapsed());
    else if (!key->text().isEmpty())
        value = locator_->type(key->text(), clock_.elapsed());
    else
        return false;
    if (value) move([this, &value] { pager_.locate(*value); }, Event::Key);
    return true;
}

void BrowseList::wheelTurned(QWheelEvent* wheel) {
    wheelRest_ += wheel->angleDelta().y();
    const int notches = wheelRest_ / kWheelStep;
    if (notches == 0) return;
    wheelRest_ -= notches * kWheelStep;
    const int rows = notches * QApplication::wheelScrollLines();
    navigate([this, rows] { pager_.scroll(-rows); }, Event::Scroll);
}

void BrowseList::scrollBarAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return navigate([this] { pager_.nextRecord(); }, Event::Scroll);
        case QAbstractSlider::SliderSingleStepSub:
            return navigate([this] { pager_.priorRecord(); }, Event::Scroll);
        case QAbstractSlider::SliderPageStepAdd:
            return navigate([this] { pager_.nextPage(); }, Event::Scroll);
        case QAbstractSlider::SliderPageStepSub:
            return navigate([this] { pager_.priorPage(); }, Event::Scroll);
        case QAbstractSlider::SliderToMinimum:
            return navigate([this] { pager_.first(); }, Event::Scroll);
        case QAbstractSlider::SliderToMaximum:
            return navigate([this] { pager_.last(); }, Event::Scroll);
        case QAbstractSlider::SliderMove: {
            const double fraction = double(scrollBar_->sliderPosition()) / kScrollRange;
            return navigate([this, fraction] { pager_.jumpTo(fraction); }, Event::Scroll);
        }
        default:
            return;
    }
}

void BrowseList::refreshIfChanged() {
    if (isEnabled() && isVisible() && access_.isOpen() && pager_.stale()) refresh();
}
