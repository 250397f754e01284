#include "runtime/ui/help.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>

#include "runtime/core/shared_value.h"
#include "runtime/ui/window_host.h"

namespace {

const QString kFolder = QStringLiteral(":/help/");

Shared<QString>& currentTopicValue() {
    static Shared<QString> topic;
    return topic;
}

QPointer<HelpWindow>& openWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

QString fileName(const QString& topic) {
    return topic.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                   topic.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
               ? topic
               : topic + QStringLiteral(".htm");
}

QString notFoundPage(const QString& topic) {
    return QStringLiteral(
               "<html><body><h2>Раздел справки не найден</h2>"
               "<p>В справке нет раздела «%1».</p>"
               "<p><a href=\"%2\">Содержание справки</a></p></body></html>")
        .arg(topic.toHtmlEscaped(), Help::kContents);
}

class F1Filter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            Help::showCurrent();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true);
    setWindowTitle(QStringLiteral("Справка"));
}

void HelpWindow::showTopic(const QString& topic) {
    setSource(QUrl(QStringLiteral("qrc") + kFolder + fileName(topic)));
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc")) {
        QFile file(QLatin1Char(':') + name.path());
        if (!file.open(QIODevice::ReadOnly)) return notFoundPage(name.fileName());
        return QString::fromUtf8(file.readAll());
    }
    return QTextBrowser::loadResource(type, name);
}

namespace Help {

QString currentTopic() {
    return currentTopicValue().get();
}

void setCurrentTopic(const QString& topic) {
    currentTopicValue().set(topic);
}

HelpWindow* show(const QString& topic) {
    setCurrentTopic(topic);
    HelpWindow* help = openWindow();
    if (!help) {
        help = new HelpWindow;
        openWindow() = help;
        WindowHost::instance().open(help, QStringLiteral("Help"), QSize(640, 480));
    }
    help->showTopic(topic);
    WindowHost::instance().activate(help);
    return help;
}

HelpWindow* showCurrent() {
    const QString topic = currentTopic();
    return show(topic.isEmpty() ? kContents : topic);
}

HelpWindow* window() {
    return openWindow();
}

void installF1() {
    static F1Filter* filter = nullptr;
    if (filter) return;
    filter = new F1Filter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace Help
