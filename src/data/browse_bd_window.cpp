#include "data/browse_bd_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "data/config.h"
#include "data/data_folder.h"
#include "data/ridgen.h"
#include "data/selection_controls.h"
#include "data/update_bd.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"
#include "runtime/ui/window_host.h"

namespace {

// The window's own spelling, with a Latin "c" in "Пасcивные".
const QString kPassiveConnections = QStringLiteral("[Пасcивные соединения с БД]");

using HeadOrder = DatabaseSelection::HeadOrder;

}  // namespace

BrowseBdWindow::BrowseBdWindow(std::unique_ptr<WindowContext> context)
    : context_(std::move(context)) {
    setWindowTitle(kPassiveConnections);
    setWindowIcon(QIcon(QStringLiteral(":/icons/adr1.ico")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 7));
    setWallpaper(this, QStringLiteral(":/pictures/fon_b.jpg"));
    // A table that cannot be opened is reported on its own: this window may
    // not open at all.
    selection_ = std::make_unique<DatabaseSelection>(*context_);
    context_->setWindow(this);
    controls_ = buildControls(SelectionControls::browseBd(), this);
    buildLists();
    connect(controls_->control<QPushButton>(QStringLiteral("?SortButton")), &QPushButton::clicked,
            this, &BrowseBdWindow::showSortMenu);
    connect(controls_->control<QPushButton>(QStringLiteral("?Connect")), &QPushButton::clicked,
            this, &BrowseBdWindow::connectFolder);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (BrowseList* list : {heads_, folders_})
            if (now && list->isAncestorOf(now)) lastList_ = list;
    });
    lastList_ = heads_;
    setFocusProxy(heads_);
    Help::setCurrentTopic(SelectionControls::kHelpTopic);
}

BrowseBdWindow::~BrowseBdWindow() {
    disconnect(qApp, nullptr, this, nullptr);
    // Gone without closing (the frame torn down): the form that works in
    // this window's context, and the lists that read through its tables, go
    // first.
    if (QWidget* form = context_->window(); waiting_ && form && form != this) {
        QWidget* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        delete (sub ? sub : form);
    }
    delete heads_;
    delete folders_;
}

void BrowseBdWindow::buildLists() {
    const QString headsTooltip =
        QStringLiteral("[Головные подразделения ветеринарии,\nили наименование основной БД]");
    heads_ = makeList(selection_->heads(), SelectionControls::kHeadList, headsTooltip,
                      {{.head = QStringLiteral("Наименование БД учреждения"),
                        .field = RID::NAME,
                        .picture = QStringLiteral("s35"),
                        .width = 230},
                       {.head = QStringLiteral("iD"),
                        .headAlignment = Qt::AlignRight,
                        .field = RID::KOD,
                        .picture = QStringLiteral("n-4.0"),
                        .width = 40,
                        .alignment = Qt::AlignRight,
                        .indent = 2}});
    folders_ = makeList(selection_->folders(), SelectionControls::kFolderList, kPassiveConnections,
                        {{.head = QStringLiteral("Имя подведомственной БД"),
                          .field = KON::NAME,
                          .picture = QStringLiteral("s35"),
                          .width = 140},
                         {.head = QStringLiteral("Полный путь к БД"),
                          .field = KON::PATH,
                          .picture = QStringLiteral("s255"),
                          .width = 600}});
    connect(heads_, &BrowseList::listEvent, this, &BrowseBdWindow::headMoved);
    connect(folders_, &BrowseList::listEvent, this, &BrowseBdWindow::folderMoved);
    bindButtons(heads_, {});
    bindButtons(folders_, QStringLiteral(":2"));
    if (!selection_->isOpen()) return;
    heads_->setSource(selection_->headSource());
    // The window opens on the folder in use, so that what it shows is what
    // the other windows work on.
    if (const auto place = selection_->activePlace()) {
        heads_->refreshAt(place->head);
        folders_->refreshAt(place->folder);
    }
}

BrowseList* BrowseBdWindow::makeList(TableAccess& access, At at, const QString& tooltip,
                                     std::vector<BrowseColumn> columns) {
    auto* list = new BrowseList(access, this);
    list->setColumns(std::move(columns));
    list->setRowHeight(SelectionControls::kListRowHeight);
    list->setToolTip(tooltip);
    list->setGeometry(controls_->units().rect(at));
    list->show();
    return list;
}

void BrowseBdWindow::bindButtons(BrowseList* list, const QString& suffix) {
    const auto button = [&](const char* label) {
        return controls_->control<QPushButton>(QLatin1String(label) + suffix);
    };
    list->setRecordButtons(button("?Insert"), button("?Change"), button("?Delete"));
    connect(list, &BrowseList::insertRequested, this,
            [this, list] { callForm(list, Request::Insert); });
    connect(list, &BrowseList::changeRequested, this,
            [this, list] { callForm(list, Request::Change); });
    connect(list, &BrowseList::deleteRequested, this,
            [this, list] { callForm(list, Request::Delete); });
    connect(list, &BrowseList::helpRequested, this,
            [] { Help::show(SelectionControls::kHelpTopic); });
}

void BrowseBdWindow::headMoved() {
    const qint64 code = heads_->currentRow() ? selection_->heads().record().integer(RID::KOD) : 0;
    if (code != selection_->folderOwner() || !folders_->source())
        folders_->setSource(selection_->folderSource());
    controls_->control(QStringLiteral("?Insert:2"))->setEnabled(code != 0);
}

// Moves the list makes by itself (a new page, a refresh) leave the active
// folder alone; what the user does to the list, or the toolbar while the
// list has the focus, makes the highlighted folder active.
void BrowseBdWindow::folderMoved(BrowseList::Event event) {
    controls_->control<QLineEdit>(QStringLiteral("?PathField"))->setText(selection_->folderPath());
    if (event != BrowseList::Event::NewRow || folders_->isAncestorOf(QApplication::focusWidget()))
        makeFolderActive();
}

void BrowseBdWindow::makeFolderActive() {
    const auto refused = selection_->activateFolder();
    if (!refused || selection_->folderPath() == refusedPath_) return;
    refusedPath_ = selection_->folderPath();  // said once, not at every move
    context_->errors().show({Severity::Notice, QStringLiteral("БД не подключена"), *refused});
}

// A folder the user highlights is active already; the button takes the
// highlighted one only while none is, so that a glance into the window never
// switches the folder in use.
void BrowseBdWindow::connectFolder() {
    if (Forma3FileName.get().isEmpty()) makeFolderActive();
    close();
}

void BrowseBdWindow::showSortMenu() {
    if (!sortMenu_) {
        sortMenu_ = new QMenu(this);
        for (const auto& [tab, order] : {std::pair{QStringLiteral("?Tab:1"), HeadOrder::Code},
                                         std::pair{QStringLiteral("?Tab:2"), HeadOrder::Stored}}) {
            QAction* action = sortMenu_->addAction(controls_->def(tab)->text);
            action->setCheckable(true);  // a check mark, set anew at each showing
            action->setData(int(order));
            connect(action, &QAction::triggered, this, [this, order] { setHeadOrder(order); });
        }
    }
    for (QAction* action : sortMenu_->actions())
        action->setChecked(action->data().toInt() == int(selection_->headOrder()));
    QWidget* button = controls_->control(QStringLiteral("?SortButton"));
    sortMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void BrowseBdWindow::setHeadOrder(HeadOrder order) {
    selection_->setHeadOrder(order);
    controls_->selectTab(order == HeadOrder::Code ? QStringLiteral("?Tab:1")
                                                  : QStringLiteral("?Tab:2"));
    const qint64 highlighted = selection_->heads().position();
    heads_->setSource(selection_->headSource());
    if (highlighted != 0) heads_->refreshAt(highlighted);
}

void BrowseBdWindow::callForm(BrowseList* list, Request request) {
    if (waiting_ || !selection_->isOpen()) return;
    const bool head = list == heads_;
    if (request == Request::Insert && !(head ? selection_->primeHead() : selection_->primeFolder()))
        return list->refresh();  // the buffer goes back to the highlighted row
    waiting_ = true;
    setEnabled(false);
    context_->setGlobalRequest(request);
    QPointer<BrowseBdWindow> self(this);
    const auto done = [self, list](Response) {
        if (self) self->formDone(list);
    };
    if (head)
        UpdateBD(*context_, done);
    else
        UpdateConfig(*context_, done);
}

void BrowseBdWindow::formDone(BrowseList* list) {
    waiting_ = false;
    setEnabled(true);
    if (!isVisible()) return;  // closed right after its form
    const qint64 worked =
        list == heads_ ? selection_->heads().position() : selection_->folders().position();
    if (worked != 0)
        list->refreshAt(worked);
    else
        list->refresh();
    WindowHost::instance().activate(this);
    list->setFocus();
}

bool BrowseBdWindow::toolbarAction(ToolbarAction action) {
    if (waiting_) return false;
    if (action == ToolbarAction::Help) {
        Help::show(SelectionControls::kHelpTopic);
        return true;
    }
    return lastList_ && lastList_->toolbarAction(action);
}

// The form works in this window's context: it closes first. Once it has
// closed, the context's messages belong to this window again.
void BrowseBdWindow::closeEvent(QCloseEvent* event) {
    if (QWidget* form = context_->window(); waiting_ && form && form != this) {
        event->ignore();
        WindowHost::instance().activate(form);
        return;
    }
    QWidget::closeEvent(event);
}
