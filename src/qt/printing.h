// Print-outs of a form: its window drawn afresh at the printer's own
// resolution (text and drawings as vectors, not a screen grab), at the size
// it has on the screen, inside the page margins.
#pragma once

#include <QDate>
#include <QString>

class QPrinter;
class QWidget;

namespace ondalab::qt {

// Prints the window on the default printer. QT_PRINT_TO_PDF=FILE writes
// that PDF instead; with no printer the user is offered to save a PDF (not
// on the offscreen platform). False when nothing could be printed; true
// also when the user declined to save, as there is nothing to warn about.
bool printWindow(QWidget& window);

// Draws the window onto a printer that is ready to print.
bool renderOnto(QPrinter& printer, QWidget& window);

// The name offered for a PDF: the caption, made safe for a file name, and
// the day, "Radiatore accorciato 2026-01-15.pdf".
QString pdfFileName(const QString& caption, QDate day);

}  // namespace ondalab::qt
