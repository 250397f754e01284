#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <functional>

#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/last.h"
#include "data/schema.h"
#include "data/shared_values.h"
#include "print/profile.h"
#include "runtime/storage/table_set.h"
#include "runtime/ui/settings_file.h"
#include "support/temp_folder.h"

// A data folder with certificates and a working folder with the profile
// table, as a print finds them.
class PrintFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        ASSERT_FALSE(DataFolder::activate(data.folder()));
        ASSERT_TRUE(tables.relate(u"FORMA3").open());
        ASSERT_TRUE(tables.relate(u"LAST").open());
    }
    void TearDown() override {
        tables.relate(u"LAST").close();
        tables.relate(u"FORMA3").close();
        DataFolder::activate({});
        DataFolder::setWorkFolder({});
    }

    TableAccess& certificates() { return tables.access(u"FORMA3"); }
    TableAccess& profiles() { return tables.access(u"LAST"); }

    // Every text field holds its own name ("Z1", "S223"), so a printed text
    // tells which field it is; the day prints "05" and the year "24".
    void addCertificate(qint64 number, const QString& permit = {}, const QString& z1 = {}) {
        certificates().prime();
        RecordBuffer& r = certificates().record();
        for (const Field& field : FR3::layout().fields())
            if (field.type == FieldType::String) r.setText(field.index, field.name);
        r.setText(FR3::NLIC, permit);
        if (!z1.isEmpty()) r.setText(FR3::Z1, z1);
        r.setInteger(FR3::NFORM, number);
        r.setInteger(FR3::DAY, 5);
        r.setInteger(FR3::GOD, 24);
        ASSERT_TRUE(certificates().insert());
    }

    // Changes the stored active profile.
    void changeProfile(const std::function<void(RecordBuffer&)>& change) {
        ASSERT_TRUE(Profile::readActive(profiles()));
        change(profiles().record());
        ASSERT_TRUE(profiles().update());
    }

    // Every position field a value of its own, so a control placed by the
    // wrong pair shows.
    void giveEveryPositionItsOwnValue() {
        changeProfile([](RecordBuffer& p) {
            for (const Field& field : LAS::layout().fields())
                if (field.places > 0) p.setNumber(field.index, 5 + 0.1 * field.index);
        });
    }

    void removeEveryProfile() {
        while (Profile::readActive(profiles()))
            ASSERT_TRUE(profiles().remove());
    }

    TempFolder work;
    TempFolder data;
    RecordingErrorManager errors;
    TableSet tables{vetdocsSchema(), errors};
};

// Print windows over the fixture: their places kept in a settings file of
// the working folder; every window closed and the program-wide print values
// put back afterwards.
class PrintWindowsFixture : public PrintFixture {
protected:
    void SetUp() override {
        PrintFixture::SetUp();
        SettingsFile::instance().setPath(work.file(QStringLiteral("vetdocs.INI")));
    }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QApplication::processEvents();
        nform.set(0);
        AX.set(0);
        AY.set(0);
        SettingsFile::instance().setPath({});
        PrintFixture::TearDown();
    }
};

// Runs the event loop until the condition holds or two seconds pass.
inline bool waitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(2000);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
