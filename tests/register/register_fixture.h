#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <memory>
#include <vector>

#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "register/register_model.h"
#include "runtime/ui/browse_source.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_context.h"
#include "support/temp_folder.h"

// One certificate as a test writes it.
struct Cert {
    qint64 number = 0;
    QString recipient;
    qint32 date = 0;
    QString destination;
    QString product;  // FR3:S3
};

// A register over a fresh data folder, opened, with certificates added
// through its own table.
class RegisterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        ASSERT_FALSE(DataFolder::activate(data.path()));
        SettingsFile::instance().setPath(work.file(QStringLiteral("vetdocs.INI")));
        context = std::make_unique<WindowContext>(RegisterModel::kProcedure, vetdocsSchema(),
                                                  std::make_unique<RecordingErrorManager>());
        model = std::make_unique<RegisterModel>(*context);
        ASSERT_TRUE(model->open());
    }
    void TearDown() override {
        // A popup is a top-level widget too, deleted with its owner.
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (!widget->parentWidget()) windows.emplace_back(widget);
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
        model.reset();
        context.reset();
        DataFolder::setWorkFolder({});
        DataFolder::activate({});
    }

    TableAccess& table() { return model->certificates(); }
    RecordingErrorManager& errors() {
        return static_cast<RecordingErrorManager&>(context->errors());
    }

    qint64 add(const Cert& c) {
        TableAccess& t = table();
        t.prime();
        RecordBuffer& r = t.record();
        r.setInteger(FR3::NFORM, c.number);
        r.setText(FR3::S2, c.recipient);
        r.setInteger(FR3::DATAV, c.date);
        r.setText(FR3::S14, c.destination);
        r.setText(FR3::S3, c.product);
        r.setText(FR3::OPIS, c.recipient.left(25));
        EXPECT_TRUE(t.insert());
        return t.position();
    }
    std::vector<qint64> add(std::initializer_list<Cert> certs) {
        std::vector<qint64> positions;
        table().transaction([&] {
            for (const Cert& c : certs)
                positions.push_back(add(c));
            return true;
        });
        return positions;
    }

    // Every row the source holds, first to last, as numbers.
    static std::vector<qint64> numbers(BrowseSource& source) {
        return numbersOf(source.next(nullptr, 1000));
    }
    static std::vector<qint64> numbersOf(const std::vector<StoredRecord>& rows) {
        std::vector<qint64> result;
        RecordBuffer record(FR3::layout());
        for (const StoredRecord& row : rows) {
            record.setImage(row.image);
            result.push_back(record.integer(FR3::NFORM));
        }
        return result;
    }
    std::vector<qint64> listed() { return numbers(*model->makeSource()); }

    // The register searching for text, as [Найти] does.
    std::vector<qint64> search(const QString& text) {
        model->setQuery(text);
        model->find();
        return listed();
    }

    TempFolder work;
    TempFolder data;
    std::unique_ptr<WindowContext> context;
    std::unique_ptr<RegisterModel> model;
};
