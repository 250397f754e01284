#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QVariant>

// The help window: HTML topics from the resource folder ":/help/", found by
// their topic names ("Форма №2.htm"; the ".htm" may be left out). A topic
// that is not there shows a page saying so.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showTopic(const QString& topic);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

// The program's help: one current topic for the whole process, one help
// window inside the frame.
namespace Help {

inline const QString kContents = QStringLiteral("Содержание.htm");

QString currentTopic();
void setCurrentTopic(const QString& topic);

// Makes the topic current and shows it, in the open help window if there is one.
HelpWindow* show(const QString& topic);
// What F1 opens: the topic last asked for, or the contents.
HelpWindow* showCurrent();
// The open help window, or null.
HelpWindow* window();

// F1 in any window of the program opens showCurrent().
void installF1();

}  // namespace Help
