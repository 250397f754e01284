#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <ostream>

#include "data/config.h"
#include "data/data_folder.h"
#include "data/ridgen.h"
#include "data/schema.h"
#include "runtime/ui/window_context.h"
#include "support/temp_folder.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A working folder of its own with a window context over it, as the
// selection window has; messages are kept for the test to read.
class SelectionFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        DataFolder::activate({});
        auto recording = std::make_unique<RecordingErrorManager>();
        errors = recording.get();
        ownedContext = std::make_unique<WindowContext>(QStringLiteral("BrowseBD"), vetdocsSchema(),
                                                       std::move(recording));
        context = ownedContext.get();
    }
    void TearDown() override {
        ownedContext.reset();
        DataFolder::activate({});
        DataFolder::setWorkFolder({});
    }

    TableAccess& ridgen() { return context->tables().access(u"RIDGEN"); }
    TableAccess& config() { return context->tables().access(u"CONFIG"); }

    void addHead(int kod, const QString& name) {
        TableAccess& table = ridgen();
        ASSERT_TRUE(table.open());
        table.prime();
        table.record().setInteger(RID::KOD, kod);
        table.record().setText(RID::NAME, name);
        ASSERT_TRUE(table.insert());
        table.close();
    }

    void addFolder(int kod, const QString& name, const QString& path) {
        TableAccess& table = config();
        ASSERT_TRUE(table.open());
        table.prime();
        table.record().setInteger(KON::KOD, kod);
        table.record().setText(KON::NAME, name);
        table.record().setText(KON::PATH, path);
        ASSERT_TRUE(table.insert());
        table.close();
    }

    // One field of every stored record, in stored order.
    QStringList stored(TableAccess& table, int field) {
        EXPECT_TRUE(table.open());
        QStringList values;
        RecordBuffer record(table.record().layout());
        for (const StoredRecord& row : table.read({})) {
            record.setImage(row.image);
            values << record.value(field).toString();
        }
        table.close();
        return values;
    }

    QStringList messageTitles() const {
        QStringList titles;
        for (const ErrorMessage& message : errors->messages)
            titles << message.title;
        return titles;
    }

    TempFolder work;
    RecordingErrorManager* errors = nullptr;
    // The context, wherever it lives: a window may take it over.
    std::unique_ptr<WindowContext> ownedContext;
    WindowContext* context = nullptr;
};
