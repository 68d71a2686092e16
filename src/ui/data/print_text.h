// Printing a plain text, line by line, in the list's font.
#pragma once

#include <string>

#include <QString>

namespace korvel::ui {

// Prints `text` (lines ended by CR LF or LF) as one job named `title` on the
// system's default printer, or into the PDF file `pdfPath` when one is given.
// The job ends (and goes to the printer) before this returns. False with a
// Japanese `reason` when there is no printer or the job failed.
bool printPlainText(const std::string& title, const std::string& text, std::string& reason,
                    const QString& pdfPath = {});

}  // namespace korvel::ui
