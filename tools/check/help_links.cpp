#include "check/help_links.h"

#include <QDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace {

QStringList linksIn(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href)) links << href;
        }
    }
    return links;
}

bool hasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(name)) return true;
        }
    }
    return false;
}

QString followLink(QTextBrowser& browser, const QUrl& from, const QString& href) {
    const QUrl target = from.resolved(QUrl(href));
    browser.setSource(target);
    if (browser.documentTitle().isEmpty()) return QStringLiteral("does not open a topic");
    if (target.hasFragment() && !hasAnchor(*browser.document(), target.fragment())) {
        return QStringLiteral("names a missing anchor");
    }
    return {};
}

}  // namespace

QStringList checkHelpLinks(const QString& folder) {
    QStringList faults;
    const QStringList topics = QDir(folder).entryList({QStringLiteral("*.htm")}, QDir::Files);
    if (topics.isEmpty()) faults << QStringLiteral("no help topics in ") + folder;
    QTextBrowser browser;
    for (const QString& topic : topics) {
        const QUrl page = QUrl(QStringLiteral("qrc") + folder + QLatin1Char('/') + topic);
        browser.setSource(page);
        if (browser.documentTitle().isEmpty()) faults << topic + QStringLiteral(": no title");
        for (const QString& href : linksIn(*browser.document())) {
            if (!QUrl(href).isRelative()) continue;
            const QString fault = followLink(browser, page, href);
            if (!fault.isEmpty())
                faults << QStringLiteral("%1: link \"%2\" %3").arg(topic, href, fault);
        }
    }
    return faults;
}
