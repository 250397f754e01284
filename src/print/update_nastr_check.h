#pragma once

#include <QPointF>

#include "print/print_layout.h"
#include "runtime/core/record_buffer.h"
#include "runtime/report/page.h"
#include "runtime/report/report_preview.h"
#include "runtime/storage/table_set.h"
#include "runtime/ui/window_context.h"

// "[Проверить печать]" of the profile form: the page a print of the side
// would give with the profile as the form holds it, saved or not, over the
// picture of the blank, so that a change is seen before a blank is spent.
namespace PrintCheck {

// The page of the certificate with that number, or of a sample certificate
// when the number is 0, when no data folder is active or when the
// certificate is not there. The profile's positions and font place the
// values as a print does; the shift moves the page.
ReportDocument compose(TableSet& tables, PrintSide side, const RecordBuffer& profile, qint64 number,
                       QPointF shift);

// Composes the page for the certificate last highlighted in a register
// (nform) and the whole-form shift (AX, AY), and shows it in a preview
// inside the frame, the blank shown under the values. Certificates are
// read through the context's tables.
ReportPreview* show(WindowContext& context, PrintSide side, const RecordBuffer& profile);

}  // namespace PrintCheck
