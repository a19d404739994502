#pragma once
// The chart sheet sent to a printer through the system's print dialog.

#include <functional>
#include <string>

#include "view/ChartSheet.h"

class QPrinter;
class QWidget;

namespace view {

// Answers the print dialog in place of the user: sets up printer as the user would and
// returns whether to print.
using PrintDialogHook = std::function<bool(QPrinter& printer)>;

// Installs a hook that answers every print dialog; an empty hook brings the real dialog
// back. Returns the hook installed before.
PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);

// Shows the print dialog (the paper the locale's, A4 or Letter, which the dialog can
// change; SheetPageLayout) and prints the sheet of input on one page of the printer
// chosen. Returns "" when printed or when the dialog was cancelled, else the reason.
std::string PrintChartSheet(QWidget* parent, const ChartSheetInput& input);

}  // namespace view
