#include "print/update_nastr_check.h"

#include <QCheckBox>
#include <optional>

#include "data/data_folder.h"
#include "data/shared_values.h"
#include "print/certificate_print.h"
#include "print/profile_form.h"
#include "print/update_nastr_sample.h"
#include "runtime/report/report_pass.h"
#include "runtime/ui/window_host.h"

namespace PrintCheck {

namespace {

// The one page of a certificate that is not in any table.
class SingleRecord : public RecordSource {
public:
    SingleRecord(PrintLayout& layout, const RecordBuffer& profile, QPointF shift)
        : layout_(layout), profile_(profile), shift_(shift) {}

    int fetch(int max, const std::function<void()>& printDetail) override {
        if (done_ || max < 1) return 0;
        done_ = true;
        layout_.place(profile_, shift_);
        printDetail();
        return 1;
    }
    double progress() const override { return done_ ? 1 : 0; }

private:
    PrintLayout& layout_;
    const RecordBuffer& profile_;
    QPointF shift_;
    bool done_ = false;
};

std::optional<ReportDocument> storedCertificate(TableSet& tables, PrintSide side,
                                                const RecordBuffer& profile, qint64 number,
                                                QPointF shift) {
    if (number == 0 || Forma3FileName.get().isEmpty()) return std::nullopt;
    CertificatePrint print(tables, side, number, shift);
    print.useProfile(profile);
    if (!print.open()) return std::nullopt;
    ReportPass pass(print.layout(), print.source());
    if (pass.runToEnd() != ReportOutcome::Completed) return std::nullopt;
    return pass.takeDocument();
}

ReportDocument sample(PrintSide side, const RecordBuffer& profile, QPointF shift) {
    const RecordBuffer certificate = sampleCertificate();
    PrintLayout layout(side, certificate);
    SingleRecord source(layout, profile, shift);
    ReportPass pass(layout.report(), source);
    pass.runToEnd();
    return pass.takeDocument();
}

}  // namespace

ReportDocument compose(TableSet& tables, PrintSide side, const RecordBuffer& profile, qint64 number,
                       QPointF shift) {
    if (auto stored = storedCertificate(tables, side, profile, number, shift))
        return std::move(*stored);
    return sample(side, profile, shift);
}

ReportPreview* show(WindowContext& context, PrintSide side, const RecordBuffer& profile) {
    auto* preview = new ReportPreview(
        compose(context.tables(), side, profile, nform.get(), QPointF(AX.get(), AY.get())));
    WindowHost::instance().open(preview, ProfileForm::kProcedure + QStringLiteral("/Preview"));
    if (auto* blank = preview->findChild<QCheckBox*>(QStringLiteral("underlay")))
        blank->setChecked(true);
    return preview;
}

}  // namespace PrintCheck
