#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "register/update_forma2.h"
#include "register/update_forma2_window.h"
#include "runtime/core/day_date.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_context.h"
#include "support/temp_folder.h"

// A register's window context over a fresh data folder and working folder,
// as the certificate form finds it when the register calls it.
class CertificateFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        ASSERT_FALSE(DataFolder::activate(data.path()));
        SettingsFile::instance().setPath(work.file(QStringLiteral("vetdocs.INI")));
        ASSERT_TRUE(forma3().open());
    }
    void TearDown() override {
        // Windows left open go, with whatever they own.
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windows.append(widget);
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
        forma3().close();
        DataFolder::setWorkFolder({});
        DataFolder::activate({});
    }

    TableAccess& forma3() { return context.tables().access(u"FORMA3"); }
    RecordBuffer& record() { return forma3().record(); }
    RecordingErrorManager& errors() {
        return static_cast<RecordingErrorManager&>(context.errors());
    }

    // Stores a certificate and leaves it in the buffer, as the register's
    // highlighted row.
    qint64 store(qint64 number, const QString& date, const QString& recipient = {}) {
        forma3().prime();
        record().setInteger(FR3::NFORM, number);
        record().setInteger(FR3::DATAV, *DayDate::parse(date));
        record().setText(FR3::S2, recipient);
        EXPECT_TRUE(forma3().insert());
        return forma3().position();
    }

    qint64 count() { return forma3().count(); }

    // The stored certificate at the position.
    RecordBuffer stored(qint64 position) {
        RecordingErrorManager quiet;
        TableSet other(vetdocsSchema(), quiet);
        TableAccess& table = other.access(u"FORMA3");
        EXPECT_TRUE(table.open());
        EXPECT_TRUE(table.fetch(position));
        RecordBuffer copy = table.record();
        table.close();
        return copy;
    }

    // Another station deletes the certificate meanwhile.
    static void removeElsewhere(qint64 position) {
        RecordingErrorManager quiet;
        TableSet other(vetdocsSchema(), quiet);
        TableAccess& table = other.access(u"FORMA3");
        ASSERT_TRUE(table.open());
        table.setPosition(position);
        ASSERT_TRUE(table.remove());
        table.close();
    }

    // Runs the form as the register does; the window it opened, if any.
    UpdateForma2Window* run(Request request) {
        context.setGlobalRequest(request);
        UpdateForma2(context, [this](Response response) { answers.push_back(response); });
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* window = qobject_cast<UpdateForma2Window*>(widget);
                window && window->isVisible())
                return window;
        return nullptr;
    }

    TempFolder work;
    TempFolder data;
    WindowContext context{QStringLiteral("BrowseFormf2"), vetdocsSchema(),
                          std::make_unique<RecordingErrorManager>()};
    std::vector<Response> answers;
};
