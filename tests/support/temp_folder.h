#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // path() with a trailing "/", as data folder paths are written.
    QString folder() const { return dir_.path() + QLatin1Char('/'); }

private:
    QTemporaryDir dir_;
};
