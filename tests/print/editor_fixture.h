#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "data/shared_values.h"
#include "print/browse_nastr_window.h"
#include "print/update_nastr_window.h"
#include "print_fixture.h"
#include "runtime/report/report_preview.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/ui_test_support.h"

// The profile list opened on its own (no frame), over the fixture's working
// folder; the table's messages are kept for the test to read.
class EditorFixture : public PrintWindowsFixture {
protected:
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QApplication::processEvents();
        delete list.data();
        QApplication::processEvents();
        PrintWindowsFixture::TearDown();
    }

    void openList() {
        auto recording = std::make_unique<RecordingErrorManager>();
        listErrors = recording.get();
        list = new BrowseNastrWindow(std::make_unique<WindowContext>(
            QStringLiteral("BrowseNastr"), vetdocsSchema(), std::move(recording)));
        showActive(*list);
    }

    // Opens the form from the list, as "[Изменить]" does.
    UpdateNastrWindow* openForm() {
        openList();
        list->controls().control<QPushButton>(QStringLiteral("?Change"))->click();
        QApplication::processEvents();
        if (UpdateNastrWindow* opened = form()) showActive(*opened);
        return form();
    }

    // The open profile form, or null.
    static UpdateNastrWindow* form() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<UpdateNastrWindow*>(widget); found && found->isVisible())
                return found;
        return nullptr;
    }

    static QList<ReportPreview*> previews() {
        QList<ReportPreview*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<ReportPreview*>(widget);
                preview && preview->isVisible())
                found.append(preview);
        return found;
    }

    static QMessageBox* question() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
        return nullptr;
    }

    static void click(UpdateNastrWindow* window, const char* label) {
        window->controls().control<QPushButton>(QLatin1String(label))->click();
        QApplication::processEvents();
    }

    // Profiles with these key values and nothing else.
    void keepOnlyProfiles(std::initializer_list<int> numbers) {
        removeEveryProfile();
        for (int number : numbers) {
            profiles().prime();
            RecordBuffer& p = profiles().record();
            p.setInteger(LAS::NFORM, number);
            p.setText(LAS::NAME, QStringLiteral("Принтер %1").arg(number));
            p.setText(LAS::TYPEFACE, u"Arial Cyr");
            p.setInteger(LAS::FONTSIZE, 10);
            p.setNumber(LAS::AXZ1, 20 + number);
            ASSERT_TRUE(profiles().insert());
        }
    }

    double storedValue(int field) {
        Profile::readActive(profiles());
        return profiles().record().number(field);
    }

    QPointer<BrowseNastrWindow> list;
    RecordingErrorManager* listErrors = nullptr;
};

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
