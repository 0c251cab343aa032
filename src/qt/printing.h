// Print-outs of a form: the part of its window that its visible controls
// use, drawn afresh at the printer's own resolution (text and drawings as
// vectors, not a screen grab), at the size it has on the screen inside the
// page margins; on a landscape page when more of it fits there, shrunk
// only as far as its type stays readable (7 pt), on more pages if need be.
#pragma once

#include <QDate>
#include <QRect>
#include <QString>

class QPicture;
class QPrinter;
class QWidget;

namespace ondalab::qt {

enum class Printed { Done, NoPrinter, NotWritten };

// Prints the window on the default printer. QT_PRINT_TO_PDF=FILE writes
// that PDF instead; with no printer the user is offered to save a PDF (not
// on the offscreen platform). Done also when the user declined to save, as
// there is nothing to warn about; NotWritten when a PDF could not be written.
Printed printWindow(QWidget& window);

// Draws the window onto a printer that is ready to print: the area `used`
// of it (the whole window when empty), its type `points` large on the screen.
bool renderOnto(QPrinter& printer, QWidget& window, QRect used = {}, double points = 8.0);

// Draws a recording of a window's area of `size` pixels, made at `dpi`
// with its corner at 0,0, onto a printer that is ready to print.
bool printRecording(QPrinter& printer, const QPicture& recording, QSize size, int dpi, double points);

// The smallest type a print-out shrinks its text to.
inline constexpr double kSmallestPrintPoints = 7.0;

// The name offered for a PDF: the caption, made safe for a file name, and
// the day, "Radiatore accorciato 2026-01-15.pdf".
QString pdfFileName(const QString& caption, QDate day);

}  // namespace ondalab::qt
